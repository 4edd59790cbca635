#pragma once
// A masked sprite as a picture with transparency, for programs that draw
// pictures over one another by their alpha channel.
//
// The map draws a sprite with raster operations: each colour bit of the
// destination is kept, set or cleared. A pixel whose 24 colour bits are all
// set or cleared becomes opaque in that colour; a pixel whose bits are all
// kept becomes transparent. A pixel that mixes both (where the mask lets the
// ground through a picture that is not white there, darkening it) cannot be
// told by an alpha channel: it becomes opaque in the sprite's colour when at
// least half of its colour bits are fixed, transparent otherwise.

#include "canvas/masked_image.h"

#include <QImage>

namespace canvas {

// A Format_ARGB32 picture of the sprite's size, alpha 0 or 255 everywhere.
QImage transparentSprite(const MaskedImage& sprite);

} // namespace canvas
