#pragma once
// Drawing at a zoom: the drawing fixture with every layer in use, and the
// unzoomed picture to compare a zoomed one with.

#include "drawing_fixture.h"

#include <QPoint>
#include <QRect>

namespace canvas_testing {

// Ground code 3: stripes of one pixel, alternately kStripeA and kStripeB,
// across and down.
constexpr int kStripesCode = 3;
constexpr QRgb kStripeA = 0xFF10E040;
constexpr QRgb kStripeB = 0xFFF02090;

class ZoomTest : public DrawingTest {
protected:
    ZoomTest();

    // A 12 x 10 location whose 10 x 10 view shows every kind of ground, the
    // sprites, every combination of zone marks, every switch on, the cursor
    // in view cell (4, 3) and both drag arrows.
    void busyScene();
    // The redraw at zoom `zoom` (0 for none).
    QImage drawnAt(int zoom) {
        view.zoomPixels = zoom;
        draw();
        return picMap;
    }
    // The zoomed pixels of an unzoomed rectangle of a 32-pixel cell view,
    // zooming out by a whole factor.
    static QRect zoomedOut(const QRect& unzoomed, int zoom) {
        const int f = 32 / zoom;
        return {unzoomed.x() / f, unzoomed.y() / f, unzoomed.width() / f, unzoomed.height() / f};
    }
};

} // namespace canvas_testing
