#pragma once
// Block-by-block access to the records of a grid file (see grid_file.h): the
// comparisons and merges stream their files through buffers of a few
// megabytes, never holding a whole grid.

#include "model/location_grid.h"
#include "support/file_system.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <system_error>

namespace model::records {

// Bytes of one record (one row of the six layers) of a W-wide grid.
std::size_t recordBytes(std::int32_t width);

// Offset of a layer's slice within a record of a W-wide grid.
std::size_t sliceOffset(Layer layer, std::int32_t width);

// How many records of a W-wide grid one block holds (at least one).
std::size_t rowsPerBlock(std::int32_t width);

// Reads the next `size` bytes of the file into `data`; bytes past the file's
// end read as zero, as the editor reads a short grid file.
bool readBlock(fsys::File& file, unsigned char* data, std::size_t size, std::error_code& ec);

// Reads the H + 1 rows of records of W cells from each of `files` in blocks of
// rowsPerBlock rows, side by side, and calls use(blocks, first row, rows) with
// block i of file i; false from `use` stops the reading and is returned.
bool forEachRowBlock(std::span<fsys::File* const> files, std::int32_t width, std::int32_t height,
                     const std::function<bool(std::span<unsigned char* const> blocks,
                                              std::int32_t first, std::size_t rows)>& use,
                     std::error_code& ec);

// The value of cell x of a layer's slice.
inline std::int32_t cellValue(const unsigned char* slice, Layer layer, std::int32_t x) {
    if (bytesPerCell(layer) == 2) {
        const unsigned char* cell = slice + static_cast<std::size_t>(x) * 2;
        return (static_cast<std::int32_t>(cell[0]) << 8) | cell[1];
    }
    return slice[x];
}

} // namespace model::records
