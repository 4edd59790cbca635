// The managers in English and in Russian: built in English they show no
// Russian text and every caption fits its control; in Russian they keep their
// captions. Their messages are composed in the interface language.

#include "manager_world.h"

#include "editor/language.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"
#include "managers/frm_maps_browser.h"
#include "managers/text_checks.h"
#include "test_support/shown_texts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;
using testing_support::clippedCaptions;
using testing_support::cyrillicTexts;
using testing_support::hasCyrillic;

namespace {

// The designer's own names: locations, maps and ground tiles.
const std::set<QString> kDataLists = {"lstLocation", "List1", "cmdFill"};

struct Interface {
    explicit Interface(editor::Language language) { EXPECT_TRUE(editor::applyLanguage(language)); }
    ~Interface() { editor::applyLanguage(editor::Language::Russian); }
};

// Each manager, with the location manager in both of its views; `check` sees
// every one of them while it is open.
void eachManager(ManagerWorld& world, const std::function<void(QWidget&)>& check) {
    frmManagerLocation locations(&world.mainWindow, *world.canvas);
    whileShown(locations, [&] { check(locations); });
    locations.Frame1[0]->setVisible(false);
    locations.Frame1[1]->setVisible(true);
    whileShown(locations, [&] { check(locations); });
    frmMapManager maps(&world.mainWindow, *world.canvas);
    whileShown(maps, [&] { check(maps); });
    frmMapsBrowser browser(&world.mainWindow, *world.canvas);
    whileShown(browser, [&] { check(browser); });
}

TEST(EnglishManagers, ShowNoRussianTextAndEveryCaptionFits) {
    Interface english(editor::Language::English);
    ManagerWorld world;
    world.openMap("Default");
    int checked = 0;
    eachManager(world, [&](QWidget& window) {
        ++checked;
        EXPECT_EQ(cyrillicTexts(window, kDataLists), std::vector<std::string>())
            << window.objectName().toStdString();
        EXPECT_EQ(clippedCaptions(window), std::vector<std::string>())
            << window.objectName().toStdString();
    });
    EXPECT_EQ(checked, 4);
}

TEST(RussianManagers, KeepTheirCaptionsAndTheyFit) {
    Interface russian(editor::Language::Russian);
    ManagerWorld world;
    world.openMap("Default");
    frmManagerLocation locations(&world.mainWindow, *world.canvas);
    EXPECT_EQ(locations.windowTitle(), "Менеджер локаций");
    EXPECT_EQ(locations.Frame1[0]->title(), "Управление локациями");
    EXPECT_EQ(locations.Frame1[1]->title(), "Создать локацию");
    EXPECT_EQ(locations.chkRound->text(), "\"Круглая\" локация");
    EXPECT_EQ(locations.Command5->text(), "Отмена");
    frmMapManager maps(&world.mainWindow, *world.canvas);
    EXPECT_EQ(maps.windowTitle(), "Менеджер карт");
    EXPECT_EQ(maps.cmdCreat->text(), "Создать");
    frmMapsBrowser browser(&world.mainWindow, *world.canvas);
    EXPECT_EQ(browser.windowTitle(), "Открыть карту");
    EXPECT_EQ(browser.cmdOpen->text(), "Открыть");
    eachManager(world, [](QWidget& window) {
        EXPECT_FALSE(cyrillicTexts(window, kDataLists).empty());
        EXPECT_EQ(clippedCaptions(window), std::vector<std::string>())
            << window.objectName().toStdString();
    });
}

TEST(EnglishManagers, RefusalsAreComposedInEnglishWithTheirValues) {
    Interface english(editor::Language::English);
    ManagerWorld world(false);
    EXPECT_TRUE(
        managers::refuseLongName(nullptr, std::string(300, 'a'), 200, QStringLiteral("location")));
    EXPECT_TRUE(managers::refuseUnwritableText(nullptr, QString::fromUtf8("a中b"),
                                               QStringLiteral("Notes:")));
    ASSERT_EQ(world.messages.size(), 2u);
    EXPECT_EQ(world.messages[0].title, "Bad name");
    EXPECT_EQ(world.messages[0].text,
              "The location name is too long: 300 characters, and at most 200 are allowed so "
              "that the names of its files fit the file system. Enter a shorter name and try "
              "again.");
    EXPECT_EQ(world.messages[1].text,
              "The field \"Notes:\" holds characters that the encoding of the game's files "
              "(Windows-1251) lacks: U+4E2D. Remove them and try again. Nothing was written.");

    // The same refusal in Russian reads as it always has.
    editor::applyLanguage(editor::Language::Russian);
    managers::refuseLongName(nullptr, std::string(300, 'a'), 200, QString::fromUtf8("локации"));
    ASSERT_EQ(world.messages.size(), 3u);
    EXPECT_EQ(world.messages[2].text,
              ru("Имя локации слишком длинное: 300 символов, а можно не больше 200, чтобы имена "
                 "его файлов поместились в файловой системе. Укажите более короткое имя и "
                 "повторите попытку."));
}

} // namespace
