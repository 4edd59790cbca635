// Object sprites: the masked draw, overlaps, contours, placeholders, clipping.
#include "drawing_fixture.h"

using namespace canvas_testing;
using model::Layer;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kYellow = 0xFFFFFF00;

class DrawMapSprites : public DrawingTest {
protected:
    DrawMapSprites() {
        makeGrid(12, 12);
        view.DrawObjects = true;
    }
};

} // namespace

TEST_F(DrawMapSprites, MaskDecidesWhereTheSpriteShows) {
    setCell(Layer::Objects, 1, 1, kSquareCode);
    draw();
    EXPECT_EQ(at(32 + 2, 32 + 2), kGround0) << "white mask, white sprite";
    EXPECT_EQ(at(32 + 8, 32 + 8), kSquareColour);
    EXPECT_EQ(at(32 + 23, 32 + 23), kSquareColour);
    EXPECT_EQ(at(32 + 24, 32 + 23), kGround0);
}

TEST_F(DrawMapSprites, SpriteNotWhiteInItsTransparentAreaTintsTheGround) {
    setCell(Layer::Earths, 2, 0, 1);
    setCell(Layer::Objects, 1, 0, kTintedCode);
    setCell(Layer::Objects, 2, 0, kTintedCode);
    draw();
    EXPECT_EQ(at(32 + 5, 20), maskedOver(kGround0, kWhite, kTintColour));
    EXPECT_EQ(at(64 + 5, 20), maskedOver(kGround1, kWhite, kTintColour));
    EXPECT_NE(at(32 + 5, 20), kGround0);
    EXPECT_EQ(at(32 + 5, 5), kTintedOpaqueColour);
    EXPECT_EQ(at(64 + 5, 5), maskedOver(kGround1, kBlack, kTintedOpaqueColour));
}

TEST_F(DrawMapSprites, CodeZeroDrawsNeitherSpriteNorContour) {
    view.DrawObjectsContour = true;
    draw();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(at(x, y), kGround0) << x << "," << y;
}

TEST_F(DrawMapSprites, ColumnsAreDrawnLeftToRightEachTopToBottom) {
    setCell(Layer::Objects, 0, 1, kSlabCode);  // pixels (0..63, 32..95)
    setCell(Layer::Objects, 1, 0, kTowerCode); // pixels (32..95, 0..95)
    setCell(Layer::Objects, 1, 2, kBlockCode); // pixels (32..63, 64..95)
    setCell(Layer::Objects, 2, 0, kSquareCode);
    draw();
    EXPECT_EQ(at(10, 40), kSlabColour);
    EXPECT_EQ(at(40, 40), kTowerColour) << "column 1 after column 0, although a row higher";
    EXPECT_EQ(at(40, 70), kBlockColour) << "row 2 after row 0 in the same column";
    EXPECT_EQ(at(64 + 10, 10), kSquareColour) << "column 2 over the tower";
    EXPECT_EQ(at(64 + 2, 2), kTowerColour) << "the square's transparent part keeps the tower";
}

TEST_F(DrawMapSprites, SpritesCoverTheCellFramesAndTheGroundOfLaterCells) {
    view.DrawCells = true;
    setCell(Layer::Objects, 0, 0, kTowerCode);
    draw();
    EXPECT_EQ(at(32, 10), kTowerColour) << "frame of cell (1, 0)";
    EXPECT_EQ(at(40, 70), kTowerColour) << "ground of cell (1, 2)";
    EXPECT_EQ(at(96, 10), kWhite) << "frame of cell (3, 0)";
    EXPECT_EQ(at(100, 32), kWhite);
    EXPECT_EQ(at(100, 33), kGround0);
}

TEST_F(DrawMapSprites, ContourSpansTheSpriteIncludingBothCorners) {
    view.DrawObjectsContour = true;
    setCell(Layer::Objects, 1, 1, kTowerCode); // sprite (32..95, 32..127)
    draw();
    for (int x = 32; x <= 96; ++x) {
        EXPECT_EQ(at(x, 32), kYellow) << x;
        EXPECT_EQ(at(x, 128), kYellow) << x;
    }
    for (int y = 32; y <= 128; ++y) {
        EXPECT_EQ(at(32, y), kYellow) << y;
        EXPECT_EQ(at(96, y), kYellow) << y;
    }
    EXPECT_EQ(at(97, 128), kGround0);
    EXPECT_EQ(at(96, 129), kGround0);
    EXPECT_EQ(at(31, 32), kGround0);
    EXPECT_EQ(at(33, 33), kTowerColour);
}

TEST_F(DrawMapSprites, SpritesOfLaterCellsCoverEarlierContours) {
    view.DrawObjectsContour = true;
    setCell(Layer::Objects, 1, 1, kTowerCode); // contour (32, 32)-(96, 128)
    setCell(Layer::Objects, 2, 2, kTowerCode); // sprite (64..127, 64..159)
    draw();
    EXPECT_EQ(at(40, 128), kYellow);
    EXPECT_EQ(at(80, 128), kTowerColour);
    EXPECT_EQ(at(96, 40), kYellow);
    EXPECT_EQ(at(96, 100), kTowerColour);
    EXPECT_EQ(at(64, 100), kYellow) << "the later sprite's own contour";
}

TEST_F(DrawMapSprites, ContourIsDrawnEvenWhenSpritesAreNot) {
    view.DrawObjects = false;
    view.DrawObjectsContour = true;
    setCell(Layer::Objects, 0, 0, kSquareCode);
    draw();
    EXPECT_EQ(at(32, 32), kYellow);
    EXPECT_EQ(at(16, 16), kGround0);
}

TEST_F(DrawMapSprites, CodesWithoutAnEntryDrawThePlaceholderOpaque) {
    view.DrawObjectsContour = true;
    setCell(Layer::Objects, 1, 1, kUnknownCode);
    setCell(Layer::Objects, 3, 1, 65535);
    setCell(Layer::Objects, 5, 1, kMaskless);
    draw();
    const QImage& placeholder = catalogues.picEmpry(0);
    for (int cell : {1, 3, 5}) {
        for (int y = 1; y < 32; ++y) // row and column 0 carry the contour
            for (int x = 1; x < 32; ++x)
                ASSERT_EQ(at(cell * 32 + x, 32 + y), placeholder.pixel(x, y))
                    << "cell " << cell << " at " << x << "," << y;
        EXPECT_EQ(at(cell * 32 + 32, 64), kYellow) << "the contour spans 32 x 32";
    }
}

TEST_F(DrawMapSprites, GroundCodesWithoutAnEntryDrawThePlaceholderStretched) {
    setCell(Layer::Earths, 1, 0, 200);
    view.CellWidth = 64;
    view.CellHeight = 64;
    draw();
    const QImage& placeholder = catalogues.picEmpry(0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(at(64 + 2 * x + 1, 2 * y), placeholder.pixel(x, y)) << x << "," << y;
}

TEST_F(DrawMapSprites, LargeSpriteIsClippedAtTheSurfaceEdge) {
    view.DrawObjectsContour = true;
    setCell(Layer::Objects, 9, 9, kTowerCode);
    draw();
    ASSERT_EQ(picMap.size(), QSize(320, 320));
    EXPECT_EQ(at(288, 300), kYellow);
    EXPECT_EQ(at(300, 288), kYellow);
    EXPECT_EQ(at(289, 289), kTowerColour);
    EXPECT_EQ(at(319, 319), kTowerColour);
    EXPECT_EQ(at(287, 300), kGround0);
}
