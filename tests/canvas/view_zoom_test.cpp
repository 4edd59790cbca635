// The geometry of a zoomed view: cell sizes, the pixels each zoomed pixel
// shows, and the cell under a pixel at every zoom the editor uses.
#include "canvas/view_zoom.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using canvas::CanvasView;
using canvas::ZoomAxis;

namespace {

const int kLevels[] = {4, 8, 16, 32, 48, 64};

CanvasView zoomedView(int zoom, int cellWidth = 32, int cellHeight = 32) {
    CanvasView view;
    view.CellWidth = cellWidth;
    view.CellHeight = cellHeight;
    view.zoomPixels = zoom;
    return view;
}

} // namespace

TEST(ViewZoom, CellSizeIsTheCellScaledByTheZoomOverThirtyTwo) {
    for (const int level : kLevels)
        EXPECT_EQ(canvas::zoomedCellSize(zoomedView(level)), QSize(level, level)) << level;
    for (const int none : {0, 32, -8})
        EXPECT_EQ(canvas::zoomedCellSize(zoomedView(none, 40, 24)), QSize(40, 24)) << none;
    EXPECT_EQ(canvas::zoomedCellSize(zoomedView(8, 40, 24)), QSize(10, 6));
    EXPECT_EQ(canvas::zoomedCellSize(zoomedView(48, 40, 24)), QSize(60, 36));
    EXPECT_EQ(canvas::zoomedCellSize(zoomedView(4, 20, 3)), QSize(3, 1)) << "rounded, at least 1";
    EXPECT_TRUE(canvas::zoomedCellSize(zoomedView(8, 0, 32)).isEmpty());

    EXPECT_FALSE(canvas::viewZoom(zoomedView(32)).scales());
    EXPECT_TRUE(canvas::viewZoom(zoomedView(8)).belowHalf());
    EXPECT_FALSE(canvas::viewZoom(zoomedView(16)).belowHalf());
    EXPECT_FALSE(canvas::viewZoom(zoomedView(64)).belowHalf());
}

TEST(ViewZoom, EachAxisMapsPixelsBothWaysAlike) {
    const std::vector<std::pair<int, int>> axes = {{32, 4},  {32, 8},  {32, 16}, {32, 32},
                                                   {32, 48}, {32, 64}, {40, 10}, {24, 36},
                                                   {20, 3},  {7, 16},  {5, 1}};
    for (const auto& [from, to] : axes) {
        const ZoomAxis axis(from, to);
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        for (std::int64_t d = -2 * to; d < 3 * to; ++d) {
            ASSERT_LT(axis.sourceBegin(d), axis.sourceEnd(d)) << d;
            if (axis.enlarges()) {
                ASSERT_EQ(axis.sourceEnd(d), axis.sourceBegin(d) + 1) << "one pixel, " << d;
            } else {
                ASSERT_EQ(axis.sourceEnd(d), axis.sourceBegin(d + 1)) << "boxes abut, " << d;
            }
            for (std::int64_t s = axis.sourceBegin(d); s < axis.sourceEnd(d); ++s)
                ASSERT_TRUE(axis.viewBegin(s) <= d && d < axis.viewEnd(s)) << d << " " << s;
        }
        for (std::int64_t s = -2 * from; s < 3 * from; ++s) {
            ASSERT_LT(axis.viewBegin(s), axis.viewEnd(s)) << s;
            if (!axis.enlarges()) {
                ASSERT_EQ(axis.viewEnd(s), axis.viewBegin(s) + 1) << "one pixel, " << s;
            }
            for (std::int64_t d = axis.viewBegin(s); d < axis.viewEnd(s); ++d)
                ASSERT_TRUE(axis.sourceBegin(d) <= s && s < axis.sourceEnd(d)) << s << " " << d;
        }
        for (std::int64_t cell = -3; cell <= 3; ++cell)
            ASSERT_EQ(axis.viewBegin(cell * from), cell * to) << "corners stay corners";
        EXPECT_EQ(axis.viewLength(from), to);
        EXPECT_EQ(axis.viewLength(0), 0);
    }
}

TEST(ViewZoom, PixelsAndCellsMapBothWaysAtEveryLevel) {
    for (const int level : kLevels) {
        SCOPED_TRACE(level);
        const CanvasView view = zoomedView(level);
        for (int row = -2; row < 5; ++row) {
            for (int column = -2; column < 7; ++column) {
                const QPoint cell(column, row);
                const QRect pixels = canvas::viewCellRect(view, cell);
                ASSERT_EQ(pixels.size(), QSize(level, level));
                ASSERT_EQ(pixels.topLeft(), QPoint(column * level, row * level));
                ASSERT_EQ(canvas::viewCellAt(view, pixels.topLeft()), cell);
                ASSERT_EQ(canvas::viewCellAt(view, pixels.bottomRight()), cell);
                ASSERT_EQ(canvas::viewCellAt(view, pixels.center()), cell);
                ASSERT_EQ(canvas::viewCellAt(view, pixels.bottomRight() + QPoint(1, 1)),
                          cell + QPoint(1, 1));
            }
        }
    }
    const CanvasView cells = zoomedView(8, 40, 24);
    EXPECT_EQ(canvas::viewCellAt(cells, QPoint(29, 11)), QPoint(2, 1));
    EXPECT_EQ(canvas::viewCellAt(cells, QPoint(30, 12)), QPoint(3, 2));
    EXPECT_EQ(canvas::viewCellAt(cells, QPoint(-1, -7)), QPoint(-1, -2));
    EXPECT_EQ(canvas::viewCellRect(cells, QPoint(3, 2)), QRect(30, 12, 10, 6));
    EXPECT_EQ(canvas::viewCellAt(zoomedView(8, 0, 0), QPoint(5, 5)), QPoint(0, 0));
}
