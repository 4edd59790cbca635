// The window "Проверка карты": what it shows of a check's findings, sorting
// and copying them, and the menu item that opens it.

#include "check_map_editor.h"
#include "editor/findings_model.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

using namespace windows_testing;
using checker::Severity;

namespace {

std::vector<checker::Finding> threeFindings() {
    return {finding(Severity::Warning, "", std::nullopt, "В палитре нет кода 7."),
            finding(Severity::Error, "cave", checker::Cell{12, 9},
                    "Клетка с неизвестной землёй 300.", 38),
            finding(Severity::Error, "main", std::nullopt, "Файл main.map короче, чем нужно.")};
}

void clickHeader(frmCheckMap& w, int column) {
    QHeaderView* header = w.grdFindings->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(x, header->height() / 2));
}

QStringList column(const frmCheckMap& w, int column) {
    QStringList texts;
    for (int row = 0; row < w.grdFindings->model()->rowCount(); ++row)
        texts << w.grdFindings->model()->index(row, column).data().toString();
    return texts;
}

void clickRow(frmCheckMap& w, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect cell = w.grdFindings->visualRect(w.grdFindings->model()->index(row, 0));
    QTest::mouseClick(w.grdFindings->viewport(), Qt::LeftButton, modifiers, cell.center());
}

} // namespace

TEST(CheckMapWindow, ShowsTheFindingsOfTheOpenMapInItsColumnsWithASummary) {
    CheckEditor e;
    FixedCheck check{threeFindings()};
    frmCheckMap& w = e.open(check.function());
    EXPECT_EQ(w.windowTitle(), "Проверка карты");
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(check.requests->size(), 1u);
    EXPECT_EQ(check.requests->at(0).map, "Default");
    EXPECT_EQ(check.requests->at(0).location, "") << "the whole map";
    EXPECT_EQ(w.lblMap->text(), "Карта: Default");

    QStringList headers;
    for (int c = 0; c < w.grdFindings->model()->columnCount(); ++c)
        headers << w.grdFindings->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Локация", "X", "Y", "Важность", "Проблема"}));
    ASSERT_EQ(w.grdFindings->model()->rowCount(), 3);
    // The checker's order until a column is clicked.
    EXPECT_EQ(CheckEditor::line(w, 0),
              (QStringList{"(вся карта)", "", "", "предупреждение", "В палитре нет кода 7."}));
    EXPECT_EQ(CheckEditor::line(w, 1),
              (QStringList{"cave", "12", "9", "ошибка",
                           "Клетка с неизвестной землёй 300. (и ещё 37 клеток)"}));
    EXPECT_EQ(CheckEditor::line(w, 2),
              (QStringList{"main", "", "", "ошибка", "Файл main.map короче, чем нужно."}));
    EXPECT_EQ(w.lblSummary->text(), "Ошибок: 2, предупреждений: 1");
    EXPECT_FALSE(w.prgCheck->isVisible());
    EXPECT_TRUE(w.cmdCheckAgain->isEnabled());
    // The current line's whole sentence stands below the table.
    EXPECT_EQ(w.grdFindings->currentIndex().row(), 0);
    EXPECT_EQ(w.lblDetail->text(), "В палитре нет кода 7.");
    clickRow(w, 1);
    EXPECT_EQ(w.lblDetail->text(), "Клетка с неизвестной землёй 300. (и ещё 37 клеток)");
    const QString tip = w.grdFindings->model()
                            ->index(1, editor::FindingsModel::Problem)
                            .data(Qt::ToolTipRole)
                            .toString();
    EXPECT_TRUE(tip.contains("неизвестной землёй 300")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("(12, 9)")) << tip.toStdString();
}

