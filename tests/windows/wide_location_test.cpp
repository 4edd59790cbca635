// Locations wider or taller than 32767 cells: every cell can be reached,
// shown, edited, undone and saved. And no failure inside an event handler
// ends the editor.

#include "canvas/world_canvas.h"
#include "editor/editor_application.h"
#include "editor/frm_main.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <stdexcept>

using windows_testing::EditorWorld;

namespace {

struct LongEditor {
    EditorWorld world;
    frmMain window;

    LongEditor(int width, int height) {
        world.writeLocation("long", width, height);
        window.show();
        QApplication::setActiveWindow(&window);
        window.openMap("Default");
        window.goToLocation("long");
    }
    WorldCanvas& canvas() { return *window.WorldCanvas1; }
    QWidget* map() { return canvas().mapSurface(); }
    void press(Qt::Key key) {
        map()->setFocus();
        QTest::keyClick(map(), key);
    }
    void type(QChar c) {
        map()->setFocus();
        QTest::sendKeyEvent(QTest::Click, map(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    std::int32_t cell(model::Layer layer, int x, int y) {
        return canvas().grid().cellValue(layer, x, y);
    }
};

} // namespace

TEST(LongLocations, EveryColumnOfAWideLocationIsReachedShownEditedUndoneAndSaved) {
    LongEditor e(40000, 2);
    ASSERT_TRUE(e.canvas().hasLocation());
    QTest::mouseClick(e.map(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    e.press(Qt::Key_Left);
    EXPECT_EQ(e.canvas().WorldCursorX(), 39999);
    EXPECT_EQ(e.window.txtCursorX->text(), "39999");
    e.type('b');
    EXPECT_EQ(e.cell(model::Layer::Blocks, 39999, 0), 1);
    for (int i = 0; i < 7234; ++i) // far into the second half of the columns
        e.press(Qt::Key_Left);
    EXPECT_EQ(e.window.txtCursorX->text(), "32765");
    // Dragging right by three cells moves the view back over 32767.
    QTest::mousePress(e.map(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPointF(3 * 32 + 5, 5), QPointF(3 * 32 + 5, 5),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e.map(), &drag);
    QTest::mouseRelease(e.map(), Qt::LeftButton, Qt::NoModifier, QPoint(3 * 32 + 5, 5));
    EXPECT_EQ(e.canvas().WorldCursorX(), 32768);
    e.type('g');
    EXPECT_EQ(e.cell(model::Layer::Guards, 32768, 0), 1);
    EXPECT_TRUE(e.window.chkIsGuardZone->isChecked());

    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.cell(model::Layer::Guards, 32768, 0), 0);
    EXPECT_FALSE(e.window.chkIsGuardZone->isChecked());
    e.window.mnuRedo->trigger();
    EXPECT_EQ(e.cell(model::Layer::Guards, 32768, 0), 1);

    e.window.mnuSaveLocation->trigger();
    const std::string saved = e.world.root().read("Maps/Default/long.map");
    ASSERT_EQ(saved.size(), 8u * 40000 * 3);
    EXPECT_EQ(saved[7 * 40000 + 32768], 1) << "the guard of (32768, 0)";
    EXPECT_EQ(saved[6 * 40000 + 39999], 1) << "the block of (39999, 0)";
    EXPECT_EQ(e.world.messages.size(), 1u) << e.world.lastText();
}

TEST(LongLocations, EveryRowOfATallLocationIsReachedAndEdited) {
    LongEditor e(2, 40000);
    QTest::mouseClick(e.map(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    e.press(Qt::Key_Up);
    EXPECT_EQ(e.window.txtCursorY->text(), "39999");
    e.window.txtLevel[0]->setFocus();
    e.window.txtLevel[0]->selectAll();
    QTest::keyClicks(e.window.txtLevel[0], "9");
    EXPECT_EQ(e.cell(model::Layer::Earths, 0, 39999), 9);
    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.cell(model::Layer::Earths, 0, 39999), 1) << "column 0 holds ground 1";
    EXPECT_EQ(e.window.txtLevel[0]->text(), "1");
}

namespace {

// An object whose every event fails.
class Failing : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("the cell is out of reach"); }
};

} // namespace

TEST(EventHandlers, AFailureIsReportedAndTheEditorGoesOnWithItsEdits) {
    ASSERT_NE(dynamic_cast<EditorApplication*>(QCoreApplication::instance()), nullptr);
    LongEditor e(8, 6);
    e.type('b');
    ASSERT_EQ(e.window.windowTitle(), "[Default] - long*");
    Failing failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(e.world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(e.world.messages[0].title, "Error");
    EXPECT_NE(e.world.lastText().find("the cell is out of reach"), std::string::npos);
    EXPECT_EQ(e.window.windowTitle(), "[Default] - long*") << "the unsaved edit is still there";
    EXPECT_EQ(e.cell(model::Layer::Blocks, 0, 0), 1);
}
