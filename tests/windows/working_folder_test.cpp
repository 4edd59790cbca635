// The start-up note of the folder the editor works in: a passing status-bar
// message that leaves the window and its client area as they are, and gives
// way to the cell under the mouse.

#include "editor/frm_main.h"
#include "editor/language.h"
#include "editor/working_folder.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

using windows_testing::EditorWorld;

TEST(WorkingFolder, TheStatusBarNamesTheFolderForAWhileWithoutMovingAnything) {
    EditorWorld world;
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.size();
    const QRect client = window.centralWidget()->geometry();
    ASSERT_EQ(client.size(), frmMain::firstStartClientSize());

    const QString folder = QString::fromStdString(world.root().path().string());
    editor::showWorkingFolder(window, folder);
    QApplication::processEvents();
    const QString shown = window.statusBar()->currentMessage();
    EXPECT_TRUE(shown.contains(folder)) << shown.toStdString();
    EXPECT_EQ(shown, editor::workingFolderNote(folder));
    EXPECT_FALSE(window.lblMouseCell->isVisible()) << "the note takes the bar while it shows";
    EXPECT_EQ(window.size(), frame);
    EXPECT_EQ(window.centralWidget()->geometry(), client);

    // The note is passing: a cleared message brings the cell field back.
    window.statusBar()->clearMessage();
    QApplication::processEvents();
    EXPECT_TRUE(window.lblMouseCell->isVisible());
    EXPECT_EQ(window.centralWidget()->geometry(), client);
}

TEST(WorkingFolder, TheNoteNamesTheFolderAsGiven) {
    EXPECT_EQ(editor::workingFolderNote("/home/designer/.local/share/mapeditor"),
              QStringLiteral("Папка приложения: /home/designer/.local/share/mapeditor"));
    EXPECT_NE(editor::workingFolderNote("/a"), editor::workingFolderNote("/b"));
}

TEST(WorkingFolder, TheNoteIsInTheInterfaceLanguage) {
    ASSERT_TRUE(editor::applyLanguage(editor::Language::English));
    const QString english = editor::workingFolderNote("/srv/maps 100%");
    editor::applyLanguage(editor::Language::Russian);
    EXPECT_EQ(english, QStringLiteral("Application folder: /srv/maps 100%"));
    EXPECT_EQ(editor::workingFolderNote("/srv/maps 100%"),
              QStringLiteral("Папка приложения: /srv/maps 100%"));
}
