// The overview picture: a pixel for each cell or block of cells, grounds with
// objects over them, and repainting after edits.
#include "overview_fixture.h"

using namespace canvas_testing;
using canvas::OverviewPicture;
using model::Layer;

namespace {

class OverviewPictureTest : public OverviewTest {
protected:
    // Grounds 0, 1 and 2 in diagonal stripes, and some of each object.
    void paintVariedCells() {
        for (int y = 0; y < grid.MapHeight(); ++y)
            for (int x = 0; x < grid.MapWidth(); ++x)
                setCell(Layer::Earths, x, y, (x + 2 * y) % 3);
        const int objects[] = {kSquareCode, kTowerCode, kTintedCode, kBlockCode, kSlabCode};
        for (int i = 0; i < 5; ++i)
            setCell(Layer::Objects, (2 * i + 1) % grid.MapWidth(), i % grid.MapHeight(),
                    objects[i]);
    }
    void expectBlocks(const OverviewPicture& picture) {
        for (int y = 0; y < picture.image().height(); ++y)
            for (int x = 0; x < picture.image().width(); ++x)
                EXPECT_EQ(picture.image().pixel(x, y), blockAverage(picture.cellsOf({x, y})))
                    << "pixel " << x << "," << y;
    }
};

} // namespace

TEST_F(OverviewPictureTest, EachCellIsItsGroundWithItsObjectOverIt) {
    makeGrid(6, 4);
    paintVariedCells();
    setCell(Layer::Objects, 0, 4, kSlabCode); // row MapHeight lies beyond the wrap
    OverviewPicture picture;
    picture.build(grid, colours);
    ASSERT_EQ(picture.reduction(), 1);
    ASSERT_EQ(picture.image().size(), QSize(6, 4));
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(picture.image().pixel(x, y), cellColour(x, y)) << x << "," << y;
    EXPECT_EQ(picture.image().pixel(3, 1), kTowerColour);
    EXPECT_EQ(picture.image().pixel(2, 0), quartersAverage());
}

TEST_F(OverviewPictureTest, ALocationOfOneRowShowsThatRow) {
    makeGrid(5, 0);
    setCell(Layer::Objects, 2, 0, kBlockCode);
    OverviewPicture picture;
    picture.build(grid, colours);
    ASSERT_EQ(picture.image().size(), QSize(5, 1));
    EXPECT_EQ(picture.image().pixel(2, 0), kBlockColour);
    EXPECT_EQ(picture.image().pixel(3, 0), kGround0);
}

TEST_F(OverviewPictureTest, NoLocationGivesTheNullPicture) {
    OverviewPicture picture;
    picture.build(grid, colours);
    EXPECT_TRUE(picture.isNull());
    EXPECT_TRUE(picture.update(grid, colours, QRect(0, 0, 5, 5)).isEmpty());
}

TEST_F(OverviewPictureTest, TheReductionKeepsTheLongestSideWithinTheLimit) {
    EXPECT_EQ(OverviewPicture::reductionFor({2048, 10}), 1);
    EXPECT_EQ(OverviewPicture::reductionFor({10, 2049}), 2);
    EXPECT_EQ(OverviewPicture::reductionFor({4096, 4096}), 2);
    EXPECT_EQ(OverviewPicture::reductionFor({4097, 30}), 3);
    EXPECT_EQ(OverviewPicture::reductionFor({9999, 9999}), 5);
    EXPECT_EQ(OverviewPicture::reductionFor({0, 0}), 1);
    EXPECT_EQ(OverviewPicture::reductionFor({100, 100}, 30), 4);
}

TEST_F(OverviewPictureTest, AReducedPictureAveragesTheCellsOfEachBlock) {
    makeGrid(10, 7);
    paintVariedCells();
    OverviewPicture picture;
    picture.build(grid, colours, 4);
    ASSERT_EQ(picture.image().size(), QSize(3, 2));
    EXPECT_EQ(picture.cellsOf({0, 0}), QRect(0, 0, 4, 4));
    EXPECT_EQ(picture.cellsOf({2, 1}), QRect(8, 4, 2, 3)) << "cut at the world's edges";
    EXPECT_EQ(picture.pixelsOf(QRect(3, 3, 6, 2)), QRect(0, 0, 3, 2));
    EXPECT_EQ(picture.pixelsOf(QRect(9, 6, 5, 5)), QRect(2, 1, 1, 1));
    EXPECT_TRUE(picture.pixelsOf(QRect(10, 0, 3, 3)).isEmpty());
    expectBlocks(picture);
}

TEST_F(OverviewPictureTest, TheChosenReductionMapsBlocksOfALargerGrid) {
    makeGrid(4100, 9);
    paintVariedCells();
    OverviewPicture picture;
    picture.build(grid, colours);
    ASSERT_EQ(picture.reduction(), 3);
    ASSERT_EQ(picture.image().size(), QSize(1367, 3));
    expectBlocks(picture);
}

TEST_F(OverviewPictureTest, AnUpdateRepaintsExactlyTheBlocksOfTheRectangle) {
    makeGrid(12, 12);
    paintVariedCells();
    OverviewPicture picture;
    picture.build(grid, colours, 2);
    const QImage before = picture.image().copy();

    setCell(Layer::Objects, 3, 3, kBlockCode); // inside the rectangle
    setCell(Layer::Earths, 4, 2, 0);           // inside
    setCell(Layer::Objects, 9, 9, kSlabCode);  // outside
    const QRect pixels = picture.update(grid, colours, QRect(2, 2, 3, 3));
    EXPECT_EQ(pixels, QRect(1, 1, 2, 2));

    const QImage fresh = freshPicture(2);
    EXPECT_NE(fresh.pixel(1, 1), before.pixel(1, 1)) << "the edit shows in the picture";
    EXPECT_NE(fresh.pixel(4, 4), before.pixel(4, 4));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(picture.image().pixel(x, y),
                      pixels.contains(x, y) ? fresh.pixel(x, y) : before.pixel(x, y))
                << x << "," << y;
}

TEST_F(OverviewPictureTest, AnUpdateKeepsToTheWorldAndToTheGridItWasMadeFor) {
    makeGrid(8, 8);
    OverviewPicture picture;
    picture.build(grid, colours);
    setCell(Layer::Objects, 0, 0, kBlockCode);
    EXPECT_EQ(picture.update(grid, colours, QRect(-3, -3, 4, 4)), QRect(0, 0, 1, 1));
    EXPECT_EQ(picture.image().pixel(0, 0), kBlockColour);
    EXPECT_TRUE(picture.update(grid, colours, QRect(8, 0, 4, 4)).isEmpty());

    const QImage before = picture.image().copy();
    makeGrid(6, 8, 1);
    EXPECT_TRUE(picture.update(grid, colours, QRect(0, 0, 6, 8)).isEmpty()) << "another world size";
    EXPECT_EQ(picture.image(), before);
}
