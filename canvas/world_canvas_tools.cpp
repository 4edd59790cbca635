// The world canvas's side of the editing tools: strokes of the mouse turned
// into cells, the view scrolling toward a mouse that left it during a stroke,
// and what is painted over the drawn map.

#include "canvas/map_surface.h"
#include "canvas/world_canvas.h"
#include "canvas/world_wrap.h"

#include <algorithm>
#include <cmath>
#include <QPainter>

namespace {

// The view cell under a surface position, kept to the `count` cells in view.
std::int32_t viewCellUnder(double pixels, std::int32_t cellSize, std::int32_t count) {
    if (cellSize <= 0 || count <= 0)
        return 0;
    const double cell = std::floor(pixels / cellSize);
    return static_cast<std::int32_t>(std::clamp(cell, 0.0, static_cast<double>(count - 1)));
}

Qt::MouseButton strokeButton(short code) {
    switch (code) {
    case 1:
        return Qt::LeftButton;
    case 2:
        return Qt::RightButton;
    default:
        return Qt::NoButton;
    }
}

Qt::KeyboardModifiers modifiersOf(short shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift & 1)
        modifiers |= Qt::ShiftModifier;
    if (shift & 2)
        modifiers |= Qt::ControlModifier;
    if (shift & 4)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

} // namespace

void WorldCanvas::setTool(canvas::CanvasTool* tool) {
    if (tool == m_tool)
        return;
    if (m_stroke && m_tool) {
        endStroke();
        m_tool->interrupt();
    }
    m_tool = tool;
    m_surface->setCursor(tool ? Qt::CrossCursor : Qt::ArrowCursor);
    m_surface->update();
}

void WorldCanvas::placeCursorAt(QPoint cell) {
    if (!hasLocation())
        return;
    const std::int32_t column = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(cell.x()) - m_view.CurrentPositionX, m_grid.MapWidth());
    const std::int32_t row = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(cell.y()) - m_view.CurrentPositionY, m_grid.MapHeight());
    if (column < m_view.CanvasCellCountX && row < m_view.CanvasCellCountY)
        putCursorOnViewCell(column, row);
    else
        showWorldCell(cell);
}

canvas::OverlayView WorldCanvas::overlayView() const {
    return canvas::OverlayView(QPoint(m_view.CurrentPositionX, m_view.CurrentPositionY),
                               cellPixels(),
                               QSize(m_view.CanvasCellCountX, m_view.CanvasCellCountY),
                               QSize(m_grid.MapWidth(), m_grid.MapHeight()));
}

void WorldCanvas::drawPendingPicture() {
    if (!m_redrawPending)
        return;
    m_redrawPending = false;
    m_renderer.DrawMap(m_picMap, m_grid, m_catalogues, m_view);
}

void WorldCanvas::paintOverlays(QPainter& painter) {
    if (!hasLocation())
        return;
    const canvas::OverlayView view = overlayView();
    if (const std::optional<model::CellRect>& selection = m_document->selection()) {
        painter.save();
        painter.setBrush(Qt::NoBrush);
        // Dashes of white over black show on light and dark ground alike.
        QPen under(Qt::black, 1);
        QPen dashes(Qt::white, 1, Qt::DashLine);
        for (const QRect& r : view.pixelRects(*selection)) {
            const QRect frame = r.adjusted(0, 0, -1, -1);
            painter.setPen(under);
            painter.drawRect(frame);
            painter.setPen(dashes);
            painter.drawRect(frame);
        }
        painter.restore();
    }
    if (m_tool) {
        painter.save();
        m_tool->paintOverlay(painter, view);
        painter.restore();
    }
}

canvas::ToolInput WorldCanvas::toolInput(QPointF at) const {
    const QSize cell = cellPixels();
    const std::int32_t column = viewCellUnder(at.x(), cell.width(), m_view.CanvasCellCountX);
    const std::int32_t row = viewCellUnder(at.y(), cell.height(), m_view.CanvasCellCountY);
    canvas::ToolInput input;
    const QPoint scrolled = m_stroke ? m_stroke->scrolled : QPoint();
    input.cell.stroke = QPoint(column, row) + scrolled;
    input.cell.world = QPoint(
        canvas::wrapIntoWorld(std::int64_t{m_view.CurrentPositionX} + column, m_grid.MapWidth()),
        canvas::wrapIntoWorld(std::int64_t{m_view.CurrentPositionY} + row, m_grid.MapHeight()));
    if (m_stroke) {
        input.button = m_stroke->button;
        input.modifiers = m_stroke->modifiers;
    }
    return input;
}

void WorldCanvas::toolPress(short button, short shift, QPointF at) {
    const Qt::MouseButton pressed = strokeButton(button);
    if (pressed == Qt::NoButton)
        return; // strokes of the left or the right button
    if (m_stroke) {
        if (pressed != m_stroke->button)
            return; // one stroke at a time
        // Pressed again without a release: a window that came up during the
        // stroke took it. That stroke is over.
        endStroke();
        m_tool->interrupt();
    }
    m_stroke = Stroke{pressed, modifiersOf(shift), QPoint(), QPoint(), at};
    const canvas::ToolInput input = toolInput(at);
    m_stroke->lastCell = input.cell.stroke;
    m_tool->press(input);
}

void WorldCanvas::toolMove(short buttons, short shift, QPointF at) {
    if (!m_stroke)
        return;
    if (!(buttons & (m_stroke->button == Qt::LeftButton ? 1 : 2))) {
        // The button went up where the canvas did not see it.
        endStroke();
        m_tool->interrupt();
        return;
    }
    m_stroke->mouse = at;
    m_stroke->modifiers = modifiersOf(shift);
    const bool outside = !m_surface->rect().contains(at.toPoint());
    if (outside && !m_scrollTimer.isActive())
        m_scrollTimer.start();
    else if (!outside)
        m_scrollTimer.stop();
    const canvas::ToolInput input = toolInput(at);
    if (input.cell.stroke == m_stroke->lastCell)
        return;
    m_stroke->lastCell = input.cell.stroke;
    m_tool->move(input);
}

void WorldCanvas::toolRelease(short button, short shift, QPointF at) {
    if (!m_stroke || strokeButton(button) != m_stroke->button)
        return;
    m_stroke->modifiers = modifiersOf(shift);
    const canvas::ToolInput input = toolInput(at);
    const bool moved = input.cell.stroke != m_stroke->lastCell;
    if (moved) {
        m_stroke->lastCell = input.cell.stroke;
        m_tool->move(input);
    }
    // Ended before the tool finishes: what it does then (a long fill with
    // its progress) may let other input through.
    endStroke();
    m_tool->release(input);
    Refresh();
}

void WorldCanvas::endStroke() {
    m_stroke.reset();
    m_scrollTimer.stop();
}

void WorldCanvas::scrollTowardMouse() {
    if (!m_stroke || !hasLocation()) {
        m_scrollTimer.stop();
        return;
    }
    const QPointF at = m_stroke->mouse;
    const int dx = at.x() < 0 ? -1 : at.x() >= m_surface->width() ? 1 : 0;
    const int dy = at.y() < 0 ? -1 : at.y() >= m_surface->height() ? 1 : 0;
    if (dx == 0 && dy == 0) {
        m_scrollTimer.stop();
        return;
    }
    moveView(dx, dy);
    const canvas::ToolInput input = toolInput(at);
    if (input.cell.stroke != m_stroke->lastCell) {
        m_stroke->lastCell = input.cell.stroke;
        m_tool->move(input);
    }
    requestRedraw();
}
