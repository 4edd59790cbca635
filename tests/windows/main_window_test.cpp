// The main window driven as a designer drives it: start-up, opening the map,
// moving the cursor, the palette, the inspector, the switches and saving.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/map_folder.h"
#include "editor/preview_box.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using windows_testing::EditorWorld;

namespace {

// Types `text` into `widget` as a keyboard would, character by character,
// with the widget holding the focus (any script, unlike QTest::keyClicks).
void type(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar c : text) {
        const int key = c.isDigit() || (c.unicode() < 128 && c.isLetter()) ? c.toUpper().unicode()
                        : c == ' '                                         ? int(Qt::Key_Space)
                                                                           : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void key(QWidget* widget, Qt::Key key) {
    widget->setFocus();
    QTest::keyClick(widget, key);
}

struct MainWindow {
    EditorWorld world;
    frmMain window;

    MainWindow() {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget* map() { return window.WorldCanvas1->mapSurface(); }
    void clickCell(int column, int row) {
        QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(column * 32 + 5, row * 32 + 5));
    }
    void choose(int category, int entry) {
        window.lstGroups->setCurrentRow(category);
        window.lstObjects->setCurrentRow(entry);
    }
    unsigned char block(int x, int y) const {
        return static_cast<unsigned char>(window.WorldCanvas1->GetBlocks(y)[x]);
    }
    std::int32_t object(int x, int y) const {
        return window.WorldCanvas1->grid().cellValue(model::Layer::Objects, x, y);
    }
};

} // namespace

TEST(MainWindow, StartsWithTheSpecifiedLayoutAndNothingLoaded) {
    MainWindow m;
    EXPECT_EQ(m.window.windowTitle(), "Редактор карт");
    EXPECT_EQ(m.window.centralWidget()->size(), QSize(724, 474));
    EXPECT_EQ(m.window.Frame1[2]->geometry(), QRect(200, 8, 337, 457));
    EXPECT_EQ(m.window.WorldCanvas1->geometry(), QRect(8, 16, 324, 324));
    EXPECT_EQ(m.window.Frame1[2]->title(), "Мир");
    EXPECT_EQ(m.window.txtMapWidth->text(), "-1");
    EXPECT_EQ(m.window.txtMapHeight->text(), "-1");
    EXPECT_EQ(m.window.tbFileName->text(), "main");
    EXPECT_EQ(editor::MapFolder(), m.world.root().text() + "Maps\\Default\\");
    ASSERT_EQ(m.window.lstGroups->count(), 3);
    EXPECT_EQ(m.window.lstGroups->item(1)->text(), "Объекты");
    EXPECT_EQ(m.window.lstObjects->count(), 0);
    EXPECT_TRUE(m.window.WorldCanvas1->DrawOnlyMove());
    QStringList items;
    for (QAction* action : m.window.mnuFile->actions())
        items << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, (QStringList{"Новая карта", "Открыть карту", "-", "Новая локация",
                                  "Открыть локацию", "Сохранить локацию", "Менеджер локаций",
                                  "Проверить карту", "-", "Выход"}));
    for (int line = 0; line < m.window.List1->count(); ++line)
        EXPECT_EQ(m.window.List1->item(line)->checkState(),
                  line == 0 || line == 1 || line == 7 || line == 8 ? Qt::Checked : Qt::Unchecked)
            << "the marks show the switches that are on, line " << line;
}

TEST(MainWindow, OpeningAMapShowsItsLocationAndTheFieldsFollowTheCursor) {
    MainWindow m;
    m.window.openMap("Default");
    EXPECT_EQ(m.window.windowTitle(), "[Default] - Main");
    EXPECT_EQ(m.window.txtMapWidth->text(), "8");
    EXPECT_EQ(m.window.txtMapHeight->text(), "6");
    EXPECT_TRUE(m.world.messages.empty()) << m.world.lastText();
    EXPECT_EQ(m.window.txtLevel[0]->text(), "1") << "the loaded cursor cell (0, 0) at once";
    m.clickCell(0, 2);
    EXPECT_EQ(m.window.txtLevel[0]->text(), "1");
    EXPECT_EQ(m.window.txtCursorY->text(), "2");
    key(m.map(), Qt::Key_Left);
    EXPECT_EQ(m.window.txtCursorX->text(), "7");
    EXPECT_EQ(m.window.txtLevel[0]->text(), "0");
}

