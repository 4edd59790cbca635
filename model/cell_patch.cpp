#include "model/cell_patch.h"

#include "model/world_wrap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace model {
namespace {

// Whether a rectangle of that size fits the grid's world.
bool fits(const LocationGrid& grid, std::int32_t width, std::int32_t height) {
    return grid.MapWidth() >= 1 && grid.MapHeight() >= 1 && grid.isComplete() && width >= 0 &&
           height >= 0 && width <= grid.MapWidth() && height <= grid.MapHeight();
}

// Calls slice(y, x, length, row, column) for each row slice of the world that
// the cells of `rect` (wrapping) cover: the `length` cells of world row y from
// world column x are those of the rectangle's `row` from its `column`. A row
// running across the world's right edge gives two slices. `rect` must fit.
template <class Slice> void forEachSlice(const LocationGrid& grid, CellRect rect, Slice slice) {
    const std::int32_t x = wrapIntoWorld(rect.x, grid.MapWidth());
    const std::int32_t first = std::min(rect.width, grid.MapWidth() - x);
    for (std::int32_t row = 0; row < rect.height; ++row) {
        const std::int32_t y = wrapIntoWorld(std::int64_t{rect.y} + row, grid.MapHeight());
        if (first > 0)
            slice(y, x, first, row, 0);
        if (first < rect.width)
            slice(y, 0, rect.width - first, row, first);
    }
}

// The patch's bytes begin with this mark, then the version, the layers, two
// bytes kept zero, the width and the height (32 bits each, least significant
// byte first).
constexpr char kMark[4] = {'C', 'E', 'L', 'P'};
constexpr unsigned char kVersion = 1;
constexpr std::size_t kHeaderBytes = 16;

void putNumber(std::string& bytes, std::uint32_t number) {
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(number >> (8 * i) & 0xFF);
}

std::uint32_t readNumber(std::string_view bytes, std::size_t at) {
    std::uint32_t number = 0;
    for (int i = 0; i < 4; ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return number;
}

} // namespace

LayerSet allLayers() {
    return LayerSet().set();
}

CellPatch CellPatch::copy(const LocationGrid& grid, CellRect rect, LayerSet layers) {
    CellPatch patch;
    if (!fits(grid, rect.width, rect.height))
        return patch;
    patch.m_width = rect.width;
    patch.m_height = rect.height;
    patch.m_layers = layers;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        const std::size_t cell = static_cast<std::size_t>(bytesPerCell(layer));
        std::vector<unsigned char>& bytes = patch.m_bytes[layerIndex(layer)];
        bytes.resize(static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height) *
                     cell);
        forEachSlice(grid, rect,
                     [&](std::int32_t y, std::int32_t x, std::int32_t length, std::int32_t row,
                         std::int32_t column) {
                         std::memcpy(bytes.data() + (static_cast<std::size_t>(row) * rect.width +
                                                     static_cast<std::size_t>(column)) *
                                                        cell,
                                     grid.rowData(layer, y) + static_cast<std::size_t>(x) * cell,
                                     static_cast<std::size_t>(length) * cell);
                     });
    }
    return patch;
}

std::int32_t CellPatch::value(Layer layer, std::int32_t column, std::int32_t row) const {
    const std::vector<unsigned char>& bytes = m_bytes[layerIndex(layer)];
    if (column < 0 || row < 0 || column >= m_width || row >= m_height || bytes.empty())
        throw std::out_of_range("cell (" + std::to_string(column) + ", " + std::to_string(row) +
                                ") of the " + layerName(layer) + " layer is not in the patch");
    const int cell = bytesPerCell(layer);
    const unsigned char* at =
        bytes.data() +
        (static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width) + column) * cell;
    return cell == 2 ? at[0] << 8 | at[1] : at[0];
}

CellPatch CellPatch::withLayers(LayerSet layers) const {
    const LayerSet kept = m_layers & layers;
    if (isEmpty() || kept.none())
        return {};
    CellPatch patch = *this;
    patch.m_layers = kept;
    for (std::size_t i = 0; i < patch.m_bytes.size(); ++i)
        if (!kept.test(i))
            patch.m_bytes[i] = {};
    return patch;
}

