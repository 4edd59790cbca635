#pragma once
// `mapedit export --tmx`: a location as a Tiled map with the pictures of its
// tilesets beside it.

#include "interchange/location_content.h"

#include <string>

namespace cli {

// The folder of a map file's pictures, beside it: "NAME.tiles" for NAME.tmx
// (the file's name without its extension, then ".tiles").
std::string tmxPictureFolderName(const std::string& mapFile);

// Loads the catalogues of `resources` (below the application folder, code
// page 1251) and writes `mapFile` (UTF-8, as the user named it) with its
// pictures in the folder tmxPictureFolderName names. The pictures and the map
// file are written whole or not at all: the pictures into a hidden folder
// first, which replaces an older picture folder only once the map file is
// ready to be committed. Throws Failure when anything fails; then an older
// map file and picture folder stay as they were.
void writeTmxExport(const interchange::LocationContent& content, const std::string& mapFile,
                    const std::string& resources);

} // namespace cli
