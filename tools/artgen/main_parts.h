#pragma once
// The pieces the main location is composed of: the lie of the land, the
// village in the middle, the wild parts around it and the scattered plants.

#include "terrain.h"
#include "world.h"

#include <vector>

namespace artgen::mainloc {

constexpr int kWidth = 120;
constexpr int kHeight = 120; // the highest row: 121 rows

// Roads, the pond with its sandy shore and the stony waste.
void shapeLand(Terrain& land);
// Cobbles of the village square and the garden's ploughed bed, over the tiles.
void layPavingAndBeds(WorldBuilder& world);

struct VillageMarks {
    std::vector<Cell> houseDoors;
    std::vector<Cell> wellFront;
    std::vector<Cell> signRoad;
    Cell chest;
    Cell chestFront;
    std::vector<Cell> guarded;
};
VillageMarks buildVillage(WorldBuilder& world);

struct WildMarks {
    Cell caveOpening; // the open cell of the cave's mouth
    Cell caveFront;   // the cell in front of it
    std::vector<Cell> pondShore;
};
WildMarks buildWilds(WorldBuilder& world);

// Woods, bushes, flowers and stones over the whole location.
void scatterNature(WorldBuilder& world);

} // namespace artgen::mainloc
