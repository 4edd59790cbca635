// The main window as a workspace: at its first-start size every control has
// its fixed place; a larger window gives its room to the map, and the window
// keeps its size between runs.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/preview_box.h"
#include "editor/window_settings.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using windows_testing::EditorWorld;

namespace {

// Every control of the client area with its place.
std::vector<std::pair<QWidget*, QRect>> places(const frmMain& window) {
    std::vector<std::pair<QWidget*, QRect>> all;
    for (QWidget* w : window.centralWidget()->findChildren<QWidget*>())
        all.emplace_back(w, w->geometry());
    return all;
}

} // namespace

TEST(WindowSize, ALargerWindowGivesItsRoomToTheMapAndTheFirstSizeRestoresEveryPlace) {
    EditorWorld world;
    frmMain window;
    window.show();
    window.openMap("Default");
    ASSERT_EQ(window.centralWidget()->size(), frmMain::firstStartClientSize());
    const auto firstStart = places(window);

    window.setClientSize(QSize(1124, 774)); // 400 wider, 300 taller
    EXPECT_EQ(window.centralWidget()->size(), QSize(1124, 774));
    EXPECT_EQ(window.Frame1[2]->geometry(), QRect(200, 8, 737, 757));
    EXPECT_EQ(window.WorldCanvas1->CanvasCellCountX(), 23) << "720 pixels: 22.5 cells";
    EXPECT_EQ(window.WorldCanvas1->CanvasCellCountY(), 20) << "620 pixels: 19.4 cells";
    EXPECT_EQ(window.WorldCanvas1->mapSurface()->size(), QSize(720, 620));
    EXPECT_EQ(window.WorldCanvas1->picMap().size(), QSize(23 * 32, 20 * 32))
        << "the last, partly visible column and row are drawn";
    EXPECT_EQ(window.tbFileName->geometry(), QRect(8, 660, 185, 19)) << "below the canvas";
    EXPECT_EQ(window.Command1->geometry(), QRect(200, 724, 129, 25));
    EXPECT_EQ(window.Frame1[3]->geometry(), QRect(944, 8, 177, 173));
    EXPECT_EQ(window.Frame1[4]->geometry(), QRect(944, 184, 177, 581));
    EXPECT_EQ(window.List1->height(), 559);
    EXPECT_EQ(window.Frame1[0]->geometry(), QRect(8, 8, 185, 153)) << "the groups stay";
    EXPECT_EQ(window.lstObjects->height(), 408);
    EXPECT_EQ(window.picPreview->y(), 436);

    // A click in the partly visible last column is a cell like any other.
    QTest::mouseClick(window.WorldCanvas1->mapSurface(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(22 * 32 + 5, 19 * 32 + 5));
    EXPECT_EQ(window.WorldCanvas1->CursorX(), 22);
    EXPECT_EQ(window.WorldCanvas1->CursorY(), 19);
    EXPECT_EQ(window.txtCursorX->text(), "6") << "column 22 of a world 8 wide";

    window.setClientSize(frmMain::firstStartClientSize());
    EXPECT_EQ(places(window), firstStart) << "every control back at its place";
    EXPECT_EQ(window.WorldCanvas1->CanvasCellCountX(), 10);
    EXPECT_EQ(window.WorldCanvas1->CanvasCellCountY(), 10);
    EXPECT_EQ(window.WorldCanvas1->CursorX(), 9) << "the cursor stays in the view";
    EXPECT_EQ(window.WorldCanvas1->CursorY(), 9);
    EXPECT_EQ(window.txtCursorY->text(), "3") << "and the inspector follows it";
}

TEST(WindowSize, IsKeptBetweenRunsInTheUsersSettings) {
    EditorWorld world;
    const QString file = QString::fromStdString((world.root().path() / "settings.ini").string());
    {
        frmMain window;
        window.show();
        QSettings settings(file, QSettings::IniFormat);
        editor::restoreWindow(window, settings); // nothing saved: the first-start size
        EXPECT_EQ(window.centralWidget()->size(), frmMain::firstStartClientSize());
        window.setClientSize(QSize(1000, 600));
        window.move(40, 30);
        editor::saveWindow(window, settings);
    }
    frmMain window;
    QSettings settings(file, QSettings::IniFormat);
    editor::restoreWindow(window, settings);
    window.show();
    EXPECT_EQ(window.centralWidget()->size(), QSize(1000, 600));
    EXPECT_EQ(window.WorldCanvas1->CanvasCellCountX(), 19) << "596 pixels of map";
    EXPECT_FALSE(editor::settingsFile().startsWith(QString::fromStdString(world.root().text())))
        << "never in the application folder";
}
