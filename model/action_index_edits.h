#pragma once
// Changing a location's action index (section "ACTIONS": "Count" and the
// entries "A0" .. "A" + Count): an action appended, renamed or taken out,
// each as one crash-safe save of the index, and the names an action may take.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace managers {

// The characters of the name filter: ASCII letters, digits and "-_[]".
bool isActionNameCharacter(char c);

// The longest action name: a file name of the map folder.
constexpr std::size_t kMostActionNameBytes = 255;

enum class ActionNameProblem {
    None,
    Empty,
    Character,      // a character the name filter refuses
    TooLong,        // past kMostActionNameBytes
    TooManyActions, // the index lists kMostActions already
    InIndex,        // an entry of `indexNames` (letter case aside)
    FileExists,     // the map folder has an entry of that name
};

// Whether `name` can be the name of a new action of a location whose index
// lists `indexNames`.
ActionNameProblem checkNewActionName(std::string_view mapFolder,
                                     const std::vector<std::string>& indexNames,
                                     std::string_view name);

// Adds `name` as the entry after the last one listed (readActionIndex) and
// sets Count to it; a missing index is created.
bool appendToActionIndex(std::string_view indexFile, std::string_view name, std::error_code& ec);

// Sets entry `entry` (from 0) to `name`.
bool renameActionIndexEntry(std::string_view indexFile, std::int32_t entry, std::string_view name,
                            std::error_code& ec);

// The bytes of an index whose entries 0 .. `last` are listed, without entry
// `entry`: its line goes, the entries after it up to `last` take the number
// before theirs (their lines otherwise as they were), Count becomes last - 1.
// Only the first "ACTIONS" section is changed; every other line stays.
std::string indexBytesWithout(std::string_view bytes, std::int32_t entry, std::int32_t last);

// Takes entry `entry` (from 0) out of the index as indexBytesWithout does.
bool removeActionIndexEntry(std::string_view indexFile, std::int32_t entry, std::error_code& ec);

// Whether an action index of the map folder (any "*.actl" file) lists
// `name`, letter case aside as the map's file names compare. An index that
// cannot be read counts as listing it.
bool anyIndexNames(std::string_view mapFolder, std::string_view name);

} // namespace managers
