#include "model/grid_records.h"

#include <algorithm>
#include <vector>

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

bool forEachRowBlock(std::span<fsys::File* const> files, std::int32_t width, std::int32_t height,
                     const std::function<bool(std::span<unsigned char* const> blocks,
                                              std::int32_t first, std::size_t rows)>& use,
                     std::error_code& ec) {
    const std::size_t record = recordBytes(width);
    if (record == 0 || height < 0)
        return true;
    const std::size_t perBlock = rowsPerBlock(width);
    std::vector<std::vector<unsigned char>> storage(files.size(),
                                                    std::vector<unsigned char>(perBlock * record));
    std::vector<unsigned char*> blocks;
    for (auto& block : storage)
        blocks.push_back(block.data());
    const std::int64_t rowCount = static_cast<std::int64_t>(height) + 1;
    for (std::int64_t first = 0; first < rowCount;) {
        const std::size_t rows =
            static_cast<std::size_t>(std::min<std::int64_t>(rowCount - first, perBlock));
        for (std::size_t i = 0; i < files.size(); ++i)
            if (!readBlock(*files[i], blocks[i], rows * record, ec))
                return false;
        if (!use(blocks, static_cast<std::int32_t>(first), rows))
            return false;
        first += static_cast<std::int64_t>(rows);
    }
    return true;
}

} // namespace model::records
