#pragma once
// Confinement of paths to the application folder. The program builds every
// path by appending names to a folder below the application folder, and many
// of those names come from data: a catalogue's "FileName", a palette's
// "Source", a location or map name. Appending can only lead elsewhere through
// ".." components, so a path text that starts with the application folder
// must never climb above it; the file-system boundary refuses such texts
// before touching the disk.

#include "support/path_errors.h"

#include <cstddef>
#include <string_view>

namespace fsys {

// Whether the components of `relative` ("\" or "/" separated) climb above
// the folder they start in at some point: a ".." with no component of its own
// before it to cancel. Empty components and "." stay where they are.
bool climbsAbove(std::string_view relative);

// The length of `folder` (less its trailing separators) when `text` starts
// with it followed by a separator; npos when it does not. Separators "\" and
// "/" compare equal.
std::size_t folderPrefix(std::string_view text, std::string_view folder);

// Whether `text` names a place below the folder `folder` (a program text,
// with or without its trailing separator; separators "\" and "/" compare
// equal) but climbs out of it.
bool leavesFolder(std::string_view text, std::string_view folder);

// The same for the application folder.
bool leavesApplicationFolder(std::string_view text);

} // namespace fsys
