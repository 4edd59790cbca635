#include "support/path_confinement.h"

#include "support/application_folder.h"

#include <string>

namespace fsys {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

bool climbsAbove(std::string_view relative) {
    long depth = 0;
    std::size_t pos = 0;
    while (pos <= relative.size()) {
        std::size_t end = pos;
        while (end < relative.size() && !isSeparator(relative[end]))
            ++end;
        const std::string_view component = relative.substr(pos, end - pos);
        pos = end + 1;
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (--depth < 0)
                return true;
        } else {
            ++depth;
        }
    }
    return false;
}

std::size_t folderPrefix(std::string_view text, std::string_view folder) {
    while (!folder.empty() && isSeparator(folder.back()))
        folder.remove_suffix(1);
    // The text must hold the folder followed by a separator.
    if (text.size() <= folder.size() || !isSeparator(text[folder.size()]))
        return std::string_view::npos;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const char a = text[i];
        const char b = folder[i];
        if (a != b && !(isSeparator(a) && isSeparator(b)))
            return std::string_view::npos;
    }
    return folder.size();
}

bool leavesFolder(std::string_view text, std::string_view folder) {
    const std::size_t prefix = folderPrefix(text, folder);
    return prefix != std::string_view::npos && climbsAbove(text.substr(prefix + 1));
}

bool leavesApplicationFolder(std::string_view text) {
    return leavesFolder(text, appfolder::reported());
}

} // namespace fsys
