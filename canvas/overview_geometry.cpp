#include "canvas/overview_geometry.h"

#include "canvas/world_wrap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace canvas {
namespace {

// A span of `length` cells from `start` along an axis of `period` cells: the
// parts within 0..period - 1, with whether each begins and ends the span.
struct AxisPart {
    int start;
    int length;
    bool opens;
    bool closes;
};

std::vector<AxisPart> axisParts(int start, int length, int period) {
    if (length <= 0 || period <= 0)
        return {};
    if (length >= period)
        return {{0, period, true, true}};
    const std::int32_t first = wrapIntoWorld(start, period);
    if (first + length <= period)
        return {{first, length, true, true}};
    const int before = period - first;
    return {{first, before, true, false}, {0, length - before, false, true}};
}

} // namespace

std::vector<WrappedPiece> wrappedPieces(QRect cells, QSize world) {
    std::vector<WrappedPiece> pieces;
    for (const AxisPart& row : axisParts(cells.y(), cells.height(), world.height())) {
        for (const AxisPart& column : axisParts(cells.x(), cells.width(), world.width()))
            pieces.push_back({QRect(column.start, row.start, column.length, row.length),
                              column.opens, row.opens, column.closes, row.closes});
    }
    return pieces;
}

OverviewGeometry::OverviewGeometry(QSize area, QSize world) : m_world(world) {
    if (area.isEmpty() || world.isEmpty())
        return;
    m_cellSide = std::min(static_cast<double>(area.width()) / world.width(),
                          static_cast<double>(area.height()) / world.height());
    const double width = m_cellSide * world.width();
    const double height = m_cellSide * world.height();
    m_worldArea = QRectF((area.width() - width) / 2, (area.height() - height) / 2, width, height);
}

std::optional<QPoint> OverviewGeometry::cellAt(QPoint pixel) const {
    const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
    if (isEmpty() || !m_worldArea.contains(centre))
        return std::nullopt;
    return nearestCellTo(pixel);
}

QPoint OverviewGeometry::nearestCellTo(QPoint pixel) const {
    if (isEmpty())
        return {};
    const auto cell = [this](double position, double origin, int cells) {
        const double at = std::floor((position + 0.5 - origin) / m_cellSide);
        return static_cast<int>(std::clamp(at, 0.0, static_cast<double>(cells - 1)));
    };
    return {cell(pixel.x(), m_worldArea.left(), m_world.width()),
            cell(pixel.y(), m_worldArea.top(), m_world.height())};
}

QRect OverviewGeometry::pixelsOf(QRect cells) const {
    if (isEmpty() || cells.isEmpty())
        return {};
    // Pixel p shows what lies at its centre, p + 0.5: the cells from `start`
    // on show from pixel ceil(start - 0.5) on. A cell smaller than a pixel
    // still gets one.
    const auto pixel = [](double position) { return static_cast<int>(std::ceil(position - 0.5)); };
    const auto span = [&](double origin, int cell, int count) {
        const int first = pixel(origin + cell * m_cellSide);
        const int end = pixel(origin + (cell + count) * m_cellSide);
        return std::pair{first, std::max(end - 1, first)};
    };
    const auto [left, right] = span(m_worldArea.left(), cells.x(), cells.width());
    const auto [top, bottom] = span(m_worldArea.top(), cells.y(), cells.height());
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace canvas
