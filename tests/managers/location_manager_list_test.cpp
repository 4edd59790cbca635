// The location manager's manage view: the list of the map's locations, their
// notes, going to a location, and what each opening reads afresh.
#include "driving.h"
#include "manager_world.h"

#include "editor/map_folder.h"
#include "managers/frm_manager_location.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

void prepareManageView(frmManagerLocation& window) {
    window.Frame1[0]->setVisible(true);
    window.Frame1[1]->setVisible(false);
}

class LocationList : public testing::Test {
protected:
    ManagerWorld world;
    frmManagerLocation window{&world.mainWindow, *world.canvas};
};

TEST_F(LocationList, ListsTheConfigurationFilesOfTheMapSortedWithoutRegardToCase) {
    world.write("Maps/Mixed/b.config", "");
    world.write("Maps/Mixed/A.config", "");
    world.write("Maps/Mixed/a.b.config", "");
    world.write("Maps/Mixed/c.map", "");
    world.write("Maps/Mixed/D.CONFIG", "");
    editor::MapFolder() = world.appFolder() + "Maps\\Mixed\\";
    QStringList listed;
    whileShown(window, [&] { listed = entries(window.lstLocation); });
    // a.b.config before A.config: "A.B" sorts before "A.CONFIG" letter by letter.
    EXPECT_EQ(listed, (QStringList{"a", "A", "b", "D"}));
}

TEST_F(LocationList, ShowsTheNotesOfTheSelectedLocationAndNothingForOneWithout) {
    world.write("Maps/Default/bare.config", "[CONFIG]\r\nWidth=120\r\nHeight=120\r\n");
    QString mainNotes, bareNotes;
    whileShown(window, [&] {
        EXPECT_EQ(entries(window.lstLocation), (QStringList{"bare", "cave", "main"}));
        clickEntry(window.lstLocation, QString("main"));
        mainNotes = window.tbInfo->toPlainText();
        clickEntry(window.lstLocation, QString("bare"));
        bareNotes = window.tbInfo->toPlainText();
    });
    std::string expected = world.read("Maps/Default/main.inf");
    ASSERT_TRUE(expected.ends_with("\r\n"));
    expected.erase(expected.size() - 2);
    EXPECT_EQ(cp(mainNotes), expected + "\n") << "the closing line break reads as a line break";
    EXPECT_TRUE(bareNotes.isEmpty());
}

TEST_F(LocationList, GoingToALocationLoadsItSetsTheTitleAndCloses) {
    world.openMap("Default");
    ASSERT_EQ(world.canvas->MapWidth(), 120);
    const int result = whileShown(window, [&] {
        prepareManageView(window);
        clickEntry(window.lstLocation, QString("cave"));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - cave"));
    EXPECT_EQ(world.canvas->LocationName(), "cave");
    EXPECT_EQ(world.canvas->MapWidth(), 40) << "cave.config holds Width=40";
    EXPECT_EQ(world.canvas->MapHeight(), 30);
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(LocationList, DoubleClickingALocationGoesThereToo) {
    world.openMap("Default", "cave");
    const int result =
        whileShown(window, [&] { doubleClickEntry(window.lstLocation, QString("main")); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - main"));
}

TEST_F(LocationList, GoingAsksTheMainWindowFirstAndStaysWhenItSaysNo) {
    world.openMap("Default");
    int asked = 0;
    window.setDiscardCheck([&] {
        ++asked;
        return false;
    });
    bool stillOpen = false;
    whileShown(window, [&] {
        clickEntry(window.lstLocation, QString("cave"));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("Редактор карт"));
}

TEST_F(LocationList, GoingWithoutASelectionDoesNothing) {
    bool stillOpen = false;
    whileShown(window, [&] {
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("Редактор карт"));
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(LocationList, AMapWithoutLocationsListsNothingAndGoingDoesNothingHarmful) {
    world.write("Maps/Empty/readme.txt", "no locations here");
    editor::MapFolder() = world.appFolder() + "Maps\\Empty\\";
    int listed = -1;
    bool stillOpen = false;
    whileShown(window, [&] {
        listed = window.lstLocation->count();
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_EQ(listed, 0);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(world.canvas->hasLocation());
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(LocationList, CreateSwitchesToTheCreateViewAndCloseCloses) {
    bool createShown = false, manageHidden = false;
    const int result = whileShown(window, [&] {
        prepareManageView(window);
        QTest::mouseClick(window.Command2, Qt::LeftButton);
        createShown = window.Frame1[1]->isVisible();
        manageHidden = window.Frame1[0]->isHidden();
        QTest::mouseClick(window.Command5, Qt::LeftButton);
    });
    EXPECT_TRUE(createShown);
    EXPECT_TRUE(manageHidden);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(LocationList, EachOpeningReadsTheListsAfreshAndStartsFromTheFirstState) {
    whileShown(window, [&] {
        window.Frame1[0]->setVisible(false);
        window.Frame1[1]->setVisible(true);
        retype(window.txtLocationName, "typed");
        window.txtInfo->setPlainText("notes");
        window.chkRound->setChecked(false);
        QTest::keyClick(window.txtLocationName, Qt::Key_Escape);
    });
    world.write("Maps/Default/added.config", "[CONFIG]\r\nWidth=120\r\nHeight=120\r\n");
    QStringList listed;
    QString name, notes;
    bool round = false;
    whileShown(window, [&] {
        listed = entries(window.lstLocation);
        name = window.txtLocationName->text();
        notes = window.txtInfo->toPlainText();
        round = window.chkRound->isChecked();
    });
    EXPECT_EQ(listed, (QStringList{"added", "cave", "main"}));
    EXPECT_EQ(name, QStringLiteral("new_location"));
    EXPECT_TRUE(notes.isEmpty());
    EXPECT_TRUE(round);
}

} // namespace
