// Zooming in: the picture is the unzoomed one with every pixel repeated as a
// block; zoom 32 is the unzoomed picture itself.
#include "zoom_fixture.h"

using namespace canvas_testing;

namespace {

class DrawMapZoomIn : public ZoomTest {
protected:
    // Every pixel of `zoomed` is the pixel of `unzoomed` under its top-left
    // corner, at `factor` zoomed pixels for `unit` unzoomed ones on each axis.
    static void expectEnlarged(const QImage& unzoomed, const QImage& zoomed, QSize unit,
                               QSize factor) {
        ASSERT_EQ(zoomed.width(), unzoomed.width() / unit.width() * factor.width());
        ASSERT_EQ(zoomed.height(), unzoomed.height() / unit.height() * factor.height());
        for (int y = 0; y < zoomed.height(); ++y)
            for (int x = 0; x < zoomed.width(); ++x)
                ASSERT_EQ(zoomed.pixel(x, y), unzoomed.pixel(x * unit.width() / factor.width(),
                                                             y * unit.height() / factor.height()))
                    << x << "," << y;
    }
};

} // namespace

TEST_F(DrawMapZoomIn, EveryPixelIsTheUnzoomedPixelUnderIt) {
    busyScene();
    const QImage unzoomed = drawnAt(0);
    for (const int level : {48, 64, 48}) {
        SCOPED_TRACE(level);
        const QImage zoomed = drawnAt(level);
        expectEnlarged(unzoomed, zoomed, QSize(32, 32), QSize(level, level));
    }
}

TEST_F(DrawMapZoomIn, CellsOfOtherSizesAreEnlargedOnEachAxis) {
    busyScene();
    view.CellWidth = 40;
    view.CellHeight = 24;
    view.cursorPixelX = 2 * 40;
    view.cursorPixelY = 5 * 24;
    const QImage unzoomed = drawnAt(0);
    SCOPED_TRACE("64: 80 x 48 pixels a cell");
    expectEnlarged(unzoomed, drawnAt(64), QSize(40, 24), QSize(80, 48));
    SCOPED_TRACE("48: 60 x 36 pixels a cell");
    expectEnlarged(unzoomed, drawnAt(48), QSize(40, 24), QSize(60, 36));
}

TEST_F(DrawMapZoomIn, ZoomThirtyTwoOrNoneDrawsTheUnzoomedPicture) {
    busyScene();
    const QImage unzoomed = drawnAt(0);
    EXPECT_EQ(drawnAt(32), unzoomed);
    EXPECT_EQ(drawnAt(-8), unzoomed);
    drawnAt(8);
    EXPECT_EQ(drawnAt(32), unzoomed) << "after a zoomed redraw";
    view.CellWidth = 20;
    const QImage narrow = drawnAt(0);
    EXPECT_EQ(narrow.size(), QSize(200, 320));
    EXPECT_EQ(drawnAt(32), narrow);
}
