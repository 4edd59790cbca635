// The actions manager: the action list of the current location, the type
// panels with their help texts, an action's steps loaded into the tell and
// question panels, and attaching an action to the cursor cell.
#include "driving.h"
#include "manager_world.h"

#include "editor/map_folder.h"
#include "managers/frm_actions_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

// The panels shown, by index.
std::vector<int> shownPanels(const frmActionsManager& window) {
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        if (window.frmActions[static_cast<std::size_t>(i)]->isVisible())
            shown.push_back(i);
    }
    return shown;
}

class ActionsManager : public testing::Test {
protected:
    // A location "yard" of 6 x 5 cells in map "Default" with the given action
    // index, opened in the canvas.
    void openYard(const std::string& index) {
        world.write("Maps/Default/yard.config", "[CONFIG]\r\nWidth=6\r\nHeight=5\r\n");
        world.write("Maps/Default/yard.map", std::string(8 * 6 * 6, '\0'));
        world.write("Maps/Default/yard.actl", index);
        world.openMap("Default", "yard");
        ASSERT_TRUE(world.canvas->hasLocation());
    }

    ManagerWorld world;
    frmActionsManager window{&world.mainWindow, *world.canvas};
};

TEST_F(ActionsManager, ListsTheActionsOfTheLocationsIndexAndTheMapsLocations) {
    world.openMap("Default");
    QStringList actions, locations;
    whileShown(window, [&] {
        actions = entries(window.lstActionsList);
        locations = entries(window.lstTeleportLocation);
    });
    EXPECT_EQ(actions, (QStringList{"main_welcome", "main_well", "main_well_drink", "main_door",
                                    "main_chest", "main_chest_open", "main_chest_leave",
                                    "main_to_cave", "main_pond"}));
    EXPECT_EQ(locations, (QStringList{"cave", "main"}));
}

TEST_F(ActionsManager, CountZeroWithoutAnEntryListsOneNonameAndMissingIndexNothing) {
    openYard("[ACTIONS]\r\nCount=0\r\n");
    QStringList listed;
    whileShown(window, [&] { listed = entries(window.lstActionsList); });
    EXPECT_EQ(listed, (QStringList{"Noname"}));

    std::filesystem::remove(world.root().path() / "Maps" / "Default" / "yard.actl");
    whileShown(window, [&] { listed = entries(window.lstActionsList); });
    EXPECT_TRUE(listed.isEmpty());
}

