#pragma once
// The action files of a map, read for the actions manager (the editor never
// writes them). A location's action index (MapFolder + location name +
// ".actl") lists action names under "A0" .. "A" + Count of section
// "ACTIONS"; each name is an action file of the map folder, an INI file whose
// section "ACTION" holds the steps 0 .. ActionCount, the keys of step k
// carrying the suffix stepSuffix(k).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace managers {

// The most actions a location can use: a cell's Doors value is two bytes and
// names action i as i + 1. Entries past these are not listed.
constexpr std::int32_t kMostActions = 65535;
// Steps past this many are not read.
constexpr std::int32_t kMostSteps = 65535;

// The names of the index's actions, "A0" first ("Noname" for a missing entry);
// none for a missing file or a Count that is missing, negative or no number.
std::vector<std::string> readActionIndex(std::string_view indexFile);

// "" for step 0, the decimal k otherwise.
std::string stepSuffix(std::int32_t k);

// Whether an action name names a file of the map folder itself: no separator,
// no drive, not "." or "..", not empty.
bool staysInMapFolder(std::string_view name);

// What the tell and question panels show of an action.
struct ActionFields {
    std::string tellText; // "/n" turned into CR LF
    // The frame style's index as found ("Type"); -1 when it is no number.
    std::int32_t tellStyle = 0;
    std::string questionText; // "/n" turned into CR LF
    std::string questionOk;
    std::string questionNone;
};

// Reads action `name` of the map folder: every "tell" or "question" step fills
// the fields of its type, a later step overwriting an earlier one; other types
// fill nothing. A missing file, or a name that would lead outside the map
// folder, gives one step of unknown type: every field stays empty.
ActionFields readActionFields(std::string_view mapFolder, std::string_view name);

} // namespace managers