TEST(CheckMapWindow, CountsReadInRussianAndSummariesCoverNothingFoundAndFailures) {
    const auto withCount = [](std::uint64_t count, bool cell) {
        return editor::problemText(finding(Severity::Error, "main",
                                           cell ? std::optional(checker::Cell{1, 1}) : std::nullopt,
                                           "Плохо.", count))
            .toStdString();
    };
    EXPECT_EQ(withCount(1, true), "Плохо.");
    EXPECT_EQ(withCount(2, true), "Плохо. (и ещё 1 клетка)");
    EXPECT_EQ(withCount(5, true), "Плохо. (и ещё 4 клетки)");
    EXPECT_EQ(withCount(12, true), "Плохо. (и ещё 11 клеток)");
    EXPECT_EQ(withCount(22, true), "Плохо. (и ещё 21 клетка)");
    EXPECT_EQ(withCount(113, true), "Плохо. (и ещё 112 клеток)");
    EXPECT_EQ(withCount(6, false), "Плохо. (всего 6)");

    CheckEditor e;
    frmCheckMap& clean = e.open(FixedCheck{}.function());
    EXPECT_EQ(clean.lblSummary->text(), "Проблем не найдено");
    EXPECT_EQ(clean.grdFindings->model()->rowCount(), 0);
    clean.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.window.checkMapWindow(); }, 2000));

    frmCheckMap& failed = e.open([](const checker::CheckRequest&, const auto&) {
        checker::CheckResult result;
        result.ran = false;
        result.failure = cp1251::fromUtf8("Нет такой карты.");
        return result;
    });
    EXPECT_EQ(failed.lblSummary->text(), "Проверка не удалась: Нет такой карты.");
    failed.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.window.checkMapWindow(); }, 2000));

    frmCheckMap& thrown =
        e.open([](const checker::CheckRequest&, const auto&) -> checker::CheckResult {
            throw std::runtime_error("disk on fire");
        });
    EXPECT_EQ(thrown.lblSummary->text(), "Проверка не удалась: Проверка прервалась: disk on fire");
    EXPECT_TRUE(thrown.cmdCheckAgain->isEnabled());
}

TEST(CheckMapWindow, ColumnsSortByTheirValuesNumbersAsNumbers) {
    CheckEditor e;
    frmCheckMap& w = e.open(FixedCheck{
        {
            finding(Severity::Warning, "Cave", checker::Cell{100, 3}, "Третья."),
            finding(Severity::Error, "bridge", checker::Cell{9, 40}, "Первая."),
            finding(Severity::Warning, "", std::nullopt, "Карта."),
            finding(Severity::Error, "main", checker::Cell{10, 5}, "Вторая."),
        }}.function());
    w.show();
    clickHeader(w, editor::FindingsModel::X);
    EXPECT_EQ(column(w, editor::FindingsModel::X), (QStringList{"", "9", "10", "100"}));
    clickHeader(w, editor::FindingsModel::X);
    EXPECT_EQ(column(w, editor::FindingsModel::X), (QStringList{"100", "10", "9", ""}));
    clickHeader(w, editor::FindingsModel::Y);
    EXPECT_EQ(column(w, editor::FindingsModel::Y), (QStringList{"", "3", "5", "40"}));
    clickHeader(w, editor::FindingsModel::Location);
    EXPECT_EQ(column(w, editor::FindingsModel::Location),
              (QStringList{"(вся карта)", "bridge", "Cave", "main"}))
        << "names sort without regard to case";
    clickHeader(w, editor::FindingsModel::Severity);
    EXPECT_EQ(column(w, editor::FindingsModel::Severity),
              (QStringList{"ошибка", "ошибка", "предупреждение", "предупреждение"}));
    EXPECT_EQ(column(w, editor::FindingsModel::Problem),
              (QStringList{"Первая.", "Вторая.", "Карта.", "Третья."}))
        << "within a severity the lines keep their order by location";
}

