#pragma once
// The map folder Maps\Default: the map description, and for every location
// its grid, configuration and notes files, its action index and the action
// files it lists.

#include "world.h"

#include <vector>

namespace artgen {

void writeMap(const std::vector<LocationPlan>& locations);

} // namespace artgen
