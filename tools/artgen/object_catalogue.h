#pragma once
// The objects of the sample world, in catalogue order: entry n is drawn for
// the object code n + 1 of a cell.

#include "sprite.h"

#include <functional>
#include <string>
#include <vector>

namespace artgen {

enum class Obj {
    Oak,
    Spruce,
    Birch,
    Bush,
    BerryBush,
    Stump,
    Flowers,
    Rock,
    Boulder,
    Stalagmite,
    Crystals,
    CaveMouth,
    House,
    LogHouse,
    Barn,
    Well,
    FenceHorizontal,
    FenceVertical,
    FenceCornerNW,
    FenceCornerNE,
    FenceCornerSW,
    FenceCornerSE,
    Gate,
    Chest,
    Barrel,
    Signpost,
    Haystack,
    Bench,
    Boat,
    Ladder,
};

struct ObjectEntry {
    std::string file;     // sprite, below the resource folder
    std::string maskFile; // mask, below the resource folder
    std::string name;     // UTF-8
    int widthCells = 1;   // picture size in cells
    int heightCells = 1;
    // The cells the object blocks, rows separated by ",", from the cell it is
    // placed in to the right and downwards; "0" leaves a cell open.
    std::string block;
    std::function<SpriteArt()> paint;
};

const std::vector<ObjectEntry>& objectCatalogue();
const ObjectEntry& objectEntry(Obj o);
// The code the Objects layer holds for the object.
int objectCode(Obj o);

} // namespace artgen
