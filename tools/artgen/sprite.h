#pragma once
// An object's picture as the game draws it: a 24-bit sprite and a 1-bit mask
// of the same size. In the mask black is the object and white is transparent;
// in the sprite the transparent area is white, so that the mask (merged in
// inverted) followed by the sprite (ANDed) leaves the ground untouched there.
//
// The painters draw on a transparent ARGB picture; finishing it turns every
// pixel of at least half opacity into an object pixel.

#include <QImage>
#include <QRectF>

namespace artgen {

struct SpriteArt {
    QImage drawn;  // Format_ARGB32, transparent where there is no object
    QRectF shadow; // an ellipse of dithered shadow on the ground; empty for none
    bool outline = true;
};

struct SpritePicture {
    QImage picture; // Format_RGB32
    QImage mask;    // Format_Mono: index 0 black (object), index 1 white
};

// A transparent surface to paint an object on.
QImage spriteSurface(int width, int height);

// Outline, grain and shadow, then the sprite and its mask.
SpritePicture finishSprite(const SpriteArt& art, unsigned seed);

} // namespace artgen
