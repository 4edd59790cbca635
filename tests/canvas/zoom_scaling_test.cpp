// Copies of pictures at a zoom: the reduction of masked sprites, and the tint
// that stands for a hatching. (Ground averages and enlargements are checked on
// whole pictures in draw_map_zoom_*_test.cpp.)
#include "canvas/builtin_images.h"
#include "canvas/builtin_pictures.h"
#include "canvas/zoom_scaling.h"

#include <gtest/gtest.h>

#include <functional>

using canvas::MaskedImage;
using canvas::ViewZoom;
using canvas::ZoomAxis;

namespace {

constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kRed = 0xFFE02010;
constexpr QRgb kBlue = 0xFF1030D0;

ViewZoom zoomOf(int from, int to) {
    return {ZoomAxis(from, to), ZoomAxis(from, to)};
}

QImage pictureOf(int size, const std::function<QRgb(int, int)>& colour) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, colour(x, y));
    return image;
}

// The masked image drawn over a plain surface.
QImage drawnOver(QRgb ground, const MaskedImage& image) {
    QImage surface(image.width(), image.height(), QImage::Format_RGB32);
    surface.fill(ground);
    canvas::applyMasked(canvas::PixelRows::of(surface), 0, 0, image, image.width(), image.height());
    return surface;
}

int blend(int from, int to, int weight) {
    return (from * (256 - weight) + to * weight) >> 8;
}

} // namespace

TEST(ZoomScaling, SpritesAreOpaqueWhereAtLeastHalfOfTheBoxIs) {
    // Four boxes of 4 x 4 pixels: 8 red pixels on white; 7 red; 6 red and 6
    // blue; 16 pixels that tint (white mask, a coloured picture).
    const auto opaque = [](int x, int y) {
        const int i = (y % 4) * 4 + x % 4;
        if (x < 4 && y < 4)
            return i < 8;
        if (y < 4)
            return i < 7;
        return x < 4 && i < 12;
    };
    const QImage mask =
        pictureOf(8, [&](int x, int y) { return opaque(x, y) ? 0xFF000000 : 0xFFFFFFFF; });
    const QImage picture = pictureOf(8, [&](int x, int y) -> QRgb {
        if (x >= 4 && y >= 4)
            return kBlue;
        if (!opaque(x, y))
            return 0xFFFFFFFF;
        return x < 4 && y >= 4 && (y % 4) * 4 + x % 4 >= 6 ? kBlue : kRed;
    });
    const MaskedImage zoomed =
        canvas::zoomedMasked(MaskedImage::fromMaskAndPicture(mask, picture), zoomOf(4, 1));
    ASSERT_EQ(zoomed.width(), 2);
    const QImage drawn = drawnOver(kGrey, zoomed);
    EXPECT_EQ(drawn.pixel(0, 0), kRed) << "half opaque: no white from the background";
    EXPECT_EQ(drawn.pixel(1, 0), kGrey) << "less than half: transparent";
    EXPECT_EQ(drawn.pixel(0, 1),
              qRgb((qRed(kRed) + qRed(kBlue) + 1) / 2, (qGreen(kRed) + qGreen(kBlue) + 1) / 2,
                   (qBlue(kRed) + qBlue(kBlue) + 1) / 2));
    EXPECT_EQ(drawn.pixel(1, 1), 0xFF000000 | (kGrey & kBlue)) << "the tint stays a tint";

    // A sprite one pixel wider than two boxes: the third box holds one
    // pixel of it and stays transparent.
    const QImage wide = pictureOf(9, [](int, int) { return kRed; });
    const MaskedImage odd = canvas::zoomedMasked(
        MaskedImage::fromMaskAndPicture(pictureOf(9, [](int, int) { return 0xFF000000; }), wide),
        zoomOf(4, 1));
    ASSERT_EQ(odd.width(), 3);
    EXPECT_EQ(drawnOver(kGrey, odd).pixel(2, 0), kGrey);
    EXPECT_EQ(drawnOver(kGrey, odd).pixel(1, 1), kRed);
}

TEST(ZoomScaling, AHatchingsTintIsItsShareOfTheCellInItsColour) {
    using canvas::Hatch;
    int lines = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            lines += canvas::isHatchPixel(Hatch::Guard, x, y) ? 1 : 0;
    const canvas::Tint tint =
        canvas::tintOf(canvas::BuiltinImages::instance().hatching(false, true, false));
    EXPECT_EQ(tint.colour(), 0xFF00FFFFu);
    EXPECT_EQ(tint.weight(), (256 * lines + 512) / 1024);
    EXPECT_TRUE(canvas::tintOf(MaskedImage()).isNull());

    QImage surface(3, 2, QImage::Format_RGB32);
    surface.fill(0xFF204060);
    canvas::applyTint(canvas::PixelRows::of(surface), QRect(1, 0, 5, 1), tint);
    EXPECT_EQ(surface.pixel(0, 0), 0xFF204060u) << "outside the rectangle";
    EXPECT_EQ(surface.pixel(1, 1), 0xFF204060u);
    EXPECT_EQ(surface.pixel(2, 0),
              qRgb(blend(0x20, 0x00, tint.weight()), blend(0x40, 0xFF, tint.weight()),
                   blend(0x60, 0xFF, tint.weight())));
}
