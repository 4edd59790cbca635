// The map manager: the new map's folder and description file, the editor's
// current map afterwards, the first location "main" through the location
// manager, and the names and folders it refuses.
#include "driving.h"
#include "manager_world.h"

#include "editor/map_folder.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"
#include "managers/map_creation.h"
#include "test_support/byte_difference.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;
using testing_support::sameBytes;

namespace {

// How the location manager looked when the map manager opened it.
struct FirstLocationView {
    bool shown = false;
    bool createView = false;
    QString name;
    bool nameEnabled = true;
    bool cancelEnabled = true;
};

class MapManager : public testing::Test {
protected:
    MapManager() {
        window.setLocationManager([this]() -> frmManagerLocation& { return locations; });
    }

    // Shows the map manager, runs `fill`, presses "Создать"; the location
    // manager, if it opens, is looked at and then `inLocations` runs in it
    // (by default it presses "Создать" there).
    int createMap(const std::function<void()>& fill, std::function<void()> inLocations = nullptr) {
        if (!inLocations)
            inLocations = [this] { QTest::mouseClick(locations.Command4, Qt::LeftButton); };
        return whileShown(window, [&] {
            fill();
            QTimer::singleShot(0, &locations, [&] {
                if (!locations.isVisible())
                    return;
                view.shown = true;
                view.createView =
                    locations.Frame1[1]->isVisible() && locations.Frame1[0]->isHidden();
                view.name = locations.txtLocationName->text();
                view.nameEnabled = locations.txtLocationName->isEnabled();
                view.cancelEnabled = locations.Command5->isEnabled();
                inLocations();
            });
            QTest::mouseClick(window.cmdCreat, Qt::LeftButton);
            stayedOpen = window.isVisible();
        });
    }

