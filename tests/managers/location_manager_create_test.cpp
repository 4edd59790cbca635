// The location manager's create view: the files of a new location down to
// their bytes, the canvas and the title afterwards, and the names, fill tiles
// and folders it refuses.
#include "driving.h"
#include "manager_world.h"

#include "editor/map_folder.h"
#include "managers/frm_manager_location.h"
#include "test_support/byte_difference.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;
using testing_support::sameBytes;

namespace {

// A grid file of a new location: every record holds W ground bytes of the
// fill code, then W x 2 object, W item, W x 2 action, W block and W guard
// bytes, all zero; rows 0 to H.
std::string newGridBytes(int width, int height, unsigned char fill) {
    const std::string record =
        std::string(static_cast<std::size_t>(width), static_cast<char>(fill)) +
        std::string(static_cast<std::size_t>(width) * 7, '\0');
    std::string bytes;
    for (int y = 0; y <= height; ++y)
        bytes += record;
    return bytes;
}

class CreateLocation : public testing::Test {
protected:
    void SetUp() override {
        // The sample world's map is open on its location main.
        world.openMap("Default");
        world.mainWindow.setWindowTitle("[Default] - Main");
    }

    // Opens the create view as "Новая локация" does, runs `inside`, presses
    // "Создать" unless `inside` closed the window, and returns the result.
    int create(const std::function<void()>& inside) {
        return whileShown(window, [&] {
            window.Frame1[0]->setVisible(false);
            window.Frame1[1]->setVisible(true);
            window.txtLocationName->setEnabled(true);
            window.Command5->setEnabled(true);
            inside();
            if (window.isVisible())
                QTest::mouseClick(window.Command4, Qt::LeftButton);
            stayedOpen = window.isVisible();
        });
    }

    ManagerWorld world;
    frmManagerLocation window{&world.mainWindow, *world.canvas};
    bool stayedOpen = false;
};

TEST_F(CreateLocation, WritesGridNotesAndConfigurationOfARoundLocation) {
    const int result = create([&] {
        retype(window.txtLocationName, "cave2");
        retype(window.txtNewMapWidth, "130");
        retype(window.txtNewMapHeight, "121");
        window.cmdFill->setCurrentIndex(3);
        window.txtInfo->setPlainText("x");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/cave2.map"), newGridBytes(130, 121, 3)));
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/cave2.inf"), "x\r\n"));
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/cave2.config"),
                          "[CONFIG]\r\nWidth=130\r\nHeight=121\r\n"));
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(CreateLocation, ALocationThatIsNotRoundGetsRoundOneAndEmptyNotesNoFile) {
    create([&] {
        retype(window.txtLocationName, "flat");
        window.chkRound->setChecked(false);
    });
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/flat.config"),
                          "[CONFIG]\r\nWidth=120\r\nHeight=120\r\nRound=1\r\n"));
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/flat.map"), newGridBytes(120, 120, 0)));
    EXPECT_FALSE(world.exists("Maps/Default/flat.inf"));
}

TEST_F(CreateLocation, NotesOfSeveralLinesAreWrittenWithCrLf) {
    create([&] {
        retype(window.txtLocationName, "lines");
        window.txtInfo->setFocus();
        QTest::keyClicks(window.txtInfo, "a");
        QTest::keyClick(window.txtInfo, Qt::Key_Return);
        QTest::keyClicks(window.txtInfo, "b");
    });
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/lines.inf"), "a\r\nb\r\n"));
}

TEST_F(CreateLocation, TheCanvasTitleAndFieldsFollowTheNewLocation) {
    QSignalSpy changedLocation(world.canvas, &WorldCanvas::ChangeLocation);
    QSignalSpy loaded(world.canvas, &WorldCanvas::MapLoad);
    create([&] {
        retype(window.txtLocationName, "meadow");
        retype(window.txtNewMapWidth, "125");
        window.cmdFill->setCurrentIndex(1);
    });
    EXPECT_EQ(world.canvas->LocationName(), "meadow");
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - meadow"));
    EXPECT_EQ(world.canvas->MapWidth(), 125);
    EXPECT_EQ(world.canvas->MapHeight(), 120);
    EXPECT_EQ(world.canvas->CurrentEarth(), 1) << "the cursor stands on the new grid";
    EXPECT_GE(changedLocation.count(), 1);
    EXPECT_GE(loaded.count(), 1);
}

