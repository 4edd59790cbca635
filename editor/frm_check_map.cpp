#include "editor/frm_check_map.h"
#include "canvas/ui_words.h"

#include "canvas/world_canvas.h"
#include "editor/findings_model.h"
#include "editor/frm_main.h"
#include "editor/language.h"
#include "support/cp1251.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString fromProgram(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

QString summaryOf(const checker::CheckResult& result) {
    if (!result.ran)
        return Words::tr("Проверка не удалась: %1")
            .arg(fromProgram(editor::currentLanguage() == editor::Language::English
                                 ? result.failureEnglish
                                 : result.failure));
    QString summary = result.findings.empty() ? Words::tr("Проблем не найдено")
                                              : Words::tr("Ошибок: %1, предупреждений: %2")
                                                    .arg(result.errors())
                                                    .arg(result.warnings());
    if (result.cancelled)
        summary += Words::tr(" (проверка прервана)");
    return summary;
}

} // namespace

frmCheckMap::frmCheckMap(frmMain& main, editor::MapCheck check)
    : QWidget(&main, Qt::Window), m_main(main), m_check(std::move(check)) {
    setObjectName("frmCheckMap");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Words::tr("Проверка карты"));
    createControls();
    resize(820, 460);
    startCheck();
}

frmCheckMap::~frmCheckMap() = default;

void frmCheckMap::createControls() {
    lblMap = new QLabel(this);
    lblMap->setObjectName("lblMap");
    QFont bold = lblMap->font();
    bold.setBold(true);
    lblMap->setFont(bold);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName("lblSummary");
    prgCheck = new QProgressBar(this);
    prgCheck->setObjectName("prgCheck");
    prgCheck->setMaximumWidth(220);
    prgCheck->setVisible(false);

    m_findings = new editor::FindingsModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_findings);
    m_sorted->setSortRole(editor::FindingsModel::SortRole);

    grdFindings = new QTableView(this);
    grdFindings->setObjectName("grdFindings");
    grdFindings->setModel(m_sorted);
    grdFindings->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFindings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdFindings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFindings->setWordWrap(false);
    grdFindings->setTextElideMode(Qt::ElideRight);
    grdFindings->setAlternatingRowColors(true);
    grdFindings->verticalHeader()->setVisible(false);
    grdFindings->verticalHeader()->setDefaultSectionSize(grdFindings->fontMetrics().height() + 6);
    QHeaderView* header = grdFindings->horizontalHeader();
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    // The checker's own order (by location, then by kind) until the designer
    // sorts by a column.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    grdFindings->setSortingEnabled(true);
    // Widths for the empty table; a result sizes the columns to their contents.
    const QFontMetrics metrics = grdFindings->fontMetrics();
    header->resizeSection(editor::FindingsModel::Location,
                          metrics.horizontalAdvance(Words::tr("Локация")) + 48);
    header->resizeSection(editor::FindingsModel::X, metrics.horizontalAdvance("0000") + 16);
    header->resizeSection(editor::FindingsModel::Y, metrics.horizontalAdvance("0000") + 16);
    header->resizeSection(editor::FindingsModel::Severity,
                          metrics.horizontalAdvance(Words::tr("предупреждение")) + 40);
    grdFindings->installEventFilter(this);
    connect(grdFindings, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { goToFinding(index.row()); });
    connect(grdFindings->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmCheckMap::showDetail);

    // The whole sentence of the current finding, however long.
    lblDetail = new QLabel(this);
    lblDetail->setObjectName("lblDetail");
    lblDetail->setWordWrap(true);
    lblDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDetail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDetail->setMinimumHeight(3 * lblDetail->fontMetrics().lineSpacing());

    cmdCheckAgain = new QPushButton(Words::tr("Проверить снова"), this);
    cmdCheckAgain->setObjectName("cmdCheckAgain");
    cmdClose = new QPushButton(Words::tr("Закрыть"), this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdCheckAgain, &QPushButton::clicked, this, &frmCheckMap::startCheck);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* status = new QHBoxLayout;
    status->addWidget(lblSummary, 1);
    status->addWidget(prgCheck);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCheckAgain);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMap);
    layout->addLayout(status);
    layout->addWidget(grdFindings, 1);
    layout->addWidget(lblDetail);
    layout->addLayout(buttons);
}

