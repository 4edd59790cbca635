#pragma once
// Bit-block transfers on surfaces of Format_RGB32, row by row. Every operation
// clips to the destination surface; nothing is drawn outside it.

#include "canvas/masked_image.h"
#include "canvas/pixel_rows.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <cstdint>

namespace canvas {

void fillSurface(const PixelRows& surface, QRgb colour);

// Every pixel of `rect` in one colour.
void fillRect(const PixelRows& surface, const QRect& rect, QRgb colour);

// A blend towards one colour: each channel becomes
// (channel x (256 - weight) + colour's channel x weight) / 256.
class Tint {
public:
    Tint() = default;
    // `weight` from 0 (none) to 256 (the colour alone).
    Tint(QRgb colour, int weight);

    QRgb colour() const { return m_colour; }
    int weight() const { return m_weight; }
    bool isNull() const { return m_weight <= 0; }

    // For each byte of four pixels: its factor and the colour's part.
    const std::uint16_t* keep() const { return m_keep; }
    const std::uint16_t* add() const { return m_add; }

private:
    QRgb m_colour = 0;
    int m_weight = 0;
    std::uint16_t m_keep[16] = {};
    std::uint16_t m_add[16] = {};
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
