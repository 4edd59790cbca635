#include "checker/confinement.h"

#include "support/file_system.h"
#include "support/link_confinement.h"
#include "support/path_confinement.h"

#include <string>

namespace checker::detail {

bool staysWithin(std::string_view folder, std::string_view name) {
    if (name.empty() || name.front() == '\\' || name.front() == '/' ||
        name.find(':') != std::string_view::npos || fsys::climbsAbove(name))
        return false;
    const std::string text = std::string(folder) + std::string(name);
    std::error_code ec;
    const std::filesystem::path native = fsys::resolve(text, ec);
    if (ec)
        return ec != fsys::PathError::OutsideApplicationFolder &&
               ec != fsys::PathError::LinkLeavesApplicationFolder;
    const std::filesystem::path base = fsys::resolve(folder, ec);
    if (ec)
        return true; // a folder that cannot be named holds nothing to follow
    std::error_code linkEc;
    const std::filesystem::path place = fsys::followLinks(native, linkEc);
    const std::filesystem::path home = fsys::followLinks(base, ec);
    if (linkEc || ec)
        return true; // a circle of links leads nowhere: the name reads as unreadable
    return fsys::isWithin(place, home);
}

} // namespace checker::detail
