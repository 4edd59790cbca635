#pragma once
// Colours as three channels in 0..255 with the arithmetic the painters need.

#include <QColor>
#include <QRgb>

#include <cstdint>

namespace artgen {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb hex(std::uint32_t v) {
    return {static_cast<double>((v >> 16) & 0xFF), static_cast<double>((v >> 8) & 0xFF),
            static_cast<double>(v & 0xFF)};
}

inline Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Brightness times f (f > 1 lightens).
inline Rgb shade(Rgb c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

QRgb toQRgb(Rgb c);
QColor toQColor(Rgb c, int alpha = 255);

} // namespace artgen
