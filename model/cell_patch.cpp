#include "model/cell_patch.h"

#include "model/world_wrap.h"

namespace model {
namespace {

// Whether a rectangle of that size fits the grid's world.
bool fits(const LocationGrid& grid, std::int32_t width, std::int32_t height) {
    return grid.MapWidth() >= 1 && grid.MapHeight() >= 1 && grid.isComplete() && width >= 0 &&
           height >= 0 && width <= grid.MapWidth() && height <= grid.MapHeight();
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
        std::vector<std::uint16_t>& values = patch.m_values[layerIndex(layer)];
        values.reserve(static_cast<std::size_t>(rect.width) *
                       static_cast<std::size_t>(rect.height));
        for (std::int32_t row = 0; row < rect.height; ++row) {
            const std::int32_t y = wrapIntoWorld(std::int64_t{rect.y} + row, grid.MapHeight());
            for (std::int32_t column = 0; column < rect.width; ++column)
                values.push_back(static_cast<std::uint16_t>(grid.cellValue(
                    layer, wrapIntoWorld(std::int64_t{rect.x} + column, grid.MapWidth()), y)));
        }
    }
    return patch;
}

std::int32_t CellPatch::value(Layer layer, std::int32_t column, std::int32_t row) const {
    return m_values[layerIndex(layer)].at(static_cast<std::size_t>(row) *
                                              static_cast<std::size_t>(m_width) +
                                          static_cast<std::size_t>(column));
}

bool CellPatch::pasteInto(LocationGrid& grid, std::int32_t x, std::int32_t y) const {
    if (!fits(grid, m_width, m_height))
        return false;
    for (const Layer layer : kAllLayers) {
        if (!m_layers.test(layerIndex(layer)))
            continue;
        for (std::int32_t row = 0; row < m_height; ++row) {
            const std::int32_t cy = wrapIntoWorld(std::int64_t{y} + row, grid.MapHeight());
            for (std::int32_t column = 0; column < m_width; ++column)
                grid.setCellValue(layer, wrapIntoWorld(std::int64_t{x} + column, grid.MapWidth()),
                                  cy, value(layer, column, row));
        }
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

// TEMPORARY (clipboard branch): stand-in byte form, to be replaced by the
// shared one. Layout: "LCP1", width and height as 32-bit little-endian
// numbers, one byte of layer bits, then for each layer held (in kAllLayers
// order) its values row by row, 16-bit little-endian.
namespace {

constexpr std::string_view kPatchMagic = "LCP1";
constexpr std::size_t kPatchHeader = 4 + 4 + 4 + 1;

void putNumber(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t takeNumber(std::string_view in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

std::string CellPatch::toBytes() const {
    std::string out(kPatchMagic);
    putNumber(out, static_cast<std::uint32_t>(m_width), 4);
    putNumber(out, static_cast<std::uint32_t>(m_height), 4);
    putNumber(out, static_cast<std::uint32_t>(m_layers.to_ulong()), 1);
    for (const Layer layer : kAllLayers)
        if (m_layers.test(layerIndex(layer)))
            for (const std::uint16_t value : m_values[layerIndex(layer)])
                putNumber(out, value, 2);
    return out;
}

std::optional<CellPatch> CellPatch::fromBytes(std::string_view bytes) {
    if (bytes.size() < kPatchHeader || bytes.substr(0, 4) != kPatchMagic)
        return std::nullopt;
    const std::uint32_t width = takeNumber(bytes, 4, 4);
    const std::uint32_t height = takeNumber(bytes, 8, 4);
    const std::uint32_t mask = takeNumber(bytes, 12, 1);
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF || mask >= 64)
        return std::nullopt;
    const LayerSet layers(mask);
    const std::uint64_t cells = std::uint64_t{width} * height;
    if (cells > (bytes.size() - kPatchHeader) / 2 ||
        cells * 2 * layers.count() != bytes.size() - kPatchHeader)
        return std::nullopt;
    CellPatch patch;
    patch.m_width = static_cast<std::int32_t>(width);
    patch.m_height = static_cast<std::int32_t>(height);
    patch.m_layers = layers;
    std::size_t at = kPatchHeader;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        std::vector<std::uint16_t>& values = patch.m_values[layerIndex(layer)];
        values.reserve(static_cast<std::size_t>(cells));
        for (std::uint64_t i = 0; i < cells; ++i, at += 2) {
            const auto value = static_cast<std::uint16_t>(takeNumber(bytes, at, 2));
            if (bytesPerCell(layer) == 1 && value > 0xFF)
                return std::nullopt;
            values.push_back(value);
        }
    }
    return patch;
}

bool clearCells(LocationGrid& grid, CellRect rect, LayerSet layers) {
    if (!fits(grid, rect.width, rect.height))
        return false;
    for (const Layer layer : kAllLayers) {
        if (!layers.test(layerIndex(layer)))
            continue;
        for (std::int32_t row = 0; row < rect.height; ++row) {
            const std::int32_t y = wrapIntoWorld(std::int64_t{rect.y} + row, grid.MapHeight());
            for (std::int32_t column = 0; column < rect.width; ++column)
                grid.setCellValue(
                    layer, wrapIntoWorld(std::int64_t{rect.x} + column, grid.MapWidth()), y, 0);
        }
    }
    return true;
}

} // namespace model
