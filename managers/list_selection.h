#pragma once
// Lists whose entries stand for program texts (code page 1251): each entry
// keeps its text's bytes, so what is selected is handed on exactly.

#include <QListWidget>

#include <string>
#include <vector>

namespace managers {

// Replaces the entries by `texts`, nothing selected.
void fillList(QListWidget& list, const std::vector<std::string>& texts);

// The selected entry's row, or -1 when none is selected.
int selectedRow(const QListWidget& list);

// The program text of the entry at `row`.
std::string entryText(const QListWidget& list, int row);

} // namespace managers
