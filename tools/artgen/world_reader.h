#pragma once
// Reading the written world back through the same files and helpers the
// editor uses: the catalogues with their pictures, and a location's grid.

#include "model/location_grid.h"

#include <QImage>

#include <string>
#include <vector>

namespace artgen {

struct LoadedCatalogues {
    std::vector<QImage> ground;         // by ground code
    std::vector<QImage> sprites, masks; // by catalogue entry (object code - 1)
    std::vector<std::string> problems;  // what could not be read (for the preview)
};

// Reads level0.ini and level1.ini of the resource folder and every picture
// they list (null where unreadable: the checker reports those).
LoadedCatalogues readCatalogues();

// A picture file through the file-system boundary; null when unreadable.
QImage readPicture(const std::string& file);

// Bits per pixel of a BMP file, or 0 when it is not one.
int bmpBitsPerPixel(const std::string& file);

// Loads a location of Maps\Default the way the editor does; false with a
// reason when the editor would refuse it.
bool loadLocation(const std::string& name, model::LocationGrid& grid, std::string& reason);

// The locations of Maps\Default: the names of its configuration files.
std::vector<std::string> locationNames();

} // namespace artgen
