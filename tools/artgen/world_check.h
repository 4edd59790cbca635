#pragma once
// Reads the written world back and reports every inconsistency, through the
// product's map checker and the sample world's own rules: codes
// without a catalogue entry, pictures that are missing or break the
// sprite/mask rule, palette entries pointing nowhere, footprints not blocked,
// grid files of the wrong length, actions that lead nowhere.

#include <string>
#include <vector>

namespace artgen {

// The problems found; empty when the world is consistent. `summary` receives
// a few lines about what was checked.
std::vector<std::string> checkWorld(std::vector<std::string>& summary);

} // namespace artgen
