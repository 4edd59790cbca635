#include "canvas/builtin_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace canvas {
namespace {

constexpr QRgb kFace = 0xFFDADADA;
constexpr QRgb kLight = 0xFFFFFFFF;
constexpr QRgb kHalfLight = 0xFFEEEEEE;
constexpr QRgb kShadow = 0xFF808080;
constexpr QRgb kHalfShadow = 0xFFA8A8A8;
constexpr QRgb kSign = 0xFFFF0000;
constexpr QRgb kLetters = 0xFF000000;

// Lower-case letters five pixels high, '#' set.
constexpr std::array<const char*, 5> kLetterE = {".###.", "#...#", "#####", "#....", ".###."};
constexpr std::array<const char*, 5> kLetterR = {"#.##", "##..", "#...", "#...", "#..."};

void paintBevel(QImage& image) {
    const int last = kBuiltinSize - 1;
    for (int ring = 0; ring < 2; ++ring) {
        const QRgb light = ring == 0 ? kLight : kHalfLight;
        const QRgb shadow = ring == 0 ? kShadow : kHalfShadow;
        for (int i = ring; i <= last - ring; ++i) {
            image.setPixel(i, ring, light);
            image.setPixel(ring, i, light);
            image.setPixel(i, last - ring, shadow);
            image.setPixel(last - ring, i, shadow);
        }
    }
}

int paintLetter(QImage& image, const std::array<const char*, 5>& letter, int left, int top) {
    int width = 0;
    for (int row = 0; row < 5; ++row) {
        const char* line = letter[static_cast<std::size_t>(row)];
        for (int column = 0; line[column] != '\0'; ++column) {
            width = std::max(width, column + 1);
            if (line[column] == '#')
                image.setPixel(left + column, top + row, kLetters);
        }
    }
    return width;
}

void paintLetters(QImage& image) {
    constexpr int kTextWidth = 5 + 1 + 4 + 1 + 4;
    int left = (kBuiltinSize - kTextWidth) / 2;
    const int top = (kBuiltinSize - 5 + 1) / 2;
    left += paintLetter(image, kLetterE, left, top) + 1;
    left += paintLetter(image, kLetterR, left, top) + 1;
    paintLetter(image, kLetterR, left, top);
}

// A ring around the centre and a bar from the top-left to the bottom-right.
void paintProhibitionSign(QImage& image) {
    const double centre = kBuiltinSize / 2.0;
    for (int y = 0; y < kBuiltinSize; ++y) {
        for (int x = 0; x < kBuiltinSize; ++x) {
            const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            const bool ring = distance >= 9.0 && distance <= 11.5;
            const bool bar = distance < 9.5 && std::abs(x - y) <= 1;
            if (ring || bar)
                image.setPixel(x, y, kSign);
        }
    }
}

} // namespace

QImage makePlaceholderPicture() {
    QImage image(kBuiltinSize, kBuiltinSize, QImage::Format_RGB32);
    image.fill(kFace);
    paintBevel(image);
    paintLetters(image);
    paintProhibitionSign(image);
    return image;
}

QImage makePlaceholderMask() {
    QImage mask(kBuiltinSize, kBuiltinSize, QImage::Format_Mono);
    mask.setColorTable({0xFF000000, 0xFFFFFFFF});
    mask.fill(0);
    return mask;
}

} // namespace canvas