TEST(Palette, ListsEntriesAndShowsTheChosenOne) {
    MainWindow m;
    m.choose(1, 1);
    ASSERT_EQ(m.window.lstObjects->count(), 3);
    EXPECT_EQ(m.window.lstObjects->item(0)->text(), "Дом");
    EXPECT_EQ(m.window.lblCode->text(), "1");
    EXPECT_EQ(m.window.lblLevel->text(), "1");
    EXPECT_EQ(m.window.lblSize->text(), "2x1") << "64 x 32 pixels";
    m.window.lstObjects->setCurrentRow(0);
    EXPECT_EQ(m.window.lblSize->text(), "2x2") << "48/32 and 80/32 round to even";
    m.window.lstObjects->setCurrentRow(2);
    // 400 x 120 in a 165 x 93 box: scaled by the widths alone, centred.
    const QRectF target = m.window.picPreview->target();
    EXPECT_EQ(target.width(), 164);
    EXPECT_EQ(target.height(), 49);
    EXPECT_DOUBLE_EQ(target.left(), 0.5);
    EXPECT_DOUBLE_EQ(target.top(), 22);
    m.window.lstGroups->setCurrentRow(0);
    EXPECT_EQ(m.window.lblLevel->text(), "-") << "a new category leaves nothing chosen";
    EXPECT_TRUE(m.window.picPreview->isEmpty());
}

TEST(Palette, AGapInTheEntriesShiftsTheLookUp) {
    MainWindow m;
    m.choose(2, 2); // the third line is entry 3, looked up as entry 2
    ASSERT_EQ(m.window.lstObjects->count(), 3);
    EXPECT_EQ(m.window.lblCode->text(), "-");
    EXPECT_TRUE(m.window.picPreview->isEmpty());
}

TEST(Palette, PlacingObjectsMarksTheirFootprintAcrossTheEdges) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(5, 4);
    m.choose(1, 0); // footprint "110, 010"
    type(m.map(), " ");
    EXPECT_EQ(m.object(5, 4), 1);
    EXPECT_EQ(m.block(5, 4), '1');
    EXPECT_EQ(m.block(6, 4), '1');
    EXPECT_EQ(m.block(6, 5), '1');
    EXPECT_EQ(m.block(5, 5), 0);
    EXPECT_EQ(m.block(7, 4), 0);

    m.clickCell(7, 0); // last column: "11" wraps into column 0
    m.choose(1, 1);
    m.window.placeSelectedEntry();
    EXPECT_EQ(m.object(7, 0), 2);
    EXPECT_EQ(m.block(7, 0), '1');
    EXPECT_EQ(m.block(0, 0), '1');
    EXPECT_EQ(m.block(1, 0), 0);
    EXPECT_EQ(m.window.txtLevel[1]->text(), "2") << "the box shows what was placed";
}

TEST(Palette, GroundEntriesWriteTheGroundAndRefuseCodesAbove255) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(3, 3);
    m.choose(0, 1);
    QTest::mouseClick(m.window.picPreview, Qt::LeftButton);
    EXPECT_EQ(static_cast<unsigned char>(m.window.WorldCanvas1->GetEarths(3)[3]), 1);
    EXPECT_EQ(m.block(3, 3), 0) << "ground has no footprint";
    m.choose(0, 2); // code 300
    m.window.placeSelectedEntry();
    EXPECT_EQ(static_cast<unsigned char>(m.window.WorldCanvas1->GetEarths(3)[3]), 1);
    ASSERT_FALSE(m.world.messages.empty());
    EXPECT_EQ(m.world.messages.back().icon, ui::MessageIcon::Warning);
    EXPECT_NE(m.world.lastText().find("300"), std::string::npos);
}

TEST(Palette, NothingIsPlacedWithoutAnEntryOrALocation) {
    MainWindow m;
    m.choose(1, 0);
    type(m.map(), " bgd"); // no location yet: nothing happens
    m.window.chkIsGuardZone->click();
    type(m.window.txtLevel[0], "7");
    EXPECT_FALSE(m.window.chkIsBlock->isChecked());
    EXPECT_FALSE(m.window.chkIsGuardZone->isChecked());
    EXPECT_TRUE(m.world.messages.empty());
    m.window.openMap("Default");
    m.window.lstGroups->setCurrentRow(0);
    m.window.placeSelectedEntry();
    EXPECT_EQ(m.object(0, 0), 0);
    EXPECT_EQ(m.window.WorldCanvas1->GetEarths(0)[0], 1);
}

TEST(Inspector, ValueBoxesTakeDigitsAndKeepTheirBounds) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(2, 1);
    QLineEdit* ground = m.window.txtLevel[0];
    ground->setFocus();
    ground->selectAll();
    type(ground, "3x0-0");
    EXPECT_EQ(ground->text(), "255") << "300 is cut to the bound";
    EXPECT_EQ(static_cast<unsigned char>(m.window.WorldCanvas1->GetEarths(1)[2]), 255);
    QLineEdit* object = m.window.txtLevel[1];
    object->setFocus();
    object->selectAll();
    type(object, "70000");
    EXPECT_EQ(object->text(), "65535");
    EXPECT_EQ(m.object(2, 1), 65535);
    key(object, Qt::Key_Backspace);
    EXPECT_EQ(object->text(), "65535") << "backspace is refused";
    object->clear();
    key(object, Qt::Key_Delete);
    EXPECT_EQ(m.object(2, 1), 65535) << "an empty box writes nothing";
}

