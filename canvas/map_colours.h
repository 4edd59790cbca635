#pragma once
// The colours the map renderer draws its lines and labels in.

#include <QRgb>

namespace canvas {

constexpr QRgb kMapBackground = 0xFF404040;
constexpr QRgb kCellFrame = 0xFFFFFFFF;
constexpr QRgb kObjectContour = 0xFFFFFF00;
constexpr QRgb kCursor = 0xFF00FF00;
constexpr QRgb kColumnLabel = 0xFFFFFFFF;
constexpr QRgb kRowLabel = 0xFFC8C8C8;

} // namespace canvas
