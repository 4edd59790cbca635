#pragma once
// Creating, saving, renaming and removing the actions of a location, in the
// order that keeps the map consistent when a write fails or the program is
// killed: an action file is complete before the index names it, an index
// names no file that was removed, and the grid is saved with its renumbered
// Doors before the index loses an entry. Every write is a crash-safe save;
// files are touched only by names that stay in the map folder.

#include "model/action_steps.h"
#include "model/location_grid.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace managers {

// The first file that could not be written or removed; an empty `file`
// means none.
struct ActionFileFailure {
    std::string file;
    std::error_code error;

    explicit operator bool() const { return !file.empty(); }
};

struct LocationActions {
    std::string mapFolder; // ends in a separator
    std::string indexFile;
};

// Writes action `name` (a name checkNewActionName accepts) with `steps`
// (which checkSteps accepts for a new file) into the map folder, then
// appends it to the index. When the index cannot be written the new file
// is removed again.
ActionFileFailure createAction(const LocationActions& location, std::string_view name,
                               const std::vector<ActionStep>& steps);

struct ActionSaveResult {
    // The first write that failed; nothing after it was done.
    ActionFileFailure failure;
    // Renaming: the old file stayed because an index of the map names it.
    bool oldFileKept = false;
    // Renaming: the old file could not be removed (the action is renamed).
    ActionFileFailure removal;
};

// Stores `steps` (which checkSteps accepts for an existing file) into the
// file of entry `entry` (from 0) of the index, named `oldName`. With another
// `newName` (which checkNewActionName accepts) the action is renamed: the
// new file gets the old file's bytes with the steps stored, the index entry
// is set to the new name, and the old file is removed last, unless an index
// of the map still names it. A failed index write removes the new file.
ActionSaveResult saveAction(const LocationActions& location, std::int32_t entry,
                            std::string_view oldName, std::string_view newName,
                            const std::vector<ActionStep>& steps);

struct ActionRemovalResult {
    // The grid, then the index: the first that could not be written. When
    // the grid failed, nothing was written.
    ActionFileFailure failure;
    bool gridFailed = false;
    // The action file stayed: an index of the map still names it, or its
    // name leads outside the map folder.
    bool fileKept = false;
    // The action file could not be removed (the action is out of the index).
    ActionFileFailure removal;
};

// Takes entry `entry` (from 0), action `name`, out of the location: the
// grid's Doors renumbered (renumberDoorsAfterRemoval with entry + 1) and the
// grid saved to `gridFile`, then the entry taken out of the index, then the
// action file removed unless an index of the map still names it. When the
// grid cannot be saved its renumbered cells stay in memory; the caller puts
// them back.
ActionRemovalResult removeAction(const LocationActions& location, model::LocationGrid& grid,
                                 std::string_view gridFile, std::int32_t entry,
                                 std::string_view name);

} // namespace managers
