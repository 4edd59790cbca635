// "Заливка": the connected area of the clicked cell's value, in the ground
// layer or a mark's layer, across the wrapping edges; objects refused with a
// word in the status bar; a long fill cancelled leaves nothing behind.

#include "editor/tools/fill_tool.h"
#include "tool_editor.h"

#include <gtest/gtest.h>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>

using model::Layer;
using windows_testing::Layers;
using windows_testing::put;
using windows_testing::ToolEditor;

namespace {

struct Fill : ToolEditor {
    explicit Fill(bool open = true) : ToolEditor(open) { window.actFillTool->trigger(); }
    QString status() { return window.statusBar()->currentMessage(); }
};

} // namespace

TEST(FillTool, GroundFillsTheConnectedAreaAcrossTheEdges) {
    Fill e;
    // Column 0 holds ground 1 (the location's own); column 4 gets ground 5:
    // columns 1..3 are one area, 5..7 another (7 meets column 0 across the edge).
    std::vector<QPoint> wall;
    for (int y = 0; y < 6; ++y)
        wall.emplace_back(4, y);
    e.prepare(Layer::Earths, wall, 5);
    e.choose(0, 1); // ground 1
    Layers expected = e.layers();
    e.click(QPoint(2, 3));
    for (int y = 0; y < 6; ++y)
        for (int x = 1; x <= 3; ++x)
            put(expected, Layer::Earths, x, y, 1);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 1);
    EXPECT_EQ(e.steps().undoText(), "Заливка");
    EXPECT_EQ(e.window.txtCursorX->text(), "2") << "the clicked cell is the cursor's";

    e.choose(0, 0);        // ground 0 into the wall, clicked where the view repeats it
    e.click(QPoint(4, 9)); // world (4, 3)
    for (int y = 0; y < 6; ++y)
        put(expected, Layer::Earths, 4, y, 0);
    EXPECT_EQ(e.layers(), expected);
}

TEST(FillTool, MarksFillWithOneAndTheRightButtonWithZero) {
    Fill e;
    e.prepare(Layer::Guards,
              {QPoint(0, 2), QPoint(1, 2), QPoint(2, 2), QPoint(3, 2), QPoint(4, 2), QPoint(5, 2),
               QPoint(6, 2), QPoint(7, 2)},
              1);
    e.paintTarget(2);
    Layers expected = e.layers();
    e.click(QPoint(3, 8), Qt::RightButton); // world (3, 2): the row of guards, one area
    for (int x = 0; x < 8; ++x)
        put(expected, Layer::Guards, x, 2, 0);
    EXPECT_EQ(e.layers(), expected);

    e.paintTarget(1);
    e.click(QPoint(6, 1));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            put(expected, Layer::Blocks, x, y, 1);
    EXPECT_EQ(e.layers(), expected) << "the whole world, and not the row beyond it";
    EXPECT_EQ(e.steps().count(), 2);
}

TEST(FillTool, ObjectsAreNotFilledAndTheStatusBarSaysWhy) {
    Fill e;
    const Layers before = e.layers();
    e.choose(1, 1);
    e.click(QPoint(2, 2));
    EXPECT_TRUE(e.status().contains("объекты не заливаются")) << e.status().toStdString();
    e.window.statusBar()->clearMessage();
    e.choose(0, 1);
    e.click(QPoint(2, 2), Qt::RightButton); // erasing the chosen entry
    EXPECT_TRUE(e.status().contains("не стираются")) << e.status().toStdString();
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.steps().count(), 0);
    EXPECT_EQ(e.canvas.CursorX(), 0) << "nothing happened, the cursor stays";
}

TEST(FillTool, WithoutALocationItSaysSo) {
    Fill e(false);
    e.paintTarget(1);
    e.click(QPoint(2, 2));
    EXPECT_TRUE(e.status().contains("локация не загружена")) << e.status().toStdString();
}

namespace {

// Fills of the 400 x 400 location "big" show their progress at once.
struct LongFill : Fill {
    LongFill() {
        world.writeLocation("big", 400, 400);
        window.goToLocation("big");
        editor::tools::FillTool::setProgressDelay(0);
        paintTarget(2);
    }
    ~LongFill() { editor::tools::FillTool::setProgressDelay(500); }
};

} // namespace

TEST(FillTool, ALongFillShowsItsProgressAndCancelledLeavesNoStep) {
    LongFill e;
    ASSERT_EQ(e.canvas.MapWidth(), 400);
    const Layers before = e.layers();
    bool seen = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (auto* progress = e.window.findChild<QProgressDialog*>("fillProgress")) {
            seen = progress->isVisible();
            progress->cancel();
        }
    });
    cancel.start(1);
    e.click(QPoint(5, 5));
    cancel.stop();
    EXPECT_TRUE(seen);
    EXPECT_EQ(e.layers(), before) << "every cell as it was";
    EXPECT_EQ(e.steps().count(), 0);

    e.click(QPoint(5, 5)); // not cancelled: done, one step
    EXPECT_EQ(e.steps().count(), 1);
    EXPECT_EQ(e.value(Layer::Guards, 399, 399), 1);
    EXPECT_EQ(e.window.findChild<QProgressDialog*>("fillProgress"), nullptr) << "and it goes";
}
