// "Прямоугольник": the dragged rectangle shows while dragging and is painted
// on release, across the wrapping edges; objects stand in a grid of their
// footprint's box.

#include "tool_editor.h"

#include <gtest/gtest.h>

using model::Layer;
using windows_testing::Layers;
using windows_testing::put;
using windows_testing::ToolEditor;

namespace {

struct Rectangle : ToolEditor {
    Rectangle() { window.actRectangleTool->trigger(); }
};

} // namespace

TEST(RectangleTool, ShowsTheRectangleWhileDraggingAndPaintsItOnRelease) {
    Rectangle e;
    e.choose(0, 1); // ground 1
    const Layers start = e.layers();
    Layers expected = start;
    e.canvas.Refresh();
    const QImage map = e.canvas.picMap();
    e.press(QPoint(3, 4));
    e.moveTo(QPoint(5, 5));
    e.moveTo(QPoint(1, 2)); // dragged back past the first cell
    EXPECT_EQ(e.layers(), expected) << "nothing is written while dragging";
    const QImage shown = e.surface()->grab().toImage();
    const auto tinted = [&](QPoint cell) {
        const QPoint p = cell * 32 + QPoint(16, 16);
        return shown.pixel(p) != map.pixel(p);
    };
    EXPECT_TRUE(tinted(QPoint(2, 3)));
    EXPECT_TRUE(tinted(QPoint(1, 2)));
    EXPECT_FALSE(tinted(QPoint(4, 4))) << "the rectangle now runs from (1, 2) to (3, 4)";
    EXPECT_FALSE(tinted(QPoint(5, 5)));
    e.release(QPoint(1, 2));
    for (int y = 2; y <= 4; ++y)
        for (int x = 1; x <= 3; ++x)
            put(expected, Layer::Earths, x, y, 1);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 1);
    EXPECT_EQ(e.steps().undoText(), "Прямоугольник");
    const QImage after = e.surface()->grab().toImage();
    EXPECT_EQ(after.pixel(5 * 32 + 16, 5 * 32 + 16), map.pixel(5 * 32 + 16, 5 * 32 + 16))
        << "the preview is gone";
    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.layers(), start);
}

TEST(RectangleTool, MarksAcrossBothWrappingEdgesAndTheRightButtonErases) {
    Rectangle e;
    e.paintTarget(2);
    Layers expected = e.layers();
    // View columns 6..9 are world columns 6, 7, 0, 1; rows 4..7 world rows 4, 5, 0, 1.
    e.drag({QPoint(6, 4), QPoint(9, 7)});
    for (int y : {4, 5, 0, 1})
        for (int x : {6, 7, 0, 1})
            put(expected, Layer::Guards, x, y, 1);
    EXPECT_EQ(e.layers(), expected);

    e.drag({QPoint(8, 6), QPoint(7, 5)}, Qt::RightButton); // world (7..0, 5..0)
    for (int y : {5, 0})
        for (int x : {7, 0})
            put(expected, Layer::Guards, x, y, 0);
    EXPECT_EQ(e.layers(), expected);

    e.paintTarget(1);
    e.drag({QPoint(0, 0), QPoint(9, 9)}); // wider and taller than the world
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            put(expected, Layer::Blocks, x, y, 1);
    EXPECT_EQ(e.layers(), expected) << "every cell once, the extra row untouched";
    EXPECT_EQ(e.steps().count(), 3);
}

TEST(RectangleTool, ObjectsStandInAGridOfTheirFootprintsBox) {
    Rectangle e;
    e.choose(1, 0); // "Дом": footprint "110, 010", a box of 3 x 2
    Layers expected = e.layers();
    e.drag({QPoint(1, 0), QPoint(7, 3)}); // 7 x 4 cells: anchors at columns 1, 4, 7, rows 0, 2
    for (int y : {0, 2}) {
        for (int x : {1, 4, 7}) {
            put(expected, Layer::Objects, x, y, 1);
            for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(1, 1)})
                put(expected, Layer::Blocks, (x + offset.x()) % 8, (y + offset.y()) % 6, '1');
        }
    }
    EXPECT_EQ(e.layers(), expected) << "the last column's footprints wrap to column 0";

    e.choose(1, 2); // "Башня": no footprint, 1 x 1
    e.drag({QPoint(3, 5), QPoint(4, 5)});
    put(expected, Layer::Objects, 3, 5, 3);
    put(expected, Layer::Objects, 4, 5, 3);
    EXPECT_EQ(e.layers(), expected);

    e.drag({QPoint(4, 5), QPoint(1, 2)}, Qt::RightButton); // objects away, blocks stay
    for (int y = 2; y <= 5; ++y)
        for (int x = 1; x <= 4; ++x)
            put(expected, Layer::Objects, x, y, 0);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 3);
}
