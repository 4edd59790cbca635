#pragma once
// The findings of a map check as a table: "Локация", "X", "Y", "Важность",
// "Проблема". Each column sorts by its own key (numbers as numbers, errors
// before warnings), and the rows read as tab-separated text for the clipboard.

#include "checker/finding.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace editor {

class FindingsModel : public QAbstractTableModel {
public:
    enum Column { Location, X, Y, Severity, Problem, ColumnCount };
    // The key a column sorts by.
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setFindings(std::vector<checker::Finding> findings);
    const std::vector<checker::Finding>& findings() const { return m_findings; }
    const checker::Finding& finding(int row) const { return m_findings.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of one cell of the table as it reads there; a problem of the
    // map as a whole reads "(вся карта)" for its location.
    QString text(int row, int column) const;

private:
    QVariant sortKey(const checker::Finding& finding, int column) const;
    QString toolTip(const checker::Finding& finding) const;

    std::vector<checker::Finding> m_findings;
};

// "ошибка" or "предупреждение".
QString severityText(checker::Severity severity);
// The sentence of a finding with, when it stands for more places than its
// cell, how many more: "... (и ещё 37 клеток)".
QString problemText(const checker::Finding& finding);

} // namespace editor
