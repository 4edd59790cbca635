#include "ground_catalogue.h"
#include "main_parts.h"

#include <iostream>

namespace artgen {
namespace {

// Door values of main: the position of each action in the list, from 1.
enum MainAction {
    kWelcome = 1,
    kWell,
    kWellDrink,
    kLockedDoor,
    kChest,
    kChestOpen,
    kChestLeave,
    kToCave,
    kPond,
};

ActionStep tell(const char* text) {
    return {"tell", text, "", "", "", 0, 0};
}

std::vector<Action> mainActions(Cell arrival) {
    return {
        {"main_welcome",
         {tell("Добро пожаловать в Ольховку!/nНа площади колодец, к северо-востоку пруд, а на "
               "юго-западе — старая пещера.")}},
        {"main_well",
         {{"question", "Колодец полон холодной воды./nЗачерпнуть ведро?", "main_well_drink", "", "",
           0, 0}}},
        {"main_well_drink", {tell("Вода холодная и чистая. Вы чувствуете себя отдохнувшим.")}},
        {"main_door", {tell("Дверь заперта. Хозяев нет дома.")}},
        {"main_chest",
         {{"question", "Старый сундук окован железом./nОткрыть его?", "main_chest_open",
           "main_chest_leave", "", 0, 0}}},
        {"main_chest_open", {tell("В сундуке три серебряные монеты и ржавый ключ.")}},
        {"main_chest_leave", {tell("Вы оставляете сундук в покое.")}},
        {"main_to_cave",
         {tell("Из темноты тянет холодом. Вы спускаетесь в пещеру..."),
          {"teleport", "", "", "", "cave", arrival.x, arrival.y}}},
        {"main_pond", {tell("Тихий пруд. В камышах квакают лягушки.")}},
    };
}

void blockWater(WorldBuilder& world, const Terrain& land) {
    for (int y = 0; y <= world.height(); ++y)
        for (int x = 0; x < world.width(); ++x)
            if (land.cornersOf(x, y, Land::Water) >= 2)
                world.block(x, y);
}

} // namespace

LocationPlan composeMain(Cell arrival, Cell& caveReturn) {
    using namespace mainloc;
    LocationPlan plan;
    plan.name = "main";
    plan.notes = "Деревня Ольховка у перекрёстка дорог: площадь с колодцем, огород и двор с "
                 "сундуком. На северо-востоке пруд, на юго-западе каменистая пустошь и вход в "
                 "пещеру.";
    plan.round = true;
    plan.cells = std::make_unique<WorldBuilder>(kWidth, kHeight);
    WorldBuilder& world = *plan.cells;

    Terrain land(kWidth, kHeight, Land::Grass);
    shapeLand(land);
    if (const int odd = land.paint(world, 0x6A55))
        std::cerr << "warning: main: " << odd << " cells without a matching tile\n";
    layPavingAndBeds(world);
    blockWater(world, land);

    const VillageMarks village = buildVillage(world);
    const WildMarks wilds = buildWilds(world);

    for (const Cell& c : village.signRoad)
        world.door(c.x, c.y, kWelcome);
    for (const Cell& c : village.wellFront)
        world.door(c.x, c.y, kWell);
    for (const Cell& c : village.houseDoors)
        world.door(c.x, c.y, kLockedDoor);
    world.door(village.chestFront.x, village.chestFront.y, kChest);
    for (const Cell& c : village.guarded)
        world.guard(c.x, c.y);
    world.door(wilds.caveOpening.x, wilds.caveOpening.y, kToCave);
    for (const Cell& c : wilds.pondShore)
        world.door(c.x, c.y, kPond);
    world.keepClear(wilds.caveFront.x, wilds.caveFront.y);
    scatterNature(world);

    plan.actions = mainActions(arrival);
    caveReturn = wilds.caveFront;
    return plan;
}

} // namespace artgen
