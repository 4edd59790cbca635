#pragma once
// Whether a name taken from the map's files keeps to its folder: the checker
// follows no name out of the map folder or the resource folder, neither by
// its text (".." components, a drive, a leading separator) nor through a
// symbolic link on the way.

#include <string_view>

namespace checker::detail {

// Whether `folder` + `name` stays within `folder` (a program text ending in a
// separator). Nothing is opened; links are followed to see where they lead.
bool staysWithin(std::string_view folder, std::string_view name);

} // namespace checker::detail
