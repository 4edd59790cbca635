#pragma once
// The materials of the ground tiles, each a texture of 32 x 32 pixels that
// repeats without a seam: a tile of one material joins its neighbours of the
// same material, and the transition tiles take their pixels from the same
// textures.

#include "colour.h"

namespace artgen {

constexpr int kTile = 32;

enum class Material { Grass, Sand, Water, Road, Cobble, Field, Rocky, CaveFloor, CaveRock };

// The colour of the material's texture at pixel (x, y) of a tile.
Rgb materialColour(Material material, int x, int y);

} // namespace artgen
