#pragma once
// Where the made things of the main location stand: the houses with the
// trails from their doors, the fenced plots and the village green. Both the
// shaping of the land (trails, beds) and the placing of the objects read it.

#include "geometry.h"
#include "object_catalogue.h"
#include "world.h"

#include <vector>

namespace artgen::mainloc {

struct HousePlan {
    Obj kind;
    int x, y; // top-left cell; the door is at (x + 1, y + 2)
    // Corner coordinates from the door step to a road. Along whole numbers a
    // trail is one corner wide: only the halves of the cells beside it.
    std::vector<Point> trail;
};

struct PlotPlan {
    int x0, y0, x1, y1;      // fence corners; the bed lies inside
    std::vector<Cell> gates; // in the top or bottom fence
    bool bed = true;         // ploughed inside
};

const std::vector<HousePlan>& houses();
const std::vector<PlotPlan>& plots();

// The roads as broken lines through cell corners.
const std::vector<std::vector<Point>>& roads();

// The trodden village green around the crossroads, an ellipse of corners.
constexpr Point kGreen{60.5, 60};
constexpr double kGreenRx = 7.5, kGreenRy = 5.5;

} // namespace artgen::mainloc
