#include "canvas/canvas_tool.h"

#include "canvas/world_wrap.h"

#include <algorithm>

namespace canvas {

namespace {

// The first whole turn k (x + k * period) of a span [x, x + length) that
// reaches into [from, from + count), and the last; first > last for none.
std::pair<std::int64_t, std::int64_t> turnsInView(std::int64_t x, std::int64_t length,
                                                  std::int64_t from, std::int64_t count,
                                                  std::int64_t period) {
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
    };
    // x + k * period + length > from, and x + k * period < from + count.
    const std::int64_t first = floorDiv(from - x - length, period) + 1;
    const std::int64_t last = floorDiv(from + count - 1 - x, period);
    return {first, last};
}

} // namespace

std::vector<QRect> OverlayView::pixelRects(const model::CellRect& cells) const {
    std::vector<QRect> rects;
    if (m_world.width() < 1 || m_world.height() < 1 || cells.width < 1 || cells.height < 1)
        return rects;
    const std::int64_t x = wrapIntoWorld(cells.x, m_world.width());
    const std::int64_t y = wrapIntoWorld(cells.y, m_world.height());
    const auto [firstX, lastX] =
        turnsInView(x, cells.width, m_origin.x(), m_view.width(), m_world.width());
    const auto [firstY, lastY] =
        turnsInView(y, cells.height, m_origin.y(), m_view.height(), m_world.height());
    // A tiny world under a large view could be shown many times; a few
    // hundred places are plenty for any view a screen holds.
    if ((lastX - firstX + 1) * (lastY - firstY + 1) > 4096)
        return rects;
    for (std::int64_t ky = firstY; ky <= lastY; ++ky) {
        for (std::int64_t kx = firstX; kx <= lastX; ++kx) {
            const std::int64_t column = x + kx * m_world.width() - m_origin.x();
            const std::int64_t row = y + ky * m_world.height() - m_origin.y();
            const auto pixels = [](std::int64_t value) {
                return static_cast<int>(std::clamp<std::int64_t>(value, -(1 << 30), 1 << 30));
            };
            rects.emplace_back(pixels(column * m_cell.width()), pixels(row * m_cell.height()),
                               pixels(std::int64_t{cells.width} * m_cell.width()),
                               pixels(std::int64_t{cells.height} * m_cell.height()));
        }
    }
    return rects;
}

} // namespace canvas
