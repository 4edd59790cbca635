#include "canvas/builtin_pictures.h"

namespace canvas {
namespace {

constexpr QRgb kBackground = 0xFFFFFFFF;
constexpr QRgb kEdge = 0xFF4A7B4A;
constexpr QRgb kInnerEdge = 0xFF7BAD73;
constexpr QRgb kFill = 0xFFADDEA5;

constexpr int kHeadTop = 4;
constexpr int kHeadBottom = 15;
constexpr int kShaftBottom = 27;
constexpr int kShaftHalfWidth = 4;

// The upward arrow: a triangular head over a shaft, symmetric about the middle
// of the image.
bool insideUpArrow(int x, int y) {
    if (x < 0 || y < 0 || x >= kBuiltinSize || y >= kBuiltinSize)
        return false;
    const int half = kBuiltinSize / 2;
    const int offset = x < half ? half - 1 - x : x - half; // 0 for the two middle columns
    if (y >= kHeadTop && y <= kHeadBottom)
        return offset <= y - kHeadTop;
    return y > kHeadBottom && y <= kShaftBottom && offset < kShaftHalfWidth;
}

// Distance in pixels (1 or 2, or more) to the outside of the arrow.
int depthInside(int x, int y) {
    for (int depth = 1; depth <= 2; ++depth) {
        for (int dy = -depth; dy <= depth; ++dy)
            for (int dx = -depth; dx <= depth; ++dx)
                if (!insideUpArrow(x + dx, y + dy))
                    return depth;
    }
    return 3;
}

QRgb upArrowPixel(int x, int y) {
    if (!insideUpArrow(x, y))
        return kBackground;
    switch (depthInside(x, y)) {
    case 1:
        return kEdge;
    case 2:
        return kInnerEdge;
    default:
        return kFill;
    }
}

} // namespace

QImage makeArrowPicture(int direction) {
    QImage image(kBuiltinSize, kBuiltinSize, QImage::Format_RGB32);
    const int last = kBuiltinSize - 1;
    for (int y = 0; y < kBuiltinSize; ++y) {
        for (int x = 0; x < kBuiltinSize; ++x) {
            QRgb pixel = kBackground;
            switch (direction) {
            case 0:
                pixel = upArrowPixel(x, y);
                break;
            case 1:
                pixel = upArrowPixel(x, last - y);
                break;
            case 2:
                pixel = upArrowPixel(y, last - x);
                break;
            case 3:
                pixel = upArrowPixel(y, x);
                break;
            default:
                break;
            }
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}

} // namespace canvas
