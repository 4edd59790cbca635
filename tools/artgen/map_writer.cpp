#include "map_writer.h"

#include "output_files.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/mdl_ini.h"

#include <stdexcept>

namespace artgen {
namespace {

// The key of step k: no suffix for the first step, the step's number after it.
std::string key(const char* name, std::size_t step) {
    return step == 0 ? name : name + std::to_string(step);
}

void writeAction(const Action& action) {
    const std::string file = mapFolder() + action.name;
    removeOld(file);
    mdlINI::WriteIni(file, "ACTION", "ActionCount", std::to_string(action.steps.size() - 1));
    for (std::size_t k = 0; k < action.steps.size(); ++k) {
        const ActionStep& s = action.steps[k];
        mdlINI::WriteIni(file, "ACTION", key("ActionType", k), s.type);
        if (s.type == "tell") {
            mdlINI::WriteIni(file, "ACTION", key("Text", k), cp(s.text));
            mdlINI::WriteIni(file, "ACTION", key("Type", k), "0");
        } else if (s.type == "question") {
            mdlINI::WriteIni(file, "ACTION", key("Text", k), cp(s.text));
            mdlINI::WriteIni(file, "ACTION", key("Ok", k), s.ok);
            mdlINI::WriteIni(file, "ACTION", key("None", k), s.none);
        } else if (s.type == "teleport") {
            mdlINI::WriteIni(file, "ACTION", key("Location", k), s.location);
            mdlINI::WriteIni(file, "ACTION", key("X", k), std::to_string(s.x));
            mdlINI::WriteIni(file, "ACTION", key("Y", k), std::to_string(s.y));
        }
    }
}

void writeActions(const LocationPlan& plan) {
    const std::string index = model::locationFile(mapFolder(), plan.name, model::kActionIndexFile);
    removeOld(index);
    mdlINI::WriteIni(index, "ACTIONS", "Count", std::to_string(plan.actions.size() - 1));
    for (std::size_t i = 0; i < plan.actions.size(); ++i) {
        mdlINI::WriteIni(index, "ACTIONS", "A" + std::to_string(i), plan.actions[i].name);
        writeAction(plan.actions[i]);
    }
}

// As the location manager creates a location: the grid file first, then the
// notes, the configuration last.
void writeLocation(const LocationPlan& plan) {
    const std::string folder = mapFolder();
    const std::string grid = model::locationFile(folder, plan.name, model::kGridFile);
    const std::string notes = model::locationFile(folder, plan.name, model::kNotesFile);
    const std::string config = model::locationFile(folder, plan.name, model::kConfigFile);
    for (const std::string& f : {grid, notes, config})
        removeOld(f);
    std::error_code ec;
    if (!model::writeGridFile(grid, plan.cells->grid(), ec))
        throw std::runtime_error("cannot write " + cp1251::toUtf8(grid) + ": " + ec.message());
    if (!plan.notes.empty())
        writeBytes(notes, cp(plan.notes) + "\r\n");
    if (!model::writeLocationConfig(config, std::to_string(plan.cells->width()),
                                    std::to_string(plan.cells->height()), !plan.round, ec))
        throw std::runtime_error("cannot write " + cp1251::toUtf8(config) + ": " + ec.message());
    if (!plan.actions.empty())
        writeActions(plan);
}

} // namespace

void writeMap(const std::vector<LocationPlan>& locations) {
    const std::string description =
        model::locationFile(mapFolder(), "Default", model::kMapDescriptionFile);
    removeOld(description);
    mdlINI::WriteIni(description, "CONFIG", "Resources", "Resources");
    mdlINI::WriteIni(description, "CONFIG", "Description",
                     cp("Пример карты: деревня Ольховка с прудом и каменистой пустошью, под "
                        "которой лежит пещера."));
    mdlINI::WriteIni(description, "CONFIG", "Author", cp("Команда редактора карт"));
    mdlINI::WriteIni(description, "CONFIG", "Contacts", "");
    for (const LocationPlan& plan : locations)
        writeLocation(plan);
}

} // namespace artgen
