#include "canvas/raster_ops.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace canvas {
namespace {

QRect boundsOf(const PixelRows& surface) {
    return {0, 0, surface.width, surface.height};
}

// The part of a rectangle that lies on the surface: columns x0 up to x1, rows
// y0 up to y1, each end excluded. Worked out without QRect, whose calls cost
// more than drawing a small cell.
struct Clipped {
    int x0, y0, x1, y1;
    bool isEmpty() const { return x0 >= x1 || y0 >= y1; }
    int width() const { return x1 - x0; }
};

Clipped clip(const PixelRows& surface, int x, int y, int width, int height) {
    return {std::max(x, 0), std::max(y, 0),
            static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + width, surface.width)),
            static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + height, surface.height))};
}

Clipped clip(const PixelRows& surface, const QRect& rect) {
    return clip(surface, rect.x(), rect.y(), rect.width(), rect.height());
}

template <int Pixels>
void copyRows(std::uint32_t* to, std::ptrdiff_t toStride, const std::uint32_t* from,
              std::ptrdiff_t fromStride, int rows) {
    for (int row = 0; row < rows; ++row, to += toStride, from += fromStride)
        std::memcpy(to, from, Pixels * sizeof(std::uint32_t));
}

void maskRow(std::uint32_t* __restrict dst, const std::uint32_t* __restrict orBits,
             const std::uint32_t* __restrict andBits, int count) {
    for (int i = 0; i < count; ++i)
        dst[i] = (dst[i] | orBits[i]) & andBits[i];
}

void horizontalLine(const PixelRows& surface, int x0, int x1, int y, std::uint32_t pixel) {
    if (y < 0 || y >= surface.height)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface.width - 1);
    if (x0 <= x1)
        std::fill(surface.row(y) + x0, surface.row(y) + x1 + 1, pixel);
}

void verticalLine(const PixelRows& surface, int x, int y0, int y1, std::uint32_t pixel) {
    if (x < 0 || x >= surface.width)
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, surface.height - 1);
    if (y0 > y1)
        return;
    std::uint32_t* p = surface.row(y0) + x;
    for (int y = y0; y <= y1; ++y, p += surface.stride)
        *p = pixel;
}

} // namespace

void fillSurface(const PixelRows& surface, QRgb colour) {
    const std::uint32_t pixel = 0xFF000000u | colour;
    for (int y = 0; y < surface.height; ++y)
        std::fill_n(surface.row(y), surface.width, pixel);
}

void fillRect(const PixelRows& surface, const QRect& rect, QRgb colour) {
    const Clipped target = clip(surface, rect);
    if (target.isEmpty())
        return;
    const std::uint32_t pixel = 0xFF000000u | colour;
    for (int y = target.y0; y < target.y1; ++y)
        std::fill(surface.row(y) + target.x0, surface.row(y) + target.x1, pixel);
}

Tint::Tint(QRgb colour, int weight) : m_colour(colour), m_weight(std::clamp(weight, 0, 256)) {
    // Byte by byte, the alpha byte becoming 255: (byte x keep + add) / 256,
    // which stays below 65536.
    for (int i = 0; i < 16; ++i) {
        const int channel = i % 4;
        const auto part =
            static_cast<std::uint16_t>(((colour >> (8 * channel)) & 0xFFu) * m_weight);
        m_keep[i] = channel == 3 ? 0 : static_cast<std::uint16_t>(256 - m_weight);
        m_add[i] = channel == 3 ? 0xFF00 : part;
    }
}

void applyTint(const PixelRows& surface, const QRect& rect, const Tint& tint) {
    const Clipped target = clip(surface, rect);
    if (target.isEmpty() || tint.isNull())
        return;
    // Four pixels at a time, byte by byte, so that the compiler can blend
    // them in 16-bit vector lanes.
    const std::uint16_t* keep = tint.keep();
    const std::uint16_t* add = tint.add();
    const auto blend = [&](std::uint32_t* pixels, int count) {
        std::uint8_t bytes[16] = {};
        std::memcpy(bytes, pixels, 4 * static_cast<std::size_t>(count));
        for (int i = 0; i < 16; ++i)
            bytes[i] = static_cast<std::uint8_t>((bytes[i] * keep[i] + add[i]) >> 8);
        std::memcpy(pixels, bytes, 4 * static_cast<std::size_t>(count));
    };
    for (int y = target.y0; y < target.y1; ++y) {
        std::uint32_t* p = surface.row(y) + target.x0;
        int left = target.width();
        for (; left >= 4; left -= 4, p += 4)
            blend(p, 4);
        if (left > 0)
            blend(p, left);
    }
}

