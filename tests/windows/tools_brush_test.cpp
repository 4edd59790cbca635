// "Кисть": every cell the mouse passes over, down to the bytes of every
// layer, for each thing it paints; one undo step a stroke.

#include "tool_editor.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>

using model::Layer;
using windows_testing::Layers;
using windows_testing::put;
using windows_testing::ToolEditor;

namespace {

struct Brush : ToolEditor {
    Brush() { window.actBrushTool->trigger(); }
};

} // namespace

TEST(Brush, GroundAlongStrokesWhoseReportsLieFarApartAndAcrossTheWrappingEdge) {
    Brush e;
    e.choose(0, 1); // "Песок": ground 1
    Layers expected = e.layers();
    // One report from the first cell to the last: the cells between are painted.
    e.drag({QPoint(1, 2), QPoint(6, 2)});
    for (int x = 1; x <= 6; ++x)
        put(expected, Layer::Earths, x, 2, 1);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 1);
    EXPECT_EQ(e.steps().undoText(), "Кисть");

    // A diagonal, then on past the world's right edge: view columns 8 and 9
    // show world columns 0 and 1 again.
    e.drag({QPoint(1, 0), QPoint(4, 3), QPoint(9, 3)});
    for (int i = 1; i <= 4; ++i)
        put(expected, Layer::Earths, i, i - 1, 1);
    for (int x : {5, 6, 7, 0, 1})
        put(expected, Layer::Earths, x, 3, 1);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 2) << "one step a stroke";
    EXPECT_EQ(e.window.txtCursorX->text(), "1") << "the stroke's first cell is the cursor's";
    EXPECT_EQ(e.window.txtCursorY->text(), "0");

    // Up across the bottom edge: view rows 5 to 7 are world rows 5, 0, 1.
    e.drag({QPoint(3, 7), QPoint(3, 5)});
    for (int y : {1, 0, 5})
        put(expected, Layer::Earths, 3, y, 1);
    EXPECT_EQ(e.layers(), expected);
}

TEST(Brush, TheStrokeIsOneUndoStepAndEachStrokeAsItWasPainted) {
    Brush e;
    e.paintTarget(2); // guard zone
    const Layers start = e.layers();
    const QString title = e.window.windowTitle();
    e.drag({QPoint(0, 0), QPoint(2, 0), QPoint(2, 2)});
    const Layers first = e.layers();
    EXPECT_EQ(e.window.windowTitle(), title + "*") << "a stroke is an unsaved edit";
    e.drag({QPoint(5, 5), QPoint(5, 1)}, Qt::LeftButton);
    const Layers second = e.layers();
    ASSERT_EQ(e.steps().count(), 2);
    EXPECT_EQ(e.window.mnuUndo->text(), "Отменить: Кисть");
    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.layers(), first);
    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.layers(), start);
    EXPECT_EQ(e.window.windowTitle(), title) << "both strokes undone: nothing to save";
    e.window.mnuRedo->trigger();
    e.window.mnuRedo->trigger();
    EXPECT_EQ(e.layers(), second);
}

TEST(Brush, MarksPaintWithTheLeftButtonAndEraseWithTheRight) {
    Brush e;
    Layers expected = e.layers();
    e.paintTarget(1); // "Путь закрыт"
    e.drag({QPoint(2, 1), QPoint(2, 4)});
    for (int y = 1; y <= 4; ++y)
        put(expected, Layer::Blocks, 2, y, 1);
    EXPECT_EQ(e.layers(), expected);
    e.drag({QPoint(2, 2), QPoint(2, 3)}, Qt::RightButton);
    put(expected, Layer::Blocks, 2, 2, 0);
    put(expected, Layer::Blocks, 2, 3, 0);
    EXPECT_EQ(e.layers(), expected);

    e.paintTarget(2); // "Охранная зона"
    e.drag({QPoint(4, 4), QPoint(6, 4)});
    for (int x = 4; x <= 6; ++x)
        put(expected, Layer::Guards, x, 4, 1);
    e.drag({QPoint(6, 4), QPoint(6, 4)}, Qt::RightButton);
    put(expected, Layer::Guards, 6, 4, 0);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().count(), 4);
}

TEST(Brush, ObjectsGoWhereTheyOverlapNoObjectOfTheStroke) {
    Brush e;
    e.choose(1, 1); // "Забор": code 1, footprint "11"
    Layers expected = e.layers();
    e.drag({QPoint(0, 1), QPoint(4, 1)});
    // At 0 it takes 0 and 1; 1 is taken; 2 takes 2 and 3; 4 takes 4 and 5.
    for (int x : {0, 2, 4})
        put(expected, Layer::Objects, x, 1, 2);
    for (int x = 0; x <= 5; ++x)
        put(expected, Layer::Blocks, x, 1, '1');
    EXPECT_EQ(e.layers(), expected);

    // A new stroke does not care for the objects of the last one.
    e.drag({QPoint(1, 1), QPoint(1, 1)});
    put(expected, Layer::Objects, 1, 1, 2);
    EXPECT_EQ(e.layers(), expected);
}

TEST(Brush, AnObjectAtTheEdgesWritesTheBytesThePlaceCommandWrites) {
    Layers placed;
    {
        ToolEditor command;
        command.click(QPoint(7, 5));
        command.choose(1, 0); // "Дом": footprint "110, 010" reaches over both edges
        command.window.placeSelectedEntry();
        placed = command.layers();
    }
    Brush e;
    e.choose(1, 0);
    const Layers before = e.layers();
    e.click(QPoint(7, 5));
    EXPECT_EQ(e.layers(), placed);
    Layers expected = before;
    put(expected, Layer::Objects, 7, 5, 1);
    for (const QPoint cell : {QPoint(7, 5), QPoint(0, 5), QPoint(0, 0)})
        put(expected, Layer::Blocks, cell.x(), cell.y(), '1');
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.window.txtLevel[1]->text(), "1") << "the inspector shows the painted cell";
}

