// The overview widget: where the world lies in it, the view's rectangle in
// pieces where it wraps, the building state, and choosing cells with the
// mouse.
#include "overview_fixture.h"

#include "canvas/location_overview.h"
#include "canvas/overview_geometry.h"
#include "canvas/overview_widget.h"

#include <QSignalSpy>
#include <QTest>

using namespace canvas_testing;
using canvas::OverviewGeometry;
using canvas::OverviewWidget;
using canvas::WrappedPiece;
using canvas::wrappedPieces;
using model::Layer;

namespace {

constexpr QRgb kOutline = OverviewWidget::kViewOutline;

// An 8 x 4 world shown 160 x 80 pixels large: 20 pixels a cell.
class OverviewWidgetTest : public OverviewTest {
protected:
    OverviewWidgetTest() {
        makeGrid(8, 4);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 4; ++y)
                setCell(Layer::Earths, x, y, (x + y) % 2);
        setCell(Layer::Objects, 5, 2, kBlockCode);
        overview.showLocation(grid, catalogues);
        widget.setOverview(&overview);
        widget.resize(160, 80);
        widget.show();
    }
    QImage shown() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QPoint chosen(int i) const { return chosenCells.at(i).at(0).toPoint(); }

    canvas::LocationOverview overview;
    OverviewWidget widget;
    QSignalSpy chosenCells{&widget, &OverviewWidget::cellChosen};
};

} // namespace

TEST(OverviewGeometry, AViewRectangleIsCutWhereTheWorldWraps) {
    const QSize world(8, 4);
    using Pieces = std::vector<WrappedPiece>;
    EXPECT_EQ(wrappedPieces(QRect(1, 1, 3, 2), world), (Pieces{{QRect(1, 1, 3, 2)}}));
    EXPECT_EQ(wrappedPieces(QRect(6, 1, 4, 2), world),
              (Pieces{{QRect(6, 1, 2, 2), true, true, false, true},
                      {QRect(0, 1, 2, 2), false, true, true, true}}));
    EXPECT_EQ(wrappedPieces(QRect(-1, 10, 2, 3), world),
              (Pieces{{QRect(7, 2, 1, 2), true, true, false, false},
                      {QRect(0, 2, 1, 2), false, true, true, false},
                      {QRect(7, 0, 1, 1), true, false, false, true},
                      {QRect(0, 0, 1, 1), false, false, true, true}}));
    EXPECT_EQ(wrappedPieces(QRect(3, 0, 20, 1), world), (Pieces{{QRect(0, 0, 8, 1)}}))
        << "wider than the world";
    EXPECT_TRUE(wrappedPieces(QRect(3, 0, 0, 1), world).empty());
    EXPECT_TRUE(wrappedPieces(QRect(3, 0, 1, 1), QSize()).empty());
}

TEST(OverviewGeometry, TheWorldIsCentredWithSquareCellsAndPixelsMapToCells) {
    const OverviewGeometry geometry(QSize(200, 100), QSize(4, 4));
    EXPECT_DOUBLE_EQ(geometry.cellSide(), 25.0);
    EXPECT_EQ(geometry.worldArea(), QRectF(50, 0, 100, 100));
    EXPECT_EQ(geometry.cellAt({50, 0}), QPoint(0, 0));
    EXPECT_EQ(geometry.cellAt({74, 25}), QPoint(0, 1));
    EXPECT_EQ(geometry.cellAt({149, 99}), QPoint(3, 3));
    EXPECT_FALSE(geometry.cellAt({49, 50}).has_value());
    EXPECT_FALSE(geometry.cellAt({150, 50}).has_value());
    EXPECT_EQ(geometry.nearestCellTo({0, 60}), QPoint(0, 2));
    EXPECT_EQ(geometry.nearestCellTo({500, -7}), QPoint(3, 0));
    EXPECT_EQ(geometry.pixelsOf(QRect(1, 1, 2, 1)), QRect(75, 25, 50, 25));

    const OverviewGeometry tiny(QSize(100, 100), QSize(1000, 1000));
    EXPECT_EQ(tiny.pixelsOf(QRect(5, 5, 3, 3)), QRect(0, 0, 1, 1)) << "at least a pixel";
    EXPECT_EQ(tiny.cellAt({99, 0}), QPoint(995, 5)) << "the cell at the pixel's centre";
    EXPECT_TRUE(OverviewGeometry(QSize(100, 100), QSize()).isEmpty());
}

