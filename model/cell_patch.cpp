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
