#pragma once
// The filter text of the file dialogs, pairs of a description and its
// patterns separated by "|" ("Text files|*.txt|All|*.*"), as the toolkit's
// name filters ("Text files (*.txt)", "All (*)"). Several patterns of one pair
// are separated by ";"; "*.*" stands for every name, dotted or not. A
// description left without a pattern at the end is dropped.

#include <QStringList>

#include <string_view>

namespace dialogs {

// `filter` is a code page 1251 text.
QStringList nameFilters(std::string_view filter);

} // namespace dialogs
