#include "canvas/small_digits.h"

#include <array>
#include <string>

namespace canvas {
namespace {

constexpr int kGlyphWidth = 3;

// One row of three pixels a number, the leftmost pixel the highest bit.
using Glyph = std::array<std::uint8_t, kSmallDigitHeight>;
constexpr std::array<Glyph, 10> kDigits = {{
    {7, 5, 5, 5, 7}, // 0
    {2, 6, 2, 2, 7}, // 1
    {7, 1, 7, 4, 7}, // 2
    {7, 1, 7, 1, 7}, // 3
    {5, 5, 7, 1, 1}, // 4
    {7, 4, 7, 1, 7}, // 5
    {7, 4, 7, 5, 7}, // 6
    {7, 1, 1, 1, 1}, // 7
    {7, 5, 7, 5, 7}, // 8
    {7, 5, 7, 1, 7}, // 9
}};
constexpr Glyph kMinus = {0, 0, 7, 0, 0};

} // namespace

QImage smallDigitsCoverage(std::int32_t number) {
    const std::string text = std::to_string(number);
    const int count = static_cast<int>(text.size());
    QImage coverage((kGlyphWidth + 1) * count - 1, kSmallDigitHeight, QImage::Format_Alpha8);
    coverage.fill(0);
    for (int i = 0; i < count; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        const Glyph& glyph = c == '-' ? kMinus : kDigits[static_cast<std::size_t>(c - '0')];
        for (int y = 0; y < kSmallDigitHeight; ++y) {
            uchar* row = coverage.scanLine(y) + i * (kGlyphWidth + 1);
            for (int x = 0; x < kGlyphWidth; ++x)
                row[x] =
                    (glyph[static_cast<std::size_t>(y)] >> (kGlyphWidth - 1 - x)) & 1u ? 255 : 0;
        }
    }
    return coverage;
}

} // namespace canvas