TEST_F(CreateLocation, AnExistingNameIsRefusedWithAWarningAndNothingWritten) {
    const auto before = world.snapshot();
    create([&] { retype(window.txtLocationName, "main"); });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(world.messages[0].title, ru("Плохое имя"));
    EXPECT_EQ(world.messages[0].text,
              ru("К сожалению, локация с именем \"main\" уже существует. Укажите другие имя и "
                 "повторите попытку."));
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(world.canvas->MapWidth(), 120) << "the canvas keeps main";
    EXPECT_EQ(world.canvas->LocationName(), "main");
}

TEST_F(CreateLocation, CreatingAsksTheMainWindowFirstAndWritesNothingWhenItSaysNo) {
    int asked = 0;
    window.setDiscardCheck([&] {
        ++asked;
        return false;
    });
    const auto before = world.snapshot();
    create([&] { retype(window.txtLocationName, "later"); });
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(world.canvas->LocationName(), "main");

    window.setDiscardCheck([&] {
        ++asked;
        return true;
    });
    create([&] { retype(window.txtLocationName, "later"); });
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(world.exists("Maps/Default/later.map"));
}

TEST_F(CreateLocation, AnEmptyNameIsRefusedWithAWarningAndNothingWritten) {
    const auto before = world.snapshot();
    create([&] { retype(window.txtLocationName, ""); });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(world.messages[0].text.find(ru("имя")), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(world.canvas->LocationName(), "main");
}

TEST_F(CreateLocation, AnEmptyGroundCatalogueLeavesNothingToFillWithAndIsRefused) {
    std::filesystem::remove(world.root().path() / "Resources" / "level0.ini");
    const auto before = world.snapshot();
    int fillEntries = -1;
    create([&] {
        fillEntries = window.cmdFill->count();
        retype(window.txtLocationName, "nofill");
    });
    EXPECT_EQ(fillEntries, 0);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(world.messages[0].text.find("level0.ini"), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);
}

TEST_F(CreateLocation, AFillTileBeyondCode255IsRefused) {
    std::string catalogue = "[DATA]\r\nCount=299\r\n";
    for (int i = 0; i <= 299; ++i)
        catalogue += "[OBJ-" + std::to_string(i) + "]\r\nName=t" + std::to_string(i) + "\r\n";
    world.write("Resources/level0.ini", catalogue);
    const auto before = world.snapshot();
    create([&] {
        retype(window.txtLocationName, "wide");
        window.cmdFill->setCurrentIndex(256);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_NE(world.messages[0].text.find("255"), std::string::npos);
    EXPECT_EQ(world.snapshot(), before);

    world.messages.clear();
    create([&] {
        retype(window.txtLocationName, "edge");
        window.cmdFill->setCurrentIndex(255);
    });
    EXPECT_TRUE(world.messages.empty()) << "code 255 still fits a ground cell";
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/edge.map"), newGridBytes(120, 120, 255)));
}

TEST_F(CreateLocation, TheFillListHoldsTheCatalogueNamesInOrderWithUnknownForMissingOnes) {
    world.write("Resources/level0.ini",
                ru("[DATA]\r\nCount=2\r\n[OBJ-0]\r\nName=Трава\r\n[OBJ-2]\r\nName=Вода\r\n"));
    QStringList names;
    create([&] {
        for (int i = 0; i < window.cmdFill->count(); ++i)
            names << window.cmdFill->itemText(i);
        EXPECT_EQ(window.cmdFill->currentIndex(), 0);
        window.reject();
    });
    EXPECT_EQ(names, (QStringList{"Трава", "Unknown", "Вода"}));
}

TEST_F(CreateLocation, AFileThatCannotBeWrittenIsReportedAndNeverAnnouncedAsCreated) {
    editor::MapFolder() = world.appFolder() + "Maps\\Gone\\";
    const int result = create([&] { retype(window.txtLocationName, "lost"); });
    EXPECT_NE(result, QDialog::Accepted);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
    EXPECT_NE(world.messages[0].text.find("lost.map"), std::string::npos);
    EXPECT_FALSE(world.exists("Maps/Gone"));
    // The editor stays on the location it had.
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.canvas->MapWidth(), 120);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - Main"));
}

TEST_F(CreateLocation, ALaterFileThatFailsTakesTheEarlierOnesAwayAndTheLocationStays) {
    // A folder where the configuration would go: the grid and the notes are
    // written first, then the configuration fails.
    std::filesystem::create_directories(world.root().path() / "Maps/Default/half.config");
    const std::string mainGrid = world.read("Maps/Default/main.map");
    create([&] {
        retype(window.txtLocationName, "half");
        window.txtInfo->setPlainText("notes");
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_NE(world.messages[0].text.find("half.config"), std::string::npos);
    EXPECT_NE(world.messages[0].text.find(ru("не создана")), std::string::npos);
    EXPECT_FALSE(world.exists("Maps/Default/half.map"));
    EXPECT_FALSE(world.exists("Maps/Default/half.inf"));
    EXPECT_TRUE(world.exists("Maps/Default/half.config")) << "what was there before stays";
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.canvas->MapWidth(), 120);
    EXPECT_EQ(world.mainWindow.windowTitle(), QStringLiteral("[Default] - Main"));
    EXPECT_EQ(world.read("Maps/Default/main.map"), mainGrid);
}

TEST_F(CreateLocation, ANameTooLongForItsFilesIsRefusedBeforeAnythingIsWritten) {
    const auto before = world.snapshot();
    for (const std::size_t length : {249u, 250u, 255u}) {
        world.messages.clear();
        create([&] { window.txtLocationName->setText(QString(static_cast<int>(length), 'n')); });
        EXPECT_TRUE(stayedOpen) << length;
        ASSERT_EQ(world.messages.size(), 1u) << length;
        EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
        EXPECT_NE(world.messages[0].text.find(ru("слишком длинное")), std::string::npos)
            << length << ": " << world.messages[0].text;
        EXPECT_NE(world.messages[0].text.find("248"), std::string::npos);
        EXPECT_EQ(world.snapshot(), before) << length;
        EXPECT_EQ(world.canvas->LocationName(), "main");
    }
    // The longest name that fits: its configuration's name is 255 bytes.
    const std::string longest(248, 'n');
    EXPECT_EQ(create([&] { window.txtLocationName->setText(QString::fromStdString(longest)); }),
              QDialog::Accepted);
    EXPECT_TRUE(world.exists("Maps/Default/" + longest + ".config"));
    EXPECT_EQ(world.canvas->LocationName(), longest);
}

TEST_F(CreateLocation, NotesTheFilesCannotHoldAreRefusedAndNamed) {
    const auto before = world.snapshot();
    create([&] {
        retype(window.txtLocationName, "intl");
        window.txtInfo->setPlainText(QStringLiteral("中文 😀 Müller ©"));
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    for (const char* code : {"U+4E2D", "U+6587", "U+1F600", "U+00FC"})
        EXPECT_NE(world.messages[0].text.find(code), std::string::npos) << code;
    EXPECT_EQ(world.messages[0].text.find("U+00A9"), std::string::npos) << "the code page has ©";
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(world.canvas->LocationName(), "main");
}

TEST_F(CreateLocation, AGridTooLargeToBuildIsReportedAndTheLoadedLocationStays) {
    model::LocationGrid::setMaxGridBytes(1000);
    const auto before = world.snapshot();
    create([&] { retype(window.txtLocationName, "huge"); });
    model::LocationGrid::setMaxGridBytes(0);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(world.canvas->LocationName(), "main");
    EXPECT_EQ(world.canvas->MapWidth(), 120);
    EXPECT_TRUE(world.canvas->hasLocation());
}

TEST_F(CreateLocation, ASizeTypedAndConfirmedWithoutLeavingItsBoxIsRaisedFirst) {
    create([&] {
        retype(window.txtLocationName, "small");
        retype(window.txtNewMapWidth, "50");
        QTest::keyClick(window.txtNewMapWidth, Qt::Key_Return);
    });
    EXPECT_TRUE(sameBytes(world.read("Maps/Default/small.config"),
                          "[CONFIG]\r\nWidth=120\r\nHeight=120\r\n"));
}

} // namespace
