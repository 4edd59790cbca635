#pragma once
// The tilesets of a location's Tiled map, made from the sizes and names of
// the catalogues' pictures:
//
//   "earth"      every ground entry at the cell's size (tile id = code), and
//                the placeholder drawn for ground codes without an entry;
//   "objects-H"  the object entries (and the placeholder drawn for codes
//                without an entry) whose pictures are H pixels high, each
//                tileset offset down by H - cell height, so that its pictures
//                hang from their cell's top-left corner as the map view
//                draws them;
//   "marks"      the hatchings of closed, guard-zone and action cells.
//
// Picture files are named within `folder`: earth-C.png, earth-err.png,
// object-E.png (E the entry number, the cell holding E + 1), object-err.png,
// mark-block.png, mark-guard.png and mark-action.png.

#include "interchange/location_tmx_writer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace interchange {

struct TmxObjectEntry {
    bool present = false; // false: the entry has no picture and draws the placeholder
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string name; // code page 1251
};

struct TmxCatalogueSizes {
    std::int32_t cellWidth = 32;
    std::int32_t cellHeight = 32;
    std::vector<std::string> groundNames; // one per ground entry (index = code), code page 1251
    std::vector<TmxObjectEntry> objects;  // one per object entry
    std::int32_t placeholderWidth = 32;   // the object placeholder's picture
    std::int32_t placeholderHeight = 32;
};

TmxLayout planTmxLayout(const TmxCatalogueSizes& catalogues, std::string_view folder);

} // namespace interchange
