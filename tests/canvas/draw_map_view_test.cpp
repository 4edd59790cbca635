// Which world cells the view shows, and what it shows without a location.
#include "drawing_fixture.h"

#include <QPoint>

#include <vector>

using namespace canvas_testing;
using model::Layer;

namespace {

class DrawMapView : public DrawingTest {
protected:
    // View cells whose middle pixel has the colour.
    std::vector<QPoint> cellsShowing(QRgb colour) const {
        std::vector<QPoint> cells;
        for (int j = 0; j < view.CanvasCellCountY; ++j)
            for (int i = 0; i < view.CanvasCellCountX; ++i)
                if (at(i * view.CellWidth + view.CellWidth / 2,
                       j * view.CellHeight + view.CellHeight / 2) == colour)
                    cells.emplace_back(i, j);
        return cells;
    }
};

} // namespace

TEST_F(DrawMapView, WrapsAtTheRightAndBottomEdges) {
    makeGrid(12, 8);
    setCell(Layer::Earths, 0, 0, 1);
    view.CurrentPositionX = 12 - 3;
    view.CurrentPositionY = 8 - 2;
    draw();
    EXPECT_EQ(cellsShowing(kGround1), std::vector<QPoint>{QPoint(3, 2)});
}

TEST_F(DrawMapView, WrapsAtTheLeftAndTopEdges) {
    makeGrid(20, 16);
    setCell(Layer::Earths, 0, 0, 1);
    setCell(Layer::Earths, 19, 15, 2);
    view.CurrentPositionX = -1;
    view.CurrentPositionY = -1;
    draw();
    EXPECT_EQ(cellsShowing(kGround1), std::vector<QPoint>{QPoint(1, 1)});
    EXPECT_EQ(at(4, 4), kQuarterColours[0]) << "world cell (19, 15) in view cell (0, 0)";
}

TEST_F(DrawMapView, PositionsSeveralTurnsAwayWrapFully) {
    makeGrid(12, 8);
    setCell(Layer::Earths, 0, 0, 1);
    view.CurrentPositionX = -55; // 5 columns into the world
    view.CurrentPositionY = 30;  // 6 rows into the world
    draw();
    EXPECT_EQ(cellsShowing(kGround1), std::vector<QPoint>{QPoint(7, 2)});
}

TEST_F(DrawMapView, AViewLargerThanTheMapRepeatsIt) {
    makeGrid(4, 3);
    setCell(Layer::Earths, 0, 0, 1);
    draw();
    std::vector<QPoint> expected;
    for (int j : {0, 3, 6, 9})
        for (int i : {0, 4, 8})
            expected.emplace_back(i, j);
    EXPECT_EQ(cellsShowing(kGround1), expected);
}

TEST_F(DrawMapView, RowsWrapWithMapHeightSoTheLastRowNeverShows) {
    makeGrid(5, 4);
    for (int x = 0; x < 5; ++x)
        setCell(Layer::Earths, x, 4, 1);
    for (int start : {0, 2, 3, 4, -1}) {
        view.CurrentPositionY = start;
        draw();
        EXPECT_TRUE(cellsShowing(kGround1).empty()) << "view starting at row " << start;
    }
}

TEST_F(DrawMapView, WithoutALocationOnlyTheBackgroundShows) {
    view = canvas::CanvasView{};
    view.DrawCells = view.DrawBlockZone = view.DrawCordinates = true;
    view.MoveDirectionX = 2;
    draw();
    ASSERT_EQ(picMap.size(), QSize(320, 320));
    for (int y = 0; y < picMap.height(); ++y)
        for (int x = 0; x < picMap.width(); ++x)
            ASSERT_EQ(at(x, y), kBackground) << x << "," << y;

    grid.setMapWidth(-1);
    grid.setMapHeight(-1);
    draw();
    EXPECT_EQ(at(0, 0), kBackground) << "no cursor either";
}

TEST_F(DrawMapView, SurfaceHasTheViewsPixelSize) {
    makeGrid(3, 3);
    view.CanvasCellCountX = 7;
    view.CanvasCellCountY = 3;
    view.CellWidth = 20;
    view.CellHeight = 12;
    draw();
    EXPECT_EQ(picMap.size(), QSize(140, 36));
    EXPECT_EQ(picMap.format(), QImage::Format_RGB32);
    view.CellWidth = 0;
    draw();
    EXPECT_TRUE(picMap.isNull());
}

TEST_F(DrawMapView, GroundIsStretchedToTheCell) {
    makeGrid(3, 3, 2);
    view.CellWidth = 48;
    view.CellHeight = 24;
    draw();
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 48; ++x) {
            const int quarter = (y < 12 ? 0 : 2) + (x < 24 ? 0 : 1);
            ASSERT_EQ(at(48 + x, 24 + y), kQuarterColours[quarter]) << x << "," << y;
        }
    }
}

TEST_F(DrawMapView, WithoutGroundTheBackgroundShowsUnderSpritesAndHatching) {
    makeGrid(3, 3, 1);
    setCell(Layer::Objects, 0, 0, kSquareCode);
    setCell(Layer::Blocks, 1, 0, 1);
    view.DrawEarth = false;
    view.DrawObjects = true;
    view.DrawBlockZone = true;
    draw();
    EXPECT_EQ(at(2, 2), kBackground) << "transparent part of the sprite";
    EXPECT_EQ(at(16, 16), kSquareColour);
    EXPECT_EQ(at(32 + 1, 0), 0xFFFF0000) << "hatch pixel (1, 0)";
    EXPECT_EQ(at(32 + 0, 0), kBackground);
}
