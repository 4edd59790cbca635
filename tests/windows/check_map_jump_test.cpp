// Going from a finding of "Проверка карты" to its place on the map, by
// double-click and by Enter: the location (asking about unsaved edits first)
// and the cursor on the cell.

#include "check_map_editor.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTableView>

using namespace windows_testing;
using checker::Severity;

namespace {

struct JumpEditor : CheckEditor {
    frmCheckMap* w = nullptr;

    JumpEditor() {
        w = &open(FixedCheck{
            {
                finding(Severity::Warning, "", std::nullopt, "Карта целиком."),
                finding(Severity::Error, "CAVE", checker::Cell{12, 9}, "В пещере."),
                finding(Severity::Error, "cave", std::nullopt, "Пещера без клетки."),
                finding(Severity::Error, "main", checker::Cell{5, 4}, "В главной."),
            }}.function());
        w->show();
        QApplication::setActiveWindow(w);
    }
    QPoint cursor() { return {canvas().WorldCursorX(), canvas().WorldCursorY()}; }
    QPoint cellCentre(int row) {
        return w->grdFindings->visualRect(w->grdFindings->model()->index(row, 4)).center();
    }
    // As the window system delivers a double-click: press, release, double
    // click, release.
    void doubleClick(int row) {
        QWidget* viewport = w->grdFindings->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(row));
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, cellCentre(row));
    }
    void enterOn(int row) {
        QTest::mouseClick(w->grdFindings->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cellCentre(row));
        QTest::keyClick(w->grdFindings, Qt::Key_Return);
    }
    // An unsaved edit in main: the block mark of the cursor cell.
    void editMain() {
        QApplication::setActiveWindow(&window);
        canvas().mapSurface()->setFocus();
        QTest::sendKeyEvent(QTest::Click, canvas().mapSurface(), Qt::Key_unknown, "b",
                            Qt::NoModifier);
        ASSERT_TRUE(window.history().isModified());
        QApplication::setActiveWindow(w);
    }
};

// Answers the questions asked meanwhile with `answer` and keeps them.
struct Answering {
    std::vector<std::string> questions;
    ui::MessageHandlerScope scope;
    explicit Answering(ui::MessageAnswer answer)
        : scope([this, answer](const ui::Message& m) {
              questions.push_back(cp1251::toUtf8(m.text));
              return answer;
          }) {}
};

} // namespace

TEST(CheckMapJump, ADoubleClickGoesToTheLocationAfterTheUnsavedEditsQuestion) {
    JumpEditor e;
    e.editMain();
    {
        Answering cancel(ui::MessageAnswer::Cancel);
        e.doubleClick(1);
        ASSERT_EQ(cancel.questions.size(), 1u);
        EXPECT_EQ(cancel.questions[0], "Сохранить изменения в локации \"main\"?");
    }
    EXPECT_EQ(e.canvas().LocationName(), "main") << "cancelled: nothing moves";
    EXPECT_EQ(e.cursor(), QPoint(0, 0));
    EXPECT_TRUE(e.window.history().isModified());

    {
        Answering no(ui::MessageAnswer::No);
        e.doubleClick(1);
        EXPECT_EQ(no.questions.size(), 1u);
    }
    EXPECT_EQ(e.canvas().LocationName(), "CAVE");
    EXPECT_EQ(e.window.windowTitle(), "[Default] - CAVE");
    EXPECT_EQ(e.cursor(), QPoint(12, 9));
    EXPECT_EQ(e.window.txtCursorX->text(), "12") << "the inspector follows the cursor";
    EXPECT_EQ(e.window.txtCursorY->text(), "9");
    EXPECT_FALSE(e.window.history().isModified());
    EXPECT_EQ(e.world.root().read("Maps/Default/main.map")[0], 1) << "main was not saved";
}

TEST(CheckMapJump, EnterGoesToo_SavingWhenTheDesignerSaysYes) {
    JumpEditor e;
    e.editMain();
    {
        Answering yes(ui::MessageAnswer::Yes);
        e.enterOn(1);
        EXPECT_EQ(yes.questions.size(), 1u);
    }
    EXPECT_EQ(e.canvas().LocationName(), "CAVE");
    EXPECT_EQ(e.cursor(), QPoint(12, 9));
    EXPECT_EQ(e.world.root().read("Maps/Default/main.map")[6 * 8 + 0], 1)
        << "main's block layer starts after ground, objects (2 bytes) and items";
    EXPECT_TRUE(e.w->isVisible()) << "the findings stay at hand";
}

TEST(CheckMapJump, AFindingOfTheLocationOnTheCanvasOnlyMovesTheCursor) {
    JumpEditor e;
    e.editMain();
    Answering never(ui::MessageAnswer::Cancel);
    e.enterOn(3);
    EXPECT_TRUE(never.questions.empty());
    EXPECT_EQ(e.canvas().LocationName(), "main");
    EXPECT_EQ(e.cursor(), QPoint(5, 4));
    EXPECT_TRUE(e.window.history().isModified()) << "the edit is still there";

    e.doubleClick(0); // a problem of the whole map
    EXPECT_EQ(e.canvas().LocationName(), "main");
    EXPECT_EQ(e.cursor(), QPoint(5, 4));
    EXPECT_TRUE(never.questions.empty());
}

TEST(CheckMapJump, AFindingWithoutACellOnlyGoesToItsLocation) {
    JumpEditor e;
    e.enterOn(3);
    ASSERT_EQ(e.cursor(), QPoint(5, 4));
    e.doubleClick(2);
    EXPECT_EQ(e.canvas().LocationName(), "cave");
    EXPECT_EQ(e.cursor(), QPoint(0, 0)) << "a new location starts at its origin";
    e.enterOn(1); // the same location under another case of its name
    EXPECT_EQ(e.canvas().LocationName(), "cave");
    EXPECT_EQ(e.cursor(), QPoint(12, 9));
}

TEST(CheckMapJump, AfterAnotherMapWasOpenedTheFindingsLeadNowhere) {
    JumpEditor e;
    e.world.root().write("Maps/beach/main.config", "[CONFIG]\r\nWidth=4\r\nHeight=4\r\n");
    e.world.root().write("Maps/beach/main.map", std::string(8 * 4 * 5, '\0'));
    e.world.root().write("Maps/beach/cave.config", "[CONFIG]\r\nWidth=4\r\nHeight=4\r\n");
    e.world.root().write("Maps/beach/cave.map", std::string(8 * 4 * 5, '\0'));
    e.window.openMap("beach");
    e.doubleClick(1);
    EXPECT_EQ(e.canvas().LocationName(), "main") << "Default's cave is not beach's";
    EXPECT_EQ(e.cursor(), QPoint(0, 0));
}
