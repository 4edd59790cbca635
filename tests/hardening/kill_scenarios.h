#pragma once
// The saves the kill tests interrupt, shared by the test and the child process
// that performs them: what each save writes is derived from a few numbers, so
// both sides know every complete state a file may be found in.

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

// The notes of a created location.
std::string creationNotes(std::int32_t side);

// A long INI value whose bytes follow from `seed`.
std::string iniValue(std::uint32_t seed);

} // namespace hardening
