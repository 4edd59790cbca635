#include "main_parts.h"

#include "ground_kinds.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace artgen::mainloc {
namespace {

// The free spot nearest to `near` where the object fits on the given ground.
Cell nearestFit(const WorldBuilder& world, Obj o, Cell near, const WorldBuilder::GroundTest& ok,
                const std::function<bool(int, int)>& extra) {
    Cell best{-1, -1};
    double bestDistance = std::numeric_limits<double>::max();
    for (int y = 0; y <= world.height(); ++y) {
        for (int x = 0; x < world.width(); ++x) {
            const double d = std::hypot(x - near.x, y - near.y);
            if (d < bestDistance && world.fits(o, x, y, ok) && extra(x, y)) {
                bestDistance = d;
                best = {x, y};
            }
        }
    }
    if (best.x < 0)
        throw std::runtime_error("no room for " + objectEntry(o).file);
    return best;
}

} // namespace

WildMarks buildWilds(WorldBuilder& world) {
    WildMarks marks;
    // The cave's mouth: all of it on the stony ground, with open ground in
    // front of the opening.
    const Cell mouth =
        nearestFit(world, Obj::CaveMouth, {27, 88}, isPlainRocky, [&world](int x, int y) {
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    if (!isPlainRocky(world.ground(x + dx, y + dy)))
                        return false;
            return isSolidGround(world.ground(x + 1, y + 3)) && !world.blocked(x + 1, y + 3);
        });
    world.place(Obj::CaveMouth, mouth.x, mouth.y, isPlainRocky);
    marks.caveOpening = {mouth.x + 1, mouth.y + 2};
    marks.caveFront = {mouth.x + 1, mouth.y + 3};
    world.place(Obj::Boulder, mouth.x - 2, mouth.y + 1, isPlainRocky);
    world.place(Obj::Rock, mouth.x + 3, mouth.y + 2, isPlainRocky);

    // A boat drawn up on the pond's western shore.
    const Cell boat =
        nearestFit(world, Obj::Boat, {80, 27}, isPlainSand, [](int, int) { return true; });
    world.place(Obj::Boat, boat.x, boat.y, isPlainSand);
    for (int dx = -1; dx <= 2; ++dx) {
        const Cell c{boat.x + dx, boat.y + 1};
        if (isSolidGround(world.ground(c.x, c.y)) && !world.blocked(c.x, c.y))
            marks.pondShore.push_back(c);
    }
    return marks;
}

} // namespace artgen::mainloc
