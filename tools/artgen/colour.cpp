#include "colour.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

int channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

} // namespace

QRgb toQRgb(Rgb c) {
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

QColor toQColor(Rgb c, int alpha) {
    return QColor(channel(c.r), channel(c.g), channel(c.b), alpha);
}

} // namespace artgen
