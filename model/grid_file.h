#pragma once
// The grid file of a location: no header, one record per row y = 0..H, each
// the row's bytes of Earths (W), Objects (2W), Predmets (W), Doors (2W),
// Blocks (W) and Guards (W), so 8W x (H + 1) bytes in all.

#include "model/cell_patch.h"
#include "model/location_grid.h"
#include "support/file_system.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace model {

// The layers in the order of a record.
constexpr std::array<Layer, 6> kFileLayerOrder = {Layer::Earths, Layer::Objects, Layer::Predmets,
                                                  Layer::Doors,  Layer::Blocks,  Layer::Guards};

// Reads the records of an open grid file straight into the grid's rows, which
// must have been built by CreatMap. Rows past the end of a short file keep
// their bytes; `bytesRead` tells how much the file held (at most the grid's
// size: further bytes are not read). Layers not in `layers` keep their bytes
// too, and their memory is never touched (a picture of the ground and objects
// of a large location needs three of the eight bytes of each cell).
bool readGridRecords(fsys::File& file, LocationGrid& grid, std::uint64_t& bytesRead,
                     std::error_code& ec, LayerSet layers = allLayers());

// Writes every row of the grid, record by record, from the first byte of the
// file (created when missing) without shortening it: an existing longer file
// keeps its bytes past the grid, unless `keepOldTail` is false (the file then
// holds the grid's bytes only). The save is crash-safe: the file holds its
// old or its new bytes, never a mix, and a failure leaves it as it was.
bool writeGridFile(std::string_view gridFile, const LocationGrid& grid, std::error_code& ec,
                   bool keepOldTail = true);

struct CellValues {
    std::int32_t earth = 0, object = 0, predmet = 0, door = 0, block = 0, guard = 0;
};

// Cell (x, y) of a W x H grid file, reading only its record. Cells past the
// end of a short file read as empty; `covered` tells whether the file held it.
bool readGridCell(std::string_view gridFile, std::int32_t width, std::int32_t x, std::int32_t y,
                  CellValues& cell, bool& covered, std::error_code& ec);

// Non-empty cells of each layer (canvas order) of a W x H grid file, counted
// while streaming through it, and the number of bytes it holds.
struct GridCensus {
    std::array<std::uint64_t, 6> nonEmpty{};
    std::uint64_t fileBytes = 0;
};
bool censusGridFile(std::string_view gridFile, std::int32_t width, std::int32_t height,
                    GridCensus& census, std::error_code& ec);

} // namespace model
