// Authoring actions in the actions manager, driven as a designer drives it:
// the step list and its buttons, "Создать", "Сохранить" (with renames) and
// "Удалить", the files and the grid they leave, and every refusal.
#include "driving.h"
#include "manager_world.h"

#include "document/edit_history.h"
#include "managers/frm_actions_manager.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

const char* const kYardIndex = "[ACTIONS]\r\nCount=2\r\nA0=door1\r\nA1=chest\r\nA2=well\r\n";

// A file written by hand, with a teleport and a kill step, keys the editor
// does not know, blanks, quotes and a comment.
const char* const kHandWritten = "; by hand\r\n[ACTION]\r\nActionCount=3\r\n"
                                 "ActionType = Tell \r\nText=\"Hi/nthere\"\r\nType=0\r\n"
                                 "ActionType1=teleport\r\nLocation1=cave\r\nX1=4\r\n"
                                 "ActionType2=question\r\nText2=Stay?\r\nOk2=a\r\nNone2=b\r\n"
                                 "ActionType3=KILL\r\nMood3=grim\r\n";

// Moves the type list to `index` with the arrow keys, one entry a key; a
// refused choice stops it.
void chooseType(QComboBox* box, int index) {
    box->setFocus();
    for (int keys = 0; keys < 10 && box->currentIndex() != index; ++keys) {
        const int before = box->currentIndex();
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        if (box->currentIndex() == before)
            return;
    }
}

// Picks entry `index` of the type list from its opened list with the mouse.
void pickType(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QRect place = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
    QTest::qWait(0);
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the text of a multi-line box by typing; "\n" is the Return key.
void retypeText(QPlainTextEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (const QString& line : text.split('\n')) {
        if (box->toPlainText().size() > 0 || line != text.split('\n').front())
            QTest::keyClick(box, Qt::Key_Return);
        typeText(box, line);
    }
}

class ActionAuthoring : public testing::Test {
protected:
    // Location "yard" of 4 x 2 cells (rows 0..2) with the index given, in
    // map "Default", whose Doors hold the values of `doors` row by row.
    void openYard(const std::string& index, const std::vector<int>& doors = {}) {
        std::string grid(8 * 4 * 3, '\0');
        for (std::size_t i = 0; i < doors.size(); ++i) {
            const std::size_t record = i / 4 * 32, x = i % 4;
            grid[record + 16 + 2 * x] = static_cast<char>(doors[i] >> 8);
            grid[record + 16 + 2 * x + 1] = static_cast<char>(doors[i] & 0xFF);
        }
        world.write("Maps/Default/yard.config", "[CONFIG]\r\nWidth=4\r\nHeight=2\r\n");
        world.write("Maps/Default/yard.map", grid);
        world.write("Maps/Default/yard.actl", index);
        world.openMap("Default", "yard");
        ASSERT_TRUE(world.canvas->hasLocation());
    }
    std::string file(const std::string& name) const { return world.read("Maps/Default/" + name); }
    bool exists(const std::string& name) const { return world.exists("Maps/Default/" + name); }
    std::vector<int> doors() const {
        std::vector<int> values;
        for (int y = 0; y <= 2; ++y) {
            for (int x = 0; x < 4; ++x)
                values.push_back(world.canvas->grid().cellValue(model::Layer::Doors, x, y));
        }
        return values;
    }
    // The Doors values of the grid file, row by row.
    std::vector<int> savedDoors() const {
        const std::string grid = file("yard.map");
        std::vector<int> values;
        for (std::size_t i = 0; i < 12; ++i) {
            const std::size_t at = i / 4 * 32 + 16 + 2 * (i % 4);
            values.push_back(static_cast<unsigned char>(grid[at]) << 8 |
                             static_cast<unsigned char>(grid[at + 1]));
        }
        return values;
    }
    std::vector<ui::MessageIcon> icons() const {
        std::vector<ui::MessageIcon> found;
        for (const ui::Message& m : world.messages)
            found.push_back(m.icon);
        return found;
    }

    ManagerWorld world;
    frmActionsManager window{&world.mainWindow, *world.canvas};
};

} // namespace

