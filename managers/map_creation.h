#pragma once
// A new map on disk: its folder below the application folder's "Maps\" and
// its description file, an INI file for the game (the editor never reads it
// back).

#include "managers/write_failure.h"

#include <string>
#include <string_view>

namespace managers {

struct NewMap {
    std::string name;
    std::string resources;   // the name of the map's resource folder
    std::string description; // may hold CR LF line breaks
    std::string author;
    std::string contacts;
};

// The folder of map `name`: the application folder + "Maps\" + name + "\".
std::string mapFolderOf(std::string_view name);

// Whether map `name` is taken: its folder holds files. An empty folder is free
// and is used again.
bool mapExists(std::string_view name);

// Creates the map's folder (and "Maps\" when missing) and writes the keys
// "Resources", "Description" (each CR LF made one blank), "Author" and
// "Contacts" of section "CONFIG" of its description file, in this order.
WriteFailure createMap(const NewMap& map);

} // namespace managers