void frmCheckMap::startCheck() {
    m_run.reset();
    m_map = m_main.WorldCanvas1->MapPath();
    m_findings->setFindings({});
    lblDetail->clear();
    if (m_map.empty()) {
        lblMap->setText(Words::tr("Карта не открыта."));
        lblSummary->setText(Words::tr("Откройте карту, чтобы проверить её."));
        prgCheck->setVisible(false);
        cmdCheckAgain->setEnabled(true);
        return;
    }
    lblMap->setText(Words::tr("Карта: %1").arg(fromProgram(m_map)));
    lblSummary->setText(Words::tr("Проверка…"));
    prgCheck->setRange(0, 0); // busy until the first report
    prgCheck->setVisible(true);
    cmdCheckAgain->setEnabled(false);
    m_run = std::make_unique<editor::CheckRun>(
        *this, m_check, checker::CheckRequest{m_map, {}},
        [this](const checker::CheckProgress& progress) { showProgress(progress); },
        [this](const checker::CheckResult& result) { showResult(result); });
}

bool frmCheckMap::checking() const {
    return m_run && m_run->running();
}

const std::vector<checker::Finding>& frmCheckMap::findings() const {
    return m_findings->findings();
}

void frmCheckMap::showProgress(const checker::CheckProgress& progress) {
    if (progress.total == 0) {
        prgCheck->setRange(0, 0);
        return;
    }
    prgCheck->setRange(0, 1000);
    prgCheck->setValue(
        static_cast<int>(std::min(progress.done, progress.total) * 1000 / progress.total));
    prgCheck->setToolTip(QString::fromStdString(progress.stage));
}

void frmCheckMap::showResult(const checker::CheckResult& result) {
    m_run.reset();
    prgCheck->setVisible(false);
    cmdCheckAgain->setEnabled(true);
    lblSummary->setText(summaryOf(result));
    m_findings->setFindings(result.findings);
    // The short columns fit their contents; the sentence takes the rest.
    for (int column = 0; column < editor::FindingsModel::Problem; ++column)
        grdFindings->resizeColumnToContents(column);
    if (m_sorted->rowCount() > 0)
        grdFindings->setCurrentIndex(m_sorted->index(0, 0));
    emit checkShown();
}

void frmCheckMap::showDetail() {
    const QModelIndex current = grdFindings->currentIndex();
    lblDetail->setText(current.isValid() ? editor::problemText(findingAt(current.row()))
                                         : QString());
}

const checker::Finding& frmCheckMap::findingAt(int row) const {
    return m_findings->finding(m_sorted->mapToSource(m_sorted->index(row, 0)).row());
}

void frmCheckMap::goToFinding(int row) {
    if (row < 0 || row >= m_sorted->rowCount())
        return;
    const checker::Finding finding = findingAt(row); // a copy: the jump may check again
    if (finding.location.empty())
        return; // a problem of the map as a whole
    WorldCanvas& canvas = *m_main.WorldCanvas1;
    if (!cp1251::sameNameIgnoringCase(canvas.MapPath(), m_map))
        return; // another map is open now
    const auto here = [&] {
        return canvas.hasLocation() &&
               cp1251::sameNameIgnoringCase(canvas.LocationName(), finding.location);
    };
    if (!here()) {
        // Asks about unsaved edits first; a cancel or a failed load stays.
        m_main.goToLocation(finding.location);
        if (!here())
            return;
    }
    if (finding.cell)
        canvas.showWorldCell(QPoint(finding.cell->x, finding.cell->y));
}

QString frmCheckMap::selectedRowsText() const {
    QList<int> rows;
    for (const QModelIndex& index : grdFindings->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) {
        QStringList cells;
        const int source = m_sorted->mapToSource(m_sorted->index(row, 0)).row();
        for (int column = 0; column < editor::FindingsModel::ColumnCount; ++column) {
            QString cell = m_findings->text(source, column);
            cell.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
            cells << cell;
        }
        text += cells.join('\t') + '\n';
    }
    return text;
}

void frmCheckMap::copySelectedRows() {
    const QString text = selectedRowsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

bool frmCheckMap::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdFindings && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelectedRows();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            grdFindings->currentIndex().isValid()) {
            goToFinding(grdFindings->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCheckMap::closeEvent(QCloseEvent* event) {
    // Nothing of a check under way reaches the window any more.
    m_run.reset();
    QWidget::closeEvent(event);
}

void frmCheckMap::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