TEST_F(ActionAuthoring, CreatingWritesTheActionFileThenTheIndexAndSelectsTheNewAction) {
    openYard(kYardIndex);
    int selected = -1;
    QStringList listed;
    whileShown(window, [&] {
        retype(window.txtActionName, "talk");
        retypeText(window.txtTellText, QString::fromUtf8("Привет\nвсем"));
        click(window.cmdNewAction);
        selected = window.lstActionsList->currentRow();
        listed = entries(window.lstActionsList);
    });
    EXPECT_EQ(file("talk"), "[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=" + ru("Привет") +
                                "/n" + ru("всем") + "\r\nType=0\r\n");
    EXPECT_EQ(file("yard.actl"),
              "[ACTIONS]\r\nCount=3\r\nA0=door1\r\nA1=chest\r\nA2=well\r\nA3=talk\r\n");
    EXPECT_EQ(listed, (QStringList{"door1", "chest", "well", "talk"}));
    EXPECT_EQ(selected, 3);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].text, ru("Действие \"talk\" создано."));
}

TEST_F(ActionAuthoring, StepsAreAddedRetypedAndReorderedBeforeTheActionIsCreated) {
    openYard(kYardIndex);
    QStringList lines;
    whileShown(window, [&] {
        retypeText(window.txtTellText, "one");
        click(window.cmdAddStep); // 1: tell "one", selected
        click(window.cmdAddStep); // 2: a copy, selected
        chooseType(window.cmbActionType, 1);
        retypeText(window.txtQuestionText, "Go?");
        retype(window.txtQuestionOk, "yes_a");
        chooseType(window.cmbActionType, 3); // "Дать герою"
        chooseType(window.cmbActionType, 1); // and back: the texts stay with it
        clickEntry(window.lstSteps, 0);
        click(window.cmdStepDown);
        click(window.cmdAddStep); // 3: a copy of "one" after it
        pickType(window.cmbActionType, 7);
        lines = entries(window.lstSteps);
        retype(window.txtActionName, "multi");
        click(window.cmdNewAction);
    });
    EXPECT_EQ(lines, (QStringList{"1: Задать вопрос", "2: Показать текст", "3: Играть FX"}));
    EXPECT_EQ(file("multi"), "[ACTION]\r\nActionCount=2\r\n"
                             "ActionType=question\r\nText=Go?\r\nOk=yes_a\r\nNone=\r\n"
                             "ActionType1=tell\r\nText1=one\r\nType1=0\r\n"
                             "ActionType2=fx\r\n");
}

TEST_F(ActionAuthoring, TypesWithoutFieldsAreCreatedAsTheirTypeAlone) {
    openYard(kYardIndex);
    whileShown(window, [&] {
        chooseType(window.cmbActionType, 9);
        retype(window.txtActionName, "intro");
        click(window.cmdNewAction);
    });
    EXPECT_EQ(file("intro"), "[ACTION]\r\nActionCount=0\r\nActionType=episode\r\n");
}

TEST_F(ActionAuthoring, RefusedNamesAreToldAndWriteNothing) {
    openYard(kYardIndex);
    world.write("Maps/Default/taken", "x");
    const auto before = world.snapshot();
    whileShown(window, [&] {
        for (const char* name : {"", "Chest", "taken", "TAKEN"}) {
            retype(window.txtActionName, name);
            click(window.cmdNewAction);
        }
        // Characters the name filter refuses never reach the box.
        retype(window.txtActionName, "a b.c");
        EXPECT_EQ(window.txtActionName->text(), "abc");
    });
    EXPECT_EQ(world.snapshot(), before);
    ASSERT_EQ(world.messages.size(), 4u);
    for (const ui::Message& m : world.messages) {
        EXPECT_EQ(m.icon, ui::MessageIcon::Warning);
        EXPECT_EQ(m.title, ru("Плохое имя"));
    }
    EXPECT_EQ(world.messages[0].text,
              ru("Укажите имя действия в поле \"Имя:\". Ничего не записано."));
    EXPECT_EQ(world.messages[1].text, ru("Действие \"Chest\" уже есть в списке действий локации. "
                                         "Укажите другое имя. Ничего не записано."));
    EXPECT_EQ(world.messages[2].text,
              ru("В папке карты уже есть файл \"taken\". Укажите другое имя. Ничего не записано."));
    EXPECT_NE(world.messages[3].text.find("TAKEN"), std::string::npos);
}

