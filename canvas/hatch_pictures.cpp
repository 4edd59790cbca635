#include "canvas/builtin_pictures.h"

namespace canvas {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QRgb hatchColour(Hatch hatch) {
    switch (hatch) {
    case Hatch::Block:
        return 0xFFFF0000;
    case Hatch::Guard:
        return 0xFF00FFFF;
    case Hatch::Action:
        return 0xFF00FF00;
    }
    return kWhite;
}

QImage makeHatchImage(Hatch hatch, QRgb lineColour) {
    QImage image(kBuiltinSize, kBuiltinSize, QImage::Format_RGB32);
    for (int y = 0; y < kBuiltinSize; ++y)
        for (int x = 0; x < kBuiltinSize; ++x)
            image.setPixel(x, y, isHatchPixel(hatch, x, y) ? lineColour : kWhite);
    return image;
}

} // namespace

bool isHatchPixel(Hatch hatch, int x, int y) {
    switch (hatch) {
    case Hatch::Block:
        return (x + y) % 3 == 1;
    case Hatch::Guard:
        return (x + y) % 3 == 2;
    case Hatch::Action:
        return ((x - y) % 3 + 3) % 3 == 2;
    }
    return false;
}

QImage makeHatchPattern(Hatch hatch) {
    return makeHatchImage(hatch, hatchColour(hatch));
}

QImage makeHatchMask(Hatch hatch) {
    return makeHatchImage(hatch, kBlack);
}

} // namespace canvas
