// Undo and redo of every kind of edit, the unsaved-edits mark and the
// question before edits would be thrown away.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <set>
#include <utility>

using windows_testing::EditorWorld;

namespace {

struct Editing {
    EditorWorld world;
    frmMain window;
    WorldCanvas* canvas = window.WorldCanvas1;

    Editing() {
        window.show();
        QApplication::setActiveWindow(&window);
        window.openMap("Default");
    }
    void clickCell(int column, int row) {
        QTest::mouseClick(canvas->mapSurface(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(column * 32 + 5, row * 32 + 5));
    }
    void typeKey(QWidget* widget, const QString& text) {
        widget->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &release);
    }
    // Every byte of every layer.
    std::vector<model::LocationGrid::Rows> layers() const {
        std::vector<model::LocationGrid::Rows> all;
        for (model::Layer layer : model::kAllLayers)
            all.push_back(canvas->grid().layerRows(layer));
        return all;
    }
    void undo() { window.mnuUndo->trigger(); }
    void redo() { window.mnuRedo->trigger(); }
    // Answers the next questions with `answer` and counts them.
    int questions = 0;
    ui::MessageAnswer answer = ui::MessageAnswer::Cancel;
    std::unique_ptr<ui::MessageHandlerScope> answering =
        std::make_unique<ui::MessageHandlerScope>([this](const ui::Message& m) {
            world.messages.push_back(m);
            if (m.buttons == ui::MessageButtons::YesNoCancel) {
                ++questions;
                return answer;
            }
            return ui::MessageAnswer::Ok;
        });
};

} // namespace

TEST(Undo, APlacementWithItsWrappedFootprintIsOneStep) {
    Editing e;
    const auto before = e.layers();
    e.clickCell(7, 5); // last column, last drawn row: the footprint wraps both ways
    e.window.lstGroups->setCurrentRow(1);
    e.window.lstObjects->setCurrentRow(0); // "110, 010"
    e.window.placeSelectedEntry();
    const auto placed = e.layers();
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetBlocks(0)[0]), '1') << "wrapped cell";
    EXPECT_EQ(e.window.mnuUndo->text(), "Отменить: Размещение «Дом»");
    e.undo();
    EXPECT_EQ(e.layers(), before);
    EXPECT_FALSE(e.window.mnuUndo->isEnabled());
    EXPECT_EQ(e.window.mnuRedo->text(), "Повторить: Размещение «Дом»");
    e.redo();
    EXPECT_EQ(e.layers(), placed);
}

namespace {

// The cells whose bytes differ between two copies of the layers.
std::set<std::pair<int, int>> differingCells(const std::vector<model::LocationGrid::Rows>& a,
                                             const std::vector<model::LocationGrid::Rows>& b) {
    std::set<std::pair<int, int>> cells;
    for (std::size_t l = 0; l < a.size(); ++l) {
        const int width = model::bytesPerCell(model::kAllLayers[l]);
        for (std::size_t y = 0; y < a[l].size(); ++y)
            for (std::size_t i = 0; i < a[l][y].size(); ++i)
                if (a[l][y][i] != b[l][y][i])
                    cells.insert({static_cast<int>(i) / width, static_cast<int>(y)});
    }
    return cells;
}

} // namespace

TEST(Undo, AnUndoOrRedoIsAnnouncedOnceCoveringEveryCellItPutBack) {
    Editing e;
    const auto before = e.layers();
    e.clickCell(7, 5);
    e.window.lstGroups->setCurrentRow(1);
    e.window.lstObjects->setCurrentRow(0);
    e.window.placeSelectedEntry();
    const auto changed = differingCells(before, e.layers());
    ASSERT_GT(changed.size(), 1u);

    QSignalSpy told(&e.window.locationDocument(), &document::LocationDocument::cellsChanged);
    const auto coversAll = [&] {
        const QRect cells = told.at(0).at(0).toRect();
        for (const auto& [x, y] : changed)
            if (!cells.contains(x, y))
                return false;
        return true;
    };
    e.undo();
    ASSERT_EQ(told.count(), 1) << "one announcement for the whole step";
    EXPECT_TRUE(coversAll());
    told.clear();
    e.redo();
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(coversAll());
}

TEST(Undo, ValueBoxesCheckBoxesAndTheDeleteKey) {
    Editing e;
    const auto start = e.layers();
    e.clickCell(2, 2);
    QLineEdit* ground = e.window.txtLevel[0];
    ground->setFocus();
    ground->selectAll();
    e.typeKey(ground, "9");
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetEarths(2)[2]), 9);
    e.typeKey(e.canvas->mapSurface(), "b");
    e.typeKey(e.canvas->mapSurface(), "g");
    e.canvas->setCurrentObject(5);
    e.typeKey(e.canvas->mapSurface(), "d");
    EXPECT_EQ(e.window.history().stack().count(), 5);
    e.undo(); // the object comes back
    EXPECT_EQ(e.canvas->grid().cellValue(model::Layer::Objects, 2, 2), 5);
    EXPECT_EQ(e.window.txtLevel[1]->text(), "5") << "the inspector shows the cell again";
    e.undo();
    e.undo(); // the guard zone
    EXPECT_FALSE(e.window.chkIsGuardZone->isChecked());
    EXPECT_EQ(e.window.history().stack().count(), 5) << "showing a cell writes nothing";
    e.undo();
    e.undo();
    EXPECT_EQ(e.layers(), start);
    EXPECT_EQ(e.window.txtLevel[0]->text(), "0");
}

