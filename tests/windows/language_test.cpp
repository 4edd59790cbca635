// The interface in English and in Russian: every window built in English
// shows no Russian text and no clipped caption, the Russian one keeps its
// texts, messages composed from pieces read in the chosen language, and the
// language is chosen in the menu "Вид" > "Язык" or for one run by --lang.

#include "check_map_editor.h"
#include "editor/go_to_cell.h"
#include "editor/language.h"
#include "editor/window_settings.h"
#include "model/location_loader.h"
#include "support/phrase.h"
#include "test_support/process.h"
#include "test_support/shown_texts.h"

#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace windows_testing;
using testing_support::clippedCaptions;
using testing_support::cyrillicTexts;
using testing_support::hasCyrillic;

namespace {

const std::set<QString> kDataLists = {"lstGroups", "lstObjects"};

// The interface language for one test; Russian again afterwards.
struct Interface {
    explicit Interface(editor::Language language) { EXPECT_TRUE(editor::applyLanguage(language)); }
    ~Interface() { editor::applyLanguage(editor::Language::Russian); }
};

// The user's settings in a folder of the test's own while it lives.
struct PrivateSettings {
    testing_support::TempFolder folder;
    PrivateSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(folder.path().string()));
    }
    ~PrivateSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    QString stored() const {
        return QSettings(editor::settingsFile(), QSettings::IniFormat)
            .value("interface/language")
            .toString();
    }
};

