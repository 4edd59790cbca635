#pragma once
// Coordinates in a zoomed view. Zooming in, each number's text is laid as in
// an unzoomed cell and enlarged with the view, each of its pixels a block.
// Zooming out, the text scaled down would not be legible, so it is printed in
// the 3 x 5 digit font instead: the column in the cell's top right corner and
// the row below it, each ending one pixel before the cell's right edge. Only
// zooms of at least half the normal size print coordinates (view_zoom.h).
// Each number's print is made once for its zoom and kept until the zoom
// changes.

#include "canvas/coordinate_labels.h"
#include "canvas/pixel_rows.h"
#include "canvas/view_zoom.h"

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <unordered_map>

namespace canvas {

class ZoomedLabels {
public:
    // Prints `number` as CoordinateLabels::print() does in line `line` (0 the
    // column, 1 the row) of the unzoomed cell, scaled into the zoomed cell
    // whose top-left corner is at (cellLeft, cellTop).
    void print(const PixelRows& surface, CoordinateLabels& labels, const ViewZoom& zoom,
               std::int32_t number, int line, int cellLeft, int cellTop, QRgb colour);

private:
    struct Label {
        QImage coverage; // Format_Alpha8: 255 on strokes, 0 elsewhere
        int left = 0;    // relative to the zoomed cell's corner
        int top = 0;
    };
    const Label& label(CoordinateLabels& labels, const ViewZoom& zoom, std::int32_t number,
                       int line);
    void useZoom(const ViewZoom& zoom);

    std::int32_t m_zoom[4] = {0, 0, 0, 0};
    std::unordered_map<std::int64_t, Label> m_labels;
};

} // namespace canvas
