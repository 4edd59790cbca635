#pragma once
// The map-wide part of the check: the resource folder the map names, its two
// catalogues with their pictures and masks, and the palette. What it learns
// (which codes have entries, the footprints the palette gives) is what the
// cell checks of every location look up.

#include "checker/finding.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace checker::detail {

struct CatalogueFacts {
    bool usable = false;        // read, with a Count of 0 or more
    std::string file;           // the catalogue's path (code page 1251)
    std::int64_t count = -1;    // the highest entry
    std::vector<bool> pictured; // by entry: names its picture (and mask)
};

struct ResourceFacts {
    std::string folder; // the resource folder, ending in a separator
    CatalogueFacts ground;
    CatalogueFacts objects;
    // By object code (palette code, cell value - 1): the footprint of the one
    // palette entry with that code; empty where none or several entries have it.
    std::vector<std::vector<std::pair<int, int>>> footprints =
        std::vector<std::vector<std::pair<int, int>>>(65535);
    std::vector<std::string> footprintTexts = std::vector<std::string>(65535);
};

// Checks the resources of the map whose folder is `mapFolder` (ending in a
// separator, holding `mapName`.mpc); findings are added to `findings`.
ResourceFacts checkResources(const std::string& mapFolder, const std::string& mapName,
                             std::vector<Finding>& findings);

// The palette part: entries naming codes the catalogues lack, categories
// naming missing sources, and the footprints of the object codes.
void checkPalette(ResourceFacts& facts, std::vector<Finding>& findings);

} // namespace checker::detail