TEST_F(ActionAuthoring, TextsOutsideTheCodePageOrPastTheirLimitsAreRefused) {
    openYard(kYardIndex);
    const auto before = world.snapshot();
    whileShown(window, [&] {
        retype(window.txtActionName, "wide");
        retypeText(window.txtTellText, QString::fromUtf8("ok 中"));
        click(window.cmdNewAction);
        chooseType(window.cmbActionType, 1);
        retypeText(window.txtQuestionText, "q");
        retype(window.txtQuestionNone, QString::fromUtf8("no ☺"));
        click(window.cmdNewAction);
    });
    EXPECT_EQ(world.snapshot(), before);
    ASSERT_EQ(world.messages.size(), 2u);
    EXPECT_NE(world.messages[0].text.find("U+4E2D"), std::string::npos);
    EXPECT_NE(world.messages[0].text.find(ru("Шаг 1: Текст:")), std::string::npos);
    EXPECT_NE(world.messages[1].text.find("U+263A"), std::string::npos);
    EXPECT_NE(world.messages[1].text.find(ru("При отрицательном ответе выполнить:")),
              std::string::npos);
}

TEST_F(ActionAuthoring, LoadingFillsThePanelsAsBeforeAndASelectedStepShowsItsOwnValues) {
    openYard("[ACTIONS]\r\nCount=0\r\nA0=two\r\n");
    world.write("Maps/Default/two", "[ACTION]\r\nActionCount=2\r\nActionType=tell\r\nText=first\r\n"
                                    "ActionType1=get\r\nActionType2=tell\r\nText2=second\r\n");
    QString loaded, own;
    int typeLoaded = -1, typeSelected = -1, selectedStep = 0;
    QStringList lines;
    whileShown(window, [&] {
        chooseType(window.cmbActionType, 4);
        clickEntry(window.lstActionsList, 0);
        loaded = window.txtTellText->toPlainText();
        typeLoaded = window.cmbActionType->currentIndex();
        selectedStep = window.lstSteps->selectedItems().size();
        lines = entries(window.lstSteps);
        clickEntry(window.lstSteps, 0);
        own = window.txtTellText->toPlainText();
        typeSelected = window.cmbActionType->currentIndex();
    });
    EXPECT_EQ(loaded, "second");
    EXPECT_EQ(typeLoaded, 4) << "loading leaves the type list";
    EXPECT_EQ(selectedStep, 0);
    EXPECT_EQ(lines, (QStringList{"1: Показать текст", "2: Дать герою", "3: Показать текст"}));
    EXPECT_EQ(own, "first");
    EXPECT_EQ(typeSelected, 0);
}

TEST_F(ActionAuthoring, AHandWrittenActionSavedUnchangedKeepsEveryByte) {
    openYard(kYardIndex);
    world.write("Maps/Default/chest", kHandWritten);
    QStringList lines;
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        lines = entries(window.lstSteps);
        clickEntry(window.lstSteps, 2);
        clickEntry(window.lstSteps, 0);
        click(window.Command1);
    });
    EXPECT_EQ(lines, (QStringList{"1: Показать текст", "2: Телепортировать героя",
                                  "3: Задать вопрос", "4: Убить героя"}));
    EXPECT_EQ(file("chest"), kHandWritten);
    EXPECT_EQ(file("yard.actl"), kYardIndex);
    EXPECT_EQ(icons(), std::vector<ui::MessageIcon>{ui::MessageIcon::Information});
}

