// The region commands' shortcuts, their enabled states, and selecting all or
// nothing: keys reach the window from the map, while a value box with the
// focus keeps its own editing keys.

#include "editor/cell_clipboard.h"
#include "region_editing.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

using model::Layer;
using windows_testing::marker;
using windows_testing::RegionEditing;

namespace {

bool selected(const RegionEditing& e, int x, int y, int width, int height) {
    const auto& s = e.document.selection();
    return s && s->x == x && s->y == y && s->width == width && s->height == height;
}

} // namespace

TEST(RegionKeys, SelectAllAndClearFromTheKeyboard) {
    RegionEditing e;
    e.canvas->mapSurface()->setFocus();
    QTest::keyClick(&e.window, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(selected(e, 0, 0, 8, 6));
    QTest::keyClick(&e.window, Qt::Key_Escape);
    EXPECT_FALSE(e.document.selection().has_value());
    e.window.mnuSelectAll->trigger();
    e.window.mnuSelectNone->trigger();
    EXPECT_FALSE(e.document.selection().has_value());
}

TEST(RegionKeys, CommandsNeedASelectionAndALayerAndPasteNeedsCells) {
    RegionEditing e;
    const auto enabled = [&] {
        return std::vector<bool>{e.window.mnuCut->isEnabled(), e.window.mnuCopy->isEnabled(),
                                 e.window.mnuDelete->isEnabled(),
                                 e.window.mnuSelectNone->isEnabled()};
    };
    EXPECT_EQ(enabled(), std::vector<bool>(4, false));
    EXPECT_TRUE(e.window.mnuSelectAll->isEnabled());
    EXPECT_FALSE(e.window.mnuPaste->isEnabled()) << "the clipboard is empty";

    const auto before = e.layers();
    e.canvas->mapSurface()->setFocus();
    QTest::keyClick(&e.window, Qt::Key_Delete);
    QTest::keyClick(&e.window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(e.layers(), before) << "nothing to delete without a selection";
    EXPECT_EQ(e.stack().count(), 0);

    e.select(2, 2, 1, 1);
    EXPECT_EQ(enabled(), std::vector<bool>(4, true));
    e.chooseLayers({});
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, true})) << "no layer chosen";
    e.chooseLayers({Layer::Guards});
    EXPECT_EQ(enabled(), std::vector<bool>(4, true));

    QGuiApplication::clipboard()->setText("12");
    EXPECT_FALSE(e.window.mnuPaste->isEnabled()) << "text alone holds no cells";
    QTest::keyClick(&e.window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(e.window.mnuPaste->isEnabled());
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(e.window.mnuPaste->isEnabled());

    e.window.goToLocation("main"); // a new grid goes without a selection
    EXPECT_EQ(enabled(), std::vector<bool>(4, false));
}

