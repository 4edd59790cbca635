#include "canvas/zoomed_outline.h"

#include "canvas/raster_ops.h"

#include <algorithm>
#include <QRect>
#include <utility>

namespace canvas {
namespace {

// Positions far outside any surface are brought near it, so that they fit an
// int and the clipping still leaves them out.
int nearSurface(std::int64_t position) {
    constexpr std::int64_t kFar = std::int64_t{1} << 28;
    return static_cast<int>(std::clamp(position, -kFar, kFar));
}

QRect span(int x0, int x1, int y0, int y1) {
    return {QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)};
}

} // namespace

ZoomedOutline zoomedOutline(const ViewZoom& zoom, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                            std::int64_t y1) {
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    ZoomedOutline outline;
    outline.left0 = nearSurface(zoom.x.viewBegin(x0));
    outline.left1 = nearSurface(zoom.x.viewEnd(x0));
    outline.right0 = nearSurface(zoom.x.viewBegin(x1));
    outline.right1 = nearSurface(zoom.x.viewEnd(x1));
    outline.top0 = nearSurface(zoom.y.viewBegin(y0));
    outline.top1 = nearSurface(zoom.y.viewEnd(y0));
    outline.bottom0 = nearSurface(zoom.y.viewBegin(y1));
    outline.bottom1 = nearSurface(zoom.y.viewEnd(y1));
    return outline;
}

void drawZoomedOutline(const PixelRows& surface, const ZoomedOutline& o, int x, int y,
                       QRgb colour) {
    if (o.left1 - o.left0 == 1 && o.right1 - o.right0 == 1 && o.top1 - o.top0 == 1 &&
        o.bottom1 - o.bottom0 == 1) {
        drawOutline(surface, x + o.left0, y + o.top0, x + o.right0, y + o.bottom0, colour);
        return;
    }
    fillRect(surface, span(x + o.left0, x + o.right1, y + o.top0, y + o.top1), colour);
    fillRect(surface, span(x + o.left0, x + o.right1, y + o.bottom0, y + o.bottom1), colour);
    fillRect(surface, span(x + o.left0, x + o.left1, y + o.top0, y + o.bottom1), colour);
    fillRect(surface, span(x + o.right0, x + o.right1, y + o.top0, y + o.bottom1), colour);
}

void drawZoomedFrameEdges(const PixelRows& surface, const ZoomedOutline& frame, int x, int y,
                          QRgb colour) {
    // Zooming out, both lines are one pixel wide: drawn straight when they
    // lie on the surface, as every cell's frame does.
    if (frame.top1 - frame.top0 == 1 && frame.left1 - frame.left0 == 1 && x + frame.left0 >= 0 &&
        y + frame.top0 >= 0 && x + frame.right0 <= surface.width &&
        y + frame.bottom0 <= surface.height) {
        const std::uint32_t pixel = 0xFF000000u | colour;
        std::uint32_t* p = surface.row(y + frame.top0) + x + frame.left0;
        std::fill(p, p + (frame.right0 - frame.left0), pixel);
        for (int row = frame.top1; row < frame.bottom0; ++row)
            surface.row(y + row)[x + frame.left0] = pixel;
        return;
    }
    fillRect(surface, span(x + frame.left0, x + frame.right0, y + frame.top0, y + frame.top1),
             colour);
    fillRect(surface, span(x + frame.left0, x + frame.left1, y + frame.top1, y + frame.bottom0),
             colour);
}

} // namespace canvas