    ManagerWorld world;
    frmManagerLocation locations{&world.mainWindow, *world.canvas};
    frmMapManager window{&world.mainWindow, *world.canvas};
    FirstLocationView view;
    bool stayedOpen = false;
};

TEST_F(MapManager, CreatesTheFolderAndDescriptionThenTheFirstLocationMain) {
    const int result = createMap([&] { retype(window.txtMapName, "forest"); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(sameBytes(world.read("Maps/forest/forest.mpc"),
                          "[CONFIG]\r\nResources=Resources\r\nDescription=\r\nAuthor=\r\n"
                          "Contacts=\r\n"));
    EXPECT_TRUE(view.shown);
    EXPECT_TRUE(view.createView);
    EXPECT_EQ(view.name, "main");
    EXPECT_FALSE(view.nameEnabled);
    EXPECT_FALSE(view.cancelEnabled);

    EXPECT_EQ(editor::MapFolder(), world.appFolder() + "Maps\\forest\\");
    EXPECT_EQ(world.canvas->MapPath(), "forest");
    EXPECT_EQ(world.canvas->ResourcesPath(), "Resources");
    EXPECT_GT(world.canvas->catalogues().earthBufferCount(), 1) << "the resources are loaded";
    EXPECT_TRUE(world.exists("Maps/forest/main.map"));
    EXPECT_TRUE(world.exists("Maps/forest/main.config"));
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[forest] - main"));
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(MapManager, WritesEveryFieldAndADescriptionOfSeveralLinesAsOneLine) {
    createMap([&] {
        retype(window.txtMapName, "hills");
        window.chkEditResource->setChecked(true);
        retype(window.txtResources, "HillArt");
        window.txtDescription->setFocus();
        typeText(window.txtDescription, "a");
        QTest::keyClick(window.txtDescription, Qt::Key_Return);
        typeText(window.txtDescription, "b");
        QTest::keyClick(window.txtDescription, Qt::Key_Return);
        typeText(window.txtDescription, "Холмы");
        retype(window.txtAuthor, "Пётр");
        retype(window.txtContacts, "p@example.org");
    });
    EXPECT_TRUE(sameBytes(world.read("Maps/hills/hills.mpc"),
                          ru("[CONFIG]\r\nResources=HillArt\r\nDescription=a b Холмы\r\n"
                             "Author=Пётр\r\nContacts=p@example.org\r\n")));
    EXPECT_EQ(world.canvas->ResourcesPath(), "HillArt");
    // The map's own resource folder does not exist: that is reported.
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
    EXPECT_NE(world.messages[0].text.find("level0.ini"), std::string::npos);
}

TEST_F(MapManager, TheResourceBoxIsEditableOnlyWhileTheBoxIsTickedAndClearingRestoresIt) {
    EXPECT_FALSE(window.txtResources->isEnabled());
    EXPECT_EQ(window.txtResources->text(), "Resources");
    QTest::mouseClick(window.chkEditResource, Qt::LeftButton);
    EXPECT_TRUE(window.txtResources->isEnabled());
    retype(window.txtResources, "Mine");
    EXPECT_EQ(window.txtResources->text(), "Mine");
    QTest::mouseClick(window.chkEditResource, Qt::LeftButton);
    EXPECT_FALSE(window.txtResources->isEnabled());
    EXPECT_EQ(window.txtResources->text(), "Resources");
}

TEST_F(MapManager, AnExistingMapIsRefusedWithAWarningAndNothingTouched) {
    const auto before = world.snapshot();
    const std::string folderBefore = editor::MapFolder();
    createMap([&] { retype(window.txtMapName, "Default"); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(view.shown);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(world.messages[0].title, ru("Карта уже существует"));
    EXPECT_EQ(world.messages[0].text, ru("К сожалению, карта с таким именем уже существует. "
                                         "Укажите другое имя, и повторите попытку."));
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(editor::MapFolder(), folderBefore);
    EXPECT_EQ(world.canvas->MapPath(), "");
}

TEST_F(MapManager, AnEmptyFolderOfTheNameIsUsedAgain) {
    std::filesystem::create_directories(world.root().path() / "Maps" / "vacant");
    const int result = createMap([&] { retype(window.txtMapName, "vacant"); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(world.messages.empty());
    EXPECT_TRUE(world.exists("Maps/vacant/vacant.mpc"));
    EXPECT_TRUE(world.exists("Maps/vacant/main.map"));
}

TEST_F(MapManager, AFolderThatCannotBeCreatedIsReportedAndTheMapNotMadeCurrent) {
    world.write("Maps/blocked", "a plain file where the folder would go");
    const std::string folderBefore = editor::MapFolder();
    createMap([&] { retype(window.txtMapName, "blocked"); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(view.shown);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_NE(world.messages[0].text.find("blocked"), std::string::npos);
    EXPECT_EQ(editor::MapFolder(), folderBefore);
    EXPECT_EQ(world.canvas->MapPath(), "");
}

TEST_F(MapManager, TheMainWindowIsAskedOnceBeforeAMapIsCreated) {
    int asked = 0;
    const managers::DiscardCheck check = [&] {
        ++asked;
        return asked > 1;
    };
    window.setDiscardCheck(check);
    locations.setDiscardCheck(check);
    const auto before = world.snapshot();
    createMap([&] { retype(window.txtMapName, "asked"); });
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(world.snapshot(), before) << "a no creates nothing";

    createMap([&] { retype(window.txtMapName, "asked"); });
    EXPECT_EQ(asked, 2) << "the first location does not ask again";
    EXPECT_TRUE(world.exists("Maps/asked/main.map"));
    EXPECT_TRUE(static_cast<bool>(locations.discardCheck())) << "and asks again afterwards";
}

TEST_F(MapManager, AnEmptyNameIsRefused) {
    const auto before = world.snapshot();
    createMap([&] { retype(window.txtMapName, ""); });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(world.snapshot(), before);
}

TEST_F(MapManager, ClosingTheLocationManagerWithoutMainKeepsTheMapAndClosesToo) {
    const int result =
        createMap([&] { retype(window.txtMapName, "unfinished"); },
                  [&] { QTest::keyClick(locations.txtNewMapWidth, Qt::Key_Escape); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(stayedOpen);
    EXPECT_TRUE(world.exists("Maps/unfinished/unfinished.mpc"));
    EXPECT_FALSE(world.exists("Maps/unfinished/main.map"));
    EXPECT_EQ(editor::MapFolder(), world.appFolder() + "Maps\\unfinished\\");
}

TEST_F(MapManager, AMapLeftWithoutItsFirstLocationHasNoLocationOnTheCanvas) {
    world.openMap("Default", "cave");
    world.mainWindow.setWindowTitle("[Default] - cave");
    createMap([&] { retype(window.txtMapName, "Test"); },
              [&] { QTest::keyClick(locations.txtNewMapWidth, Qt::Key_Escape); });
    EXPECT_EQ(world.canvas->MapPath(), "Test");
    EXPECT_FALSE(world.canvas->hasLocation()) << "cave's grid is not Test's";
    EXPECT_EQ(world.canvas->MapWidth(), -1);
    EXPECT_EQ(world.canvas->MapHeight(), -1);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Test]"));
    EXPECT_FALSE(world.exists("Maps/Test/cave.map"));
}

TEST_F(MapManager, TextsTheDescriptionCannotHoldAreRefusedAndNothingIsWritten) {
    const auto before = world.snapshot();
    createMap([&] {
        retype(window.txtMapName, "intl");
        window.txtDescription->setPlainText(QStringLiteral("中文 😀 Müller ©"));
        window.txtAuthor->setText(QStringLiteral("Jürgen"));
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(view.shown);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(world.messages[0].text.find(ru("Описание:")), std::string::npos);
    EXPECT_NE(world.messages[0].text.find("U+1F600"), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);

    world.messages.clear();
    createMap([&] {
        retype(window.txtMapName, "intl");
        window.txtDescription->setPlainText(QStringLiteral("Холмы ©"));
        window.txtAuthor->setText(QStringLiteral("Jürgen"));
    });
    ASSERT_EQ(world.messages.size(), 1u) << "the author is checked too";
    EXPECT_NE(world.messages[0].text.find(ru("Автор:")), std::string::npos);
    EXPECT_NE(world.messages[0].text.find("U+00FC"), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);
}

TEST_F(MapManager, ANameTooLongForTheDescriptionFileIsRefused) {
    const auto before = world.snapshot();
    createMap([&] { window.txtMapName->setText(QString(252, 'm')); });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].text.find(ru("слишком длинное")), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);
}

TEST(MapCreation, AFailedDescriptionTakesAwayTheFolderItMade) {
    ManagerWorld world;
    const auto before = world.snapshot();
    managers::NewMap map;
    map.name = std::string(252, 'm'); // the folder fits, its description file does not
    const managers::WriteFailure failure = managers::createMap(map);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure.file.find(".mpc"), std::string::npos);
    EXPECT_FALSE(world.exists("Maps/" + map.name));
    EXPECT_EQ(world.snapshot(), before);
}

TEST_F(MapManager, NewLocationAfterwardsEnablesTheNameAndCancelAgainAndOpensFresh) {
    createMap([&] { retype(window.txtMapName, "second"); });
    // What the main window does for "Новая локация".
    bool nameEnabled = false, cancelEnabled = false;
    QString name;
    whileShown(locations, [&] {
        locations.Frame1[0]->setVisible(false);
        locations.Frame1[1]->setVisible(true);
        locations.txtLocationName->setEnabled(true);
        locations.Command5->setEnabled(true);
        nameEnabled = locations.txtLocationName->isEnabled();
        cancelEnabled = locations.Command5->isEnabled();
        name = locations.txtLocationName->text();
    });
    EXPECT_TRUE(nameEnabled);
    EXPECT_TRUE(cancelEnabled);
    EXPECT_EQ(name, "new_location");
}

} // namespace
