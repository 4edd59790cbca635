#pragma once
// What the editing tools work on: the main window's canvas and document, and
// what the window lets them know and say.

#include "editor/entry_placement.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;
class WorldCanvas;

namespace document {
class LocationDocument;
}

namespace editor::tools {

// What the painting tools put into the cells ("Что рисовать").
enum class PaintTarget {
    ChosenEntry, // the palette's chosen entry; erasing takes the object away
    Blocked,     // Blocks 1, erased 0
    Guarded,     // Guards 1, erased 0
};

struct ToolContext {
    WorldCanvas& canvas;
    document::LocationDocument& document;
    std::function<PaintTarget()> target;
    std::function<std::optional<PaletteChoice>()> entry;
    // Tells the designer something in passing (the status bar).
    std::function<void(const QString&)> say;
    // The parent of message boxes and of a long fill's progress.
    QWidget* window = nullptr;
};

} // namespace editor::tools
