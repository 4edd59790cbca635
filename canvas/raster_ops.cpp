#include "canvas/raster_ops.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace canvas {
namespace {

QRect boundsOf(const PixelRows& surface) {
    return {0, 0, surface.width, surface.height};
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
    const QRect target = rect.intersected(boundsOf(surface));
    const std::uint32_t pixel = 0xFF000000u | colour;
    for (int y = target.top(); y <= target.bottom(); ++y)
        std::fill_n(surface.row(y) + target.left(), target.width(), pixel);
}

void applyTint(const PixelRows& surface, const QRect& rect, const Tint& tint) {
    const QRect target = rect.intersected(boundsOf(surface));
    if (target.isEmpty() || tint.isNull())
        return;
    // Red and blue, then green, each blended in one multiplication: every
    // channel's product stays below 65536, within its own half word.
    const auto weight = static_cast<std::uint32_t>(std::min(tint.weight, 256));
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (tint.colour & 0x00FF00FFu) * weight;
    const std::uint32_t green = (tint.colour & 0x0000FF00u) * weight;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        std::uint32_t* p = surface.row(y) + target.left();
        for (int i = 0; i < target.width(); ++i) {
            const std::uint32_t d = p[i];
            const std::uint32_t rb = (((d & 0x00FF00FFu) * keep + redBlue) >> 8) & 0x00FF00FFu;
            const std::uint32_t g = (((d & 0x0000FF00u) * keep + green) >> 8) & 0x0000FF00u;
            p[i] = 0xFF000000u | rb | g;
        }
    }
}

void copyImage(const PixelRows& surface, int x, int y, const ConstPixelRows& source) {
    const QRect target = QRect(x, y, source.width, source.height).intersected(boundsOf(surface));
    if (target.isEmpty())
        return;
    const std::size_t bytes = static_cast<std::size_t>(target.width()) * sizeof(std::uint32_t);
    const std::uint32_t* from = source.row(target.top() - y) + (target.left() - x);
    std::uint32_t* to = surface.row(target.top()) + target.left();
    for (int row = target.top(); row <= target.bottom(); ++row) {
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
    const QRect target = QRect(x, y, width, height).intersected(boundsOf(surface));
    if (target.isEmpty())
        return;
    const int sourceX = target.x() - x;
    std::uint32_t* dst = surface.row(target.top()) + target.left();
    for (int row = target.top(); row <= target.bottom(); ++row, dst += surface.stride) {
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
