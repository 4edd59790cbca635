// Drawing a view in bands on several threads gives the pixels of the one
// full redraw, and the scaled picture is the box average of what is drawn.
#include "box_average.h"
#include "canvas/banded_drawing.h"
#include "canvas/scaled_drawing.h"
#include "drawing_fixture.h"

using namespace canvas_testing;
using model::Layer;

namespace {

// The first pixel where two pictures differ, for messages.
std::string firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return "none";
}

class BandedDrawing : public DrawingTest {
protected:
    // A busy location: every ground code, tall and wide sprites everywhere
    // (reaching several rows down and columns right), hatchings, a view that
    // starts off the origin and wraps.
    BandedDrawing() {
        makeGrid(23, 41);
        for (int y = 0; y <= 41; ++y) {
            for (int x = 0; x < 23; ++x) {
                setCell(Layer::Earths, x, y, (x * 3 + y) % 4);
                if ((x + 2 * y) % 5 == 0)
                    setCell(Layer::Objects, x, y, 1 + (x + y) % 8);
                setCell(Layer::Blocks, x, y, (x * y) % 3 == 0);
                setCell(Layer::Guards, x, y, (x + y) % 4 == 0);
                setCell(Layer::Doors, x, y, (x + 3 * y) % 7 == 0 ? 2 : 0);
            }
        }
        view.DrawObjects = view.DrawObjectsContour = view.DrawCells = true;
        view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = true;
        view.CurrentPositionX = 17;
        view.CurrentPositionY = 30;
        view.CanvasCellCountX = 19;
        view.CanvasCellCountY = 37;
        view.drawCursor = true;
        view.cursorPixelX = 4 * 32;
        view.cursorPixelY = 21 * 32;
        view.MoveDirectionX = 2;
        view.MoveDirectionY = 0;
    }
};

} // namespace

TEST_F(BandedDrawing, EveryBandHoldsThePixelsOfTheFullRedraw) {
    for (const int zoom : {0, 64, 16, 4}) {
        view.zoomPixels = zoom;
        view.DrawCordinates = zoom == 0;
        draw();
        const int cellHeight = canvas::zoomedCellSize(view).height();
        canvas::BandDrawer drawer(grid, catalogues, view);
        EXPECT_GE(drawer.reachRows(), 4) << "the tower is three rows tall";
        for (const auto& [first, end] : std::vector<std::pair<int, int>>{
                 {0, 1}, {1, 2}, {5, 9}, {20, 22}, {30, 37}, {0, 37}}) {
            const QImage band = drawer.draw(first, end);
            ASSERT_EQ(band.size(), QSize(picMap.width(), (end - first) * cellHeight));
            const QImage expected =
                picMap.copy(0, first * cellHeight, picMap.width(), (end - first) * cellHeight);
            EXPECT_EQ(band, expected) << "zoom " << zoom << ", rows " << first << " to " << end
                                      << ": " << firstDifference(band, expected);
        }
    }
}

TEST_F(BandedDrawing, AnyNumberOfThreadsDrawsTheFullRedraw) {
    for (const int zoom : {0, 8}) {
        view.zoomPixels = zoom;
        draw();
        for (const int threads : {1, 2, 3, 8}) {
            const QImage banded = canvas::drawViewInBands(grid, catalogues, view, threads);
            EXPECT_EQ(banded, picMap) << "zoom " << zoom << ", " << threads
                                      << " threads: " << firstDifference(banded, picMap);
        }
    }
}

TEST_F(BandedDrawing, ProgressCountsEveryBandOnce) {
    std::vector<std::int64_t> reported;
    std::int64_t total = 0;
    canvas::drawViewInBands(grid, catalogues, view, 3, [&](std::int64_t done, std::int64_t all) {
        reported.push_back(done);
        total = all;
    });
    ASSERT_GT(total, 1);
    ASSERT_EQ(reported.size(), static_cast<std::size_t>(total));
    for (std::size_t i = 0; i < reported.size(); ++i)
        EXPECT_EQ(reported[i], static_cast<std::int64_t>(i + 1));
}

TEST_F(BandedDrawing, TheScaledPictureIsTheBoxAverageOfTheFullSizeOne) {
    view.drawCursor = false;
    view.MoveDirectionX = view.MoveDirectionY = -1;
    draw();
    for (const double scale : {1.0, 0.5, 0.3, 1.0 / 7, 0.01, 1e-9}) {
        const auto plan = canvas::planScaled(view, scale);
        ASSERT_TRUE(plan) << scale;
        ASSERT_TRUE(plan->exact());
        const QSize size(std::max(1, static_cast<int>(std::lround(picMap.width() * scale))),
                         std::max(1, static_cast<int>(std::lround(picMap.height() * scale))));
        ASSERT_EQ(plan->output, size) << scale;
        const QImage expected = boxAverage(picMap, size);
        const QImage one = canvas::drawScaled(grid, catalogues, view, *plan, 1);
        EXPECT_EQ(one, expected) << scale << ": " << firstDifference(one, expected);
        const QImage many = canvas::drawScaled(grid, catalogues, view, *plan, 5);
        EXPECT_EQ(many, one) << scale << ": " << firstDifference(many, one);
    }
}

TEST_F(BandedDrawing, AScaleFromAZoomedDrawingAveragesThatDrawing) {
    view.drawCursor = false;
    view.MoveDirectionX = view.MoveDirectionY = -1;
    canvas::ScaledPlan plan;
    plan.drawZoom = 8;
    plan.output = QSize(50, 90);
    view.zoomPixels = 8;
    draw();
    view.zoomPixels = 0;
    const QImage expected = boxAverage(picMap, plan.output);
    for (const int threads : {1, 4}) {
        const QImage scaled = canvas::drawScaled(grid, catalogues, view, plan, threads);
        EXPECT_EQ(scaled, expected) << threads << ": " << firstDifference(scaled, expected);
    }
}

TEST(ScaledPlan, HugeViewsAreAveragedFromTheSmallestZoomTwiceTheOutput) {
    canvas::CanvasView view;
    view.CanvasCellCountX = view.CanvasCellCountY = 9999;
    const auto whole = canvas::planScaled(view, 4096.0 / (9999 * 32));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->output, QSize(4096, 4096));
    EXPECT_EQ(whole->fullWidth, 9999 * 32);
    EXPECT_EQ(whole->drawZoom, 1) << "9999 pixels are more than twice 4096";
    const auto larger = canvas::planScaled(view, 0.08);
    ASSERT_TRUE(larger);
    EXPECT_EQ(larger->output, QSize(25597, 25597));
    EXPECT_EQ(larger->drawZoom, 3) << "the largest zoom a band can hold, 29997 pixels";
    EXPECT_FALSE(canvas::planScaled(view, 0.1)) << "no band holds as many pixels as the output";
    view.CanvasCellCountX = view.CanvasCellCountY = 500;
    const auto exact = canvas::planScaled(view, 0.25);
    ASSERT_TRUE(exact);
    EXPECT_TRUE(exact->exact()) << "16000 x 16000 pixels are few enough to average exactly";
    for (const double bad : {0.0, -0.5, 1.0000001, std::nan("")})
        EXPECT_FALSE(canvas::planScaled(view, bad)) << bad;
}
