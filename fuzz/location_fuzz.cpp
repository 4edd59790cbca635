// The location loader on any configuration and grid file: the input is the
// configuration's bytes, then the grid file's. A loaded location must agree
// with the file it came from, cell by cell, as the single-cell reader and the
// layer census read it.

#include "fuzz/fuzz_support.h"

#include "model/grid_file.h"
#include "model/location_files.h"
#include "model/location_loader.h"

namespace {

// Grids larger than this are refused as too large for memory: the limit the
// machine's memory sets elsewhere, kept small so that a run stays fast.
constexpr std::uint64_t kGridLimit = std::uint64_t{16} << 20;
// The census reads the whole file again; only for small grids.
constexpr std::int64_t kCensusLimit = 1 << 16;

class Listener : public model::LoadListener {
public:
    void showMessage(model::MessageIcon, const std::string&, const std::string& text) override {
        if (text.empty())
            fuzzing::fail("an empty message");
        ++messages;
    }
    void locationNameChanged(const std::string&) override { ++events; }
    void mapLoaded() override { ++events; }
    void redrawRequested() override {}
    int messages = 0;
    int events = 0;
};

void checkCell(const model::LocationGrid& grid, const std::string& file, std::int32_t x,
               std::int32_t y) {
    model::CellValues cell;
    bool covered = false;
    std::error_code ec;
    if (!model::readGridCell(file, grid.MapWidth(), x, y, cell, covered, ec))
        fuzzing::fail("the grid file cannot be read cell by cell: " + ec.message());
    if (cell.earth != grid.cellValue(model::Layer::Earths, x, y) ||
        cell.object != grid.cellValue(model::Layer::Objects, x, y) ||
        cell.predmet != grid.cellValue(model::Layer::Predmets, x, y) ||
        cell.door != grid.cellValue(model::Layer::Doors, x, y) ||
        cell.block != grid.cellValue(model::Layer::Blocks, x, y) ||
        cell.guard != grid.cellValue(model::Layer::Guards, x, y))
        fuzzing::fail("a loaded cell differs from the file's");
}

void checkCensus(const model::LocationGrid& grid, const std::string& file) {
    model::GridCensus census;
    std::error_code ec;
    if (!model::censusGridFile(file, grid.MapWidth(), grid.MapHeight(), census, ec))
        fuzzing::fail("the census cannot read the grid file: " + ec.message());
    for (std::size_t i = 0; i < model::kAllLayers.size(); ++i) {
        const model::Layer layer = model::kAllLayers[i];
        std::uint64_t nonEmpty = 0;
        for (std::int32_t y = 0; grid.MapWidth() > 0 && y <= grid.MapHeight(); ++y) {
            for (std::int32_t x = 0; x < grid.MapWidth(); ++x)
                nonEmpty += grid.cellValue(layer, x, y) != 0;
        }
        if (nonEmpty != census.nonEmpty[i])
            fuzzing::fail(std::string("the census of ") + model::layerName(layer) +
                          " differs from the loaded grid");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool limited = (model::LocationGrid::setMaxGridBytes(kGridLimit), true);
    (void)limited;
    auto& world = fuzzing::ScratchWorld::instance();
    world.writeInput(data, size, {"Maps/F/main.config", "Maps/F/main.map"});

    model::LocationGrid grid;
    Listener listener;
    const model::LoadOutcome outcome = model::LoadMap(grid, "F", "main", listener);
    if (outcome == model::LoadOutcome::Refused) {
        if (listener.messages != 1 || listener.events != 0)
            fuzzing::fail("a refused load changed something or said nothing");
        return 0;
    }
    if (!grid.isComplete()) {
        if (outcome == model::LoadOutcome::Loaded)
            fuzzing::fail("a load reported complete left the grid incomplete");
        return 0;
    }
    const std::string file = model::locationFiles("F", "main").grid;
    if (grid.MapWidth() > 0) {
        checkCell(grid, file, 0, 0);
        checkCell(grid, file, grid.MapWidth() - 1, grid.MapHeight());
        checkCell(grid, file, grid.MapWidth() / 2, grid.MapHeight() / 2);
    }
    // Rows without cells may be billions; their census is empty.
    if (grid.MapWidth() == 0 ||
        model::LocationGrid::gridBytes(grid.MapWidth(), grid.MapHeight()) <= kCensusLimit)
        checkCensus(grid, file);
    return 0;
}
