#include "editor/findings_model.h"
#include "canvas/ui_words.h"

#include "checker/finding_format.h"
#include "editor/language.h"
#include "support/cp1251.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyle>

namespace editor {

namespace {

QString fromProgram(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

} // namespace

QString severityText(checker::Severity severity) {
    return severity == checker::Severity::Error ? Words::tr("ошибка") : Words::tr("предупреждение");
}

QString problemText(const checker::Finding& finding) {
    // The checker words each finding in both languages.
    if (currentLanguage() == Language::English)
        return fromProgram(finding.sentenceEnglish + checker::repeatNote(finding));
    return fromProgram(finding.sentence + checker::repeatNoteRussian(finding));
}

void FindingsModel::setFindings(std::vector<checker::Finding> findings) {
    beginResetModel();
    m_findings = std::move(findings);
    endResetModel();
}

int FindingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_findings.size());
}

int FindingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString FindingsModel::text(int row, int column) const {
    const checker::Finding& finding = m_findings.at(static_cast<std::size_t>(row));
    switch (column) {
    case Location:
        return finding.location.empty() ? Words::tr("(вся карта)") : fromProgram(finding.location);
    case X:
        return finding.cell ? QString::number(finding.cell->x) : QString();
    case Y:
        return finding.cell ? QString::number(finding.cell->y) : QString();
    case Severity:
        return severityText(finding.severity);
    case Problem:
        return problemText(finding);
    default:
        return {};
    }
}

QVariant FindingsModel::sortKey(const checker::Finding& finding, int column) const {
    switch (column) {
    case Location:
        return fromProgram(finding.location).toLower();
    case X: // findings without a cell before all cells
        return finding.cell ? qint64(finding.cell->x) : qint64(-1) - INT32_MAX;
    case Y:
        return finding.cell ? qint64(finding.cell->y) : qint64(-1) - INT32_MAX;
    case Severity:
        return finding.severity == checker::Severity::Error ? 0 : 1;
    case Problem:
        return problemText(finding).toLower();
    default:
        return {};
    }
}

QString FindingsModel::toolTip(const checker::Finding& finding) const {
    QString cells;
    for (const checker::Cell& cell : finding.firstCells)
        cells += (cells.isEmpty() ? "" : ", ") + QStringLiteral("(%1, %2)").arg(cell.x).arg(cell.y);
    // Rich text, so that a long sentence wraps in the tip.
    QString tip = "<p>" + problemText(finding).toHtmlEscaped() + "</p>";
    if (finding.count > 1 && !cells.isEmpty())
        tip += "<p>" + Words::tr("Первые клетки: %1").arg(cells) + "</p>";
    return tip;
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const checker::Finding& finding = m_findings[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case SortRole:
        return sortKey(finding, index.column());
    case Qt::ToolTipRole:
        return toolTip(finding);
    case Qt::TextAlignmentRole:
        return index.column() == X || index.column() == Y
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (index.column() == Location && finding.location.empty())
            return QApplication::palette().color(QPalette::PlaceholderText);
        return {};
    case Qt::DecorationRole:
        if (index.column() != Severity)
            return {};
        return QApplication::style()->standardIcon(finding.severity == checker::Severity::Error
                                                       ? QStyle::SP_MessageBoxCritical
                                                       : QStyle::SP_MessageBoxWarning);
    default:
        return {};
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Location:
        return Words::tr("Локация");
    case X:
        return QStringLiteral("X");
    case Y:
        return QStringLiteral("Y");
    case Severity:
        return Words::tr("Важность");
    case Problem:
        return Words::tr("Проблема");
    default:
        return {};
    }
}

} // namespace editor
