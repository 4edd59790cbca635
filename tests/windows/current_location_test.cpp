// What the main window holds after maps and locations are opened, fail to
// open or are created: the grid always belongs to the map and location it
// would be saved to, the title names what is loaded, and the inspector shows
// the cursor cell of the location on the canvas.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/map_folder.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using windows_testing::EditorWorld;

namespace {

struct Editor {
    EditorWorld world;
    frmMain window;

    Editor() {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    WorldCanvas& canvas() { return *window.WorldCanvas1; }
    QWidget* map() { return canvas().mapSurface(); }
    void clickCell(int column, int row) {
        QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(column * 32 + 5, row * 32 + 5));
    }
    void press(QWidget* widget, Qt::Key key, const QString& text = {}) {
        widget->setFocus();
        QTest::keyClick(widget, key, Qt::NoModifier);
        (void)text;
    }
    void typeChar(QWidget* widget, QChar c) {
        widget->setFocus();
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    std::int32_t cell(model::Layer layer, int x, int y) {
        return canvas().grid().cellValue(layer, x, y);
    }
    std::string file(const std::string& relative) { return world.root().read(relative); }
    bool exists(const std::string& relative) {
        return std::filesystem::exists(world.root().path() / relative);
    }
};

} // namespace

TEST(CurrentLocation, AMapWhoseMainFailsIsOpenWithNoLocationAndNothingToSave) {
    Editor e;
    e.world.root().write("Maps/beach/readme.txt", "no locations yet");
    e.window.openMap("Default");
    const std::string defaultGrid = e.file("Maps/Default/main.map");
    e.window.openMap("beach");
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(e.world.messages[0].title, "Error");
    EXPECT_EQ(e.window.windowTitle(), "[beach]");
    EXPECT_EQ(editor::MapFolder(), e.world.root().text() + "Maps\\beach\\");
    EXPECT_FALSE(e.canvas().hasLocation()) << "Default's grid is gone from the canvas";
    EXPECT_EQ(e.window.txtMapWidth->text(), "-1");
    EXPECT_EQ(e.window.txtMapHeight->text(), "-1");
    EXPECT_EQ(e.canvas().picMap().pixel(100, 100), qRgb(0x40, 0x40, 0x40));

    e.window.mnuSaveLocation->trigger();
    EXPECT_EQ(e.world.messages.back().icon, ui::MessageIcon::Warning);
    EXPECT_EQ(e.world.lastText(), "Локация не загружена: сохранять нечего.");
    EXPECT_FALSE(e.exists("Maps/beach/main.map"));
    EXPECT_EQ(e.file("Maps/Default/main.map"), defaultGrid);
    // Keys and edits find no location to act on.
    e.typeChar(e.map(), 'b');
    EXPECT_FALSE(e.exists("Maps/beach/main.map"));
}

TEST(CurrentLocation, AFailedGoToKeepsTheLoadedLocationAndItsTitle) {
    Editor e;
    e.window.openMap("Default");
    e.world.root().write("Maps/Default/cave.config", "[CONFIG]\r\nWidth=5\r\nHeight=5\r\n");
    e.window.goToLocation("cave"); // its grid file is missing
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main");
    EXPECT_EQ(e.canvas().LocationName(), "main");
    EXPECT_EQ(e.canvas().MapWidth(), 8);

    e.clickCell(2, 2);
    e.typeChar(e.map(), 'b');
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main*");
    e.window.mnuSaveLocation->trigger();
    EXPECT_EQ(e.world.lastText(), "Локация \"main\" успешно сохранена!");
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main");
    EXPECT_FALSE(e.exists("Maps/Default/cave.map"));
    EXPECT_EQ(e.file("Maps/Default/main.map")[2 * 64 + 48 + 2], 1) << "main's cell (2, 2)";
}

TEST(CurrentLocation, TheInspectorShowsTheNewLocationsCursorCellAtOnce) {
    Editor e;
    e.world.writeLocation("cave", 8, 6);
    e.window.openMap("Default");
    e.clickCell(3, 2);
    e.typeChar(e.map(), 'b');
    e.typeChar(e.map(), 'g');
    ASSERT_TRUE(e.window.chkIsBlock->isChecked());
    e.window.mnuSaveLocation->trigger();

    e.window.goToLocation("cave");
    EXPECT_EQ(e.window.windowTitle(), "[Default] - cave");
    EXPECT_FALSE(e.window.chkIsBlock->isChecked()) << "cave's cell (0, 0) is free";
    EXPECT_FALSE(e.window.chkIsGuardZone->isChecked());
    EXPECT_EQ(e.window.txtLevel[0]->text(), "1");
    EXPECT_EQ(e.window.txtCursorX->text(), "0");
    EXPECT_FALSE(e.window.history().isModified()) << "showing the cell wrote nothing";

    e.typeChar(e.map(), 'b');
    EXPECT_EQ(e.cell(model::Layer::Blocks, 0, 0), 1) << "b closes the free cell";
    EXPECT_TRUE(e.window.chkIsBlock->isChecked());
}

TEST(CurrentLocation, ALoadKeepsTheCursorInsideASmallerLocation) {
    Editor e;
    e.world.writeLocation("big", 30, 20);
    e.world.writeLocation("tiny", 3, 2);
    e.window.openMap("Default");
    e.window.goToLocation("big");
    for (int i = 0; i < 25; ++i)
        e.press(e.map(), Qt::Key_Right);
    e.clickCell(9, 9);
    EXPECT_EQ(e.window.txtCursorX->text(), "4") << "(25 + 9) wraps in 30 columns";
    e.window.openMap("Default"); // main, 8 x 6: the view moves into it
    const int x = e.window.txtCursorX->text().toInt();
    const int y = e.window.txtCursorY->text().toInt();
    EXPECT_LT(x, 8);
    EXPECT_LT(y, 6);
    e.typeChar(e.map(), 'g'); // writes the cell the inspector shows
    EXPECT_EQ(e.cell(model::Layer::Guards, x, y), 1);
    EXPECT_TRUE(e.world.messages.empty()) << e.world.lastText();
}

TEST(SwitchLines, ShowTheSwitchesAsTheyAreAndTheCursorLineHidesTheOutline) {
    Editor e;
    std::vector<int> checked;
    for (int line = 0; line < e.window.List1->count(); ++line)
        if (e.window.List1->item(line)->checkState() == Qt::Checked)
            checked.push_back(line);
    EXPECT_EQ(checked, (std::vector<int>{0, 1, 7, 8})) << "ground, objects, cursor, on demand";

    e.window.openMap("Default");
    e.clickCell(4, 3);
    const QRgb outline = e.canvas().picMap().pixel(4 * 32, 3 * 32 + 10);
    e.window.List1->item(7)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(e.canvas().DrawCursor());
    EXPECT_NE(e.canvas().picMap().pixel(4 * 32, 3 * 32 + 10), outline) << "the outline is gone";
    e.window.List1->item(7)->setCheckState(Qt::Checked);
    EXPECT_EQ(e.canvas().picMap().pixel(4 * 32, 3 * 32 + 10), outline);
}

TEST(ValueBoxes, ShowEveryEditOfTheCursorCellAndWriteOnlyWhatTheDesignerChanged) {
    Editor e;
    e.window.openMap("Default");
    e.clickCell(2, 1);
    e.window.txtLevel[1]->setFocus();
    e.window.txtLevel[1]->selectAll();
    QTest::keyClicks(e.window.txtLevel[1], "2");
    ASSERT_EQ(e.cell(model::Layer::Objects, 2, 1), 2) << "a typed object";

    // Place the house (object 1) over it: the box follows at once.
    e.window.lstGroups->setCurrentRow(1);
    e.window.lstObjects->setCurrentRow(0);
    e.typeChar(e.map(), ' ');
    EXPECT_EQ(e.cell(model::Layer::Objects, 2, 1), 1);
    EXPECT_EQ(e.window.txtLevel[1]->text(), "1");
    EXPECT_TRUE(e.window.chkIsBlock->isChecked()) << "the footprint closed the cell";

    // Moving through the boxes writes nothing.
    for (QLineEdit* box : {e.window.txtLevel[0], e.window.txtLevel[1]})
        for (const Qt::Key key :
             {Qt::Key_Tab, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Shift})
            e.press(box, key);
    EXPECT_EQ(e.cell(model::Layer::Objects, 2, 1), 1);
    e.typeChar(e.map(), 'd');
    EXPECT_EQ(e.window.txtLevel[1]->text(), "0") << "D shows at once";
    e.press(e.window.txtLevel[1], Qt::Key_End);
    EXPECT_EQ(e.cell(model::Layer::Objects, 2, 1), 0);

    // Pasting counts as typing.
    QApplication::clipboard()->setText("77");
    e.window.txtLevel[0]->setFocus();
    e.window.txtLevel[0]->selectAll();
    e.window.txtLevel[0]->paste();
    EXPECT_EQ(e.cell(model::Layer::Earths, 2, 1), 77);
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main*");

    // Undo shows the cell as it was.
    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.window.txtLevel[0]->text(), "0");
    EXPECT_EQ(e.cell(model::Layer::Earths, 2, 1), 0);

    // Items and actions are shown only.
    EXPECT_TRUE(e.window.txtLevel[2]->isReadOnly());
    EXPECT_TRUE(e.window.txtLevel[3]->isReadOnly());
    QTest::keyClicks(e.window.txtLevel[2], "3");
    EXPECT_EQ(e.window.txtLevel[2]->text(), "0");
}
