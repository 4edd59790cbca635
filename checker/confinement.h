#pragma once
// Whether a name taken from the map's files keeps to its folder: the checker
// follows no name out of the map folder or the resource folder, neither by
// its text (".." components, a drive, a leading separator) nor through a
// symbolic link on the way.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace checker::detail {

// The names of one folder (a program text ending in a separator): the place
// the folder itself leads to is found once, for all of them.
class FolderConfinement {
public:
    explicit FolderConfinement(std::string_view folder);

    // Whether `folder` + `name` stays within the folder. Nothing is opened;
    // links are followed to see where they lead.
    bool holds(std::string_view name) const;

private:
    std::string m_folder;
    // Where the folder leads, links followed; none when it cannot be named
    // or its links go round in a circle.
    std::optional<std::filesystem::path> m_home;
};

// Whether `folder` + `name` stays within `folder`, for a single name.
bool staysWithin(std::string_view folder, std::string_view name);

} // namespace checker::detail
