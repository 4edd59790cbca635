// Masks of another size than their picture: the sprite keeps to the picture's
// rectangle, a larger mask is cut at its edges, and where a smaller mask does
// not reach the ground shows.
#include "drawing_fixture.h"

#include <QRect>

using namespace canvas_testing;
using model::Layer;

namespace {

constexpr QSize kPicture(96, 96);
// The picture's rectangle for an object in cell (2, 2).
const QRect kPictureCell(64, 64, 96, 96);

// A picture of many colours, none of them the ground's.
QImage shadedPicture() {
    QImage image(kPicture, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 + x, 60 + y, 200));
    return image;
}

// Black (the object) in a checkerboard of 8-pixel squares, white between.
QImage checkeredMask(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 8 + y / 8) % 2 == 0 ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

QImage blackMask(QSize size) {
    return solidImage(size.width(), size.height(), 0xFF000000);
}

class DrawMapMaskSizes : public DrawingTest {
protected:
    DrawMapMaskSizes() {
        makeGrid(12, 12);
        view.DrawObjects = true;
        draw();
        groundAlone = picMap.copy();
    }

    // Object code 1 becomes the shaded picture with `mask`, in cell (2, 2).
    void placeWithMask(const QImage& mask) {
        folder.writePicture("shaded.bmp", picture);
        folder.writePicture("shaded_mask.bmp", mask);
        folder.writeObjectCatalogue(
            {{"DATA", {{"Count", "0"}}},
             {"OBJ-0", {{"FileName", "shaded.bmp"}, {"MaskFileName", "shaded_mask.bmp"}}}});
        std::string resourcesPath = "Resources";
        const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
        ASSERT_TRUE(result.ok) << result.message();
        ASSERT_EQ(result.warnings.size(), 1u);
        setCell(Layer::Objects, 2, 2, 1);
        draw();
    }

    // Inside the part of the picture's rectangle the mask reaches, the masked
    // draw of the two; everywhere else, exactly the ground drawn alone.
    void expectKeptToTheMasksReach(const QImage& mask) {
        const QRect reach = kPictureCell.intersected(QRect(kPictureCell.topLeft(), mask.size()));
        for (int y = 0; y < picMap.height(); ++y) {
            for (int x = 0; x < picMap.width(); ++x) {
                const QPoint inside = QPoint(x, y) - kPictureCell.topLeft();
                const QRgb expected =
                    reach.contains(x, y)
                        ? maskedOver(kGround0, mask.pixel(inside), picture.pixel(inside))
                        : groundAlone.pixel(x, y);
                ASSERT_EQ(at(x, y), expected)
                    << x << "," << y << " mask " << mask.width() << " x " << mask.height();
            }
        }
    }

    const QImage picture = shadedPicture();
    QImage groundAlone;
};

} // namespace

TEST_F(DrawMapMaskSizes, ALargerMaskIsCutAtThePicturesEdges) {
    for (const QImage& mask : {blackMask({200, 150}), checkeredMask({200, 150})}) {
        ASSERT_NO_FATAL_FAILURE(placeWithMask(mask));
        ASSERT_NO_FATAL_FAILURE(expectKeptToTheMasksReach(mask));
        EXPECT_EQ(at(kPictureCell.right() + 1, kPictureCell.top()), kGround0)
            << "no white beside the picture";
        EXPECT_EQ(at(kPictureCell.left(), kPictureCell.bottom() + 1), kGround0)
            << "no white below it";
    }
}

TEST_F(DrawMapMaskSizes, WhereASmallerMaskDoesNotReachTheGroundShows) {
    const QImage mask = blackMask({40, 30});
    ASSERT_NO_FATAL_FAILURE(placeWithMask(mask));
    ASSERT_NO_FATAL_FAILURE(expectKeptToTheMasksReach(mask));
    // The picture's own colours where the mask holds the object, the ground
    // untouched (not mixed with the picture) past it.
    EXPECT_EQ(at(64 + 39, 64 + 29), picture.pixel(39, 29));
    EXPECT_EQ(at(64 + 40, 64 + 29), kGround0);
    EXPECT_EQ(at(64 + 39, 64 + 30), kGround0);
    EXPECT_EQ(at(64 + 95, 64 + 95), kGround0);
}

TEST_F(DrawMapMaskSizes, AMaskLargerOneWaySmallerTheOtherDoesBoth) {
    for (const QSize size : {QSize(200, 30), QSize(40, 150)}) {
        const QImage mask = checkeredMask(size);
        ASSERT_NO_FATAL_FAILURE(placeWithMask(mask));
        ASSERT_NO_FATAL_FAILURE(expectKeptToTheMasksReach(mask));
    }
}

TEST_F(DrawMapMaskSizes, TheContourAndTheSpriteKeepThePicturesSize) {
    ASSERT_NO_FATAL_FAILURE(placeWithMask(blackMask({200, 150})));
    EXPECT_EQ(catalogues.objectSpriteSize(0), kPicture);
    EXPECT_EQ(catalogues.objectSprite(0).width(), kPicture.width());
    EXPECT_EQ(catalogues.objectSprite(0).height(), kPicture.height());
    EXPECT_EQ(catalogues.objectReach(), kPicture.width() + 1) << "not the mask's width";
    view.DrawObjectsContour = true;
    draw();
    EXPECT_EQ(at(64 + 96, 64 + 96), 0xFFFFFF00u);
    EXPECT_EQ(at(64 + 97, 64 + 40), kGround0);
}
