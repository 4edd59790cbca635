#include "editor/tools/selection_tool.h"

#include "document/location_document.h"
#include "model/world_wrap.h"

namespace editor::tools {

namespace {

// From `first` to `last` the shorter way round a world of `period` cells:
// the start and the length.
std::pair<std::int32_t, std::int32_t> shorterWay(std::int32_t first, std::int32_t last,
                                                 std::int32_t period) {
    const std::int32_t forward = model::wrapIntoWorld(std::int64_t{last} - first, period);
    if (forward <= period - forward)
        return {first, forward + 1};
    return {last, period - forward + 1};
}

} // namespace

model::CellRect SelectionTool::stretched(const model::CellRect& selection, QPoint cell,
                                         QSize world) {
    const auto [x, width] = shorterWay(selection.x, cell.x(), world.width());
    const auto [y, height] = shorterWay(selection.y, cell.y(), world.height());
    return model::CellRect{x, y, width, height};
}

void SelectionTool::press(const canvas::ToolInput& input) {
    start(input);
    m_dragging = false;
    document::LocationDocument& document = m_context.document;
    if (input.button == Qt::RightButton) {
        document.setSelection(std::nullopt);
        return;
    }
    if ((input.modifiers & Qt::ShiftModifier) && document.selection()) {
        const model::LocationGrid& grid = document.grid();
        document.setSelection(stretched(*document.selection(), input.cell.world,
                                        QSize(grid.MapWidth(), grid.MapHeight())));
        return;
    }
    m_dragging = true;
    document.setSelection(rectangleTo(input.cell.stroke));
}

void SelectionTool::move(const canvas::ToolInput& input) {
    if (m_dragging)
        m_context.document.setSelection(rectangleTo(input.cell.stroke));
}

void SelectionTool::release(const canvas::ToolInput& input) {
    move(input);
    m_dragging = false;
}

} // namespace editor::tools