TEST_F(ActionAuthoring, AnEditedStepChangesItsLinesOnly) {
    openYard(kYardIndex);
    world.write("Maps/Default/chest", kHandWritten);
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        clickEntry(window.lstSteps, 2);
        retypeText(window.txtQuestionText, "Stay\nhere?");
        clickEntry(window.lstSteps, 0); // the edit stays with step 3
        click(window.Command1);
    });
    std::string expected = kHandWritten;
    expected.replace(expected.find("Text2=Stay?"), 11, "Text2=Stay/nhere?");
    EXPECT_EQ(file("chest"), expected);
}

TEST_F(ActionAuthoring, StepsWhoseKeysAreUnknownAreNeitherMadeEditedNorMoved) {
    openYard(kYardIndex);
    world.write("Maps/Default/chest", kHandWritten);
    const auto before = world.snapshot();
    QStringList lines;
    QString x;
    int type = -1;
    whileShown(window, [&] {
        chooseType(window.cmbActionType, 5);
        click(window.cmdAddStep); // no teleport step is made
        retype(window.txtActionName, "jump");
        click(window.cmdNewAction); // nor an action of one
        clickEntry(window.lstActionsList, 1);
        clickEntry(window.lstSteps, 1);
        typeText(window.txtTeleportX, "5"); // its fields are not written
        x = window.txtTeleportX->text();
        chooseType(window.cmbActionType, 0); // nor its type
        type = window.cmbActionType->currentIndex();
        clickEntry(window.lstSteps, 0);
        click(window.cmdStepDown); // it would move
        clickEntry(window.lstSteps, 2);
        click(window.cmdRemoveStep); // the kill step would move up
        lines = entries(window.lstSteps);
    });
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(x, "0");
    EXPECT_EQ(type, 5);
    EXPECT_EQ(lines, (QStringList{"1: Показать текст", "2: Телепортировать героя",
                                  "3: Задать вопрос", "4: Убить героя"}));
    ASSERT_EQ(world.messages.size(), 6u);
    for (const ui::Message& m : world.messages)
        EXPECT_NE(m.text.find(ru("параметры этого типа пока не могут быть записаны")),
                  std::string::npos)
            << m.text;
    EXPECT_NE(world.messages[0].text.find(ru("Шаг (\"Телепортировать героя\") нельзя создать")),
              std::string::npos);
    EXPECT_NE(world.messages[2].text.find(ru("Шаг 2 (\"Телепортировать героя\") нельзя изменить")),
              std::string::npos);
    EXPECT_NE(world.messages[5].text.find(ru("Шаг 4 (\"Убить героя\") нельзя сдвинуть")),
              std::string::npos);
}

TEST_F(ActionAuthoring, RemovingTheLastStepAndSavingShortensTheAction) {
    openYard(kYardIndex);
    world.write("Maps/Default/chest", kHandWritten);
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        clickEntry(window.lstSteps, 3);
        click(window.cmdRemoveStep);
        click(window.Command1);
    });
    std::string expected = kHandWritten;
    expected.replace(expected.find("ActionCount=3"), 13, "ActionCount=2");
    EXPECT_EQ(file("chest"), expected);
}

TEST_F(ActionAuthoring, ARenameWritesTheNewFileAndEntryAndRemovesTheOldFileLast) {
    openYard(kYardIndex);
    world.write("Maps/Default/chest", kHandWritten);
    world.write("Maps/Default/well", "[ACTION]\r\nActionType=fx\r\n");
    world.write("Maps/Default/cave.actl", "[ACTIONS]\r\nCount=0\r\nA0=well\r\n");
    QStringList listed;
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        retype(window.txtActionName, "box");
        click(window.Command1);
        clickEntry(window.lstActionsList, 2);
        retype(window.txtActionName, "spring");
        click(window.Command1);
        listed = entries(window.lstActionsList);
    });
    EXPECT_EQ(file("box"), kHandWritten);
    EXPECT_FALSE(exists("chest"));
    EXPECT_EQ(file("spring"), "[ACTION]\r\nActionType=fx\r\n");
    EXPECT_TRUE(exists("well")) << "cave's index names it";
    EXPECT_EQ(file("yard.actl"), "[ACTIONS]\r\nCount=2\r\nA0=door1\r\nA1=box\r\nA2=spring\r\n");
    EXPECT_EQ(listed, (QStringList{"door1", "box", "spring"}));
    ASSERT_EQ(world.messages.size(), 2u);
    EXPECT_EQ(world.messages[0].text, ru("Действие \"box\" сохранено."));
    EXPECT_EQ(world.messages[1].text,
              ru("Действие \"spring\" сохранено. Файл \"well\" оставлен: его называет список "
                 "действий локации карты."));
}

