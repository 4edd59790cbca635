#include "hardening/kill_scenarios.h"

#include "model/grid_file.h"
#include "model/location_files.h"

#include <random>

namespace hardening {

model::LocationGrid seededGrid(std::int32_t side, std::uint32_t seed) {
    model::LocationGrid grid;
    grid.setMapWidth(side);
    grid.setMapHeight(side);
    grid.CreatMap(0);
    std::mt19937 random(seed);
    for (model::Layer layer : model::kAllLayers) {
        unsigned char* bytes = grid.rowData(layer, 0);
        const std::size_t size = grid.layerBytes(layer).size();
        for (std::size_t i = 0; i < size; i += 4) {
            const std::uint32_t word = random();
            for (std::size_t k = 0; k < 4 && i + k < size; ++k)
                bytes[i + k] = static_cast<unsigned char>(word >> (8 * k));
        }
    }
    return grid;
}

std::string seededGridBytes(std::int32_t side, std::uint32_t seed) {
    return gridBytes(seededGrid(side, seed));
}

std::string gridBytes(const model::LocationGrid& grid) {
    std::string bytes;
    for (std::int32_t y = 0; y < grid.rowCount(model::Layer::Earths); ++y) {
        for (model::Layer layer : model::kFileLayerOrder)
            bytes.append(reinterpret_cast<const char*>(grid.rowData(layer, y)),
                         grid.rowBytes(layer));
    }
    return bytes;
}

std::string creationNotes(std::int32_t side) {
    return "A location of " + std::to_string(side) + " x " + std::to_string(side) +
           " cells\r\nmade by the kill test";
}

std::string iniValue(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string value(6000, 'a');
    for (char& c : value)
        c = static_cast<char>('a' + random() % 26);
    return value;
}

managers::LocationActions killActions() {
    const model::LocationFiles files = model::locationFiles(kMap, "main");
    return {files.folder, model::locationFile(files.folder, "main", model::kActionIndexFile)};
}

bool runActionOperation(const std::string& operation, std::int32_t side) {
    const managers::LocationActions actions = killActions();
    if (operation == "create") {
        managers::ActionStep step;
        step.text = "made\r\nby the kill test";
        return !managers::createAction(actions, "made", {step});
    }
    std::vector<managers::ActionStep> steps =
        managers::readActionSteps(actions.mapFolder, "second");
    steps[0].text = "new\r\ntext";
    if (operation == "save")
        return !managers::saveAction(actions, 1, "second", "second", steps).failure;
    if (operation == "rename")
        return !managers::saveAction(actions, 1, "second", "moved", steps).failure;
    if (operation == "remove") {
        model::LocationGrid grid = seededGrid(side, kActionGridSeed);
        const std::string gridFile = model::locationFiles(kMap, "main").grid;
        return !managers::removeAction(actions, grid, gridFile, 0, "first").failure;
    }
    return false;
}

} // namespace hardening