TEST_F(ActionsManager, InsertingTheSecondActionGivesTheCursorCellActionNumberTwo) {
    openYard("[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=chest\r\n");
    QTest::mouseClick(world.canvas->mapSurface(), Qt::LeftButton, {},
                      QPoint(3 * 32 + 5, 4 * 32 + 5));
    ASSERT_EQ(world.canvas->WorldCursorX(), 3);
    ASSERT_EQ(world.canvas->WorldCursorY(), 4);
    const int result = whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        QTest::mouseClick(window.cmdUse, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(world.canvas->CurrentDoor(), 2);
    EXPECT_EQ(world.canvas->grid().cellValue(model::Layer::Doors, 3, 4), 2);
    EXPECT_EQ(world.canvas->grid().cellValue(model::Layer::Doors, 0, 0), 0);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(world.messages[0].title, "");
    EXPECT_EQ(world.messages[0].text, ru("Действие в указанную точку добавлено!"));
    EXPECT_EQ(world.messages[0].buttons, ui::MessageButtons::Ok);
}

TEST_F(ActionsManager, InsertingWithoutASelectionDoesNothing) {
    openYard("[ACTIONS]\r\nCount=0\r\nA0=door1\r\n");
    bool stillOpen = false;
    whileShown(window, [&] {
        QTest::mouseClick(window.cmdUse, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(world.canvas->CurrentDoor(), 0);
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(ActionsManager, InsertingBeforeAnyLocationIsLoadedDoesNothingHarmful) {
    // Right after start-up: the index of Default's main is there, no grid is.
    bool stillOpen = false;
    int listed = 0;
    whileShown(window, [&] {
        listed = window.lstActionsList->count();
        clickEntry(window.lstActionsList, 0);
        QTest::mouseClick(window.cmdUse, Qt::LeftButton);
        stillOpen = window.isVisible();
    });
    EXPECT_EQ(listed, 9);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(world.canvas->hasLocation());
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(ActionsManager, SelectingAnActionLoadsItsTellAndQuestionStepsAndItsName) {
    openYard("[ACTIONS]\r\nCount=0\r\nA0=talk\r\n");
    world.write("Maps/Default/talk", "[ACTION]\r\nActionCount=1\r\nActionType=tell\r\n"
                                     "Text=a/nb\r\nActionType1=question\r\nText1=c?\r\n"
                                     "Ok1=yes_action\r\nNone1=no_action\r\n");
    QString name, tell, question, ok, none;
    std::vector<int> panels;
    int type = -1;
    whileShown(window, [&] {
        window.cmbActionType->setCurrentIndex(6);
        clickEntry(window.lstActionsList, 0);
        name = window.txtActionName->text();
        tell = window.txtTellText->toPlainText();
        question = window.txtQuestionText->toPlainText();
        ok = window.txtQuestionOk->text();
        none = window.txtQuestionNone->text();
        panels = shownPanels(window);
        type = window.cmbActionType->currentIndex();
    });
    EXPECT_EQ(name, "talk");
    EXPECT_EQ(tell, "a\nb");
    EXPECT_EQ(question, "c?");
    EXPECT_EQ(ok, "yes_action");
    EXPECT_EQ(none, "no_action");
    EXPECT_EQ(panels, std::vector<int>{6}) << "the panel shown stays";
    EXPECT_EQ(type, 6);
}

TEST_F(ActionsManager, TypesAreComparedTrimmedAndWithoutCaseAndLaterStepsWin) {
    openYard("[ACTIONS]\r\nCount=0\r\nA0=loud\r\n");
    world.write("Maps/Default/loud", "[ACTION]\r\nActionCount=2\r\nActionType=  TELL  \r\n"
                                     "Text=first\r\nActionType1=teleport\r\nText1=not a tell\r\n"
                                     "ActionType2=Tell\r\nText2=second/n/nend\r\n");
    QString tell;
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 0);
        tell = window.txtTellText->toPlainText();
    });
    EXPECT_EQ(tell, "second\n\nend");
}

TEST_F(ActionsManager, AFrameStyleWithoutAnEntryLeavesDefault) {
    openYard("[ACTIONS]\r\nCount=1\r\nA0=odd\r\nA1=plain\r\n");
    world.write("Maps/Default/odd", "[ACTION]\r\nActionType=tell\r\nText=x\r\nType=3\r\n");
    world.write("Maps/Default/plain", "[ACTION]\r\nActionType=tell\r\nText=y\r\nType=zero\r\n");
    QString odd, plain;
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 0);
        odd = window.cmbTellType->currentText();
        clickEntry(window.lstActionsList, 1);
        plain = window.cmbTellType->currentText();
    });
    EXPECT_EQ(odd, "Default");
    EXPECT_EQ(plain, "Default");
}

TEST_F(ActionsManager, AMissingActionFileOrANameLeadingOutsideTheMapLoadsNothing) {
    openYard("[ACTIONS]\r\nCount=3\r\nA0=talk\r\nA1=ghost\r\nA2=..\\secret\r\nA3=../secret\r\n");
    world.write("Maps/Default/talk", "[ACTION]\r\nActionType=tell\r\nText=hello\r\n");
    world.write("Maps/secret", "[ACTION]\r\nActionType=tell\r\nText=outside\r\n");
    std::vector<QString> tells;
    whileShown(window, [&] {
        for (int row = 0; row < 4; ++row) {
            clickEntry(window.lstActionsList, row);
            tells.push_back(window.txtTellText->toPlainText());
        }
    });
    EXPECT_EQ(tells, (std::vector<QString>{"hello", "", "", ""}));
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(ActionsManager, TheTypeListHoldsTheTenCaptionsAndShowsOnePanelAtATime) {
    QStringList captions;
    std::vector<std::vector<int>> shown;
    whileShown(window, [&] {
        for (int i = 0; i < window.cmbActionType->count(); ++i)
            captions << window.cmbActionType->itemText(i);
        shown.push_back(shownPanels(window));
        for (int i : {5, 9, 0}) {
            window.cmbActionType->setCurrentIndex(i);
            shown.push_back(shownPanels(window));
        }
    });
    EXPECT_EQ(captions, (QStringList{"Показать текст", "Задать вопрос", "Изменить статус героя",
                                     "Дать герою", "Забрать у героя", "Телепортировать героя",
                                     "Убить героя", "Играть FX", "Играть мелодию", "Заставка"}));
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{0}, {5}, {9}, {0}}));
}

