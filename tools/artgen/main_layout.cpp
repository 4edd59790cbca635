#include "main_layout.h"

namespace artgen::mainloc {

const std::vector<HousePlan>& houses() {
    static const std::vector<HousePlan> list = {
        // Round the green.
        {Obj::House, 52, 50, {{53.5, 53}, {54, 54}, {56, 56}}},
        {Obj::LogHouse, 64, 50, {{65.5, 53}, {66, 54}, {65, 56}}},
        {Obj::LogHouse, 46, 64, {{47.5, 67}, {48, 68}, {50, 68}, {50.5, 69}}},
        // Along the western road.
        {Obj::LogHouse, 44, 53, {{45.5, 56}, {46, 57}, {46, 59}}},
        {Obj::House, 36, 54, {{37.5, 57}, {38, 58}, {38, 59.5}}},
        {Obj::LogHouse, 29, 54, {{30.5, 57}, {31, 58}, {31, 59}}},
        // Along the eastern road.
        {Obj::House, 70, 53, {{71.5, 56}, {72, 57}, {72, 58}}},
        {Obj::House, 84, 54, {{85.5, 57}, {86, 58}, {86, 59}}},
        {Obj::LogHouse, 91, 54, {{92.5, 57}, {93, 58}, {93, 59.5}}},
        // Along the northern and southern roads.
        {Obj::House, 63, 38, {{64.5, 41}, {64, 42}, {61, 42}}},
        {Obj::LogHouse, 53, 39, {{54.5, 42}, {55, 43}, {58, 43}}},
        {Obj::House, 63, 77, {{64.5, 80}, {64, 81}, {60, 81}}},
        // The farmstead in the north-western meadow.
        {Obj::LogHouse, 31, 27, {{32.5, 30}, {33, 31}, {40, 31}, {50, 27}, {58, 23}}},
    };
    return list;
}

const std::vector<PlotPlan>& plots() {
    static const std::vector<PlotPlan> list = {
        {46, 69, 55, 76, {{50, 69}}, true},  // the vegetable garden south of the green
        {75, 62, 81, 69, {{78, 62}}, false}, // the yard with the chest
        {26, 33, 36, 40, {{32, 33}}, true},  // the farmstead's field
        {34, 46, 41, 51, {{37, 51}}, true},  // a kitchen garden behind the western houses
        {84, 45, 90, 51, {{87, 51}}, true},  // a kitchen garden behind the eastern houses
    };
    return list;
}

const std::vector<std::vector<Point>>& roads() {
    static const std::vector<std::vector<Point>> list = {
        // West to the green, on to the east edge.
        {{-1, 61}, {12, 62.5}, {26, 59.5}, {40, 60.5}, {54, 60}},
        {{66, 60}, {80, 58.5}, {96, 61}, {108, 60}, {121, 60.5}},
        // North edge to the green, on to the south edge.
        {{60.5, -1}, {58, 14}, {62, 30}, {59, 44}, {60, 56}},
        {{60, 64}, {58, 78}, {62, 96}, {59.5, 110}, {60, 122}},
        // Branches to the pond and to the stony waste.
        {{61, 29}, {70, 28.5}, {76, 27.5}},
        {{59, 76}, {48, 80}, {38, 85}, {31, 87}},
    };
    return list;
}

} // namespace artgen::mainloc
