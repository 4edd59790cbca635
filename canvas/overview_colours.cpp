#include "canvas/overview_colours.h"

#include "canvas/map_renderer.h"

#include <algorithm>

namespace canvas {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;
constexpr std::size_t kObjectCodes = 65536;

// Sums of the three channels of a number of pixels.
struct ChannelSums {
    std::uint64_t red = 0;
    std::uint64_t green = 0;
    std::uint64_t blue = 0;
    std::uint64_t count = 0;

    void add(QRgb colour) {
        red += qRed(colour);
        green += qGreen(colour);
        blue += qBlue(colour);
        ++count;
    }
    // Rounded to the nearest value; count must not be 0.
    QRgb average() const {
        const std::uint64_t half = count / 2;
        return qRgb(static_cast<int>((red + half) / count),
                    static_cast<int>((green + half) / count),
                    static_cast<int>((blue + half) / count));
    }
};

} // namespace

OverviewColours::OverviewColours() : m_object(kObjectCodes, 0u) {
    m_ground.fill(kMapBackground);
}

bool OverviewColours::follow(const ResourceCatalogues& catalogues) {
    if (m_source == &catalogues && m_earthGeneration == catalogues.earthGeneration() &&
        m_objectGeneration == catalogues.objectGeneration())
        return false;
    m_source = &catalogues;

    // Codes without a ground entry draw the placeholder; so do object codes
    // without an entry.
    const int grounds = std::min(catalogues.earthBufferCount(), 256);
    const QRgb groundPlaceholder = averageOf(catalogues.earthImage(-1));
    for (int code = 0; code < 256; ++code)
        m_ground[static_cast<std::size_t>(code)] =
            code < grounds ? averageOf(catalogues.earthImage(code)) : groundPlaceholder;
    m_earthGeneration = catalogues.earthGeneration();

    const auto coloured = [](const MaskedImage& sprite) {
        return averageOfCovered(sprite).value_or(0u);
    };
    const int entries =
        std::min(catalogues.objectBufferCount(), static_cast<int>(kObjectCodes) - 1);
    const QRgb objectPlaceholder = coloured(catalogues.builtin().placeholderSprite());
    m_object[0] = 0u;
    for (std::size_t code = 1; code < kObjectCodes; ++code) {
        const int entry = static_cast<int>(code) - 1;
        m_object[code] =
            entry < entries ? coloured(catalogues.objectSprite(entry)) : objectPlaceholder;
    }
    m_objectGeneration = catalogues.objectGeneration();
    return true;
}

QRgb OverviewColours::averageOf(const QImage& picture) {
    if (picture.isNull())
        return kMapBackground;
    const QImage pixels = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    ChannelSums sums;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            sums.add(row[x]);
    }
    return sums.average();
}

std::optional<QRgb> OverviewColours::averageOfCovered(const MaskedImage& sprite) {
    // A pixel is covered when the sprite sets or clears each of its colour
    // bits; what it leaves of the destination decides nothing there.
    ChannelSums sums;
    for (int y = 0; y < sprite.height(); ++y) {
        const std::uint32_t* orBits = sprite.orRow(y);
        const std::uint32_t* andBits = sprite.andRow(y);
        for (int x = 0; x < sprite.width(); ++x) {
            if (((orBits[x] | ~andBits[x]) & kColourBits) == kColourBits)
                sums.add(orBits[x] & andBits[x]);
        }
    }
    if (sums.count == 0)
        return std::nullopt;
    return sums.average();
}

} // namespace canvas
