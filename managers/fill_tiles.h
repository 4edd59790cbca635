#pragma once
// The ground tiles a new location can be filled with: the entries of the
// ground catalogue "level0.ini" of the editor's resource folder (the
// application folder + "Resources\"), in catalogue order. The position of an
// entry in the list is the ground code it fills the location with.

#include <string>
#include <vector>

namespace managers {

// The editor's own resource folder, ending in "\".
std::string editorResourceFolder();

// The "Name" of each entry "OBJ-0" .. "OBJ-" + Count ("Unknown" when missing);
// none when "Count" of section "DATA" is missing, negative or no 16-bit number.
std::vector<std::string> fillTileNames();

} // namespace managers
