// The overview's colour of each ground and object code, and when it is
// worked out again.
#include "overview_fixture.h"

#include "canvas/map_renderer.h"

#include <string>

using namespace canvas_testing;
using canvas::MaskedImage;
using canvas::OverviewColours;

namespace {

class OverviewColoursTest : public OverviewTest {};

QImage twoPixels(QRgb first, QRgb second) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, first);
    image.setPixel(1, 0, second);
    return image;
}

} // namespace

TEST_F(OverviewColoursTest, AGroundCodeHasItsTilesAverage) {
    EXPECT_EQ(colours.ground(0), kGround0);
    EXPECT_EQ(colours.ground(1), kGround1);
    EXPECT_EQ(colours.ground(2), quartersAverage());
    const QRgb placeholder = OverviewColours::averageOf(catalogues.picEmpry(0));
    EXPECT_EQ(colours.ground(3), placeholder) << "a code without an entry draws the placeholder";
    EXPECT_EQ(colours.ground(255), placeholder);
}

TEST_F(OverviewColoursTest, AnObjectCodeHasTheAverageOfThePixelsItsSpriteCovers) {
    EXPECT_EQ(colours.object(0), 0u) << "no object";
    EXPECT_EQ(colours.object(kSquareCode), kSquareColour) << "the white surround is not covered";
    EXPECT_EQ(colours.object(kTowerCode), kTowerColour);
    EXPECT_EQ(colours.object(kTintedCode), kTintedOpaqueColour) << "tinting is not covering";
    EXPECT_EQ(colours.object(kBlockCode), kBlockColour);
    const auto placeholder =
        OverviewColours::averageOfCovered(catalogues.builtin().placeholderSprite());
    ASSERT_TRUE(placeholder.has_value());
    EXPECT_EQ(colours.object(kMaskless), *placeholder);
    EXPECT_EQ(colours.object(kUnknownCode), *placeholder);
    EXPECT_EQ(colours.object(65535), *placeholder);
}

TEST_F(OverviewColoursTest, AveragesRoundToTheNearestValue) {
    EXPECT_EQ(OverviewColours::averageOf(twoPixels(qRgb(10, 0, 255), qRgb(13, 1, 254))),
              qRgb(12, 1, 255));
    EXPECT_EQ(OverviewColours::averageOf(QImage()), canvas::kMapBackground);

    // One pixel covered, one kept, one where the mask lets some bits through.
    QImage mask(3, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, 0xFF000000);
    mask.setPixel(1, 0, 0xFFFFFFFF);
    mask.setPixel(2, 0, 0xFF808080);
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.fill(0xFF123456);
    EXPECT_EQ(OverviewColours::averageOfCovered(MaskedImage::fromMaskAndPicture(mask, picture)),
              0xFF123456u);
    EXPECT_FALSE(OverviewColours::averageOfCovered(
                     MaskedImage::fromMergePaint(twoPixels(0xFFFFFFFF, 0xFFFFFFFF)))
                     .has_value())
        << "a white merge covers nothing";
}

TEST_F(OverviewColoursTest, ColoursAreWorkedOutAgainOnlyAfterTheCataloguesChanged) {
    EXPECT_FALSE(colours.follow(catalogues)) << "nothing changed since the fixture took them";

    folder.writePicture("ground0.bmp", solidImage(32, 32, 0xFF10E010));
    folder.writePicture("square.bmp", solidImage(32, 32, 0xFF0000F0));
    const std::uint64_t objectsBefore = catalogues.objectGeneration();
    std::string resourcesPath = "Resources";
    ASSERT_TRUE(catalogues.LoadResources(resourcesPath).ok);
    EXPECT_NE(catalogues.objectGeneration(), objectsBefore);

    EXPECT_TRUE(colours.follow(catalogues));
    EXPECT_EQ(colours.ground(0), 0xFF10E010u);
    EXPECT_EQ(colours.object(kSquareCode), 0xFF0000F0u);
    EXPECT_FALSE(colours.follow(catalogues));

    const canvas::ResourceCatalogues other;
    EXPECT_TRUE(colours.follow(other)) << "another catalogue object";
    EXPECT_EQ(colours.ground(0), OverviewColours::averageOf(other.picEmpry(0)));
}
