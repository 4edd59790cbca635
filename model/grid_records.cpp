#include "model/grid_records.h"

#include "model/grid_file.h"

#include <algorithm>
#include <cstring>

namespace model::records {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{4} << 20;

} // namespace

std::size_t recordBytes(std::int32_t width) {
    return static_cast<std::size_t>(width) * 8;
}

std::size_t sliceOffset(Layer layer, std::int32_t width) {
    std::size_t offset = 0;
    for (Layer l : kFileLayerOrder) {
        if (l == layer)
            break;
        offset += static_cast<std::size_t>(width) * bytesPerCell(l);
    }
    return offset;
}

std::size_t rowsPerBlock(std::int32_t width) {
    const std::size_t record = recordBytes(width);
    return record == 0 ? 1 : std::max<std::size_t>(1, kBlockBytes / record);
}

bool readBlock(fsys::File& file, unsigned char* data, std::size_t size, std::error_code& ec) {
    std::size_t got = 0;
    if (!file.read(data, size, got, ec))
        return false;
    if (got < size)
        std::memset(data + got, 0, size - got);
    return true;
}

} // namespace model::records
