// The managers in English and in Russian: built in English they show no
// Russian text and every caption fits its control; in Russian they keep their
// captions. Their messages are composed in the interface language.

#include "driving.h"
#include "manager_world.h"

#include "editor/language.h"
#include "managers/action_messages.h"
#include "managers/frm_actions_manager.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"
#include "managers/frm_maps_browser.h"
#include "managers/text_checks.h"
#include "test_support/shown_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace managers_testing;
using testing_support::clippedCaptions;
using testing_support::cyrillicTexts;
using testing_support::hasCyrillic;

namespace {

// The designer's own names: locations, maps and ground tiles.
const std::set<QString> kDataLists = {"lstLocation", "List1", "cmdFill"};

// The action names of an index are the designer's own, as are the locations
// a teleport can go to.
const std::set<QString> kActionData = {"lstActionsList", "lstTeleportLocation"};

// An action of two steps, a text and a question, in location "yard" of map
// "Default", loaded into the canvas.
void openYardWithTalk(ManagerWorld& world) {
    world.write("Maps/Default/yard.config", "[CONFIG]\r\nWidth=4\r\nHeight=2\r\n");
    world.write("Maps/Default/yard.map", std::string(8 * 4 * 3, '\0'));
    world.write("Maps/Default/yard.actl", "[ACTIONS]\r\nCount=0\r\nA0=talk\r\n");
    world.write("Maps/Default/talk", "[ACTION]\r\nActionCount=1\r\nActionType=tell\r\n"
                                     "Text=hi\r\nActionType1=question\r\nText1=Stay?\r\n");
    world.openMap("Default", "yard");
}

// Runs `inside` in the actions manager with "talk" selected, its steps shown.
void withTalkSelected(frmActionsManager& window, const std::function<void()>& inside) {
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, QStringLiteral("talk"));
        ASSERT_EQ(window.lstSteps->count(), 2);
        inside();
    });
}

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

TEST(EnglishActionsManager, ShowsNoRussianTextAndEveryCaptionFits) {
    Interface english(editor::Language::English);
    ManagerWorld world;
    openYardWithTalk(world);
    frmActionsManager window(&world.mainWindow, *world.canvas);
    QStringList steps;
    std::vector<std::string> russian, clipped;
    withTalkSelected(window, [&] {
        steps = entries(window.lstSteps);
        russian = cyrillicTexts(window, kActionData);
        clipped = clippedCaptions(window);
    });
    EXPECT_EQ(steps, (QStringList{"1: Show text", "2: Ask a question"}));
    EXPECT_EQ(russian, std::vector<std::string>());
    EXPECT_EQ(clipped, std::vector<std::string>());
    EXPECT_EQ(window.windowTitle(), "Action Manager");
    EXPECT_EQ(window.cmdUse->text(), "Insert");
    for (QPlainTextEdit* help : window.txtHelp)
        EXPECT_FALSE(hasCyrillic(help->toPlainText())) << help->toPlainText().toStdString();
    EXPECT_EQ(window.txtHelp[5]->toPlainText(),
              "Move the hero to another location, or to the place at the coordinates X-Y, or "
              "both :) If the coordinates are below zero, the hero is not moved to them but to "
              "the zero coordinates of the chosen location.\nThe hero is the unit the player "
              "plays. It has no effect on the computer's units.\n");
    EXPECT_EQ(window.txtHelp[9]->toPlainText(),
              "An .avi file in the folder episode of the resource folder (Resources by default)");
}

TEST(RussianActionsManager, KeepsItsCaptionsAndTheyFit) {
    Interface russian(editor::Language::Russian);
    ManagerWorld world;
    openYardWithTalk(world);
    frmActionsManager window(&world.mainWindow, *world.canvas);
    QStringList steps;
    std::vector<std::string> clipped;
    withTalkSelected(window, [&] {
        steps = entries(window.lstSteps);
        EXPECT_FALSE(cyrillicTexts(window, kActionData).empty());
        clipped = clippedCaptions(window);
    });
    EXPECT_EQ(steps, (QStringList{"1: Показать текст", "2: Задать вопрос"}));
    EXPECT_EQ(clipped, std::vector<std::string>());
    EXPECT_EQ(window.windowTitle(), "Менеджер действий");
    EXPECT_EQ(window.Frame1[0]->title(), "Список действий");
    EXPECT_EQ(window.cmdUse->text(), "Вставить");
    EXPECT_EQ(window.cmdUse->toolTip(), "Нажмите, вставить это действие в текущую клетку на карте");
    EXPECT_EQ(window.cmdStepUp->text(), "Выше");
    EXPECT_EQ(window.chkKill->text(), "убить героя");
    EXPECT_EQ(window.cmbActionType->itemText(7), "Играть FX");
}

// The same refusals, driven the same way, in either language: an empty name
// on "Создать", and a step whose parameters cannot be written yet.
std::vector<ui::Message> refusalsOfTheActionsManager(editor::Language language) {
    Interface chosen(language);
    ManagerWorld world;
    openYardWithTalk(world);
    frmActionsManager window(&world.mainWindow, *world.canvas);
    whileShown(window, [&] {
        retype(window.txtActionName, QString());
        QTest::mouseClick(window.cmdNewAction, Qt::LeftButton);
        window.cmbActionType->setCurrentIndex(5);
        QTest::mouseClick(window.cmdAddStep, Qt::LeftButton);
    });
    return world.messages;
}

TEST(ActionsManagerRefusals, ReadInEnglishAndStayWordForWordInRussian) {
    const std::vector<ui::Message> english = refusalsOfTheActionsManager(editor::Language::English);
    ASSERT_EQ(english.size(), 2u);
    EXPECT_EQ(english[0].title, "Bad name");
    EXPECT_EQ(english[0].text,
              "Enter the action's name in the field \"Name:\". Nothing was written.");
    EXPECT_EQ(english[1].title, "Action step");
    EXPECT_EQ(english[1].text,
              "Step (\"Teleport the hero\") cannot be created: the parameters of this type cannot "
              "be written yet. Steps of this type that the action file already has are kept in "
              "their places unchanged.");

    const std::vector<ui::Message> russian = refusalsOfTheActionsManager(editor::Language::Russian);
    ASSERT_EQ(russian.size(), 2u);
    EXPECT_EQ(russian[0].title, ru("Плохое имя"));
    EXPECT_EQ(russian[0].text, ru("Укажите имя действия в поле \"Имя:\". Ничего не записано."));
    EXPECT_EQ(russian[1].title, ru("Шаг действия"));
    EXPECT_EQ(russian[1].text,
              ru("Шаг (\"Телепортировать героя\") нельзя создать: параметры этого типа пока не "
                 "могут быть записаны. Шаги такого типа, которые уже есть в файле действия, "
                 "сохраняются на своих местах без изменений."));
}

TEST(EnglishActionsManager, ActionMessagesFillTheirValuesIntoOneSentence) {
    Interface english(editor::Language::English);
    ManagerWorld world(false);
    EXPECT_TRUE(managers::refuseSteps(nullptr, {managers::StepProblem::Kind::TextTooLong, 1}, {}));
    EXPECT_EQ(managers::keptFileNote("old", true, {}),
              " The file \"old\" was kept: the action list of a location of the map names it.");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].text, "Step 2: the text is longer than " +
                                          std::to_string(managers::kMostTextCharacters) +
                                          " characters. Nothing was written.");
}

} // namespace