QStringList menuTitles(const frmMain& window) {
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

QStringList items(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

std::string utf8(const std::string& programText) {
    return cp1251::toUtf8(programText);
}

TEST(EnglishInterface, TheMainWindowAndItsWindowsShowNoRussianTextAndNoClippedCaption) {
    Interface english(editor::Language::English);
    CheckEditor e;
    frmMain& window = e.window;
    // "Русский" names the other language in itself.
    std::vector<std::string> russian = cyrillicTexts(window, kDataLists);
    const std::string ownName = "mnuLanguageRussian text: Русский";
    EXPECT_NE(std::erase(russian, ownName), 0u);
    EXPECT_EQ(russian, std::vector<std::string>());
    EXPECT_EQ(clippedCaptions(window), std::vector<std::string>());
    EXPECT_EQ(menuTitles(window), (QStringList{"File", "Edit", "View"}));
    EXPECT_EQ(ui::applicationTitle(), "Map Editor");
    // The status bar's line for the cell under the mouse.
    QTest::mouseMove(window.WorldCanvas1->mapSurface(), QPoint(40, 40));
    EXPECT_FALSE(window.lblMouseCell->text().isEmpty());
    EXPECT_FALSE(hasCyrillic(window.lblMouseCell->text()))
        << window.lblMouseCell->text().toStdString();

    window.Command1->click();
    ASSERT_TRUE(window.fullScreenView());
    EXPECT_EQ(cyrillicTexts(*window.fullScreenView()), std::vector<std::string>());
    window.fullScreenView()->close();

    editor::GoToCellDialog goTo(&window, 8, 6);
    EXPECT_EQ(cyrillicTexts(goTo), std::vector<std::string>());

    // The check window shows the checker's English sentences.
    FixedCheck check{{finding(checker::Severity::Error, "main", checker::Cell{3, 4},
                              "Клетка с неизвестной землёй 300.", 2)}};
    frmCheckMap& checked = e.open(check.function());
    EXPECT_EQ(cyrillicTexts(checked), std::vector<std::string>());
    EXPECT_EQ(clippedCaptions(checked), std::vector<std::string>());
    EXPECT_EQ(CheckEditor::line(checked, 0)[3], "error");
    EXPECT_TRUE(CheckEditor::line(checked, 0)[4].startsWith("in English"))
        << CheckEditor::line(checked, 0)[4].toStdString();
    EXPECT_EQ(checked.lblSummary->text(), "Errors: 1, warnings: 0");
}

TEST(RussianInterface, KeepsItsCaptionsAndOffersBothLanguages) {
    Interface russian(editor::Language::Russian);
    CheckEditor e;
    frmMain& window = e.window;
    EXPECT_EQ(menuTitles(window), (QStringList{"Файл", "Правка", "Вид"}));
    EXPECT_EQ(ui::applicationTitle(), "Редактор карт");
    EXPECT_EQ(items(*window.List1),
              (QStringList{"Земля", "Объекты", "Предметы", "Действия", "Доступность", "Сетка",
                           "Координаты", "Курсор", "Прорисовка по требованию", "Контуры объектов",
                           "Guard zone"}));
    EXPECT_EQ(window.mnuLanguage->title(), "Язык");
    EXPECT_EQ(window.mnuLanguageRussian->text(), "Русский");
    EXPECT_EQ(window.mnuLanguageEnglish->text(), "English");
    EXPECT_TRUE(window.mnuLanguageRussian->isChecked());
    EXPECT_FALSE(window.mnuLanguageEnglish->isChecked());
    EXPECT_EQ(window.mnuUndo->text(), "Отменить");
    EXPECT_EQ(window.chkIsBlock->text(), "путь закрыт (B [И])");
    EXPECT_EQ(window.Label2[0]->text(), "Размер карты:");
    EXPECT_EQ(window.tbTools->windowTitle(), "Инструменты");
    // The same walk finds Russian captions everywhere the English one found none.
    EXPECT_GT(cyrillicTexts(window, kDataLists).size(), 80u);
    EXPECT_EQ(clippedCaptions(window), std::vector<std::string>());
}

TEST(InterfaceLanguage, IsNamedByItsCodeAndKeptInTheSettings) {
    EXPECT_EQ(editor::languageNamed("en"), editor::Language::English);
    EXPECT_EQ(editor::languageNamed(" RU "), editor::Language::Russian);
    EXPECT_EQ(editor::languageNamed("de"), std::nullopt);
    EXPECT_EQ(editor::languageNamed(""), std::nullopt);

    PrivateSettings isolated;
    QSettings settings(editor::settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(editor::storedLanguage(settings), editor::Language::Russian) << "by default";
    editor::storeLanguage(settings, editor::Language::English);
    EXPECT_EQ(editor::storedLanguage(settings), editor::Language::English);
    settings.setValue("interface/language", "klingon");
    EXPECT_EQ(editor::storedLanguage(settings), editor::Language::Russian);

    // Applying a language changes what every layer says, and back.
    std::string problem;
    ASSERT_TRUE(editor::applyLanguage(editor::Language::English));
    EXPECT_EQ(editor::currentLanguage(), editor::Language::English);
    EXPECT_TRUE(phrase::translates());
    editor::cellToGoTo("9", "2", 8, 6, problem);
    const std::string english = utf8(problem);
    ASSERT_TRUE(editor::applyLanguage(editor::Language::Russian));
    EXPECT_FALSE(phrase::translates());
    editor::cellToGoTo("9", "2", 8, 6, problem);
    EXPECT_EQ(utf8(problem), "Клетки (9, 2) в локации нет: X бывает от 0 до 7, Y от 0 до 5.");
    EXPECT_EQ(english, "The location has no cell (9, 2): X ranges from 0 to 7, Y from 0 to 5.");
}

TEST(InterfaceLanguage, TheViewMenuKeepsTheChoiceForTheNextStartAndSaysSoInBothLanguages) {
    PrivateSettings isolated;
    Interface russian(editor::Language::Russian);
    EditorWorld world;
    frmMain window;
    window.mnuLanguageEnglish->trigger();
    EXPECT_EQ(isolated.stored(), "en");
    EXPECT_TRUE(window.mnuLanguageEnglish->isChecked());
    EXPECT_FALSE(window.mnuLanguageRussian->isChecked());
    ASSERT_EQ(world.messages.size(), 1u);
    const std::string note = utf8(world.messages[0].text);
    EXPECT_NE(note.find("при следующем запуске"), std::string::npos) << note;
    EXPECT_NE(note.find("next time the editor starts"), std::string::npos) << note;
    // This run stays Russian.
    EXPECT_EQ(menuTitles(window), (QStringList{"Файл", "Правка", "Вид"}));

    // Back to the language of this run: kept, with nothing to restart for.
    window.mnuLanguageRussian->trigger();
    EXPECT_EQ(isolated.stored(), "ru");
    EXPECT_EQ(world.messages.size(), 1u);
}

TEST(EnglishInterface, MessagesOfEveryLayerAreComposedInEnglish) {
    Interface english(editor::Language::English);
    // The location loader (no toolkit) through the translator it was given.
    struct Listener : model::LoadListener {
        std::vector<std::string> texts;
        void showMessage(model::MessageIcon, const std::string&, const std::string& text) override {
            texts.push_back(utf8(text));
        }
        void locationNameChanged(const std::string&) override {}
        void mapLoaded() override {}
        void redrawRequested() override {}
    } listener;
    testing_support::TempFolder folder;
    model::LocationGrid grid;
    EXPECT_EQ(model::LoadMap(grid, folder.text(), "nowhere", listener),
              model::LoadOutcome::Refused);
    ASSERT_EQ(listener.texts.size(), 1u);
    EXPECT_EQ(listener.texts[0], "Cannot load the location \"nowhere\" because the location's "
                                 "parameter file was not found.\r\nFor more information, contact "
                                 "the developer.");

    // A message of the windows with its pieces in place.
    EditorWorld world;
    frmMain window;
    window.mnuSaveLocation->trigger();
    ASSERT_FALSE(world.messages.empty());
    EXPECT_EQ(utf8(world.messages.back().text), "No location is loaded: there is nothing to save.");
}

// The compiled catalogue holds an English text for every source text, all in
// the one context the program looks them up in.
TEST(EnglishInterface, TheCatalogueTranslatesEveryTextInOneContext) {
    QFile file(MAPEDIT_TRANSLATIONS);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString ts = QString::fromUtf8(file.readAll());
    const QRegularExpression contexts("<name>([^<]*)</name>");
    QStringList names;
    for (auto match = contexts.globalMatch(ts); match.hasNext();)
        names << match.next().captured(1);
    EXPECT_EQ(names, QStringList{"mapeditor"});
    EXPECT_FALSE(ts.contains("type=\"unfinished\""));
    const QRegularExpression translation("<translation>([^<]*)</translation>");
    int translations = 0;
    for (auto match = translation.globalMatch(ts); match.hasNext(); ++translations) {
        const QString text = match.next().captured(1);
        EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
    }
    EXPECT_GT(translations, 150);
}

// --lang names the language of one run: a message the editor prints when it
// runs unattended reads in it.
TEST(InterfaceLanguage, TheCommandLineChoosesTheLanguageOfOneRun) {
    EditorWorld world;
    testing_support::TempFolder out;
    const std::string picture = (out.path() / "shot.png").string();
    const auto run = [&](const std::vector<std::string>& language) {
        std::vector<std::string> args = {"--root",       world.root().path().string(),
                                         "--map",        "Default",
                                         "--location",   "nowhere",
                                         "--screenshot", picture};
        args.insert(args.end(), language.begin(), language.end());
        return testing_support::runProcess(MAPEDIT_EDITOR, args,
                                           {60, 0, {"QT_QPA_PLATFORM=offscreen"}});
    };
    const auto english = run({"--lang", "en"});
    EXPECT_NE(english.err.find("Cannot load the location \"nowhere\" because the location's "
                               "parameter file was not found."),
              std::string::npos)
        << english.err;
    const auto russian = run({"--lang=ru"});
    EXPECT_NE(russian.err.find("Не возможно загрузить локацию \"nowhere\" так как файл "
                               "параметров локации не найден."),
              std::string::npos)
        << russian.err;
    const auto unknown = run({"--lang", "fr"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("--lang fr"), std::string::npos) << unknown.err;
}

} // namespace
