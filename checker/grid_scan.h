#pragma once
// Streaming a location's grid file block of rows by block of rows and looking
// up each cell's codes in tables made beforehand: the grid is never held
// whole, and the work per cell is a table lookup per layer.

#include "checker/code_tally.h"
#include "support/file_system.h"

#include <array>
#include <cstdint>
#include <functional>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

namespace checker::detail {

// Flags of an object code (a cell value of the Objects layer).
constexpr std::uint8_t kObjectUnknown = 1;   // draws the placeholder
constexpr std::uint8_t kObjectFootprint = 2; // its footprint must be blocked
// Flags of a Doors value.
constexpr std::uint8_t kDoorBeyondIndex = 1;
constexpr std::uint8_t kDoorBrokenAction = 2;

struct ScanTables {
    std::array<std::uint8_t, 256> ground{}; // nonzero: the code draws the placeholder
    std::vector<std::uint8_t> objects = std::vector<std::uint8_t>(65536);
    std::vector<std::uint8_t> doors = std::vector<std::uint8_t>(65536);
    // (row, column) offsets of the footprint of each flagged object value,
    // already brought within one turn of the world.
    std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> footprints =
        std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>>(65536);
    // The largest row offset of those footprints.
    std::int32_t footprintDepth = 0;
};

struct ScanTallies {
    CodeTally ground{256};
    CodeTally unknownObjects{65536};
    CodeTally doors{65536}; // values beyond the index and those of broken actions
    CodeTally openFootprints{65536};
    // The first open cell of the first object of each value with an open footprint.
    std::unordered_map<std::uint32_t, Cell> firstOpenCell;
};

struct ScanOutcome {
    std::uint64_t bytesRead = 0; // at most the grid's size
    bool cancelled = false;
    std::error_code error; // set when the file could not be read to its end
};

// The bytes of the rows checked with one window: a multiple of a record, about this much.
constexpr std::size_t kBlockBytes = std::size_t{4} << 20;

// The cells of a row tested at once for a value the tables flag; a chunk
// without one is passed over. The cells past the last whole chunk are looked
// at one by one.
constexpr std::size_t kScanChunk = 64;

// Reads the W x (H + 1) cells of an open grid file (records of 8W bytes) and
// counts every cell the tables flag. The file is read a window of rows at a
// time, every other window on a second thread, each thread reading and
// checking its own windows. A file cut short meanwhile ends the scan where it
// ends; a read that fails ends it too, with the error. `progress` is called
// on the calling thread with the bytes read so far after its windows (and at
// the end); false cancels. Rows missing from a short file are not looked at.
ScanOutcome scanGrid(fsys::File& file, std::int32_t width, std::int32_t height,
                     const ScanTables& tables, ScanTallies& tallies,
                     const std::function<bool(std::uint64_t)>& progress);

// Rows of memory the scan keeps for footprints of a given depth; deeper
// footprints are not checked (the caller leaves them out of the tables).
std::int32_t deepestCheckableFootprint(std::int32_t width);

} // namespace checker::detail