TEST_F(ActionsManager, HelpTextsStandWordForWordAndLineForLine) {
    const QString hero = "Герой - это юнит, \nкоторым играет геймер. На компьютеров это не \n"
                         "действует.\n";
    EXPECT_EQ(window.txtHelp[0]->toPlainText(), "Просто показать текст игроку.\n");
    EXPECT_EQ(window.txtHelp[2]->toPlainText(), "ХЗ что это.\n" + hero);
    EXPECT_EQ(window.txtHelp[4]->toPlainText(),
              "У героя можно забрать все, от трусов, до кармы \n;)\n" + hero);
    EXPECT_EQ(window.txtHelp[5]->toPlainText(),
              "Переместить героя на другую локацию, либо в \nуказанное место по координатам X-Y, "
              "либо и то \nи другое :) Если координаты меньше нуля, то телепортация по "
              "координатам производиться не будет и герой будет перемещен в нулевые координаты "
              "указанной локации.\n" +
                  hero);
    EXPECT_EQ(window.txtHelp[6]->toPlainText(),
              "Полностью убить героя. Герой - это юнит, которым играет геймер. На компьютеров это "
              "не действует.\n");
    EXPECT_EQ(window.txtHelp[8]->toPlainText(),
              "Файл .midi или .mid, находящийся в папке music в папке \nресурсов (по умолчанию "
              "Resources)\n");
    EXPECT_EQ(window.txtHelp[9]->toPlainText(),
              "Файл .avi, находящийся в папке episode в папке ресурсов (по умолчанию Resources)");
    for (QPlainTextEdit* help : window.txtHelp)
        EXPECT_TRUE(help->isReadOnly());
}

TEST_F(ActionsManager, TypeCaptionsOfCodesAreFoundTrimmedAndWithoutCase) {
    EXPECT_EQ(frmActionsManager::ActionTypeCaption(" TELL "), ru("Показать текст"));
    EXPECT_EQ(frmActionsManager::ActionTypeCaption("Teleport"), ru("Телепортировать героя"));
    EXPECT_EQ(frmActionsManager::ActionTypeCaption("episode"), ru("Заставка"));
    EXPECT_EQ(frmActionsManager::ActionTypeCaption("dance"), "unknown");
    EXPECT_EQ(frmActionsManager::ActionTypeCaption(""), "unknown");
}

TEST_F(ActionsManager, CoordinateBoxesTakeDigitsOnly) {
    retype(window.txtTeleportX, "-5");
    retype(window.txtTeleportY, "1x2");
    EXPECT_EQ(window.txtTeleportX->text(), "5");
    EXPECT_EQ(window.txtTeleportY->text(), "12");
}

TEST_F(ActionsManager, TheTextBoxesOfTheTellAndQuestionPanelsTakeAtMost2048Characters) {
    for (QPlainTextEdit* box : {window.txtTellText, window.txtQuestionText}) {
        box->setPlainText(QString(2047, 'a'));
        box->moveCursor(QTextCursor::End);
        typeText(box, "bcd");
        EXPECT_EQ(box->toPlainText(), QString(2047, 'a') + "b");
    }
}

TEST_F(ActionsManager, EachOpeningReadsTheLocationsIndexAfreshAndStartsFromTheFirstState) {
    openYard("[ACTIONS]\r\nCount=0\r\nA0=one\r\n");
    whileShown(window, [&] {
        window.cmbActionType->setCurrentIndex(3);
        clickEntry(window.lstActionsList, 0);
        window.chkKill->setChecked(true);
    });
    world.write("Maps/Default/yard.actl", "[ACTIONS]\r\nCount=1\r\nA0=one\r\nA1=two\r\n");
    QStringList listed;
    QString name;
    std::vector<int> panels;
    bool kill = true;
    whileShown(window, [&] {
        listed = entries(window.lstActionsList);
        name = window.txtActionName->text();
        panels = shownPanels(window);
        kill = window.chkKill->isChecked();
    });
    EXPECT_EQ(listed, (QStringList{"one", "two"}));
    EXPECT_EQ(name, "NewAction");
    EXPECT_EQ(panels, std::vector<int>{0});
    EXPECT_FALSE(kill);
}

} // namespace