TEST(Brush, TheRightButtonTakesTheChosenObjectsAwayAndNothingElse) {
    Brush e;
    e.prepare(Layer::Objects, {QPoint(1, 3), QPoint(2, 3), QPoint(4, 3)}, 7);
    e.prepare(Layer::Blocks, {QPoint(2, 3)}, 1);
    e.choose(1, 0);
    Layers expected = e.layers();
    e.drag({QPoint(0, 3), QPoint(3, 3)}, Qt::RightButton);
    put(expected, Layer::Objects, 1, 3, 0);
    put(expected, Layer::Objects, 2, 3, 0);
    EXPECT_EQ(e.layers(), expected);
    EXPECT_EQ(e.steps().undoText(), "Кисть");
}

TEST(Brush, AGroundCodeThatDoesNotFitIsRefusedAsByThePlaceCommand) {
    Brush e;
    e.choose(0, 2); // code 300
    const Layers before = e.layers();
    e.drag({QPoint(1, 1), QPoint(3, 1)});
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.steps().count(), 0);
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(cp1251::toUtf8(e.world.messages[0].title), "Плохой код");
    EXPECT_NE(e.world.lastText().find("300"), std::string::npos);
    // And with nothing chosen the status bar says what is missing.
    e.window.lstGroups->setCurrentRow(1);
    e.drag({QPoint(1, 1), QPoint(3, 1)});
    EXPECT_EQ(e.layers(), before);
    EXPECT_FALSE(e.window.statusBar()->currentMessage().isEmpty());
}

TEST(Brush, AMouseOutsideTheMapScrollsTheViewAndTheStrokeGoesOn) {
    Brush e;
    e.paintTarget(2);
    e.press(QPoint(0, 3));
    // Left of the map: the view scrolls left a cell at a time.
    QTest::mouseMove(e.surface(), QPoint(-12, 3 * 32 + 9));
    QTest::qWait(180);
    QTest::mouseRelease(e.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(-12, 3 * 32 + 9));
    const int scrolled = 8 - e.canvas.CurrentPositionX(); // the view went left by this much
    ASSERT_GE(scrolled, 1);
    ASSERT_LT(scrolled, 8);
    EXPECT_EQ(e.canvas.CurrentPositionY(), 0);
    for (int x = 0; x < 8; ++x) {
        const bool painted = x == 0 || x >= 8 - scrolled;
        EXPECT_EQ(e.value(Layer::Guards, x, 3), painted ? 1 : 0) << "column " << x;
    }
    EXPECT_EQ(e.steps().count(), 1);
    // Released: the view stays.
    const int x = e.canvas.CurrentPositionX();
    QTest::qWait(120);
    EXPECT_EQ(e.canvas.CurrentPositionX(), x);
}

TEST(Brush, StrokesRedrawTheMapOncePerPaintingWhileOpen) {
    Brush e;
    e.paintTarget(2);
    e.canvas.setDrawGuardZone(true);
    e.canvas.Refresh();
    const QImage before = e.canvas.picMap();
    e.press(QPoint(4, 4));
    e.moveTo(QPoint(6, 4));
    EXPECT_EQ(e.steps().count(), 0) << "the stroke is still open";
    QApplication::processEvents(); // the surface paints
    EXPECT_NE(e.canvas.picMap().pixel(6 * 32 + 16, 4 * 32 + 16),
              before.pixel(6 * 32 + 16, 4 * 32 + 16))
        << "the open stroke's cells show before the release";
    e.release(QPoint(6, 4));
    EXPECT_EQ(e.steps().count(), 1);
}

TEST(Brush, WithoutALocationItSaysSo) {
    ToolEditor e(false);
    e.window.actBrushTool->trigger();
    e.click(QPoint(1, 1));
    EXPECT_TRUE(e.window.statusBar()->currentMessage().contains("локация не загружена"))
        << e.window.statusBar()->currentMessage().toStdString();
}

TEST(Brush, AStrokeWhoseReleaseWentElsewhereEndsAtTheNextMoveOrPress) {
    Brush e;
    e.paintTarget(1);
    e.press(QPoint(1, 1));
    e.moveTo(QPoint(2, 1));
    // The button goes up over another window: the map sees a move without it.
    QMouseEvent bare(QEvent::MouseMove, ToolEditor::pixel(QPoint(4, 1)),
                     e.surface()->mapToGlobal(ToolEditor::pixel(QPoint(4, 1))), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(e.surface(), &bare);
    EXPECT_FALSE(e.canvas.strokeActive());
    EXPECT_EQ(e.steps().count(), 1) << "what was painted is one step";
    EXPECT_EQ(e.value(model::Layer::Blocks, 3, 1), 0) << "nothing after the button went up";
    EXPECT_EQ(e.value(model::Layer::Blocks, 2, 1), 1);
    QTest::mouseRelease(e.surface(), Qt::LeftButton, Qt::NoModifier, ToolEditor::pixel({4, 1}));

    // A second press without a release between: the first stroke is over.
    e.press(QPoint(5, 4));
    e.press(QPoint(6, 4));
    e.release(QPoint(6, 4));
    EXPECT_EQ(e.steps().count(), 3);
    EXPECT_EQ(e.value(model::Layer::Blocks, 5, 4), 1);
    EXPECT_EQ(e.value(model::Layer::Blocks, 6, 4), 1);
}
