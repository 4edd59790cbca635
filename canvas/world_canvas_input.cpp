// The world canvas's cursor and view moves: keys, clicks and drags on the map
// surface, and the update that follows every move.

#include "canvas/world_canvas.h"
#include "canvas/world_wrap.h"

#include <algorithm>
#include <cmath>
#include <QKeyEvent>

namespace {

// The view cell under a surface position, as the floor of pixels / size.
std::int64_t cellUnder(float pixels, std::int32_t cellSize) {
    if (cellSize == 0)
        return 0;
    return static_cast<std::int64_t>(std::floor(static_cast<double>(pixels) / cellSize));
}

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

void WorldCanvas::UpdateCursor() {
    if (!hasLocation())
        return;
    followNewGrid();
    if (m_drawOnlyMove)
        DrawMap();
}

void WorldCanvas::followNewGrid() {
    if (!hasLocation())
        return;
    m_view.CurrentPositionX = canvas::wrapIntoWorld(m_view.CurrentPositionX, m_grid.MapWidth());
    m_view.CurrentPositionY = canvas::wrapIntoWorld(m_view.CurrentPositionY, m_grid.MapHeight());
    const std::int32_t worldX = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(CursorX()) + m_view.CurrentPositionX, m_grid.MapWidth());
    const std::int32_t worldY = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(CursorY()) + m_view.CurrentPositionY, m_grid.MapHeight());
    m_grid.setWorldCursor(worldX, worldY);
    m_charCursorX = worldX + 1;
    m_charCursorY = worldY;
    m_dblCharCursorX = 2 * worldX + 1;
    m_dblCharCursorY = worldY;
    m_grid.reloadCurrentCell();
}

void WorldCanvas::moveView(std::int64_t dx, std::int64_t dy) {
    // A stroke's cells keep counting from where the view stood at its press.
    if (m_stroke)
        m_stroke->scrolled +=
            QPoint(clampToInt32(m_stroke->scrolled.x() + dx) - m_stroke->scrolled.x(),
                   clampToInt32(m_stroke->scrolled.y() + dy) - m_stroke->scrolled.y());
    // Wrapped at once, so that no step, however long, leaves the world.
    m_view.CurrentPositionX = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(m_view.CurrentPositionX) + dx, m_grid.MapWidth());
    m_view.CurrentPositionY = canvas::wrapIntoWorld(
        static_cast<std::int64_t>(m_view.CurrentPositionY) + dy, m_grid.MapHeight());
    UpdateCursor();
    emit CursorChangePosition();
}

void WorldCanvas::surfaceKeyDown(int key) {
    if (!hasLocation())
        return;
    switch (key) {
    case Qt::Key_Left:
        moveView(-1, 0);
        break;
    case Qt::Key_Up:
        moveView(0, -1);
        break;
    case Qt::Key_Right:
        moveView(1, 0);
        break;
    case Qt::Key_Down:
        moveView(0, 1);
        break;
    default:
        break;
    }
}

void WorldCanvas::surfaceMouseDown(short button, short shift, float x, float y) {
    if (!hasLocation()) {
        if (m_tool && !m_stroke)
            m_tool->pressedWithoutLocation();
        return;
    }
    emit MouseDown(button, shift, x, y);
    if (m_tool) {
        toolPress(button, shift, QPointF(x, y));
        return;
    }
    if (button != 1)
        return;
    const QSize cell = cellPixels();
    putCursorOnViewCell(cellUnder(x, cell.width()), cellUnder(y, cell.height()));
}

void WorldCanvas::putCursorOnViewCell(std::int64_t column, std::int64_t row) {
    m_view.cursorPixelX = clampToInt32(column * m_view.CellWidth);
    m_view.cursorPixelY = clampToInt32(row * m_view.CellHeight);
    UpdateCursor();
    emit CursorChangePosition();
}

std::optional<QPoint> WorldCanvas::worldCellAt(QPointF surfacePixel) const {
    if (!hasLocation())
        return std::nullopt;
    const QSize cell = cellPixels();
    const std::int64_t column =
        cellUnder(static_cast<float>(surfacePixel.x()), cell.width()) + m_view.CurrentPositionX;
    const std::int64_t row =
        cellUnder(static_cast<float>(surfacePixel.y()), cell.height()) + m_view.CurrentPositionY;
    return QPoint(canvas::wrapIntoWorld(column, m_grid.MapWidth()),
                  canvas::wrapIntoWorld(row, m_grid.MapHeight()));
}

