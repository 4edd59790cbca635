#pragma once
// The saves the kill tests interrupt, shared by the test and the child process
// that performs them: what each save writes is derived from a few numbers, so
// both sides know every complete state a file may be found in.

#include "model/action_authoring.h"
#include "model/location_grid.h"

#include <cstdint>
#include <string>

namespace hardening {

// The map whose locations the scenarios write, below the application folder.
inline const char* const kMap = "Kill";

// A grid of side x side cells whose every byte follows from `seed`.
model::LocationGrid seededGrid(std::int32_t side, std::uint32_t seed);

// The bytes the grid file of seededGrid(side, seed) holds.
std::string seededGridBytes(std::int32_t side, std::uint32_t seed);

// The bytes of a grid file holding `grid`.
std::string gridBytes(const model::LocationGrid& grid);

// The notes of a created location.
std::string creationNotes(std::int32_t side);

// A long INI value whose bytes follow from `seed`.
std::string iniValue(std::uint32_t seed);

// The action scenarios: location "main" of the map, whose index lists the
// actions "first" and "second" (kActionIndex), has a grid of seed 4, and
// one operation of the actions manager runs on them once.
inline const char* const kActionIndex = "[ACTIONS]\r\nCount=1\r\nA0=first\r\nA1=second\r\n";
inline const char* const kFirstAction = "[ACTION]\r\nActionType=fx\r\n";
inline const char* const kSecondAction = "; kept\r\n[ACTION]\r\nActionCount=1\r\n"
                                         "ActionType=tell\r\nText=old\r\n"
                                         "ActionType1=teleport\r\nWhere1=cave\r\n";
constexpr std::uint32_t kActionGridSeed = 4;
managers::LocationActions killActions();
// "create": action "made" appended; "save": "second" with its text changed;
// "rename": the same, renamed to "moved"; "remove": "first" taken out.
// False when the operation failed.
bool runActionOperation(const std::string& operation, std::int32_t side);

} // namespace hardening
