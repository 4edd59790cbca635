#include "editor/tools/rect_fill.h"

#include "model/world_wrap.h"

namespace editor::tools {

void fillRectangle(model::LocationGrid& grid, const model::CellRect& cells, model::Layer layer,
                   std::int32_t value) {
    const std::int32_t width = grid.MapWidth();
    const std::int32_t height = grid.MapHeight();
    for (std::int32_t row = 0; row < cells.height; ++row) {
        const std::int32_t y = model::wrapIntoWorld(std::int64_t{cells.y} + row, height);
        for (std::int32_t column = 0; column < cells.width; ++column)
            grid.setCellValue(layer, model::wrapIntoWorld(std::int64_t{cells.x} + column, width), y,
                              value);
    }
}

} // namespace editor::tools
