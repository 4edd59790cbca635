#pragma once
// The question a window asks before it replaces the location on the canvas
// (going to a location, creating a location or a map, opening a map), so that
// the main window can offer to save unsaved edits first. It answers true when
// the window may go on; false stops the command with nothing changed. Without
// a question set, windows always go on.

#include <functional>
#include <utility>

namespace managers {

using DiscardCheck = std::function<bool()>;

inline bool mayDiscard(const DiscardCheck& check) {
    return !check || check();
}

} // namespace managers
