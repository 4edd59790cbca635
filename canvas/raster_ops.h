#pragma once
// Bit-block transfers on surfaces of Format_RGB32, row by row. Every operation
// clips to the destination surface; nothing is drawn outside it.

#include "canvas/masked_image.h"
#include "canvas/pixel_rows.h"

#include <QImage>
#include <QRect>
#include <QRgb>

namespace canvas {

void fillSurface(const PixelRows& surface, QRgb colour);

// Every pixel of `rect` in one colour.
void fillRect(const PixelRows& surface, const QRect& rect, QRgb colour);

// A blend towards one colour: each channel becomes
// (channel x (256 - weight) + colour's channel x weight) / 256.
struct Tint {
    QRgb colour = 0;
    int weight = 0; // 0 (none) to 256 (the colour alone)
    bool isNull() const { return weight <= 0; }
};
void applyTint(const PixelRows& surface, const QRect& rect, const Tint& tint);

// SRCCOPY of a whole image with its top-left corner at (x, y).
void copyImage(const PixelRows& surface, int x, int y, const ConstPixelRows& source);

// `source` stretched to width x height with nearest-neighbour sampling: each
// target pixel takes the source pixel under its centre.
QImage stretchedNearest(const QImage& source, int width, int height);

// Applies the top-left width x height pixels of `image` (at most its own size)
// with their top-left corner at (x, y).
void applyMasked(const PixelRows& surface, int x, int y, const MaskedImage& image, int width,
                 int height);

// Applies `pattern` to every pixel of `rect`, the pattern repeated from the
// rectangle's top-left corner in both directions.
void applyMaskedTiled(const PixelRows& surface, const QRect& rect, const MaskedImage& pattern);

// A one-pixel outline through both corner points: columns x0 and x1 for every
// row from y0 to y1, rows y0 and y1 for every column from x0 to x1.
void drawOutline(const PixelRows& surface, int x0, int y0, int x1, int y1, QRgb colour);

} // namespace canvas
