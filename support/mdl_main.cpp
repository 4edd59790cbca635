#include "support/mdl_main.h"

#include "support/application_folder.h"
#include "support/file_system.h"

#include <limits>
#include <vector>

namespace mdlMain {

std::string GetFolderPath(std::string& path) {
    if (path.empty())
        path = appfolder::reported();
    if (!path.empty() && path.back() == '\\')
        return path;
    return path + "\\";
}

std::string ApplicationFolder() {
    std::string path;
    return GetFolderPath(path);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string NormalizeFolder(std::string_view path) {
    std::string out = ReplaceAll(path, "\\\\", "\\");
    out = ReplaceAll(out, "/\\", "\\");
    out = ReplaceAll(out, "//", "\\");
    if (!out.empty() && (out.back() == '/' || out.back() == '\\'))
        return out;
    return out + "\\";
}

bool FileExists(std::string& path) {
    path = ReplaceAll(path, "\\\\", "\\");
    return fsys::probe(path) != fsys::Probe::Missing;
}

bool FolderHasFiles(std::string_view path) {
    std::string folder(path);
    folder = GetFolderPath(folder);
    std::error_code ec;
    return !fsys::listFolder(folder, "*.*", fsys::EntryKind::Files, ec).empty();
}

std::string GetSplitItem(std::string_view text, std::string_view delimiter, std::int32_t index,
                         bool fromEnd) {
    if (text.empty())
        return {};
    std::vector<std::string_view> items;
    if (delimiter.empty()) {
        items.push_back(text);
    } else {
        std::size_t pos = 0;
        while (true) {
            const std::size_t hit = text.find(delimiter, pos);
            if (hit == std::string_view::npos) {
                items.push_back(text.substr(pos));
                break;
            }
            items.push_back(text.substr(pos, hit - pos));
            pos = hit + delimiter.size();
        }
    }
    const auto count = static_cast<std::int64_t>(items.size());
    const std::int64_t number = fromEnd ? count - 1 - index : index;
    if (number < 0 || number >= count)
        return {};
    return std::string(items[static_cast<std::size_t>(number)]);
}

std::string PadZeros(std::string_view text, std::int16_t width) {
    if (static_cast<std::int64_t>(text.size()) >= width)
        return std::string(text);
    return std::string(static_cast<std::size_t>(width) - text.size(), '0') + std::string(text);
}

std::int32_t DigitsToNumber(std::string_view text) {
    std::int64_t value = 0;
    bool anyDigit = false;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        anyDigit = true;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return 0;
    }
    return anyDigit ? static_cast<std::int32_t>(value) : 0;
}

} // namespace mdlMain
