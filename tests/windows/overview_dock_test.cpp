// The overview beside the main window: hidden at a first start, shown with
// "Вид" > "Обзор", following loads, edits and the view, and moving the view
// where the designer clicks.

#include "canvas/location_overview.h"
#include "canvas/overview_widget.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/window_settings.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QDockWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using windows_testing::EditorWorld;

TEST(OverviewDock, IsHiddenAtFirstAndFollowsTheLocationOnceShown) {
    EditorWorld world;
    world.writeLocation("wide", 40, 12);
    frmMain window;
    window.show();
    window.openMap("Default");
    EXPECT_TRUE(window.dockOverview->isHidden()) << "the first start is as it always was";
    EXPECT_EQ(window.centralWidget()->size(), frmMain::firstStartClientSize());
    EXPECT_EQ(window.mnuOverview->text(), "Обзор");
    EXPECT_EQ(window.mnuOverview->shortcut(), QKeySequence("Ctrl+M"));
    EXPECT_EQ(window.wndOverview->accessibleName(), "Обзор");

    window.mnuOverview->trigger();
    ASSERT_TRUE(window.dockOverview->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.wndOverview->showsBuilding(); }));
    EXPECT_EQ(window.wndOverview->viewCells(), QRect(0, 0, 10, 10));

    window.goToLocation("wide");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.wndOverview->showsBuilding(); }));
    QTest::keyClick(window.WorldCanvas1->mapSurface(), Qt::Key_Right);
    EXPECT_EQ(window.wndOverview->viewCells(), QRect(1, 0, 10, 10)) << "the view moved";

    // A click in the overview brings that cell to the view's centre.
    QSignalSpy chosen(window.wndOverview, &canvas::OverviewWidget::cellChosen);
    const QRect cell30 = window.wndOverview->placement().pixelsOf(QRect(30, 6, 1, 1));
    QTest::mouseClick(window.wndOverview, Qt::LeftButton, Qt::NoModifier, cell30.center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toPoint(), QPoint(30, 6));
    EXPECT_EQ(window.WorldCanvas1->viewCells(), QRect(25, 1, 10, 10)) << "(30, 6) at the centre";
    EXPECT_EQ(window.wndOverview->viewCells(), QRect(25, 1, 10, 10));
}

TEST(OverviewDock, ItsVisibilityIsKeptBetweenRuns) {
    EditorWorld world;
    const QString file = QString::fromStdString((world.root().path() / "settings.ini").string());
    {
        frmMain window;
        window.show();
        window.mnuOverview->trigger();
        QSettings settings(file, QSettings::IniFormat);
        window.close();
        editor::saveWindow(window, settings);
    }
    frmMain window;
    QSettings settings(file, QSettings::IniFormat);
    editor::restoreWindow(window, settings);
    window.show();
    EXPECT_TRUE(window.dockOverview->isVisible());
}
