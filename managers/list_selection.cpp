#include "managers/list_selection.h"

#include "managers/ui_text.h"

namespace managers {

void fillList(QListWidget& list, const std::vector<std::string>& texts) {
    list.clear();
    for (const std::string& text : texts) {
        auto* item = new QListWidgetItem(qText(text), &list);
        item->setData(Qt::UserRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    }
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

std::string entryText(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    if (!item)
        return {};
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace managers