void WorldCanvas::showWorldCell(QPoint cell) {
    if (!hasLocation())
        return;
    moveView(static_cast<std::int64_t>(cell.x()) - CursorX() - m_view.CurrentPositionX,
             static_cast<std::int64_t>(cell.y()) - CursorY() - m_view.CurrentPositionY);
}

void WorldCanvas::centreOnWorldCell(QPoint cell) {
    if (!hasLocation())
        return;
    moveView(static_cast<std::int64_t>(cell.x()) - m_view.CanvasCellCountX / 2 -
                 m_view.CurrentPositionX,
             static_cast<std::int64_t>(cell.y()) - m_view.CanvasCellCountY / 2 -
                 m_view.CurrentPositionY);
}

QRect WorldCanvas::viewCells() const {
    return QRect(m_view.CurrentPositionX, m_view.CurrentPositionY, m_view.CanvasCellCountX,
                 m_view.CanvasCellCountY);
}

void WorldCanvas::zoomBy(int steps, QPointF surfacePixel) {
    const std::vector<std::int32_t>& levels = zoomLevels();
    const auto at = std::find(levels.begin(), levels.end(), Zoom());
    const std::int64_t index = std::clamp<std::int64_t>(
        (at - levels.begin()) + steps, 0, static_cast<std::int64_t>(levels.size()) - 1);
    const QSize before = cellPixels();
    const std::int64_t column = cellUnder(static_cast<float>(surfacePixel.x()), before.width());
    const std::int64_t row = cellUnder(static_cast<float>(surfacePixel.y()), before.height());
    setZoom(levels[static_cast<std::size_t>(index)]);
    const QSize after = cellPixels();
    const std::int64_t dx = column - cellUnder(static_cast<float>(surfacePixel.x()), after.width());
    const std::int64_t dy = row - cellUnder(static_cast<float>(surfacePixel.y()), after.height());
    if (hasLocation() && (dx != 0 || dy != 0))
        moveView(dx, dy);
}

void WorldCanvas::surfaceWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPointF at) {
    if (modifiers & Qt::ControlModifier) {
        m_zoomRest += angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
        const int steps = m_zoomRest / 120;
        m_zoomRest -= steps * 120;
        if (steps != 0)
            zoomBy(steps, at);
        return;
    }
    if (!hasLocation())
        return;
    QPoint turn = angleDelta;
    if (modifiers & Qt::ShiftModifier) // some systems turn a Shift wheel sideways themselves
        turn = QPoint(turn.y() != 0 ? turn.y() : turn.x(), 0);
    m_wheelRest += turn;
    const int columns = m_wheelRest.x() / 120;
    const int rows = m_wheelRest.y() / 120;
    m_wheelRest -= QPoint(columns * 120, rows * 120);
    // Turning the wheel away from the user shows what lies above (or left).
    if (columns != 0)
        moveView(-columns, 0);
    if (rows != 0)
        moveView(0, -rows);
}

void WorldCanvas::surfaceMouseLeft() {
    if (m_mouseCell) {
        m_mouseCell.reset();
        emit mouseCellChanged(QPoint(), false);
    }
}

void WorldCanvas::surfaceMouseMove(short button, short shift, float x, float y) {
    if (const std::optional<QPoint> cell = worldCellAt(QPointF(x, y)); cell != m_mouseCell) {
        m_mouseCell = cell;
        emit mouseCellChanged(cell.value_or(QPoint()), cell.has_value());
    }
    if (!hasLocation())
        return;
    emit MouseMove(button, shift, x, y);
    if (m_tool) {
        toolMove(button, shift, QPointF(x, y));
        return;
    }
    if (button != 1) {
        m_view.MoveDirectionX = m_view.MoveDirectionY = -1;
        return;
    }
    const QSize cell = cellPixels();
    const std::int64_t dx = cellUnder(x, cell.width()) - CursorX();
    const std::int64_t dy = cellUnder(y, cell.height()) - CursorY();
    if (dx != 0) {
        m_view.MoveDirectionX = dx < 0 ? 3 : 2;
        moveView(dx, 0);
    }
    if (dy != 0) {
        m_view.MoveDirectionY = dy < 0 ? 0 : 1;
        moveView(0, dy);
    }
}

void WorldCanvas::surfaceMouseUp(short button, short shift, float x, float y, bool inside) {
    if (!hasLocation())
        return;
    emit MouseUp(button, shift, x, y);
    if (m_tool) {
        toolRelease(button, shift, QPointF(x, y));
        return;
    }
    m_view.MoveDirectionX = m_view.MoveDirectionY = -1;
    if (m_drawOnlyMove)
        Refresh();
    if (inside && button == 1)
        emit Click();
}
