// Where the canvas's overlays stand: a rectangle of world cells as places of
// surface pixels, once for every time the view shows it, across the wrapping
// edges and at every cell size.

#include "canvas/canvas_tool.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<QRect> sorted(std::vector<QRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
    });
    return rects;
}

} // namespace

TEST(OverlayView, ARectangleAcrossBothEdgesShowsWhereverTheViewRepeatsIt) {
    // World 8 x 6, the view 10 x 10 from (6, 4): columns 6, 7, 0..7; rows 4, 5, 0..5, 0, 1.
    const canvas::OverlayView view(QPoint(6, 4), QSize(32, 32), QSize(10, 10), QSize(8, 6));
    // Columns 7, 0, 1 and rows 5, 0.
    const auto rects = sorted(view.pixelRects({7, 5, 3, 2}));
    const std::vector<QRect> expected = {QRect(32, 32, 96, 64), QRect(9 * 32, 32, 96, 64),
                                         QRect(32, 7 * 32, 96, 64), QRect(9 * 32, 7 * 32, 96, 64)};
    EXPECT_EQ(rects, expected);
}

TEST(OverlayView, PlacesFollowTheViewAndTheCellSize) {
    const QSize world(100, 100);
    EXPECT_TRUE(canvas::OverlayView(QPoint(0, 0), QSize(32, 32), QSize(10, 10), world)
                    .pixelRects({50, 50, 2, 2})
                    .empty())
        << "out of view";
    EXPECT_EQ(canvas::OverlayView(QPoint(0, 0), QSize(32, 32), QSize(10, 10), world)
                  .pixelRects({98, 3, 4, 1}),
              std::vector<QRect>{QRect(-64, 96, 128, 32)})
        << "in from the left edge: partly outside the surface";
    EXPECT_EQ(canvas::OverlayView(QPoint(95, 97), QSize(16, 16), QSize(20, 20), world)
                  .pixelRects({98, 1, 3, 2}),
              std::vector<QRect>{QRect(48, 64, 48, 32)})
        << "zoomed out, the view running across both edges";
    EXPECT_TRUE(canvas::OverlayView(QPoint(0, 0), QSize(32, 32), QSize(10, 10), world)
                    .pixelRects({1, 1, 0, 3})
                    .empty());
}