TEST(CheckMapWindow, CtrlCCopiesTheSelectedLinesAsTheyReadTabSeparated) {
    CheckEditor e;
    auto findings = threeFindings();
    findings[2].sentence = cp1251::fromUtf8("Строка\tс табуляцией\nи переводом.");
    frmCheckMap& w = e.open(FixedCheck{findings}.function());
    QApplication::setActiveWindow(&w);
    clickHeader(w, editor::FindingsModel::Location); // the whole map, cave, main
    clickHeader(w, editor::FindingsModel::Location); // main, cave, the whole map
    QApplication::clipboard()->setText("before");
    clickRow(w, 0);
    clickRow(w, 2, Qt::ControlModifier);
    QTest::keyClick(w.grdFindings, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "main\t\t\tошибка\tСтрока с табуляцией и переводом.\n"
              "(вся карта)\t\t\tпредупреждение\tВ палитре нет кода 7.\n");

    clickRow(w, 1);
    QTest::keyClick(w.grdFindings, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "cave\t12\t9\tошибка\tКлетка с неизвестной землёй 300. (и ещё 37 клеток)\n");
}

TEST(CheckMapWindow, CheckAgainRunsTheCheckOnceMoreAndShowsWhatItFindsNow) {
    CheckEditor e;
    auto runs = std::make_shared<std::atomic<int>>(0);
    frmCheckMap& w = e.open([runs](const checker::CheckRequest&, const auto&) {
        checker::CheckResult result;
        for (int i = 0; i <= runs->load(); ++i)
            result.findings.push_back(
                finding(Severity::Warning, "main", checker::Cell{i, 0}, "Ой."));
        ++*runs;
        return result;
    });
    EXPECT_EQ(w.lblSummary->text(), "Ошибок: 0, предупреждений: 1");
    QTest::mouseClick(w.cmdCheckAgain, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.checking(); }, 5000));
    EXPECT_EQ(*runs, 2);
    EXPECT_EQ(w.grdFindings->model()->rowCount(), 2);
    EXPECT_EQ(w.lblSummary->text(), "Ошибок: 0, предупреждений: 2");
}

TEST(CheckMapWindow, WhileTheCheckRunsTheWindowShowsItsProgress) {
    CheckEditor e;
    SlowCheck slow;
    slow.state->findings = threeFindings();
    e.window.setMapCheck(slow.function());
    e.window.mnuCheckMap->trigger();
    frmCheckMap* w = e.window.checkMapWindow();
    ASSERT_TRUE(w);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->prgCheck->maximum() == 1000; }, 5000));
    EXPECT_TRUE(w->checking());
    EXPECT_TRUE(w->prgCheck->isVisible());
    EXPECT_GE(w->prgCheck->value(), 100);
    EXPECT_LE(w->prgCheck->value(), 900);
    EXPECT_EQ(w->lblSummary->text(), "Проверка…");
    EXPECT_FALSE(w->cmdCheckAgain->isEnabled());
    EXPECT_EQ(w->grdFindings->model()->rowCount(), 0);
    if (const QString folder = qEnvironmentVariable("MAPEDIT_WINDOW_PICTURES"); !folder.isEmpty()) {
        EXPECT_TRUE(w->grab().save(folder + "/check_map_running.png"));
    }

    slow.letGo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->checking(); }, 5000));
    EXPECT_FALSE(w->prgCheck->isVisible());
    EXPECT_EQ(w->lblSummary->text(), "Ошибок: 2, предупреждений: 1");
    EXPECT_EQ(w->grdFindings->model()->rowCount(), 3);
    EXPECT_FALSE(slow.state->refused);
}

