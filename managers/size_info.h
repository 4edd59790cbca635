#pragma once
// The size estimate of a new location: the size boxes' rules and the four
// computed values shown beside them.

#include <QString>

#include <cstdint>

class QLocale;

namespace managers {

constexpr std::int32_t kSmallestSide = 120;

// The whole number a size box's text starts with (0 when it starts with none).
std::int32_t sideValue(const QString& text);

// A size box's text after leaving it: "120" when empty or below 120,
// otherwise unchanged.
QString normalizedSide(const QString& text);

struct SizeInfo {
    std::int32_t cells = 0;
    std::int32_t pixelWidth = 0;
    std::int32_t pixelHeight = 0;
    QString dataVolume; // e.g. "112.5 Kb"
};

// The estimate for a width x height location: cells, 32-pixel cells' extent,
// and the eight bytes a cell takes in kilobytes, rounded to two decimals with
// ties to even and written in its shortest form with the locale's separator.
SizeInfo sizeInfo(std::int32_t width, std::int32_t height, const QLocale& locale);

} // namespace managers
