#pragma once
// One-pixel outlines of the unzoomed picture (drawOutline) in a zoomed view:
// each of the four lines becomes the band of zoomed pixels that show it, one
// pixel wide when zooming out and a block's width when zooming in.

#include "canvas/pixel_rows.h"
#include "canvas/view_zoom.h"

#include <QRgb>

#include <cstdint>

namespace canvas {

// The bands of an outline relative to a corner that maps onto itself (a
// cell's corner, or the surface's): from the first zoomed pixel up to the end.
struct ZoomedOutline {
    int left0 = 0, left1 = 0;
    int right0 = 0, right1 = 0;
    int top0 = 0, top1 = 0;
    int bottom0 = 0, bottom1 = 0;
};

// The outline through unzoomed points (x0, y0) and (x1, y1), both included,
// relative to that corner.
ZoomedOutline zoomedOutline(const ViewZoom& zoom, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                            std::int64_t y1);

// Draws the outline with its corner at (x, y) of the zoomed surface, clipped.
void drawZoomedOutline(const PixelRows& surface, const ZoomedOutline& outline, int x, int y,
                       QRgb colour);

// Draws the top and left lines of a cell's frame: all that shows of it once
// the cells right of and below it are drawn, their ground over its right and
// bottom lines and their frames there again.
void drawZoomedFrameEdges(const PixelRows& surface, const ZoomedOutline& frame, int x, int y,
                          QRgb colour);

} // namespace canvas
