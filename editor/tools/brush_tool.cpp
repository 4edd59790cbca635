#include "editor/tools/brush_tool.h"

#include "document/location_document.h"
#include "model/world_wrap.h"

namespace editor::tools {

void BrushTool::press(const canvas::ToolInput& input) {
    start(input);
    m_taken.clear();
    m_paint = gesturePaint(m_context, input.button, name());
    if (!m_paint)
        return;
    beginEdit();
    m_last = input.cell.stroke;
    paintAt(m_last);
    m_context.document.flushChanges();
}

void BrushTool::move(const canvas::ToolInput& input) {
    if (!m_paint)
        return;
    for (const QPoint cell : lineCells(m_last, input.cell.stroke))
        paintAt(cell);
    m_last = input.cell.stroke;
    m_context.document.flushChanges();
}

void BrushTool::release(const canvas::ToolInput&) {
    interrupt();
}

void BrushTool::interrupt() {
    m_paint.reset();
    m_taken.clear();
    endEdit();
}

void BrushTool::paintAt(QPoint stroke) {
    const QPoint cell = worldOf(stroke);
    model::LocationGrid& grid = m_context.document.grid();
    if (!m_paint->isObject()) {
        m_paint->paint(grid, cell.x(), cell.y());
        return;
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> cells;
    for (const QPoint offset : m_paint->objectCells()) {
        const std::pair<std::int32_t, std::int32_t> taken{
            model::wrapIntoWorld(std::int64_t{cell.x()} + offset.x(), grid.MapWidth()),
            model::wrapIntoWorld(std::int64_t{cell.y()} + offset.y(), grid.MapHeight())};
        if (m_taken.count(taken) != 0)
            return; // it would overlap an object of this stroke
        cells.push_back(taken);
    }
    m_taken.insert(cells.begin(), cells.end());
    m_paint->paint(grid, cell.x(), cell.y());
}

} // namespace editor::tools
