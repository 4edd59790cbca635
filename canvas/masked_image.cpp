#include "canvas/masked_image.h"

#include <algorithm>
#include <utility>

namespace canvas {
namespace {

constexpr std::uint32_t kKeepAll = 0xFFFFFFFFu;

QImage asRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

MaskedImage::MaskedImage(int width, int height)
    : m_width(width), m_height(height),
      m_or(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u),
      m_and(m_or.size(), kKeepAll) {}

MaskedImage MaskedImage::fromMaskAndPicture(const QImage& mask, const QImage& picture) {
    const QImage m = asRgb32(mask);
    const QImage p = asRgb32(picture);
    MaskedImage image(p.width(), p.height());
    const int width = std::min(m.width(), p.width());
    const int height = std::min(m.height(), p.height());
    for (int y = 0; y < height; ++y) {
        const auto* maskRow = reinterpret_cast<const std::uint32_t*>(m.constScanLine(y));
        const auto* pictureRow = reinterpret_cast<const std::uint32_t*>(p.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            image.orAt(x, y) = ~maskRow[x];
            image.andAt(x, y) = pictureRow[x];
        }
    }
    return image;
}

MaskedImage MaskedImage::fromMergePaint(const QImage& source) {
    const QImage s = asRgb32(source);
    MaskedImage image(s.width(), s.height());
    for (int y = 0; y < s.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(s.constScanLine(y));
        for (int x = 0; x < s.width(); ++x)
            image.orAt(x, y) = ~row[x];
    }
    return image;
}

MaskedImage MaskedImage::followedBy(const MaskedImage& next) const {
    // Per bit: next clears -> clear; next sets -> set; next keeps -> this one.
    MaskedImage image(std::max(m_width, next.m_width), std::max(m_height, next.m_height));
    for (int y = 0; y < image.m_height; ++y) {
        for (int x = 0; x < image.m_width; ++x) {
            const bool inFirst = x < m_width && y < m_height;
            const bool inNext = x < next.m_width && y < next.m_height;
            const std::uint32_t or1 = inFirst ? m_or[rowOffset(y) + x] : 0u;
            const std::uint32_t and1 = inFirst ? m_and[rowOffset(y) + x] : kKeepAll;
            const std::uint32_t or2 = inNext ? next.m_or[next.rowOffset(y) + x] : 0u;
            const std::uint32_t and2 = inNext ? next.m_and[next.rowOffset(y) + x] : kKeepAll;
            image.orAt(x, y) = or1 | or2;
            image.andAt(x, y) = and2 & (or2 | and1);
        }
    }
    return image;
}

MaskedImage MaskedImage::fromBits(int width, int height, std::vector<std::uint32_t> orBits,
                                  std::vector<std::uint32_t> andBits) {
    MaskedImage image;
    image.m_width = width;
    image.m_height = height;
    image.m_or = std::move(orBits);
    image.m_and = std::move(andBits);
    return image;
}

MaskedImage MaskedImage::repeatedTo(int width, int height) const {
    if (isNull())
        return {};
    MaskedImage image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* orBits = orRow(y % m_height);
        const std::uint32_t* andBits = andRow(y % m_height);
        for (int x = 0; x < width; ++x) {
            image.orAt(x, y) = orBits[x % m_width];
            image.andAt(x, y) = andBits[x % m_width];
        }
    }
    return image;
}

} // namespace canvas
