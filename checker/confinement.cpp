#include "checker/confinement.h"

#include "support/file_system.h"
#include "support/link_confinement.h"
#include "support/path_confinement.h"

namespace checker::detail {

FolderConfinement::FolderConfinement(std::string_view folder) : m_folder(folder) {
    std::error_code ec;
    const std::filesystem::path base = fsys::resolve(folder, ec);
    if (ec)
        return;
    std::filesystem::path home = fsys::followLinks(base, ec);
    if (!ec)
        m_home = std::move(home);
}

bool FolderConfinement::holds(std::string_view name) const {
    if (name.empty() || name.front() == '\\' || name.front() == '/' ||
        name.find(':') != std::string_view::npos || fsys::climbsAbove(name))
        return false;
    std::error_code ec;
    const std::filesystem::path native = fsys::resolve(m_folder + std::string(name), ec);
    if (ec)
        return ec != fsys::PathError::OutsideApplicationFolder &&
               ec != fsys::PathError::LinkLeavesApplicationFolder;
    // A folder that cannot be named holds nothing to follow; a circle of
    // links leads nowhere: the name reads as unreadable.
    if (!m_home)
        return true;
    const std::filesystem::path place = fsys::followLinks(native, ec);
    return ec || fsys::isWithin(place, *m_home);
}

bool staysWithin(std::string_view folder, std::string_view name) {
    return FolderConfinement(folder).holds(name);
}

} // namespace checker::detail
