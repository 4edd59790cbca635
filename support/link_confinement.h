#pragma once
// Confinement through symbolic links. A folder below the application folder
// can hold links, as an unpacked archive can; a path built from names below
// the application folder that passes a link leading out of it would read or
// write a file elsewhere although its text stays inside. The file-system
// boundary checks such paths with their links followed.

#include <filesystem>
#include <system_error>

namespace fsys {

// Where `native` leads once every symbolic link on the way is followed, a link
// to a missing entry included: the place a read would open or a write would
// create. A relative path starts in the working folder. Fails
// (too_many_symbolic_link_levels) for links that lead round in a circle.
std::filesystem::path followLinks(const std::filesystem::path& native, std::error_code& ec);

// Whether `place` is `folder` or lies below it, both as followLinks gives them.
bool isWithin(const std::filesystem::path& place, const std::filesystem::path& folder);

// Checks a native path built from a text below the application folder;
// `base` is the application folder as `native` spells it, and only the
// components past it are looked at. False, with ec set to
// PathError::LinkLeavesApplicationFolder and the link and its target
// recorded (see path_errors.h), when a link past `base` leads out of the
// application folder, or the whole path does once its links are followed.
// The application folder itself may be reached through links: it is compared
// with its links followed too.
bool linksStayInside(const std::filesystem::path& base, const std::filesystem::path& native,
                     std::error_code& ec);

} // namespace fsys
