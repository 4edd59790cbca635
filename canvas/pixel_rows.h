#pragma once
// Direct access to the pixels of a Format_RGB32 image: its first pixel and
// the distance between rows, taken once, so that drawing loops touch memory
// and nothing else.

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace canvas {

struct PixelRows {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0; // in pixels
    int width = 0;
    int height = 0;

    // The image must be Format_RGB32; it is detached here, once.
    static PixelRows of(QImage& image) {
        return {reinterpret_cast<std::uint32_t*>(image.bits()),
                static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4), image.width(),
                image.height()};
    }
    std::uint32_t* row(int y) const { return pixels + y * stride; }
};

struct ConstPixelRows {
    const std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;

    // The image must be Format_RGB32.
    static ConstPixelRows of(const QImage& image) {
        return {reinterpret_cast<const std::uint32_t*>(image.constBits()),
                static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4), image.width(),
                image.height()};
    }
    const std::uint32_t* row(int y) const { return pixels + y * stride; }
};

} // namespace canvas
