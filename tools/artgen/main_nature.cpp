#include "main_parts.h"

#include "ground_kinds.h"
#include "noise.h"
#include "random.h"

#include <algorithm>
#include <cmath>

namespace artgen::mainloc {
namespace {

// How wooded the land is at a cell, 0 to 1: woods grow in broad patches,
// thicken towards the edges of the location and thin out near the village.
double woodedness(int x, int y) {
    const double patches = worldNoise(x, y, 16, 3, 101);
    const int border = std::min({x, y, kWidth - 1 - x, kHeight - y});
    const double edge = std::max(0.0, 1.0 - border / 14.0);
    const double village = std::max(0.0, 1.0 - std::hypot(x - 62, y - 62) / 30.0);
    return std::clamp(0.75 * patches + 0.55 * edge - 1.1 * village, 0.0, 1.0);
}

std::vector<Cell> shuffledCells(Random& rnd) {
    std::vector<Cell> cells;
    for (int y = 0; y <= kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            cells.push_back({x, y});
    for (std::size_t i = cells.size() - 1; i > 0; --i)
        std::swap(cells[i], cells[static_cast<std::size_t>(rnd.between(0, static_cast<int>(i)))]);
    return cells;
}

Obj treeKind(int x, int y, Random& rnd) {
    const double conifers = worldNoise(x, y, 20, 2, 202);
    const double roll = rnd.unit();
    if (conifers > 0.58)
        return roll < 0.6 ? Obj::Spruce : roll < 0.8 ? Obj::Oak : Obj::Birch;
    if (roll < 0.5)
        return Obj::Oak;
    return roll < 0.75 ? Obj::Birch : Obj::Spruce;
}

} // namespace

void scatterNature(WorldBuilder& world) {
    Random rnd(0x5EED);
    const std::vector<Cell> cells = shuffledCells(rnd);

    // Trees first, so that the undergrowth fills the gaps between them.
    for (const Cell& c : cells) {
        const double w = woodedness(c.x, c.y);
        const double chance = std::clamp((w - 0.42) * 2.0, 0.0, 0.6) + 0.01;
        if (rnd.chance(chance))
            world.place(treeKind(c.x, c.y, rnd), c.x, c.y, isGrass);
    }
    for (const Cell& c : cells) {
        const double w = woodedness(c.x, c.y);
        const double roll = rnd.unit();
        if (w > 0.3 && w < 0.6 && roll < 0.08)
            world.place(rnd.chance(0.3) ? Obj::BerryBush : Obj::Bush, c.x, c.y, isGrass);
        else if (w >= 0.6 && roll < 0.03)
            world.place(rnd.chance(0.5) ? Obj::Stump : Obj::Bush, c.x, c.y, isGrass);
        else if (w < 0.3 && roll < 0.012)
            world.place(Obj::Flowers, c.x, c.y, isGrass);
        else if (roll < 0.006)
            world.place(rnd.chance(0.5) ? Obj::Rock : Obj::Bush, c.x, c.y, isGrass);
    }
    // The stony waste: boulders and loose rocks.
    for (const Cell& c : cells) {
        const double roll = rnd.unit();
        if (roll < 0.05)
            world.place(Obj::Boulder, c.x, c.y, isPlainRocky);
        else if (roll < 0.16)
            world.place(Obj::Rock, c.x, c.y, isPlainRocky);
    }
    // Reeds of bushes here and there along the pond's shore.
    for (const Cell& c : cells) {
        if (isPlainSand(world.ground(c.x, c.y)) && rnd.chance(0.06))
            world.place(Obj::Bush, c.x, c.y, isPlainSand);
    }
}

} // namespace artgen::mainloc