TEST(Undo, TheBlockWriteBackOfACursorMoveIsAStep) {
    Editing e;
    e.canvas->setCurrentObject(0); // cell (0, 0): unchanged, so no step
    e.canvas->ChangeBloks(3, 4, 7);
    e.window.history().stack().clear();
    e.clickCell(4, 3);
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetBlocks(3)[4]), 1);
    ASSERT_EQ(e.window.history().stack().count(), 1);
    e.undo();
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetBlocks(3)[4]), '7');
}

TEST(Undo, AnActionAttachedThroughTheCanvasIsAStepOfItsOwn) {
    Editing e;
    e.clickCell(1, 1);
    e.canvas->setCurrentDoor(3);
    EXPECT_EQ(e.window.mnuUndo->text(), "Отменить: Действие");
    e.undo();
    EXPECT_EQ(e.canvas->grid().cellValue(model::Layer::Doors, 1, 1), 0);
    EXPECT_EQ(e.window.txtLevel[3]->text(), "0");
}

TEST(Undo, ALongHistoryGoesAllTheWayBackAndForth) {
    Editing e;
    const auto start = e.layers();
    for (int i = 0; i < 2000; ++i) {
        e.canvas->setWorldCursorX(static_cast<std::int16_t>(i % 8));
        e.canvas->setWorldCursorY(static_cast<std::int16_t>(i % 6));
        e.canvas->setCurrentEarth(static_cast<std::uint8_t>(i % 251));
    }
    const auto end = e.layers();
    QUndoStack& stack = e.window.history().stack();
    stack.setIndex(0);
    EXPECT_EQ(e.layers(), start);
    stack.setIndex(stack.count());
    EXPECT_EQ(e.layers(), end);
}

TEST(Undo, LoadingALocationStartsAFreshHistory) {
    Editing e;
    e.canvas->setCurrentEarth(4);
    e.answer = ui::MessageAnswer::No;
    e.window.goToLocation("main");
    EXPECT_EQ(e.questions, 1);
    EXPECT_EQ(e.window.history().stack().count(), 0);
    EXPECT_FALSE(e.window.mnuUndo->isEnabled());
    EXPECT_EQ(e.window.mnuUndo->text(), "Отменить") << "nothing to name";
}

TEST(UnsavedEdits, TheTitleIsMarkedUntilSavedOrUndone) {
    Editing e;
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main");
    e.canvas->setCurrentEarth(4);
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main*");
    e.undo();
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main");
    e.redo();
    e.window.mnuSaveLocation_Click();
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main");
    e.undo();
    EXPECT_EQ(e.window.windowTitle(), "[Default] - Main*") << "undone past the save";
}

TEST(UnsavedEdits, ClosingAsksAndFollowsTheAnswer) {
    Editing e;
    e.canvas->setCurrentEarth(6);
    e.answer = ui::MessageAnswer::Cancel;
    EXPECT_FALSE(e.window.close());
    ASSERT_EQ(e.questions, 1);
    EXPECT_EQ(e.world.lastText(), "Сохранить изменения в локации \"main\"?");
    e.answer = ui::MessageAnswer::Yes;
    EXPECT_TRUE(e.window.close());
    EXPECT_EQ(e.world.root().read("Maps/Default/main.map")[0], 6) << "saved before closing";
}

TEST(UnsavedEdits, OpeningAMapCanBeCancelledOrGoOnWithoutSaving) {
    Editing e;
    e.canvas->setCurrentEarth(6);
    e.answer = ui::MessageAnswer::Cancel;
    e.window.openMap("Default");
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetEarths(0)[0]), 6) << "nothing reloaded";
    e.answer = ui::MessageAnswer::No;
    e.window.openMap("Default");
    EXPECT_EQ(static_cast<unsigned char>(e.canvas->GetEarths(0)[0]), 1) << "reloaded from file";
    EXPECT_EQ(e.world.root().read("Maps/Default/main.map")[0], 1) << "and not saved";
    EXPECT_EQ(e.questions, 2);
}

TEST(UnsavedEdits, NothingIsAskedWithoutEdits) {
    Editing e;
    e.window.goToLocation("main");
    e.window.openMap("Default");
    EXPECT_TRUE(e.window.close());
    EXPECT_EQ(e.questions, 0);
}
