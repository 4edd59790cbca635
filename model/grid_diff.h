#pragma once
// Cell-level comparison of two grid files of the same size: every cell and
// layer whose value differs, found while streaming both files block of rows
// by block of rows.

#include "model/location_grid.h"
#include "support/file_system.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <system_error>

namespace model {

// The name of a layer in comparisons and merges: earth, object, item,
// action, block, guard.
const char* recordLayerName(Layer layer);

// Position of a layer in the record order (kFileLayerOrder).
std::size_t recordLayerIndex(Layer layer);

// Counts per layer, in the record order.
struct LayerCounts {
    std::array<std::uint64_t, 6> byLayer{};

    void add(Layer layer) { ++byLayer[recordLayerIndex(layer)]; }
    std::uint64_t of(Layer layer) const { return byLayer[recordLayerIndex(layer)]; }
    std::uint64_t total() const;
    bool operator==(const LayerCounts&) const = default;
};

// One layer of one cell: x is the column, y the row, as the editor counts them.
struct CellChange {
    std::int32_t x = 0;
    std::int32_t y = 0;
    Layer layer = Layer::Earths;
    std::int32_t before = 0;
    std::int32_t after = 0;
};

using CellChangeVisitor = std::function<void(const CellChange&)>;

// Compares `rows` records of two W-wide blocks whose first record is row
// `firstRow`, telling the visitor (when set) of every change in row, column
// and record-layer order, and counting them.
void diffRecords(const unsigned char* before, const unsigned char* after, std::int32_t width,
                 std::int32_t firstRow, std::size_t rows, const CellChangeVisitor& visit,
                 LayerCounts& counts);

// Compares two open W x H grid files from their present positions (normally
// the start). Bytes past a file's end read as empty.
bool diffGridFiles(fsys::File& before, fsys::File& after, std::int32_t width, std::int32_t height,
                   const CellChangeVisitor& visit, LayerCounts& counts, std::error_code& ec);

} // namespace model
