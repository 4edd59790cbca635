#pragma once
// Numbers in a digit font of 3 x 5 pixels with one blank column between
// digits, for coordinates in cells too small for the labels' own font.

#include <QImage>

#include <cstdint>

namespace canvas {

constexpr int kSmallDigitHeight = 5;

// The coverage of `number` (Format_Alpha8: 255 on strokes, 0 elsewhere),
// 4 x digits - 1 pixels wide (a minus sign counts as a digit).
QImage smallDigitsCoverage(std::int32_t number);

} // namespace canvas
