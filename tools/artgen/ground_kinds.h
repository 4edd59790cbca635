#pragma once
// Which ground codes count as what, for deciding where things may stand.

#include "ground_catalogue.h"

namespace artgen {

// Plain grass in any of its variants.
bool isGrass(int code);
bool isPlainSand(int code);
bool isPlainRocky(int code);
bool isPlainCaveFloor(int code);
bool isCobble(int code);
// Any ground but water, rock walls and their transitions: where a thing set
// down by hand may stand.
bool isSolidGround(int code);

} // namespace artgen