TEST(RegionKeys, EachShortcutReachesItsCommandFromTheMap) {
    RegionEditing e;
    e.canvas->mapSurface()->setFocus();
    e.chooseLayers({Layer::Earths});
    e.select(0, 0, 2, 1);
    QTest::keyClick(&e.window, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(editor::cellsOnClipboard().has_value());
    EXPECT_EQ(editor::cellsOnClipboard()->value(Layer::Earths, 1, 0), marker(Layer::Earths, 1, 0));

    e.moveCursor(7, 3);
    QTest::keyClick(&e.window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.value(Layer::Earths, 7, 3), marker(Layer::Earths, 0, 0));
    EXPECT_EQ(e.value(Layer::Earths, 0, 3), marker(Layer::Earths, 1, 0)) << "wrapped";
    EXPECT_TRUE(selected(e, 7, 3, 2, 1));

    QTest::keyClick(&e.window, Qt::Key_Delete);
    EXPECT_EQ(e.value(Layer::Earths, 7, 3), 0);
    EXPECT_EQ(e.value(Layer::Earths, 0, 3), 0);
    EXPECT_EQ(e.stack().undoText(), "Удалить");

    e.select(4, 4, 1, 1);
    QTest::keyClick(&e.window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(e.value(Layer::Earths, 4, 4), 0);
    EXPECT_EQ(editor::cellsOnClipboard()->value(Layer::Earths, 0, 0), marker(Layer::Earths, 4, 4));
    EXPECT_EQ(e.stack().undoText(), "Вырезать");
    EXPECT_EQ(e.stack().count(), 3) << "paste, delete, cut";
    EXPECT_EQ(e.value(Layer::Objects, 4, 4), marker(Layer::Objects, 4, 4)) << "not chosen";
}

TEST(RegionKeys, AFocusedValueBoxKeepsItsEditingKeys) {
    RegionEditing e;
    e.select(0, 0, 3, 3);
    const auto before = e.layers();
    const auto cellsUntouched = [&] {
        const auto now = e.layers();
        EXPECT_EQ(e.stack().count(), 0);
        return now == before;
    };

    QLineEdit* ground = e.window.txtLevel[0]; // shows the cursor cell (0, 0)
    const QString shown = QString::number(marker(Layer::Earths, 0, 0));
    ASSERT_EQ(ground->text(), shown);
    ground->setFocus();
    QTest::keyClick(ground, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ground->selectedText(), shown);
    QTest::keyClick(ground, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
    EXPECT_FALSE(editor::clipboardOffersCells()) << "the box's text, not the cells";
    QTest::keyClick(ground, Qt::Key_Escape);
    EXPECT_TRUE(selected(e, 0, 0, 3, 3)) << "Escape stays with the box";
    EXPECT_TRUE(cellsUntouched());

    // Cells on the clipboard do not get pasted from a box, even a read-only one.
    e.window.mnuCopy->trigger();
    QLineEdit* action = e.window.txtLevel[3];
    ASSERT_TRUE(action->isReadOnly());
    action->setFocus();
    QTest::keyClick(action, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(action, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(action, Qt::Key_Delete);
    EXPECT_TRUE(cellsUntouched());
    EXPECT_TRUE(selected(e, 0, 0, 3, 3));

    // In the ground box the keys edit its text, and only that reaches the cell.
    QGuiApplication::clipboard()->setText("7");
    ground->setFocus();
    ground->selectAll();
    QTest::keyClick(ground, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ground->text(), "7");
    EXPECT_EQ(e.value(Layer::Earths, 0, 0), 7);
    ground->setCursorPosition(0);
    QTest::keyClick(ground, Qt::Key_Delete);
    EXPECT_EQ(ground->text(), "");
    EXPECT_EQ(e.value(Layer::Earths, 1, 1), marker(Layer::Earths, 1, 1)) << "not deleted";
    EXPECT_EQ(e.stack().count(), 1) << "only the box's own write";
}

TEST(RegionKeys, TheEditMenuListsTheRegionCommandsAndTheLayers) {
    RegionEditing e;
    QStringList entries;
    for (const QAction* action : e.window.mnuEdit->actions())
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : action->text() + " " +
                              action->shortcut().toString(QKeySequence::PortableText));
    EXPECT_EQ(entries, (QStringList{"Отменить Ctrl+Z", "Повторить Ctrl+Y", "-", "Вырезать Ctrl+X",
                                    "Копировать Ctrl+C", "Вставить Ctrl+V", "Удалить Del", "-",
                                    "Выделить всё Ctrl+A", "Снять выделение Esc", "-", "Слои "}));
    QStringList layers;
    for (const QAction* action : e.window.mnuLayers->actions()) {
        EXPECT_TRUE(action->isCheckable() && action->isChecked()) << action->text().toStdString();
        layers << action->text();
    }
    EXPECT_EQ(layers, (QStringList{"Земля", "Объекты", "Предметы", "Действия", "Путь закрыт",
                                   "Охранная зона"}));
}
