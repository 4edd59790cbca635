#include "canvas/transparent_sprite.h"

#include <bit>
#include <cstdint>

namespace canvas {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;
constexpr std::uint32_t kOpaque = 0xFF000000u;

} // namespace

QImage transparentSprite(const MaskedImage& sprite) {
    QImage picture(sprite.width(), sprite.height(), QImage::Format_ARGB32);
    for (int y = 0; y < sprite.height(); ++y) {
        const std::uint32_t* orBits = sprite.orRow(y);
        const std::uint32_t* andBits = sprite.andRow(y);
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < sprite.width(); ++x) {
            // A bit is fixed when it is set (or) or cleared (not and); the
            // result of a fixed bit is its and bit.
            const std::uint32_t fixed = (orBits[x] | ~andBits[x]) & kColourBits;
            row[x] = std::popcount(fixed) * 2 >= 24 ? kOpaque | (andBits[x] & kColourBits) : 0u;
        }
    }
    return picture;
}

} // namespace canvas
