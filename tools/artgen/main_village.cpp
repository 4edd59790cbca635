#include "main_parts.h"

#include "ground_kinds.h"
#include "main_layout.h"

#include <iostream>

namespace artgen::mainloc {
namespace {

void put(WorldBuilder& world, Obj o, int x, int y) {
    if (!world.place(o, x, y, isSolidGround))
        std::cerr << "warning: main: " << objectEntry(o).file << " does not fit at " << x << ","
                  << y << "\n";
}

bool isGate(const PlotPlan& plot, int x, int y) {
    for (const Cell& g : plot.gates)
        if (g.x == x && g.y == y)
            return true;
    return false;
}

void fence(WorldBuilder& world, const PlotPlan& plot) {
    put(world, Obj::FenceCornerNW, plot.x0, plot.y0);
    put(world, Obj::FenceCornerNE, plot.x1, plot.y0);
    put(world, Obj::FenceCornerSW, plot.x0, plot.y1);
    put(world, Obj::FenceCornerSE, plot.x1, plot.y1);
    for (int x = plot.x0 + 1; x < plot.x1; ++x) {
        for (int y : {plot.y0, plot.y1})
            put(world, isGate(plot, x, y) ? Obj::Gate : Obj::FenceHorizontal, x, y);
    }
    for (int y = plot.y0 + 1; y < plot.y1; ++y) {
        put(world, Obj::FenceVertical, plot.x0, y);
        put(world, Obj::FenceVertical, plot.x1, y);
    }
}

} // namespace

VillageMarks buildVillage(WorldBuilder& world) {
    VillageMarks marks;
    for (const HousePlan& h : houses()) {
        put(world, h.kind, h.x, h.y);
        marks.houseDoors.push_back({h.x + 1, h.y + 2});
    }
    for (const PlotPlan& plot : plots())
        fence(world, plot);

    // The farmstead.
    put(world, Obj::Barn, 36, 27);
    put(world, Obj::Haystack, 39, 25);
    put(world, Obj::Haystack, 27, 29);
    put(world, Obj::Barrel, 34, 28);

    // The green: the well on its cobbles, a bench, barrels by the doors.
    put(world, Obj::Well, 59, 58);
    marks.wellFront = {{59, 60}, {60, 60}};
    put(world, Obj::Bench, 64, 57);
    put(world, Obj::Barrel, 55, 52);
    put(world, Obj::Barrel, 67, 51);
    put(world, Obj::Barrel, 73, 55);
    put(world, Obj::Flowers, 51, 52);
    put(world, Obj::Flowers, 63, 52);
    put(world, Obj::Flowers, 69, 54);
    put(world, Obj::Flowers, 35, 56);
    put(world, Obj::Flowers, 83, 56);

    // The barn and the ricks south-east of the green.
    put(world, Obj::Barn, 70, 66);
    put(world, Obj::Haystack, 65, 69);
    put(world, Obj::Haystack, 67, 72);
    put(world, Obj::Barrel, 72, 67);

    // The signpost at the western way in, with its welcome on the road.
    put(world, Obj::Signpost, 42, 57);
    marks.signRoad = {{41, 59}, {41, 60}, {41, 61}};

    // The chest in its yard, watched over.
    marks.chest = {78, 65};
    put(world, Obj::Chest, marks.chest.x, marks.chest.y);
    marks.chestFront = {78, 66};
    put(world, Obj::Barrel, 76, 63);
    put(world, Obj::BerryBush, 80, 68);
    for (int y = marks.chest.y - 2; y <= marks.chest.y + 2; ++y)
        for (int x = marks.chest.x - 2; x <= marks.chest.x + 2; ++x)
            if (x > 75 && x < 81 && y > 62 && y < 69)
                marks.guarded.push_back({x, y});

    // Shade trees about the houses.
    put(world, Obj::Oak, 67, 44);
    put(world, Obj::Oak, 39, 64);
    put(world, Obj::Birch, 49, 50);
    put(world, Obj::Birch, 75, 50);
    put(world, Obj::Oak, 88, 63);
    put(world, Obj::Oak, 26, 23);
    return marks;
}

} // namespace artgen::mainloc
