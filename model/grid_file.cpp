#include "model/grid_file.h"

#include "model/cell_codes.h"
#include "model/grid_records.h"
#include "support/crash_safe_writer.h"

#include <algorithm>
#include <vector>

namespace model {
namespace {

// Rows per system call: 170 rows of six slices stay within one call's limit.
constexpr std::int32_t kRowsPerBatch = 170;

using records::recordBytes;
using records::sliceOffset;

std::uint64_t countNonZero(const unsigned char* data, std::size_t size) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < size; ++i)
        n += data[i] != 0;
    return n;
}

std::uint64_t countNonZeroPairs(const unsigned char* data, std::size_t size) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        n += (data[i] | data[i + 1]) != 0;
    return n;
}

// Bytes of one row of the six layers together.
std::size_t recordBytesOf(const LocationGrid& grid) {
    std::size_t bytes = 0;
    for (Layer layer : kFileLayerOrder)
        bytes += grid.rowBytes(layer);
    return bytes;
}

} // namespace

bool readGridRecords(fsys::File& file, LocationGrid& grid, std::uint64_t& bytesRead,
                     std::error_code& ec, LayerSet layers) {
    bytesRead = 0;
    // The bytes of the layers left out all land here, one row over another.
    std::vector<unsigned char> discarded;
    for (Layer layer : kFileLayerOrder)
        if (!layers.test(layerIndex(layer)))
            discarded.resize(std::max(discarded.size(), grid.rowBytes(layer)));
    // Rows without cells hold nothing to read, however many there are.
    const std::int32_t rows = recordBytesOf(grid) == 0 ? 0 : grid.rowCount(Layer::Earths);
    std::int32_t last = 0;
    std::vector<fsys::Slice> slices;
    slices.reserve(static_cast<std::size_t>(kRowsPerBatch) * kFileLayerOrder.size());
    for (std::int32_t first = 0; first < rows; first = last) {
        last = first + std::min(rows - first, kRowsPerBatch);
        slices.clear();
        std::size_t wanted = 0;
        for (std::int32_t y = first; y < last; ++y) {
            for (Layer layer : kFileLayerOrder) {
                unsigned char* into =
                    layers.test(layerIndex(layer)) ? grid.rowData(layer, y) : discarded.data();
                slices.push_back({into, grid.rowBytes(layer)});
                wanted += grid.rowBytes(layer);
            }
        }
        std::size_t got = 0;
        if (!file.readScatter(slices, got, ec))
            return false;
        bytesRead += got;
        if (got < wanted)
            break; // the file ends here
    }
    return true;
}

bool writeGridFile(std::string_view gridFile, const LocationGrid& grid, std::error_code& ec,
                   bool keepOldTail) {
    std::int32_t rows = grid.rowCount(Layer::Earths);
    for (Layer layer : kFileLayerOrder) {
        if (grid.rowCount(layer) != rows) {
            ec = std::make_error_code(std::errc::invalid_argument);
            return false;
        }
    }
    fsys::CrashSafeWriter file;
    const std::uint64_t gridBytes = static_cast<std::uint64_t>(rows) * recordBytesOf(grid);
    if (!file.begin(gridFile, ec) ||
        !file.reserve(keepOldTail ? std::max(gridBytes, file.oldSize()) : gridBytes, ec))
        return false;
    if (gridBytes == 0)
        rows = 0; // rows without cells hold nothing to write, however many there are
    std::int32_t last = 0;
    std::vector<fsys::ConstSlice> slices;
    slices.reserve(static_cast<std::size_t>(kRowsPerBatch) * kFileLayerOrder.size());
    for (std::int32_t first = 0; first < rows; first = last) {
        last = first + std::min(rows - first, kRowsPerBatch);
        slices.clear();
        for (std::int32_t y = first; y < last; ++y) {
            for (Layer layer : kFileLayerOrder)
                slices.push_back({grid.rowData(layer, y), grid.rowBytes(layer)});
        }
        if (!file.writeGather(slices, ec))
            return false;
    }
    // An existing longer file keeps its bytes past the grid, as a write over
    // its start would leave them.
    return (!keepOldTail || file.keepOldTail(ec)) && file.commit(ec);
}

bool readGridCell(std::string_view gridFile, std::int32_t width, std::int32_t x, std::int32_t y,
                  CellValues& cell, bool& covered, std::error_code& ec) {
    cell = {};
    covered = false;
    fsys::File file;
    if (!file.open(gridFile, fsys::File::Mode::Read, ec))
        return false;
    std::vector<unsigned char> record(recordBytes(width));
    std::size_t got = 0;
    if (!file.readAt(static_cast<std::uint64_t>(y) * record.size(), record.data(), record.size(),
                     got, ec))
        return false;
    if (got < record.size())
        std::fill(record.begin() + static_cast<std::ptrdiff_t>(got), record.end(), 0);
    covered = got == record.size();
    const auto at = [&](Layer layer) {
        return record.data() + sliceOffset(layer, width) +
               static_cast<std::size_t>(x) * bytesPerCell(layer);
    };
    cell.earth = *at(Layer::Earths);
    cell.object = mdlMain::DecodeCell(at(Layer::Objects));
    cell.predmet = *at(Layer::Predmets);
    cell.door = mdlMain::DecodeCell(at(Layer::Doors));
    cell.block = *at(Layer::Blocks);
    cell.guard = *at(Layer::Guards);
    return true;
}

bool censusGridFile(std::string_view gridFile, std::int32_t width, std::int32_t height,
                    GridCensus& census, std::error_code& ec) {
    census = {};
    fsys::File file;
    if (!file.open(gridFile, fsys::File::Mode::Read, ec))
        return false;
    census.fileBytes = file.size(ec);
    if (ec)
        return false;
    const std::size_t record = recordBytes(width);
    if (record == 0)
        return true;
    const std::size_t rowsPerChunk = std::max<std::size_t>(1, (4u << 20) / record);
    std::vector<unsigned char> buffer(rowsPerChunk * record);
    std::uint64_t rowsLeft = static_cast<std::uint64_t>(height) + 1;
    while (rowsLeft > 0) {
        const std::size_t rows =
            static_cast<std::size_t>(std::min<std::uint64_t>(rowsLeft, rowsPerChunk));
        std::size_t got = 0;
        if (!file.read(buffer.data(), rows * record, got, ec))
            return false;
        // A partial last record counts with its missing bytes empty.
        if (got % record)
            std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got),
                      buffer.begin() + static_cast<std::ptrdiff_t>((got / record + 1) * record), 0);
        const std::size_t fullRows = (got + record - 1) / record;
        for (std::size_t r = 0; r < fullRows; ++r) {
            const unsigned char* rec = buffer.data() + r * record;
            for (std::size_t i = 0; i < kAllLayers.size(); ++i) {
                const Layer layer = kAllLayers[i];
                const unsigned char* slice = rec + sliceOffset(layer, width);
                const std::size_t size = static_cast<std::size_t>(width) * bytesPerCell(layer);
                census.nonEmpty[i] += bytesPerCell(layer) == 2 ? countNonZeroPairs(slice, size)
                                                               : countNonZero(slice, size);
            }
        }
        if (got < rows * record)
            break;
        rowsLeft -= rows;
    }
    return true;
}

} // namespace model
