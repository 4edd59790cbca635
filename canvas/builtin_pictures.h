#pragma once
// The pictures the canvas carries with it, all 32 x 32 pixels, generated in
// code so that they are the same everywhere.

#include <QImage>

namespace canvas {

constexpr int kBuiltinSize = 32;

// The stand-in for catalogue entries without files: a light grey (#DADADA)
// square with a bevelled border, a red prohibition sign over the black
// letters "err".
QImage makePlaceholderPicture();
// Its mask: one bit per pixel, entirely black, so the placeholder is opaque.
QImage makePlaceholderMask();

enum class Hatch { Block, Guard, Action };
// Pattern: the hatch pixels in the hatch's colour, all others white. Mask: the
// same pixels black, all others white.
QImage makeHatchPattern(Hatch hatch);
QImage makeHatchMask(Hatch hatch);
// Whether pixel (x, y) of the 32 x 32 image belongs to the hatch lines.
bool isHatchPixel(Hatch hatch, int x, int y);

// Drag arrows on a white background in greens; direction 0 up, 1 down,
// 2 right, 3 left.
QImage makeArrowPicture(int direction);

} // namespace canvas
