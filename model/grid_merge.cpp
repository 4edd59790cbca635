#include "model/grid_merge.h"

#include "model/grid_file.h"
#include "model/grid_records.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace model {
namespace {

// Merges one layer's slice of one record; the slices differ between base and
// theirs somewhere.
void mergeSlice(const unsigned char* base, unsigned char* ours, const unsigned char* theirs,
                Layer layer, std::int32_t width, std::int32_t y, const CellConflictVisitor& visit,
                MergeCounts& counts) {
    const std::size_t cellBytes = bytesPerCell(layer);
    for (std::int32_t x = 0; x < width; ++x) {
        const std::size_t at = static_cast<std::size_t>(x) * cellBytes;
        if (std::memcmp(base + at, theirs + at, cellBytes) == 0 ||
            std::memcmp(ours + at, theirs + at, cellBytes) == 0)
            continue; // theirs unchanged, or both alike: ours stands
        if (std::memcmp(base + at, ours + at, cellBytes) == 0) {
            std::memcpy(ours + at, theirs + at, cellBytes);
            counts.taken.add(layer);
            continue;
        }
        counts.conflicts.add(layer);
        if (visit)
            visit(CellConflict{x, y, layer, records::cellValue(base, layer, x),
                               records::cellValue(ours, layer, x),
                               records::cellValue(theirs, layer, x)});
    }
}

} // namespace

void mergeRecords(const unsigned char* base, unsigned char* ours, const unsigned char* theirs,
                  std::int32_t width, std::int32_t firstRow, std::size_t rows,
                  const CellConflictVisitor& visit, MergeCounts& counts) {
    const std::size_t record = records::recordBytes(width);
    if (record == 0 || std::memcmp(base, theirs, record * rows) == 0)
        return; // nothing changed on their side
    for (std::size_t r = 0; r < rows; ++r) {
        const unsigned char* baseRecord = base + r * record;
        unsigned char* ourRecord = ours + r * record;
        const unsigned char* theirRecord = theirs + r * record;
        if (std::memcmp(baseRecord, theirRecord, record) == 0)
            continue;
        const std::int32_t y = firstRow + static_cast<std::int32_t>(r);
        if (std::memcmp(baseRecord, ourRecord, record) == 0) {
            // Only their side changed this row: take it whole, counting its cells.
            LayerCounts changed;
            diffRecords(baseRecord, theirRecord, width, y, 1, {}, changed);
            for (std::size_t i = 0; i < changed.byLayer.size(); ++i)
                counts.taken.byLayer[i] += changed.byLayer[i];
            std::memcpy(ourRecord, theirRecord, record);
            continue;
        }
        if (!visit) {
            for (Layer layer : kFileLayerOrder) {
                const std::size_t offset = records::sliceOffset(layer, width);
                const std::size_t size = static_cast<std::size_t>(width) * bytesPerCell(layer);
                if (std::memcmp(baseRecord + offset, theirRecord + offset, size) != 0)
                    mergeSlice(baseRecord + offset, ourRecord + offset, theirRecord + offset, layer,
                               width, y, {}, counts);
            }
            continue;
        }
        // Conflicts are told column by column: merge the layers cell by cell.
        for (std::int32_t x = 0; x < width; ++x) {
            for (Layer layer : kFileLayerOrder) {
                const std::size_t offset = records::sliceOffset(layer, width) +
                                           static_cast<std::size_t>(x) * bytesPerCell(layer);
                mergeSlice(
                    baseRecord + offset, ourRecord + offset, theirRecord + offset, layer, 1, y,
                    [&](const CellConflict& c) {
                        visit({x, y, c.layer, c.base, c.ours, c.theirs});
                    },
                    counts);
            }
        }
    }
}

bool mergeGridFiles(fsys::File& base, fsys::File& ours, fsys::File& theirs, std::int32_t width,
                    std::int32_t height, fsys::CrashSafeWriter& out,
                    const CellConflictVisitor& visit, MergeCounts& counts, std::error_code& ec) {
    const std::size_t record = records::recordBytes(width);
    fsys::File* const files[] = {&base, &ours, &theirs};
    return records::forEachRowBlock(
        files, width, height,
        [&](std::span<unsigned char* const> blocks, std::int32_t first, std::size_t rows) {
            mergeRecords(blocks[0], blocks[1], blocks[2], width, first, rows, visit, counts);
            return out.write(blocks[1], rows * record, ec);
        },
        ec);
}

} // namespace model
