#include "geometry.h"
#include "ground_kinds.h"
#include "noise.h"
#include "random.h"
#include "terrain.h"
#include "world.h"

#include <cmath>
#include <iostream>

namespace artgen {
namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;

enum CaveAction { kExit = 1, kChest, kChestOpen, kDrip };

struct Hall {
    Point centre;
    double radius;
};

const Hall kHalls[] = {{{12, 14}, 6.5}, {{28, 9}, 5.0}, {{28, 22}, 6.0}, {{9, 25}, 3.5}};
const std::vector<std::vector<Point>> kTunnels = {
    {{16, 12}, {20, 10.5}, {24, 9.5}},
    {{28, 13}, {27, 16}, {28, 18}},
    {{11, 19}, {9, 22}},
    {{17, 17}, {21, 20}, {24, 21}},
};

constexpr Cell kLadder{11, 10};
constexpr Cell kChestAt{29, 8};

void carve(Terrain& land) {
    for (int vy = 0; vy < land.height(); ++vy) {
        for (int vx = 0; vx < land.width(); ++vx) {
            const Point p{static_cast<double>(vx), static_cast<double>(vy)};
            const double wobble = 3.0 * (worldNoise(vx, vy, 4, 2, 1234) - 0.5);
            bool open = false;
            for (const Hall& h : kHalls)
                open = open || std::hypot(p.x - h.centre.x, p.y - h.centre.y) < h.radius + wobble;
            for (const auto& t : kTunnels)
                open = open || distanceToPolyline(p, t) < 1.6 + 0.5 * wobble;
            if (open)
                land.set(vx, vy, Land::CaveFloor);
        }
    }
}

void put(WorldBuilder& world, Obj o, Cell at) {
    if (!world.place(o, at.x, at.y, isPlainCaveFloor))
        std::cerr << "warning: cave: " << objectEntry(o).file << " does not fit at " << at.x << ","
                  << at.y << "\n";
}

ActionStep tell(const char* text) {
    return {"tell", text, "", "", "", 0, 0};
}

} // namespace

Cell caveArrival() {
    return {kLadder.x + 1, kLadder.y + 1};
}

LocationPlan composeCave(Cell exitTo) {
    LocationPlan plan;
    plan.name = "cave";
    plan.notes = "Пещера под каменистой пустошью: три зала, забытый сундук и кристаллы. Выход — "
                 "по лестнице.";
    plan.round = false;
    plan.cells = std::make_unique<WorldBuilder>(kWidth, kHeight);
    WorldBuilder& world = *plan.cells;

    Terrain land(kWidth, kHeight, Land::CaveRock);
    carve(land);
    if (const int odd = land.paint(world, 0xCA5E))
        std::cerr << "warning: cave: " << odd << " cells without a matching tile\n";
    for (int y = 0; y <= kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (land.cornersOf(x, y, Land::CaveRock) >= 2)
                world.block(x, y);

    put(world, Obj::Ladder, kLadder);
    world.door(kLadder.x, kLadder.y + 1, kExit);
    world.keepClear(caveArrival().x, caveArrival().y);
    put(world, Obj::Chest, kChestAt);
    world.door(kChestAt.x, kChestAt.y + 1, kChest);
    for (int y = kChestAt.y - 2; y <= kChestAt.y + 2; ++y)
        for (int x = kChestAt.x - 2; x <= kChestAt.x + 2; ++x)
            if (!world.blocked(x, y) || (x == kChestAt.x && y == kChestAt.y))
                world.guard(x, y);
    world.door(26, 23, kDrip);
    world.door(27, 23, kDrip);

    Random rnd(0xCAFE);
    for (int y = 1; y < kHeight - 1; ++y) {
        for (int x = 1; x < kWidth - 1; ++x) {
            const double roll = rnd.unit();
            const bool nearCrystalHall = std::hypot(x - 28, y - 22) < 7;
            if (nearCrystalHall && roll < 0.12)
                world.place(Obj::Crystals, x, y, isPlainCaveFloor);
            else if (roll < 0.07)
                world.place(Obj::Stalagmite, x, y, isPlainCaveFloor);
            else if (roll < 0.09)
                world.place(Obj::Rock, x, y, isPlainCaveFloor);
        }
    }

    plan.actions = {
        {"cave_exit", {{"teleport", "", "", "", "main", exitTo.x, exitTo.y}}},
        {"cave_chest",
         {{"question", "Сундук, забытый в темноте./nОткрыть?", "cave_chest_open", "", "", 0, 0}}},
        {"cave_chest_open", {tell("Внутри горсть светящихся кристаллов.")}},
        {"cave_drip", {tell("Где-то капает вода. Эхо повторяет ваши шаги.")}},
    };
    return plan;
}

} // namespace artgen
