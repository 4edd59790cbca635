#pragma once
// The folder listings of the managers. They come sorted by name without
// regard to case, as the file system the game's data is made on lists a
// folder; a Linux folder's own order is arbitrary.

#include <string>
#include <string_view>
#include <vector>

namespace managers {

// Sorts names (code page 1251) by their upper-case forms, then by their bytes.
void sortIgnoringCase(std::vector<std::string>& names);

// The locations of the map in `mapFolder` (ending in "\"): the configuration
// files "*." + GetFileType(3), each shown as its name up to the first ".".
std::vector<std::string> locationNames(std::string_view mapFolder);

// Every entry of a folder, folders and plain files alike.
std::vector<std::string> folderEntries(std::string_view folder);

} // namespace managers
