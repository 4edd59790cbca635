#include "check_parts.h"

#include "ground_catalogue.h"
#include "output_files.h"
#include "world_builder.h"

#include "model/location_config.h"
#include "model/location_files.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <algorithm>
#include <set>

namespace artgen {
namespace {

using model::Layer;

std::string at(int x, int y) {
    return " at " + std::to_string(x) + "," + std::to_string(y);
}

bool mustBeClosed(int ground) {
    return ground == groundCode(Ground::Water) || ground == groundCode(Ground::Lilies) ||
           ground == groundCode(Ground::CaveRock);
}

void checkNotes(const std::string& name, Report& report) {
    std::error_code ec;
    std::string notes;
    const std::string notesFile = model::locationFile(mapFolder(), name, model::kNotesFile);
    if (fsys::readWholeFile(notesFile, notes, ec) &&
        (notes.size() < 3 || notes.compare(notes.size() - 2, 2, "\r\n") != 0))
        report.problem(name + ": the notes do not end in CR LF");
}

void checkCells(const std::string& name, const model::LocationGrid& grid, Report& report) {
    const int w = grid.MapWidth(), h = grid.MapHeight();
    int objects = 0;
    for (int y = 0; y <= h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int earth = grid.cellValue(Layer::Earths, x, y);
            if (mustBeClosed(earth) && grid.cellValue(Layer::Blocks, x, y) == 0)
                report.problem(name + ": open water or rock" + at(x, y));
            objects += grid.cellValue(Layer::Objects, x, y) != 0;
        }
    }
    report.note(name + ": " + std::to_string(w) + " x " + std::to_string(h + 1) + " cells, " +
                std::to_string(objects) + " objects");
}

// The step keys: no suffix for step 0, the step's number after it.
std::string key(const char* name, int step) {
    return step == 0 ? name : name + std::to_string(step);
}

void checkTeleport(const std::string& where, const std::string& file, int step,
                   const std::vector<std::string>& locations, Report& report) {
    const std::string target = mdlINI::ReadIni(file, "ACTION", key("Location", step), "");
    if (std::find(locations.begin(), locations.end(), target) == locations.end()) {
        report.problem(where + " leads to the unknown location \"" + target + "\"");
        return;
    }
    model::LocationGrid grid;
    std::string reason;
    if (!loadLocation(target, grid, reason))
        return; // reported with that location
    const int x = std::stoi(mdlINI::ReadIni(file, "ACTION", key("X", step), "-1"));
    const int y = std::stoi(mdlINI::ReadIni(file, "ACTION", key("Y", step), "-1"));
    if (x < 0 || y < 0 || x >= grid.MapWidth() || y > grid.MapHeight() ||
        grid.cellValue(Layer::Blocks, x, y) != 0 || grid.cellValue(Layer::Doors, x, y) != 0)
        report.problem(where + " lands on a closed cell, a door or outside " + target + at(x, y));
}

void checkActions(const std::string& name, const model::LocationGrid& grid,
                  const std::vector<std::string>& locations, Report& report) {
    const std::string index = model::locationFile(mapFolder(), name, model::kActionIndexFile);
    const int count = std::stoi(mdlINI::ReadIni(index, "ACTIONS", "Count", "-1"));
    std::vector<std::string> names;
    for (int i = 0; i <= count; ++i)
        names.push_back(mdlINI::ReadIni(index, "ACTIONS", "A" + std::to_string(i), ""));
    std::set<int> used;
    for (int y = 0; y <= grid.MapHeight(); ++y) {
        for (int x = 0; x < grid.MapWidth(); ++x) {
            const int door = grid.cellValue(Layer::Doors, x, y);
            if (door == 0)
                continue;
            used.insert(door);
            if (door <= count + 1 && grid.cellValue(Layer::Blocks, x, y) != 0)
                report.problem(name + ": action " + std::to_string(door) + at(x, y) +
                               " lies on a closed cell");
        }
    }
    for (const std::string& action : names) {
        const std::string file = mapFolder() + action;
        if (fsys::probe(file) != fsys::Probe::Exists)
            continue; // the checker reports it
        const int steps = std::stoi(mdlINI::ReadIni(file, "ACTION", "ActionCount", "0"));
        for (int k = 0; k <= steps; ++k) {
            const std::string type = mdlINI::ReadIni(file, "ACTION", key("ActionType", k), "");
            const std::string where = action + " step " + std::to_string(k);
            if (type == "teleport") {
                checkTeleport(where, file, k, locations, report);
            } else if (type == "question") {
                for (const char* answer : {"Ok", "None"}) {
                    const std::string next = mdlINI::ReadIni(file, "ACTION", key(answer, k), "");
                    if (!next.empty() && std::find(names.begin(), names.end(), next) == names.end())
                        report.problem(where + " answers with the unknown action " + next);
                }
            } else if (type != "tell" && !type.empty()) {
                // Known to the game but not used by the sample world; unknown
                // types are the checker's.
                report.problem(where + " has the type \"" + type + "\"");
            }
        }
    }
    report.note(name + ": " + std::to_string(names.size()) + " actions, " +
                std::to_string(used.size()) + " of them on cells");
}

} // namespace

void checkLocation(const std::string& name, const std::vector<std::string>& locations,
                   Report& report) {
    model::LocationGrid grid;
    std::string reason;
    if (!loadLocation(name, grid, reason))
        return; // the checker reports why
    checkNotes(name, report);
    checkCells(name, grid, report);
    checkActions(name, grid, locations, report);
}

} // namespace artgen
