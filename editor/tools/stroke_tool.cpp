#include "editor/tools/stroke_tool.h"
#include "canvas/ui_words.h"

#include "canvas/world_canvas.h"
#include "document/location_document.h"
#include "model/world_wrap.h"

#include <algorithm>
#include <cstdlib>

namespace editor::tools {

void StrokeTool::pressedWithoutLocation() {
    m_context.say(Words::tr("%1: локация не загружена, рисовать негде.").arg(name()));
}

std::vector<QPoint> StrokeTool::lineCells(QPoint from, QPoint to) {
    std::vector<QPoint> cells;
    const std::int64_t dx = std::abs(std::int64_t{to.x()} - from.x());
    const std::int64_t dy = -std::abs(std::int64_t{to.y()} - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    std::int64_t error = dx + dy;
    QPoint at = from;
    while (at != to) {
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += sy;
        }
        cells.push_back(at);
    }
    return cells;
}

void StrokeTool::start(const canvas::ToolInput& input) {
    m_first = input.cell;
    m_button = input.button;
}

QPoint StrokeTool::worldOf(QPoint stroke) const {
    const model::LocationGrid& grid = m_context.document.grid();
    return QPoint(
        model::wrapIntoWorld(std::int64_t{m_first.world.x()} + stroke.x() - m_first.stroke.x(),
                             grid.MapWidth()),
        model::wrapIntoWorld(std::int64_t{m_first.world.y()} + stroke.y() - m_first.stroke.y(),
                             grid.MapHeight()));
}

model::CellRect StrokeTool::rectangleTo(QPoint to) const {
    const model::LocationGrid& grid = m_context.document.grid();
    const QPoint topLeft(std::min(m_first.stroke.x(), to.x()),
                         std::min(m_first.stroke.y(), to.y()));
    const QPoint world = worldOf(topLeft);
    const auto extent = [](int a, int b, std::int32_t limit) {
        return static_cast<std::int32_t>(
            std::min<std::int64_t>(std::abs(std::int64_t{a} - b) + 1, limit));
    };
    return model::CellRect{world.x(), world.y(),
                           extent(m_first.stroke.x(), to.x(), grid.MapWidth()),
                           extent(m_first.stroke.y(), to.y(), grid.MapHeight())};
}

void StrokeTool::beginEdit() {
    if (m_editOpen)
        return;
    m_context.document.beginEdit(name());
    m_editOpen = true;
    // Inside the step: whatever the move of the cursor writes is part of it.
    m_context.canvas.placeCursorAt(m_first.world);
}

void StrokeTool::endEdit() {
    if (!m_editOpen)
        return;
    m_editOpen = false;
    m_context.document.endEdit();
}

void StrokeTool::cancelEdit() {
    if (!m_editOpen)
        return;
    m_editOpen = false;
    m_context.document.cancelEdit();
}

} // namespace editor::tools
