#include "editor/tools/rectangle_tool.h"

#include "canvas/world_canvas.h"
#include "document/location_document.h"
#include "model/cell_patch.h"
#include "model/world_wrap.h"

#include <QPainter>

namespace editor::tools {

void RectangleTool::press(const canvas::ToolInput& input) {
    start(input);
    m_paint = gesturePaint(m_context, input.button, name());
    if (!m_paint)
        return;
    beginEdit();
    m_last = input.cell.stroke;
    m_context.canvas.mapSurface()->update();
}

void RectangleTool::move(const canvas::ToolInput& input) {
    if (!m_paint)
        return;
    m_last = input.cell.stroke;
    m_context.canvas.mapSurface()->update();
}

void RectangleTool::release(const canvas::ToolInput& input) {
    if (!m_paint)
        return;
    m_last = input.cell.stroke;
    paintRectangle(rectangleTo(m_last));
    interrupt();
}

void RectangleTool::interrupt() {
    m_paint.reset();
    endEdit();
    m_context.canvas.mapSurface()->update();
}

std::optional<model::CellRect> RectangleTool::dragged() const {
    if (!m_paint)
        return std::nullopt;
    return rectangleTo(m_last);
}

void RectangleTool::paintRectangle(const model::CellRect& cells) {
    model::LocationGrid& grid = m_context.document.grid();
    if (!m_paint->isObject()) {
        model::fillCells(grid, cells, m_paint->layer(),
                         model::LocationGrid::storedValue(m_paint->layer(), m_paint->value()));
        return;
    }
    const QSize step = m_paint->objectSize();
    for (std::int32_t row = 0; row < cells.height; row += step.height()) {
        const std::int32_t y = model::wrapIntoWorld(std::int64_t{cells.y} + row, grid.MapHeight());
        for (std::int32_t column = 0; column < cells.width; column += step.width())
            m_paint->paint(
                grid, model::wrapIntoWorld(std::int64_t{cells.x} + column, grid.MapWidth()), y);
    }
}

void RectangleTool::paintOverlay(QPainter& painter, const canvas::OverlayView& view) {
    const std::optional<model::CellRect> cells = dragged();
    if (!cells)
        return;
    const bool erase = m_button == Qt::RightButton;
    const QColor edge = erase ? QColor(220, 40, 40) : QColor(255, 220, 0);
    QColor inside = edge;
    inside.setAlpha(60);
    painter.setPen(QPen(edge, 2));
    painter.setBrush(inside);
    for (const QRect& r : view.pixelRects(*cells))
        painter.drawRect(r.adjusted(1, 1, -1, -1));
}

} // namespace editor::tools
