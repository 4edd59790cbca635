#include "model/grid_diff.h"

#include "model/grid_file.h"
#include "model/grid_records.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace model {

const char* recordLayerName(Layer layer) {
    switch (layer) {
    case Layer::Earths:
        return "earth";
    case Layer::Objects:
        return "object";
    case Layer::Predmets:
        return "item";
    case Layer::Doors:
        return "action";
    case Layer::Blocks:
        return "block";
    case Layer::Guards:
        return "guard";
    }
    return "?";
}

std::size_t recordLayerIndex(Layer layer) {
    for (std::size_t i = 0; i < kFileLayerOrder.size(); ++i) {
        if (kFileLayerOrder[i] == layer)
            return i;
    }
    return 0;
}

std::uint64_t LayerCounts::total() const {
    std::uint64_t sum = 0;
    for (std::uint64_t n : byLayer)
        sum += n;
    return sum;
}

void diffRecords(const unsigned char* before, const unsigned char* after, std::int32_t width,
                 std::int32_t firstRow, std::size_t rows, const CellChangeVisitor& visit,
                 LayerCounts& counts) {
    const std::size_t record = records::recordBytes(width);
    if (record == 0 || std::memcmp(before, after, record * rows) == 0)
        return;
    std::array<std::size_t, 6> offsets{};
    std::array<std::size_t, 6> sizes{};
    for (std::size_t i = 0; i < kFileLayerOrder.size(); ++i) {
        offsets[i] = records::sliceOffset(kFileLayerOrder[i], width);
        sizes[i] = static_cast<std::size_t>(width) * bytesPerCell(kFileLayerOrder[i]);
    }
    for (std::size_t r = 0; r < rows; ++r) {
        const unsigned char* oldRecord = before + r * record;
        const unsigned char* newRecord = after + r * record;
        if (std::memcmp(oldRecord, newRecord, record) == 0)
            continue;
        // The layers that differ somewhere in this row, and the columns
        // between their first and last difference.
        std::array<bool, 6> differs{};
        std::int32_t first = width;
        std::int32_t last = -1;
        for (std::size_t i = 0; i < kFileLayerOrder.size(); ++i) {
            const unsigned char* a = oldRecord + offsets[i];
            const unsigned char* b = newRecord + offsets[i];
            if (std::memcmp(a, b, sizes[i]) == 0)
                continue;
            differs[i] = true;
            const std::size_t cellBytes = bytesPerCell(kFileLayerOrder[i]);
            std::size_t lo = 0;
            while (a[lo] == b[lo])
                ++lo;
            std::size_t hi = sizes[i] - 1;
            while (a[hi] == b[hi])
                --hi;
            first = std::min(first, static_cast<std::int32_t>(lo / cellBytes));
            last = std::max(last, static_cast<std::int32_t>(hi / cellBytes));
        }
        const std::int32_t y = firstRow + static_cast<std::int32_t>(r);
        for (std::int32_t x = first; x <= last; ++x) {
            for (std::size_t i = 0; i < kFileLayerOrder.size(); ++i) {
                if (!differs[i])
                    continue;
                const Layer layer = kFileLayerOrder[i];
                const std::int32_t was = records::cellValue(oldRecord + offsets[i], layer, x);
                const std::int32_t now = records::cellValue(newRecord + offsets[i], layer, x);
                if (was == now)
                    continue;
                counts.add(layer);
                if (visit)
                    visit(CellChange{x, y, layer, was, now});
            }
        }
    }
}

bool diffGridFiles(fsys::File& before, fsys::File& after, std::int32_t width, std::int32_t height,
                   const CellChangeVisitor& visit, LayerCounts& counts, std::error_code& ec) {
    fsys::File* const files[] = {&before, &after};
    return records::forEachRowBlock(
        files, width, height,
        [&](std::span<unsigned char* const> blocks, std::int32_t first, std::size_t rows) {
            diffRecords(blocks[0], blocks[1], width, first, rows, visit, counts);
            return true;
        },
        ec);
}

} // namespace model
