#pragma once
// The sample map: its locations with their cells, notes and actions.

#include "world_builder.h"

#include <memory>
#include <string>
#include <vector>

namespace artgen {

// One step of an action; the fields used depend on the type ("tell",
// "question", "teleport"). Texts are UTF-8; "/n" in a text is a line break.
struct ActionStep {
    std::string type;
    std::string text;
    std::string ok, none; // question: the actions to perform on yes and no
    std::string location; // teleport: target location and cell
    int x = 0, y = 0;
};

struct Action {
    std::string name; // also the action's file name in the map folder
    std::vector<ActionStep> steps;
};

struct LocationPlan {
    std::string name;
    std::string notes; // UTF-8, one line
    bool round = true;
    std::unique_ptr<WorldBuilder> cells;
    std::vector<Action> actions; // the n-th is door value n
};

struct Cell {
    int x = 0, y = 0;
};

// The main location; `arrival` is the cell of the cave where its teleport
// lands. `caveReturn` receives the cell in front of the cave's mouth.
LocationPlan composeMain(Cell arrival, Cell& caveReturn);

// The cave below the stony waste; `exitTo` is where its ladder leads in main.
LocationPlan composeCave(Cell exitTo);
// Where a hero arriving in the cave stands.
Cell caveArrival();

} // namespace artgen
