#pragma once
// Three-way merge of grid files of the same size, cell by cell and layer by
// layer: a value changed on one side only takes that side's value, one changed
// on both sides to the same value takes it, and one changed on both sides to
// different values is a conflict that keeps our value.

#include "model/grid_diff.h"
#include "support/crash_safe_writer.h"
#include "support/file_system.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <system_error>

namespace model {

// One layer of one cell changed on both sides to different values.
struct CellConflict {
    std::int32_t x = 0;
    std::int32_t y = 0;
    Layer layer = Layer::Earths;
    std::int32_t base = 0;
    std::int32_t ours = 0;
    std::int32_t theirs = 0;
};

using CellConflictVisitor = std::function<void(const CellConflict&)>;

struct MergeCounts {
    LayerCounts taken;     // cells whose value came from their side
    LayerCounts conflicts; // cells changed on both sides to different values
};

// Merges `rows` records of three W-wide blocks whose first record is row
// `firstRow` into `ours`, telling the visitor (when set) of every conflict in
// row, column and record-layer order.
void mergeRecords(const unsigned char* base, unsigned char* ours, const unsigned char* theirs,
                  std::int32_t width, std::int32_t firstRow, std::size_t rows,
                  const CellConflictVisitor& visit, MergeCounts& counts);

// Merges three open W x H grid files from their present positions, writing
// the merged records through `out`, whose save the caller has begun and
// commits. Bytes past a file's end read as empty.
bool mergeGridFiles(fsys::File& base, fsys::File& ours, fsys::File& theirs, std::int32_t width,
                    std::int32_t height, fsys::CrashSafeWriter& out,
                    const CellConflictVisitor& visit, MergeCounts& counts, std::error_code& ec);

} // namespace model
