// "Выделение": a drag selects, Shift+click stretches the selection however
// far, the right button selects nothing; the frame stays on its cells.

#include "editor/tools/selection_tool.h"
#include "tool_editor.h"

#include <gtest/gtest.h>
#include <QWheelEvent>

using windows_testing::ToolEditor;

namespace {

struct Selecting : ToolEditor {
    Selecting() { window.actSelectionTool->trigger(); }
    std::optional<model::CellRect> selection() { return window.locationDocument().selection(); }
};

::testing::AssertionResult is(const std::optional<model::CellRect>& r, int x, int y, int w, int h) {
    if (!r)
        return ::testing::AssertionFailure() << "no selection";
    if (r->x == x && r->y == y && r->width == w && r->height == h)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "selection " << r->x << "," << r->y << " " << r->width << "x" << r->height;
}

// Whether the pixels along a line are all black or white: the dashed frame.
bool framed(const QImage& image, QPoint from, QPoint step, int count) {
    for (int i = 0; i < count; ++i) {
        const QRgb p = image.pixel(from + step * i) & 0xFFFFFF;
        if (p != 0 && p != 0xFFFFFF)
            return false;
    }
    return true;
}

} // namespace

TEST(SelectionTool, ADragSelectsTheCellsItSpansAcrossTheEdges) {
    Selecting e;
    const auto before = e.layers();
    e.drag({QPoint(3, 2), QPoint(4, 4), QPoint(1, 3)});
    EXPECT_TRUE(is(e.selection(), 1, 2, 3, 2));
    e.drag({QPoint(9, 5), QPoint(6, 7)}); // world columns 6..1, rows 5..1
    EXPECT_TRUE(is(e.selection(), 6, 5, 4, 3));
    e.click(QPoint(2, 2));
    EXPECT_TRUE(is(e.selection(), 2, 2, 1, 1));
    e.click(QPoint(2, 2), Qt::RightButton);
    EXPECT_FALSE(e.selection().has_value());
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.steps().count(), 0) << "selecting writes nothing";
}

TEST(SelectionTool, ShiftClickStretchesFromTheFirstCellBeyondTheView) {
    Selecting e;
    e.world.writeLocation("wide", 40, 30);
    e.window.goToLocation("wide");
    e.drag({QPoint(1, 1), QPoint(2, 2)});
    e.canvas.centreOnWorldCell(QPoint(14, 12)); // the view now starts at (9, 7)
    e.click(QPoint(9, 9), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(is(e.selection(), 1, 1, 18, 16)) << "larger than the view of 10 x 10";

    // The shorter way round: from column 1 to column 36 is 5 cells leftward.
    EXPECT_TRUE(
        is(editor::tools::SelectionTool::stretched({1, 1, 1, 1}, QPoint(36, 3), QSize(40, 30)), 36,
           1, 6, 3));
    e.canvas.centreOnWorldCell(QPoint(38, 5));                // the view starts at (33, 0)
    e.click(QPoint(3, 3), Qt::LeftButton, Qt::ShiftModifier); // world (36, 3)
    EXPECT_TRUE(is(e.selection(), 36, 1, 6, 3));
}

TEST(SelectionTool, TheFrameStaysOnItsCellsWhenTheViewScrollsOrZooms) {
    Selecting e;
    e.drag({QPoint(2, 1), QPoint(3, 2)}); // cells (2, 1) to (3, 2): pixels 64..127, 32..95
    QImage shown = e.surface()->grab().toImage();
    EXPECT_TRUE(framed(shown, QPoint(64, 40), QPoint(0, 1), 50)) << "left edge";
    EXPECT_TRUE(framed(shown, QPoint(70, 32), QPoint(1, 0), 50)) << "top edge";
    EXPECT_TRUE(framed(shown, QPoint(127, 40), QPoint(0, 1), 50)) << "right edge";
    EXPECT_FALSE(framed(shown, QPoint(96, 40), QPoint(0, 1), 50)) << "inside";

    // One notch of the wheel scrolls a cell down: the frame moves up a cell.
    QWheelEvent wheel(QPointF(50, 50), e.surface()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(e.surface(), &wheel);
    shown = e.surface()->grab().toImage();
    EXPECT_TRUE(framed(shown, QPoint(70, 0), QPoint(1, 0), 50));
    EXPECT_TRUE(framed(shown, QPoint(64, 8), QPoint(0, 1), 50));
    // The view shows the world again below row 6: the frame a second time.
    EXPECT_TRUE(framed(shown, QPoint(70, 6 * 32), QPoint(1, 0), 50));

    e.canvas.setZoom(16); // cells of 16 pixels: the frame at (32, 0) to (63, 31)
    shown = e.surface()->grab().toImage();
    EXPECT_TRUE(framed(shown, QPoint(32, 2), QPoint(0, 1), 28));
    EXPECT_TRUE(framed(shown, QPoint(63, 2), QPoint(0, 1), 28));
}