TEST_F(OverviewWidgetTest, ItIsNamedAndShowsThatThePictureIsBuilding) {
    EXPECT_EQ(widget.accessibleName(), "Обзор");
    ASSERT_TRUE(widget.showsBuilding());
    EXPECT_EQ(OverviewWidget::buildingText(), "Строится обзор…");
    // The text's pixels lie in the middle of the widget.
    const QImage image = shown();
    QRect text;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != OverviewWidget::kMargin)
                text |= QRect(x, y, 1, 1);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(std::abs(text.left() - (159 - text.right())), 2);
    EXPECT_LE(std::abs(text.top() - (79 - text.bottom())), 3);

    // Clicks choose nothing while there is no picture.
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_TRUE(chosenCells.isEmpty());
}

TEST_F(OverviewWidgetTest, ThePictureFillsTheWidgetCellByCell) {
    overview.builder().finish();
    EXPECT_FALSE(widget.showsBuilding());
    const QImage image = shown();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(image.pixel(20 * x + 10, 20 * y + 10), cellColour(x, y)) << x << "," << y;

    widget.resize(200, 80); // margins left and right
    const QImage wider = shown();
    EXPECT_EQ(wider.pixel(10, 40), OverviewWidget::kMargin);
    EXPECT_EQ(wider.pixel(20 + 5 * 20 + 10, 2 * 20 + 10), kBlockColour);
}

TEST_F(OverviewWidgetTest, TheViewRectangleIsDrawnInPiecesWhereItWraps) {
    overview.builder().finish();
    widget.setViewCells(QRect(6, 2, 4, 3)); // columns 6, 7, 0, 1; rows 2, 3, 0
    const QImage image = shown();
    const auto outline = [&](int x, int y) { return image.pixel(x, y) == kOutline; };
    // Own sides: the left at column 6, the right after column 1, the top at
    // row 2, the bottom after row 0.
    for (int y : {0, 10, 50, 79}) {
        EXPECT_TRUE(outline(120, y)) << y;
        EXPECT_TRUE(outline(39, y)) << y;
        EXPECT_FALSE(outline(159, y)) << "cut at the right edge, " << y;
        EXPECT_FALSE(outline(0, y)) << "cut at the left edge, " << y;
    }
    for (int x : {5, 30, 125, 150}) {
        EXPECT_TRUE(outline(x, 40)) << x;
        EXPECT_TRUE(outline(x, 19)) << x;
        EXPECT_FALSE(outline(x, 79)) << "cut at the bottom edge, " << x;
        EXPECT_FALSE(outline(x, 0)) << "cut at the top edge, " << x;
    }
    EXPECT_FALSE(outline(80, 40)) << "outside the view";
    EXPECT_FALSE(outline(39, 30)) << "the rows between the pieces";

    widget.setViewCells(QRect(2, 1, 2, 2));
    const QImage whole = shown();
    EXPECT_EQ(whole.pixel(40, 30), kOutline);
    EXPECT_EQ(whole.pixel(79, 30), kOutline);
    EXPECT_EQ(whole.pixel(60, 20), kOutline);
    EXPECT_EQ(whole.pixel(60, 59), kOutline);
    EXPECT_EQ(whole.pixel(120, 40), cellColour(6, 2)) << "the old rectangle is gone";
}

TEST_F(OverviewWidgetTest, AClickOrADragChoosesTheCellUnderThePointer) {
    overview.builder().finish();
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(70, 30));
    ASSERT_EQ(chosenCells.count(), 1);
    EXPECT_EQ(chosen(0), QPoint(3, 1));

    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(&widget, QPoint(15, 12)); // the same cell: not told again
    QTest::mouseMove(&widget, QPoint(45, 65));
    QTest::mouseMove(&widget, QPoint(300, -10)); // beyond the widget: the nearest cell
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(300, -10));
    QTest::mouseMove(&widget, QPoint(90, 50)); // no button held
    ASSERT_EQ(chosenCells.count(), 4);
    EXPECT_EQ(chosen(1), QPoint(0, 0));
    EXPECT_EQ(chosen(2), QPoint(2, 3));
    EXPECT_EQ(chosen(3), QPoint(7, 0));

    QTest::mouseClick(&widget, Qt::RightButton, Qt::NoModifier, QPoint(70, 30));
    widget.resize(200, 80);
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40)); // margin
    EXPECT_EQ(chosenCells.count(), 4);
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 40));
    ASSERT_EQ(chosenCells.count(), 5);
    EXPECT_EQ(chosen(4), QPoint(0, 2));
}