TEST(CheckMapWindow, TheMenuItemNeedsAMapAndOpensOneWindowThatComesToTheFront) {
    EditorWorld world;
    world.writeLocation("cave", 20, 15);
    frmMain window;
    window.show();
    FixedCheck check{threeFindings()};
    window.setMapCheck(check.function());
    emit window.mnuFile->aboutToShow();
    EXPECT_FALSE(window.mnuCheckMap->isEnabled()) << "no map is open";
    EXPECT_EQ(window.mnuCheckMap->objectName(), "mnuCheckMap");

    window.openMap("Default");
    emit window.mnuFile->aboutToShow();
    ASSERT_TRUE(window.mnuCheckMap->isEnabled());
    window.mnuCheckMap->trigger();
    QPointer<frmCheckMap> first = window.checkMapWindow();
    ASSERT_TRUE(first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first->checking(); }, 5000));
    EXPECT_EQ(first->parentWidget(), &window);
    EXPECT_TRUE(first->isWindow());
    EXPECT_FALSE(first->isModal());

    window.mnuCheckMap->trigger();
    EXPECT_EQ(window.checkMapWindow(), first) << "one window at a time";
    EXPECT_EQ(check.requests->size(), 1u) << "the same map is not checked again";
    QTest::mouseClick(first->cmdClose, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first; }, 2000)) << "a closed window goes";

    // Another map open: the window checks that one.
    world.root().write("Maps/beach/main.config", "[CONFIG]\r\nWidth=4\r\nHeight=4\r\n");
    world.root().write("Maps/beach/main.map", std::string(8 * 4 * 5, '\0'));
    window.mnuCheckMap->trigger();
    QPointer<frmCheckMap> second = window.checkMapWindow();
    ASSERT_TRUE(second);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second->checking(); }, 5000));
    window.openMap("beach");
    window.mnuCheckMap->trigger();
    EXPECT_EQ(window.checkMapWindow(), second);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second->checking(); }, 5000));
    ASSERT_EQ(check.requests->size(), 3u);
    EXPECT_EQ(check.requests->back().map, "beach");
    EXPECT_EQ(second->lblMap->text(), "Карта: beach");
}

TEST(CheckMapWindow, OpensAtAReadableSizeWithTheSentenceTakingTheRoomLeft) {
    CheckEditor e;
    std::vector<checker::Finding> findings = threeFindings();
    findings.push_back(
        finding(Severity::Error, "cave", checker::Cell{3, 14},
                "Клетка (3, 14) ссылается на действие 17, которого нет в файле действий cave.act; "
                "в игре переход с этой клетки никуда не ведёт.",
                2));
    for (int i = 0; i < 12; ++i)
        findings.push_back(finding(i % 3 ? Severity::Warning : Severity::Error, "main",
                                   checker::Cell{i * 7, i}, "Предмет без картинки.", 1 + i));
    frmCheckMap& w = e.open(FixedCheck{findings}.function());
    w.show();
    QApplication::processEvents();
    EXPECT_GE(w.width(), 700);
    EXPECT_GE(w.height(), 400);
    QHeaderView* header = w.grdFindings->horizontalHeader();
    const int problem = header->sectionSize(editor::FindingsModel::Problem);
    for (int c = 0; c < editor::FindingsModel::Problem; ++c) {
        EXPECT_LT(header->sectionSize(c), problem / 2) << "column " << c;
        const QString caption = w.grdFindings->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(caption))
            << "column " << c << " shows its caption";
    }
    EXPECT_GE(header->sectionSize(editor::FindingsModel::Severity),
              w.grdFindings->fontMetrics().horizontalAdvance("предупреждение"));
    // A sentence longer than its column reads whole below the table.
    const int longRow = 3;
    ASSERT_EQ(CheckEditor::line(w, longRow)[0], "cave");
    clickRow(w, longRow);
    EXPECT_TRUE(w.lblDetail->text().endsWith("никуда не ведёт. (и ещё 1 клетка)"));
    EXPECT_TRUE(w.lblDetail->wordWrap());
    EXPECT_GE(w.lblDetail->height(), 2 * w.lblDetail->fontMetrics().lineSpacing());

    // MAPEDIT_WINDOW_PICTURES names a folder for a picture of the window.
    if (const QString folder = qEnvironmentVariable("MAPEDIT_WINDOW_PICTURES"); !folder.isEmpty()) {
        EXPECT_TRUE(w.grab().save(folder + "/check_map.png"));
    }
}