void copyImage(const PixelRows& surface, int x, int y, const ConstPixelRows& source) {
    const Clipped target = clip(surface, x, y, source.width, source.height);
    if (target.isEmpty())
        return;
    const std::uint32_t* from = source.row(target.y0 - y) + (target.x0 - x);
    std::uint32_t* to = surface.row(target.y0) + target.x0;
    // Rows of the narrow cells of a zoomed-out view are copied by a few moves
    // of known size, not by a library call each.
    switch (target.width()) {
    case 4:
        copyRows<4>(to, surface.stride, from, source.stride, target.y1 - target.y0);
        return;
    case 8:
        copyRows<8>(to, surface.stride, from, source.stride, target.y1 - target.y0);
        return;
    case 16:
        copyRows<16>(to, surface.stride, from, source.stride, target.y1 - target.y0);
        return;
    default:
        break;
    }
    const std::size_t bytes = static_cast<std::size_t>(target.width()) * sizeof(std::uint32_t);
    for (int row = target.y0; row < target.y1; ++row) {
        std::memcpy(to, from, bytes);
        from += source.stride;
        to += surface.stride;
    }
}

QImage stretchedNearest(const QImage& source, int width, int height) {
    QImage target(width, height, QImage::Format_RGB32);
    const QImage s = source.format() == QImage::Format_RGB32
                         ? source
                         : source.convertToFormat(QImage::Format_RGB32);
    const std::int64_t sw = s.width();
    const std::int64_t sh = s.height();
    for (int y = 0; y < height; ++y) {
        const auto sy = static_cast<int>((2 * y + 1) * sh / (2 * std::int64_t{height}));
        const auto* from = reinterpret_cast<const std::uint32_t*>(s.constScanLine(sy));
        auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = from[(2 * x + 1) * sw / (2 * std::int64_t{width})];
    }
    return target;
}

void applyMasked(const PixelRows& surface, int x, int y, const MaskedImage& image, int width,
                 int height) {
    width = std::min(width, image.width());
    height = std::min(height, image.height());
    const Clipped target = clip(surface, x, y, width, height);
    if (target.isEmpty())
        return;
    const int sourceX = target.x0 - x;
    std::uint32_t* dst = surface.row(target.y0) + target.x0;
    for (int row = target.y0; row < target.y1; ++row, dst += surface.stride) {
        const int sourceY = row - y;
        maskRow(dst, image.orRow(sourceY) + sourceX, image.andRow(sourceY) + sourceX,
                target.width());
    }
}

void applyMaskedTiled(const PixelRows& surface, const QRect& rect, const MaskedImage& pattern) {
    const QRect target = rect.intersected(boundsOf(surface));
    if (target.isEmpty() || pattern.isNull())
        return;
    std::uint32_t* dst = surface.row(target.top());
    for (int row = target.top(); row <= target.bottom(); ++row, dst += surface.stride) {
        const int sourceY = (row - rect.top()) % pattern.height();
        const std::uint32_t* orBits = pattern.orRow(sourceY);
        const std::uint32_t* andBits = pattern.andRow(sourceY);
        int column = target.left();
        int sourceX = (column - rect.left()) % pattern.width();
        while (column <= target.right()) {
            const int count = std::min(pattern.width() - sourceX, target.right() + 1 - column);
            maskRow(dst + column, orBits + sourceX, andBits + sourceX, count);
            column += count;
            sourceX = 0;
        }
    }
}

void drawOutline(const PixelRows& surface, int x0, int y0, int x1, int y1, QRgb colour) {
    const std::uint32_t pixel = 0xFF000000u | colour;
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    horizontalLine(surface, x0, x1, y0, pixel);
    horizontalLine(surface, x0, x1, y1, pixel);
    verticalLine(surface, x0, y0, y1, pixel);
    verticalLine(surface, x1, y0, y1, pixel);
}

} // namespace canvas
