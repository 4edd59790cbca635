// Moving about a location without the keyboard: the wheel scrolls the view,
// the status bar tells the cell under the mouse, "Перейти к клетке..." shows
// any cell.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/go_to_cell.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using windows_testing::EditorWorld;

namespace {

struct Editor {
    EditorWorld world;
    frmMain window;

    Editor() {
        window.show();
        window.openMap("Default"); // 8 x 6 cells
    }
    WorldCanvas& canvas() { return *window.WorldCanvas1; }
    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent event(QPointF(50, 50), canvas().mapSurface()->mapToGlobal(QPointF(50, 50)),
                          QPoint(), angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas().mapSurface(), &event);
    }
    void hover(QPoint pixel) { QTest::mouseMove(canvas().mapSurface(), pixel); }
};

} // namespace

TEST(WheelScrolling, OneCellPerNotchWrappingLikeTheArrowKeys) {
    Editor e;
    QSignalSpy moves(&e.canvas(), &WorldCanvas::CursorChangePosition);
    e.wheel(QPoint(0, -120)); // towards the user: down
    EXPECT_EQ(e.canvas().CurrentPositionY(), 1);
    EXPECT_EQ(moves.count(), 1) << "as an arrow key does";
    EXPECT_EQ(e.window.txtCursorY->text(), "1") << "the inspector follows";
    e.wheel(QPoint(0, 240)); // two notches up: wraps past the top
    EXPECT_EQ(e.canvas().CurrentPositionY(), 5);
    e.wheel(QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(e.canvas().CurrentPositionX(), 1) << "Shift turns the wheel sideways";
    e.wheel(QPoint(120, 0)); // a sideways wheel
    EXPECT_EQ(e.canvas().CurrentPositionX(), 0);
    e.wheel(QPoint(0, -60));
    EXPECT_EQ(e.canvas().CurrentPositionY(), 5) << "half a notch waits for the other half";
    e.wheel(QPoint(0, -60));
    EXPECT_EQ(e.canvas().CurrentPositionY(), 0);
}

TEST(CellUnderTheMouse, TheStatusBarTellsItsValuesAndFollowsEdits) {
    Editor e;
    EXPECT_EQ(e.window.lblMouseCell->accessibleName(), "Клетка под мышью");
    // Cell (2, 1) gets object 17, action 2 and its block.
    QTest::mouseClick(e.canvas().mapSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(70, 40));
    e.canvas().setCurrentObject(17);
    e.canvas().setCurrentDoor(2);
    e.canvas().setCurrentBlocks(1);
    e.hover(QPoint(2 * 32 + 3, 32 + 3));
    EXPECT_EQ(e.window.lblMouseCell->text(),
              "x 2, y 1 - земля 0, объект 17, предмет 0, действие 2, путь закрыт, охрана нет");
    e.hover(QPoint(9 * 32 + 3, 0)); // view column 9: world column 1 of 8
    EXPECT_TRUE(e.window.lblMouseCell->text().startsWith("x 1, y 0 - земля 0,"))
        << e.window.lblMouseCell->text().toStdString();
    e.hover(QPoint(2 * 32 + 3, 32 + 3));
    e.canvas().setCurrentGuard(1);
    EXPECT_TRUE(e.window.lblMouseCell->text().endsWith("охрана есть")) << "an edit shows at once";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(e.canvas().mapSurface(), &leave);
    EXPECT_EQ(e.window.lblMouseCell->text(), "");
}

TEST(GoToCell, ShowsTheCellUnderTheCursorAndRefusesCellsThatAreNotThere) {
    Editor e;
    std::string problem;
    for (const auto& [x, y] : {std::pair{"abc", "1"}, std::pair{"-1", "0"}, std::pair{"8", "0"},
                               std::pair{"0", "6"}, std::pair{"", ""}, std::pair{"1.5", "2"}}) {
        problem.clear();
        EXPECT_FALSE(editor::cellToGoTo(x, y, 8, 6, problem)) << x << "," << y;
        EXPECT_FALSE(problem.empty());
    }
    EXPECT_EQ(editor::cellToGoTo(" 7", "5 ", 8, 6, problem), QPoint(7, 5));

    // Through the window: a refusal keeps it open and moves nothing.
    QTest::mouseClick(e.canvas().mapSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 70));
    const int x = e.canvas().CurrentPositionX();
    QTimer::singleShot(0, [&] {
        auto* dialog = e.window.findChild<editor::GoToCellDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->txtX->setText("99");
        dialog->txtY->setText("1");
        QTest::keyClick(dialog->txtY, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << "a refused cell keeps the window open";
        dialog->txtX->setText("6");
        QTest::keyClick(dialog->txtY, Qt::Key_Return);
    });
    e.window.mnuGoToCell->trigger();
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(e.world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(e.world.lastText().find("99"), std::string::npos);
    EXPECT_EQ(e.window.txtCursorX->text(), "6");
    EXPECT_EQ(e.window.txtCursorY->text(), "1");
    EXPECT_EQ(e.canvas().CursorX(), 3) << "the cursor keeps its place in the view";
    EXPECT_NE(e.canvas().CurrentPositionX(), x);
}
