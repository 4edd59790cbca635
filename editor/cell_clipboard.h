#pragma once
// Cells on the system clipboard: a block of chosen layers goes there in a
// private form that paste reads back, and as plain text, one table of codes
// per layer, for any other program. What comes back from the clipboard may
// have been put there by anything: it is read as untrusted bytes.

#include "model/cell_patch.h"

#include <optional>

class QMimeData;

namespace editor {

// The private clipboard form of a block of cells.
inline constexpr char kCellsMimeType[] = "application/x-location-cells";

// The data the clipboard gets for `patch`: both forms.
QMimeData* cellsMimeData(const model::CellPatch& patch);
// The block in `data`; nothing when it holds none or bytes that are not a
// block, or values a layer cannot hold.
std::optional<model::CellPatch> cellsFromMimeData(const QMimeData* data);

// Puts `patch` on the system clipboard.
void putCellsOnClipboard(const model::CellPatch& patch);
// Whether the system clipboard offers a block of cells (perhaps unreadable).
bool clipboardOffersCells();
// The block on the system clipboard, read as cellsFromMimeData does.
std::optional<model::CellPatch> cellsOnClipboard();

} // namespace editor
