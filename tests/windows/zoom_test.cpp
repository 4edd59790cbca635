// Zooming the map view from the main window: the menu and its keys, Ctrl +
// wheel around the mouse, cells and clicks at every level, and the zoom kept
// between runs.

#include "canvas/frm_full_screen.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/window_settings.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>

using windows_testing::EditorWorld;

namespace {

struct Zooming {
    EditorWorld world;
    frmMain window;

    Zooming() {
        world.writeLocation("wide", 200, 150);
        window.show();
        window.openMap("Default");
        window.goToLocation("wide");
    }
    WorldCanvas& canvas() { return *window.WorldCanvas1; }
    void ctrlWheel(QPointF at, int angle) {
        QWheelEvent event(at, canvas().mapSurface()->mapToGlobal(at), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas().mapSurface(), &event);
    }
};

} // namespace

TEST(Zoom, TheViewMenuStepsThroughTheLevelsAndCellsStayCells) {
    Zooming z;
    EXPECT_EQ(z.window.mnuZoomIn->text(), "Крупнее");
    EXPECT_EQ(z.window.mnuZoomIn->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}));
    EXPECT_EQ(z.window.mnuZoomOut->shortcut(), QKeySequence("Ctrl+-"));
    EXPECT_EQ(z.window.mnuZoomNormal->text(), "Обычный масштаб");
    EXPECT_EQ(z.window.mnuZoomNormal->shortcut(), QKeySequence("Ctrl+0"));
    EXPECT_EQ(z.canvas().Zoom(), 32);

    std::vector<int> levels;
    for (int i = 0; i < 4; ++i) {
        z.window.mnuZoomOut->trigger();
        levels.push_back(z.canvas().Zoom());
    }
    EXPECT_EQ(levels, (std::vector<int>{16, 8, 4, 4})) << "4 is the smallest";
    EXPECT_EQ(z.canvas().CanvasCellCountX(), 80) << "320 pixels of 4-pixel cells";
    EXPECT_EQ(z.canvas().mapSurface()->size(), QSize(320, 320)) << "the canvas keeps its size";
    EXPECT_EQ(z.canvas().CellWidth(), 32) << "the cell-size property keeps its meaning";

    // A click at 4 pixels a cell puts the cursor on the cell under it.
    QTest::mouseClick(z.canvas().mapSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(61, 9));
    EXPECT_EQ(z.canvas().CursorX(), 15);
    EXPECT_EQ(z.canvas().CursorY(), 2);
    EXPECT_EQ(z.window.txtCursorX->text(),
              QString::number((z.canvas().CurrentPositionX() + 15) % 200));

    for (int i = 0; i < 6; ++i)
        z.window.mnuZoomIn->trigger();
    EXPECT_EQ(z.canvas().Zoom(), 64) << "64 is the largest";
    EXPECT_EQ(z.canvas().CanvasCellCountX(), 5);
    z.window.mnuZoomNormal->trigger();
    EXPECT_EQ(z.canvas().Zoom(), 32);
    EXPECT_EQ(z.canvas().CanvasCellCountX(), 10);
    EXPECT_EQ(z.canvas().picMap().size(), QSize(320, 320));
}

TEST(Zoom, CtrlWheelKeepsTheCellUnderTheMouseWhereItWas) {
    Zooming z;
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(z.canvas().mapSurface(), Qt::Key_Right);
    for (const QPointF at : {QPointF(200, 120), QPointF(13, 301), QPointF(319, 2)}) {
        for (const int notches : {-1, -1, 2, 1, -1}) {
            const auto before = z.canvas().worldCellAt(at);
            const int zoom = z.canvas().Zoom();
            z.ctrlWheel(at, 120 * notches);
            EXPECT_NE(z.canvas().Zoom(), zoom);
            EXPECT_EQ(z.canvas().worldCellAt(at), before)
                << "at " << at.x() << "," << at.y() << " from zoom " << zoom;
        }
    }
}

TEST(Zoom, TheFullScreenCopyAndTheNextRunKeepTheZoom) {
    EditorWorld world;
    const QString file = QString::fromStdString((world.root().path() / "settings.ini").string());
    {
        frmMain window;
        window.show();
        window.openMap("Default");
        window.mnuZoomOut->trigger();
        frmFullScreen::setScreenArea([](const QWidget*) { return QRect(0, 0, 1024, 768); });
        frmFullScreen view(&window, *window.WorldCanvas1);
        frmFullScreen::setScreenArea(nullptr);
        EXPECT_EQ(view.WorldCanvas1()->Zoom(), 16);
        EXPECT_EQ(view.WorldCanvas1()->CanvasCellCountX(), 64) << "1024 pixels of 16-pixel cells";
        QSettings settings(file, QSettings::IniFormat);
        editor::saveWindow(window, settings);
    }
    frmMain window;
    QSettings settings(file, QSettings::IniFormat);
    editor::restoreWindow(window, settings);
    EXPECT_EQ(window.WorldCanvas1->Zoom(), 16);
}