TEST(Inspector, ShortcutsInAValueBoxKeepTheirMeaningAndTheBoxWritesNothingAfter) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(4, 2);
    m.choose(1, 1);
    QLineEdit* object = m.window.txtLevel[1];
    type(object, "b");
    EXPECT_TRUE(m.window.chkIsBlock->isChecked());
    EXPECT_EQ(m.block(4, 2), 1);
    EXPECT_EQ(object->text(), "0") << "the letter does not reach the box";
    type(object, " "); // places object 2; the box shows it and writes nothing back
    EXPECT_EQ(m.object(4, 2), 2);
    EXPECT_EQ(object->text(), "2");
    EXPECT_EQ(m.block(5, 2), '1') << "the footprint";
    type(object, "d");
    EXPECT_EQ(m.object(4, 2), 0) << "D in the box removes the object";
    EXPECT_EQ(object->text(), "0");
    type(m.map(), "и");
    EXPECT_FALSE(m.window.chkIsBlock->isChecked());
    EXPECT_EQ(m.block(4, 2), 0);
    type(m.map(), "П");
    EXPECT_EQ(static_cast<unsigned char>(m.window.WorldCanvas1->GetGuards(2)[4]), 1);
    m.window.placeSelectedEntry();
    EXPECT_EQ(m.object(4, 2), 2);
    type(m.map(), "в");
    EXPECT_EQ(m.object(4, 2), 0) << "D removes the object";
    EXPECT_EQ(m.block(5, 2), '1') << "and leaves the blocks";
}

TEST(Inspector, MovingOntoABlockedCellRewritesItsBlockAsOne) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(1, 1);
    m.window.WorldCanvas1->ChangeBloks(1, 2, 7); // byte '7'
    m.clickCell(2, 1);
    EXPECT_TRUE(m.window.chkIsBlock->isChecked());
    EXPECT_EQ(m.block(2, 1), 1);
    m.window.WorldCanvas1->ChangeBloks(1, 3, 1);
    m.clickCell(3, 1); // from one blocked cell to another: nothing changes
    EXPECT_EQ(m.block(3, 1), '1');
}

TEST(Switches, EachLineSetsItsCanvasSwitch) {
    MainWindow m;
    WorldCanvas* canvas = m.window.WorldCanvas1;
    m.window.List1->item(4)->setCheckState(Qt::Checked);
    EXPECT_TRUE(canvas->DrawBlockZone());
    m.window.List1->item(10)->setCheckState(Qt::Checked);
    EXPECT_TRUE(canvas->DrawGuardZone());
    m.window.List1->item(0)->setCheckState(Qt::Checked);
    m.window.List1->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(canvas->DrawEarth());
    m.window.List1->item(8)->setCheckState(Qt::Checked);
    m.window.List1->item(8)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(canvas->DrawOnlyMove());
    EXPECT_TRUE(canvas->Drawing());
    m.window.List1->item(8)->setCheckState(Qt::Checked);
    EXPECT_FALSE(canvas->Drawing());
}

TEST(SaveLocation, WritesTheGridAndConfirms) {
    MainWindow m;
    m.window.openMap("Default");
    m.clickCell(6, 3);
    m.choose(1, 0);
    m.window.placeSelectedEntry();
    m.window.mnuSaveLocation->trigger();
    ASSERT_EQ(m.world.messages.size(), 1u);
    EXPECT_EQ(m.world.messages[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(m.world.messages[0].title, "");
    EXPECT_EQ(m.world.lastText(), "Локация \"main\" успешно сохранена!");
    const std::string saved = m.world.root().read("Maps/Default/main.map");
    ASSERT_EQ(saved.size(), 8u * 8 * 7);
    const std::size_t record = 3 * 64;
    EXPECT_EQ(saved.substr(record + 8 + 12, 2), std::string("\0\1", 2)) << "object 1 at (6, 3)";
    EXPECT_EQ(saved[record + 48 + 6], '1');
    EXPECT_EQ(saved[record + 48 + 7], '1');
}

TEST(SaveLocation, WithoutALoadedLocationNothingIsWrittenAndTheDesignerIsTold) {
    EditorWorld world;
    std::filesystem::remove(world.root().path() / "Maps/Default/main.map");
    frmMain window;
    window.mnuSaveLocation_Click();
    EXPECT_FALSE(std::filesystem::exists(world.root().path() / "Maps/Default/main.map"));
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(world.lastText(), "Локация не загружена: сохранять нечего.");
}

TEST(SaveLocation, AFileThatCannotBeWrittenIsReportedNotAnnounced) {
    MainWindow m;
    m.window.openMap("Default");
    editor::MapFolder() = m.world.root().text() + "Maps\\Gone\\";
    m.window.mnuSaveLocation_Click();
    ASSERT_EQ(m.world.messages.size(), 1u);
    EXPECT_EQ(m.world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(m.world.messages[0].title, "Error");
    EXPECT_NE(m.world.lastText().find("\"main\""), std::string::npos);
}
