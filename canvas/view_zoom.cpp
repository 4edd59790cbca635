#include "canvas/view_zoom.h"

#include <algorithm>

namespace canvas {
namespace {

// No effective cell side is larger: a surface is never wider than 32768 pixels,
// and products of positions with it stay far inside 64 bits.
constexpr std::int64_t kLargestZoomedCell = std::int64_t{1} << 20;

// Division rounding down and up, for any sign of `n` and d >= 1.
std::int64_t floorDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    return q * d > n ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    return q * d < n ? q + 1 : q;
}

bool zooms(const CanvasView& view) {
    return view.zoomPixels > 0 && view.zoomPixels != kNormalZoom;
}

std::int32_t zoomedSide(std::int32_t cellSide, const CanvasView& view) {
    if (cellSide <= 0 || !zooms(view))
        return cellSide;
    const std::int64_t side =
        (std::int64_t{cellSide} * view.zoomPixels + kNormalZoom / 2) / kNormalZoom;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(side, 1, kLargestZoomedCell));
}

} // namespace

std::int64_t ZoomAxis::sourceBegin(std::int64_t d) const {
    return enlarges() ? floorDiv(d * m_from, m_to) : ceilDiv(d * m_from, m_to);
}

std::int64_t ZoomAxis::sourceEnd(std::int64_t d) const {
    return enlarges() ? sourceBegin(d) + 1 : sourceBegin(d + 1);
}

std::int64_t ZoomAxis::viewBegin(std::int64_t s) const {
    return enlarges() ? ceilDiv(s * m_to, m_from) : floorDiv(s * m_to, m_from);
}

std::int64_t ZoomAxis::viewEnd(std::int64_t s) const {
    return enlarges() ? viewBegin(s + 1) : viewBegin(s) + 1;
}

ViewZoom viewZoom(const CanvasView& view) {
    const QSize zoomed = zoomedCellSize(view);
    if (zoomed.isEmpty())
        return {};
    return {ZoomAxis(view.CellWidth, zoomed.width()), ZoomAxis(view.CellHeight, zoomed.height())};
}

QSize zoomedCellSize(const CanvasView& view) {
    return {zoomedSide(view.CellWidth, view), zoomedSide(view.CellHeight, view)};
}

QPoint viewCellAt(const CanvasView& view, QPoint viewPixel) {
    const QSize cell = zoomedCellSize(view);
    if (cell.isEmpty())
        return {};
    return {static_cast<int>(floorDiv(viewPixel.x(), cell.width())),
            static_cast<int>(floorDiv(viewPixel.y(), cell.height()))};
}

QRect viewCellRect(const CanvasView& view, QPoint viewCell) {
    const QSize cell = zoomedCellSize(view);
    return {viewCell.x() * cell.width(), viewCell.y() * cell.height(), cell.width(), cell.height()};
}

} // namespace canvas