TEST_F(ActionAuthoring, DeletingEmptiesItsCellsRenumbersTheRestSavesAndRewritesTheIndex) {
    openYard(kYardIndex, {1, 2, 3, 0, 2, 3, 3, 1, 0, 0, 2, 3});
    world.write("Maps/Default/chest", "[ACTION]\r\n");
    // An unsaved edit goes to disk with the renumbered cells.
    world.canvas->document().grid().setCellValue(model::Layer::Earths, 3, 2, 7);
    ASSERT_TRUE(world.canvas->document().history().isModified());
    std::vector<ui::Message> asked;
    ui::MessageHandlerScope answer([&](const ui::Message& m) {
        asked.push_back(m);
        return m.icon == ui::MessageIcon::Question ? ui::MessageAnswer::Yes : ui::MessageAnswer::Ok;
    });
    QStringList listed;
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 1);
        click(window.cmdDeleteAction);
        listed = entries(window.lstActionsList);
    });
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].buttons, ui::MessageButtons::YesNo);
    EXPECT_EQ(asked[0].text, ru("Удалить действие \"chest\"? Клетки, которые на него ссылаются "
                                "(3), будут очищены, номера следующих действий уменьшатся, и "
                                "локация будет сохранена."));
    const std::vector<int> renumbered = {1, 0, 2, 0, 0, 2, 2, 1, 0, 0, 0, 2};
    EXPECT_EQ(doors(), renumbered);
    EXPECT_EQ(savedDoors(), renumbered);
    EXPECT_EQ(static_cast<unsigned char>(file("yard.map")[2 * 32 + 3]), 7u);
    EXPECT_EQ(file("yard.actl"), "[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=well\r\n");
    EXPECT_FALSE(exists("chest"));
    EXPECT_EQ(listed, (QStringList{"door1", "well"}));
    EXPECT_EQ(world.canvas->document().history().stack().count(), 0);
    EXPECT_FALSE(world.canvas->document().history().isModified());
}

TEST_F(ActionAuthoring, DeletingAnsweredNoOrWithAGridThatCannotBeSavedChangesNothing) {
    openYard(kYardIndex, {1, 2, 3, 3});
    world.write("Maps/Default/well", "[ACTION]\r\n");
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 2);
        click(window.cmdDeleteAction); // the capture answers: not Yes
    });
    EXPECT_EQ(file("yard.actl"), kYardIndex);

    std::filesystem::remove(world.root().path() / "Maps/Default/yard.map");
    std::filesystem::create_directories(world.root().path() / "Maps/Default/yard.map/x");
    const auto before = world.snapshot();
    std::vector<ui::Message> told;
    ui::MessageHandlerScope answer([&](const ui::Message& m) {
        told.push_back(m);
        return m.icon == ui::MessageIcon::Question ? ui::MessageAnswer::Yes : ui::MessageAnswer::Ok;
    });
    whileShown(window, [&] {
        clickEntry(window.lstActionsList, 2);
        click(window.cmdDeleteAction);
    });
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(doors(), (std::vector<int>{1, 2, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1].icon, ui::MessageIcon::Critical);
    EXPECT_NE(told[1].text.find(ru("Действие \"well\" не удалено")), std::string::npos);
    EXPECT_NE(told[1].text.find("yard.map"), std::string::npos);
}