bool CellPatch::pasteInto(LocationGrid& grid, std::int32_t x, std::int32_t y) const {
    if (!fits(grid, m_width, m_height))
        return false;
    for (const Layer layer : kAllLayers) {
        if (!m_layers.test(layerIndex(layer)))
            continue;
        const std::size_t cell = static_cast<std::size_t>(bytesPerCell(layer));
        const unsigned char* bytes = m_bytes[layerIndex(layer)].data();
        forEachSlice(grid, CellRect{x, y, m_width, m_height},
                     [&](std::int32_t cy, std::int32_t cx, std::int32_t length, std::int32_t row,
                         std::int32_t column) {
                         grid.writeSpan(layer, cy, cx,
                                        bytes + (static_cast<std::size_t>(row) * m_width +
                                                 static_cast<std::size_t>(column)) *
                                                    cell,
                                        length);
                     });
    }
    return true;
}

std::string CellPatch::toText() const {
    std::string text;
    for (const Layer layer : kAllLayers) {
        if (!m_layers.test(layerIndex(layer)))
            continue;
        text += layerName(layer);
        text += "\n";
        for (std::int32_t row = 0; row < m_height; ++row) {
            for (std::int32_t column = 0; column < m_width; ++column) {
                if (column > 0)
                    text += '\t';
                text += std::to_string(value(layer, column, row));
            }
            text += "\n";
        }
    }
    return text;
}

std::string CellPatch::toBytes() const {
    std::string bytes(kMark, sizeof kMark);
    bytes += static_cast<char>(kVersion);
    bytes += static_cast<char>(m_layers.to_ulong());
    bytes += std::string(2, '\0');
    putNumber(bytes, static_cast<std::uint32_t>(m_width));
    putNumber(bytes, static_cast<std::uint32_t>(m_height));
    for (const Layer layer : kAllLayers) {
        if (m_layers.test(layerIndex(layer)))
            bytes.append(reinterpret_cast<const char*>(m_bytes[layerIndex(layer)].data()),
                         m_bytes[layerIndex(layer)].size());
    }
    return bytes;
}

std::optional<CellPatch> CellPatch::fromBytes(std::string_view bytes) {
    if (bytes.size() < kHeaderBytes || bytes.substr(0, sizeof kMark) != std::string_view(kMark, 4))
        return std::nullopt;
    const auto version = static_cast<unsigned char>(bytes[4]);
    const auto mask = static_cast<unsigned char>(bytes[5]);
    if (version != kVersion || mask >= 1 << kAllLayers.size() || bytes[6] != 0 || bytes[7] != 0)
        return std::nullopt;
    const std::uint32_t width = readNumber(bytes, 8);
    const std::uint32_t height = readNumber(bytes, 12);
    constexpr auto kLargest = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    if (width > kLargest || height > kLargest)
        return std::nullopt;

    // The layers' bytes must take up exactly the rest: counted against what
    // is there, so no product can overflow and nothing is made for bytes
    // that are missing.
    const std::uint64_t cells = std::uint64_t{width} * height; // below 2^62
    const std::uint64_t rest = bytes.size() - kHeaderBytes;
    const LayerSet layers(mask);
    std::uint64_t needed = 0;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        if (cells > rest)
            return std::nullopt;
        needed += cells * static_cast<std::uint64_t>(bytesPerCell(layer));
        if (needed > rest)
            return std::nullopt;
    }
    if (needed != rest)
        return std::nullopt;

    CellPatch patch;
    patch.m_width = static_cast<std::int32_t>(width);
    patch.m_height = static_cast<std::int32_t>(height);
    patch.m_layers = layers;
    std::size_t at = kHeaderBytes;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        const auto size = static_cast<std::size_t>(cells) * bytesPerCell(layer);
        const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
        patch.m_bytes[layerIndex(layer)].assign(begin, begin + size);
        at += size;
    }
    return patch;
}

bool clearCells(LocationGrid& grid, CellRect rect, LayerSet layers) {
    if (!fits(grid, rect.width, rect.height))
        return false;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        forEachSlice(grid, rect,
                     [&](std::int32_t y, std::int32_t x, std::int32_t length, std::int32_t,
                         std::int32_t) { grid.fillSpan(layer, y, x, length, 0); });
    }
    return true;
}

bool fillCells(LocationGrid& grid, CellRect rect, Layer layer, std::uint16_t value) {
    if (!fits(grid, rect.width, rect.height) || (bytesPerCell(layer) == 1 && value > 0xFF))
        return false;
    const std::uint16_t stored = LocationGrid::storedValue(layer, value);
    forEachSlice(grid, rect,
                 [&](std::int32_t y, std::int32_t x, std::int32_t length, std::int32_t,
                     std::int32_t) { grid.fillSpan(layer, y, x, length, stored); });
    return true;
}

} // namespace model
