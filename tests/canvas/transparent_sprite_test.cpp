// A masked sprite as a picture with transparency: drawn over any ground by
// its alpha, it gives the pixels the raster operations give.

#include "canvas/pixel_rows.h"
#include "canvas/raster_ops.h"
#include "canvas/transparent_sprite.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <random>

using canvas::MaskedImage;

namespace {

QImage randomImage(int width, int height, std::mt19937& random) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    return image;
}

} // namespace

TEST(TransparentSprite, OverAnyGroundGivesWhatTheMaskedDrawGives) {
    std::mt19937 random(7);
    for (int round = 0; round < 4; ++round) {
        const int width = 20 + round * 7;
        const int height = 30 - round * 5;
        // The mask black or white at random; the picture white where the mask
        // is, so that no pixel mixes the ground with the picture.
        QImage mask(width, height, QImage::Format_RGB32);
        QImage picture = randomImage(width, height, random);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool shows = random() % 3 != 0;
                mask.setPixel(x, y, shows ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                if (!shows)
                    picture.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
        // A smaller mask keeps the ground where it does not reach.
        const QImage cutMask = round % 2 ? mask.copy(0, 0, width - 3, height - 4) : mask;
        const MaskedImage sprite = MaskedImage::fromMaskAndPicture(cutMask, picture);

        const QImage ground = randomImage(width + 10, height + 10, random);
        QImage expected = ground;
        canvas::applyMasked(canvas::PixelRows::of(expected), 5, 6, sprite, width, height);
        QImage drawn = ground;
        {
            QPainter painter(&drawn);
            painter.drawImage(5, 6, canvas::transparentSprite(sprite));
        }
        EXPECT_EQ(drawn, expected) << "round " << round;
        EXPECT_NE(drawn, ground) << "the sprite shows somewhere";
    }
}

TEST(TransparentSprite, PixelsMixingGroundAndPictureFollowMostOfTheirBits) {
    QImage mask(4, 1, QImage::Format_RGB32);
    QImage picture(4, 1, QImage::Format_RGB32);
    mask.fill(qRgb(255, 255, 255));
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(200, 10, 30));   // shown: opaque
    picture.setPixel(1, 0, qRgb(255, 255, 255)); // hidden and white: transparent
    picture.setPixel(2, 0, qRgb(16, 16, 16));    // hidden, dark: most bits cleared
    picture.setPixel(3, 0, qRgb(254, 254, 254)); // hidden, almost white: most kept
    const QImage result = canvas::transparentSprite(MaskedImage::fromMaskAndPicture(mask, picture));
    ASSERT_EQ(result.format(), QImage::Format_ARGB32);
    EXPECT_EQ(result.pixel(0, 0), qRgba(200, 10, 30, 255));
    EXPECT_EQ(qAlpha(result.pixel(1, 0)), 0);
    EXPECT_EQ(result.pixel(2, 0), qRgba(16, 16, 16, 255));
    EXPECT_EQ(qAlpha(result.pixel(3, 0)), 0);
}
