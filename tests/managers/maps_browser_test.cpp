// The maps browser: the entries of "Maps\", and opening one as the editor's
// current map with its resources and its location main.
#include "driving.h"
#include "manager_world.h"

#include "editor/map_folder.h"
#include "managers/frm_maps_browser.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

class MapsBrowser : public testing::Test {
protected:
    ManagerWorld world;
    frmMapsBrowser window{&world.mainWindow, *world.canvas};
};

TEST_F(MapsBrowser, ListsFoldersAndPlainFilesOfMapsSortedWithoutRegardToCase) {
    world.write("Maps/forest/forest.mpc", "");
    world.write("Maps/readme.txt", "");
    std::filesystem::create_directories(world.root().path() / "Maps" / "alpha");
    QStringList listed;
    whileShown(window, [&] { listed = entries(window.List1); });
    EXPECT_EQ(listed, (QStringList{"alpha", "Default", "forest", "readme.txt"}));
}

TEST_F(MapsBrowser, AMissingMapsFolderListsNothing) {
    std::filesystem::remove_all(world.root().path() / "Maps");
    int listed = -1;
    whileShown(window, [&] { listed = window.List1->count(); });
    EXPECT_EQ(listed, 0);
}

TEST_F(MapsBrowser, OpeningAMapSetsFolderTitleResourcesAndLoadsMain) {
    world.write("Maps/forest/forest.mpc", "");
    const int result = whileShown(window, [&] {
        clickEntry(window.List1, QString("Default"));
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - Main"));
    EXPECT_EQ(editor::MapFolder(), world.appFolder() + "Maps\\Default\\");
    EXPECT_EQ(world.canvas->MapPath(), "Default");
    EXPECT_GT(world.canvas->catalogues().earthBufferCount(), 1);
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.canvas->MapWidth(), 120);
    EXPECT_TRUE(world.canvas->hasLocation());
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(MapsBrowser, DoubleClickingANameOpensIt) {
    world.write("Maps/forest/main.config", "[CONFIG]\r\nWidth=3\r\nHeight=2\r\n");
    world.write("Maps/forest/main.map", std::string(8 * 3 * 3, '\0'));
    const int result =
        whileShown(window, [&] { doubleClickEntry(window.List1, QString("forest")); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[forest] - Main"));
    EXPECT_EQ(editor::MapFolder(), world.appFolder() + "Maps\\forest\\");
    EXPECT_EQ(world.canvas->MapWidth(), 3);
}

TEST_F(MapsBrowser, OpeningAsksTheMainWindowFirstAndStaysWhenItSaysNo) {
    const std::string folderBefore = editor::MapFolder();
    window.setDiscardCheck([] { return false; });
    bool stillOpen = false;
    whileShown(window, [&] {
        clickEntry(window.List1, QString("Default"));
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(editor::MapFolder(), folderBefore);
    EXPECT_EQ(world.canvas->MapPath(), "");
    EXPECT_FALSE(world.canvas->hasLocation());
}

TEST_F(MapsBrowser, AMapWithoutMainIsStillOpenedAndTheLoaderReportsIt) {
    world.write("Maps/bare/notes.txt", "");
    const int result = whileShown(window, [&] {
        clickEntry(window.List1, QString("bare"));
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(editor::MapFolder(), world.appFolder() + "Maps\\bare\\");
    EXPECT_EQ(world.canvas->MapPath(), "bare");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
}

TEST_F(MapsBrowser, ResourcesThatCannotBeLoadedAreReportedNamingTheFile) {
    world.write("Resources/level0.ini", "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=gone.bmp\r\n");
    whileShown(window, [&] {
        clickEntry(window.List1, QString("Default"));
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    });
    ASSERT_GE(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
    EXPECT_NE(world.messages[0].text.find("gone.bmp"), std::string::npos);
    EXPECT_EQ(world.canvas->LocationName(), "main") << "the location is loaded all the same";
}

TEST_F(MapsBrowser, EachOpeningListsTheMapsAfresh) {
    QStringList first, second;
    whileShown(window, [&] { first = entries(window.List1); });
    world.write("Maps/later/later.mpc", "");
    whileShown(window, [&] { second = entries(window.List1); });
    EXPECT_EQ(first, (QStringList{"Default"}));
    EXPECT_EQ(second, (QStringList{"Default", "later"}));
}

} // namespace
