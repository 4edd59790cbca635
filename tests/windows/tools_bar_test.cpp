// The tool bar "Инструменты": its tools and what they paint, where it stands,
// and "Курсор" keeping the map's own clicks and drags.

#include "tool_editor.h"

#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

using windows_testing::Layers;
using windows_testing::ToolEditor;

TEST(ToolBar, FiveExclusiveToolsWithTheirShortcutsAndWhatToPaint) {
    ToolEditor e;
    QToolBar* bar = e.window.findChild<QToolBar*>("tbTools");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->windowTitle(), "Инструменты");
    const QAction* tools[] = {e.window.actCursorTool, e.window.actBrushTool,
                              e.window.actRectangleTool, e.window.actFillTool,
                              e.window.actSelectionTool};
    const char* captions[] = {"Курсор", "Кисть", "Прямоугольник", "Заливка", "Выделение"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tools[i]->text(), captions[i]);
        EXPECT_TRUE(tools[i]->isCheckable());
        EXPECT_EQ(tools[i]->toolTip(), QString("%1 (Ctrl+%2)").arg(captions[i]).arg(i + 1));
        auto* button =
            qobject_cast<QToolButton*>(bar->widgetForAction(const_cast<QAction*>(tools[i])));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << captions[i] << ": every tool shows, none hidden";
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon) << "its caption shows";
    }
    EXPECT_TRUE(e.window.actCursorTool->isChecked()) << "the cursor at first";
    EXPECT_EQ(e.canvas.tool(), nullptr);

    // Ctrl+1..Ctrl+5 choose, one at a time.
    for (int i = 4; i >= 0; --i) {
        QTest::keyClick(e.surface(), static_cast<Qt::Key>(Qt::Key_1 + i), Qt::ControlModifier);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(tools[j]->isChecked(), i == j) << "after Ctrl+" << i + 1;
        EXPECT_EQ(e.canvas.tool() == nullptr, i == 0);
    }

    QComboBox* what = e.window.cboPaintTarget;
    EXPECT_EQ(what->accessibleName(), "Что рисовать");
    ASSERT_EQ(what->count(), 3);
    EXPECT_EQ(what->itemText(0), "Выбранный объект");
    EXPECT_EQ(what->itemText(1), "Путь закрыт");
    EXPECT_EQ(what->itemText(2), "Охранная зона");
    EXPECT_EQ(what->currentIndex(), 0);
    EXPECT_TRUE(what->isVisible());
}

TEST(ToolBar, StandsAboveTheClientAreaWhoseControlsKeepTheirPlaces) {
    ToolEditor e;
    EXPECT_EQ(e.window.toolBarArea(e.window.tbTools), Qt::TopToolBarArea);
    EXPECT_EQ(e.window.centralWidget()->size(), frmMain::firstStartClientSize());
    EXPECT_EQ(e.window.width(), frmMain::firstStartClientSize().width())
        << "the bar needs no more width than the controls";
    EXPECT_LE(e.window.tbTools->geometry().bottom(), e.window.centralWidget()->geometry().top());
    EXPECT_EQ(e.window.Frame1[2]->geometry(), QRect(200, 8, 337, 457));
    EXPECT_EQ(e.canvas.mapSurface()->mapTo(e.window.centralWidget(), QPoint(0, 0)),
              QPoint(210, 26));
    // What a designer sees: the bar's captions drawn in the window's picture.
    if (const QByteArray shot = qgetenv("MAPEDIT_TOOLS_SCREENSHOT"); !shot.isEmpty())
        e.window.grab().save(QString::fromLocal8Bit(shot));
}

TEST(ToolBar, TheCursorToolClicksAndDragsAsBeforeAndWritesNothing) {
    ToolEditor e;
    const Layers before = e.layers();
    e.window.actBrushTool->trigger();
    e.window.actCursorTool->trigger();
    e.click(QPoint(3, 2));
    EXPECT_EQ(e.canvas.CursorX(), 3);
    EXPECT_EQ(e.canvas.CursorY(), 2);
    EXPECT_EQ(e.window.txtCursorX->text(), "3");
    // A left drag scrolls the world: the cursor's cell follows the mouse.
    e.press(QPoint(3, 2));
    e.moveTo(QPoint(5, 3));
    e.release(QPoint(5, 3));
    EXPECT_EQ(e.canvas.CurrentPositionX(), 2);
    EXPECT_EQ(e.canvas.CurrentPositionY(), 1);
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.steps().count(), 0);

    // With a painting tool the same drag paints and scrolls nothing.
    e.window.actBrushTool->trigger();
    e.paintTarget(1);
    e.drag({QPoint(3, 2), QPoint(5, 2)});
    EXPECT_EQ(e.canvas.CurrentPositionX(), 2);
    EXPECT_EQ(e.canvas.CurrentPositionY(), 1);
    EXPECT_EQ(e.steps().count(), 1);
}
