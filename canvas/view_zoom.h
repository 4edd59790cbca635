#pragma once
// The zoom of the map view as geometry: which pixels a zoomed view gives each
// cell, and which pixels of the unzoomed picture each of its pixels shows.
//
// At zoom L (CanvasView::zoomPixels) a cell takes CellWidth x L / 32 by
// CellHeight x L / 32 pixels, each rounded to the nearest whole pixel and at
// least 1: the effective cell size, L x L for cells of the normal 32 x 32.
// The surface is CanvasCellCountX by CanvasCellCountY effective cells, and
// its picture is the unzoomed picture (the one drawn at zoomPixels 0) scaled
// on each axis by the effective size over the cell size. Cell corners stay on
// whole pixels: view cell (c, r) starts at c x width, r x height of the
// effective size. L of 0, of 32, or below 1 is no zoom: the effective size is
// the cell size.
//
// One axis, `from` unzoomed pixels of a cell becoming `to` zoomed ones:
// - zooming in (to > from), zoomed pixel d shows the unzoomed pixel under its
//   left or top edge, floor(d x from / to): nearest neighbour, each unzoomed
//   pixel becoming a block of one or more whole pixels;
// - zooming out (to < from), zoomed pixel d stands for the box of unzoomed
//   pixels ceil(d x from / to) up to ceil((d + 1) x from / to), so unzoomed
//   pixel s lies in zoomed pixel floor(s x to / from).
// Positions are those of the whole unzoomed surface or relative to a cell's
// corner alike, since corners map onto corners.

#include "canvas/canvas_view.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

namespace canvas {

// The zoom at which the editor draws the view as it is.
constexpr std::int32_t kNormalZoom = 32;

class ZoomAxis {
public:
    // No scaling: each pixel shows itself.
    ZoomAxis() = default;
    // `from` and `to` must be at least 1.
    ZoomAxis(std::int32_t from, std::int32_t to) : m_from(from), m_to(to) {}

    std::int32_t from() const { return m_from; }
    std::int32_t to() const { return m_to; }
    bool scales() const { return m_from != m_to; }
    bool enlarges() const { return m_to > m_from; }

    // The unzoomed pixels that zoomed pixel d shows, from the first up to the
    // end: one pixel when zooming in, at least one when zooming out.
    std::int64_t sourceBegin(std::int64_t d) const;
    std::int64_t sourceEnd(std::int64_t d) const;
    // The zoomed pixels that show unzoomed pixel s: at least one when zooming
    // in, one when zooming out.
    std::int64_t viewBegin(std::int64_t s) const;
    std::int64_t viewEnd(std::int64_t s) const;
    // The zoomed pixels of a run of `length` unzoomed pixels that starts on a
    // cell's corner.
    std::int64_t viewLength(std::int64_t length) const {
        return length > 0 ? viewEnd(length - 1) : 0;
    }

private:
    std::int32_t m_from = 1;
    std::int32_t m_to = 1;
};

struct ViewZoom {
    ZoomAxis x;
    ZoomAxis y;
    // Whether the view's picture is scaled at all.
    bool scales() const { return x.scales() || y.scales(); }
    // Below half the normal size, coordinates do not fit in a cell and are
    // left out, and hatchings become tints.
    bool belowHalf() const { return 2 * x.to() < x.from() || 2 * y.to() < y.from(); }
};

// The zoom of a view; cells without pixels give axes without scaling.
ViewZoom viewZoom(const CanvasView& view);

// The pixels of one cell at the view's zoom; empty when the cell size is.
QSize zoomedCellSize(const CanvasView& view);

// The view cell under a pixel of the zoomed surface (column, row), counted
// from the surface's top-left corner; pixels left of or above it give
// negative cells. Cells without pixels give (0, 0).
QPoint viewCellAt(const CanvasView& view, QPoint viewPixel);

// The pixels of a view cell in the zoomed surface.
QRect viewCellRect(const CanvasView& view, QPoint viewCell);

} // namespace canvas
