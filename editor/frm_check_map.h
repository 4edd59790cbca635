#pragma once
// "Проверка карты": the findings of a check of the open map in a sortable
// table, with a summary and the check's progress while it runs. The check runs
// off the user-interface thread; closing the window cancels it. Double-click
// or Enter on a finding goes to its location and puts the cursor on its cell.

#include "editor/check_run.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class frmMain;

namespace editor {
class FindingsModel;
}

class frmCheckMap : public QWidget {
    Q_OBJECT

public:
    // A window of `main` (deleted when closed) that checks the map open in it
    // with `check`; the first check starts at once.
    explicit frmCheckMap(frmMain& main, editor::MapCheck check = checker::checkMap);
    ~frmCheckMap() override;

    // Checks the map open in the main window now, dropping a check under way.
    void startCheck();
    bool checking() const;
    // The map the findings belong to (code page 1251).
    const std::string& checkedMap() const { return m_map; }
    const std::vector<checker::Finding>& findings() const;

    // Goes to the finding shown in line `row` of the table.
    void goToFinding(int row);
    // The selected lines as they read in the table, one line of text each,
    // columns separated by tabs.
    QString selectedRowsText() const;
    void copySelectedRows();

    QLabel* lblMap = nullptr;
    QLabel* lblSummary = nullptr;
    QProgressBar* prgCheck = nullptr;
    QTableView* grdFindings = nullptr;
    QLabel* lblDetail = nullptr;
    QPushButton* cmdCheckAgain = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // A check's result is shown.
    void checkShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void showProgress(const checker::CheckProgress& progress);
    void showResult(const checker::CheckResult& result);
    void showDetail();
    // The finding behind line `row` of the table.
    const checker::Finding& findingAt(int row) const;

    frmMain& m_main;
    editor::MapCheck m_check;
    std::string m_map;
    editor::FindingsModel* m_findings = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    std::unique_ptr<editor::CheckRun> m_run;
};
