// Zooming out: area-averaged ground and sprites, hatchings that turn into
// tints below half the normal size, lines one pixel wide, and coordinates
// only where they fit.
#include "canvas/builtin_pictures.h"
#include "zoom_fixture.h"

#include <set>

using namespace canvas_testing;
using model::Layer;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kYellow = 0xFFFFFF00;
const int kLevels[] = {16, 8, 4};

class DrawMapZoomOut : public ZoomTest {
protected:
    DrawMapZoomOut() { makeGrid(12, 10); }

    // The rounded average of a box of the picture.
    static QRgb average(const QImage& picture, const QRect& box) {
        int sums[3] = {0, 0, 0};
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb p = picture.pixel(x, y);
                sums[0] += qRed(p), sums[1] += qGreen(p), sums[2] += qBlue(p);
            }
        const int n = box.width() * box.height();
        return qRgb((sums[0] + n / 2) / n, (sums[1] + n / 2) / n, (sums[2] + n / 2) / n);
    }
    static QRgb tinted(QRgb ground, QRgb colour, int weight) {
        const auto mix = [&](int g, int c) { return (g * (256 - weight) + c * weight) >> 8; };
        return qRgb(mix(qRed(ground), qRed(colour)), mix(qGreen(ground), qGreen(colour)),
                    mix(qBlue(ground), qBlue(colour)));
    }
    // The colours of a rectangle of the picture.
    std::set<QRgb> coloursIn(const QRect& rect) const {
        std::set<QRgb> colours;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                colours.insert(at(x, y));
        return colours;
    }
};

} // namespace

TEST_F(DrawMapZoomOut, GroundIsTheAreaAverageOfTheUnzoomedGround) {
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            setCell(Layer::Earths, x, y, x == 5 && y == 5 ? 200 : (x + 2 * y) % 4);
    const QImage unzoomed = drawnAt(0);
    for (const int level : kLevels) {
        const int f = 32 / level;
        const QImage zoomed = drawnAt(level);
        ASSERT_EQ(zoomed.size(), QSize(10 * level, 10 * level));
        for (int y = 0; y < zoomed.height(); ++y)
            for (int x = 0; x < zoomed.width(); ++x)
                ASSERT_EQ(zoomed.pixel(x, y), average(unzoomed, QRect(x * f, y * f, f, f)))
                    << level << ": " << x << "," << y;
        EXPECT_NE(zoomed.pixel(3 * level, 0), kStripeA) << "stripes average out";
    }
}

TEST_F(DrawMapZoomOut, SpritesCoverTheirFootprintScaledWithoutHalos) {
    setCell(Layer::Objects, 1, 1, kSquareCode); // red at (40..55, 40..55)
    setCell(Layer::Objects, 4, 0, kTowerCode);  // (128..191, 0..95)
    setCell(Layer::Objects, 7, 1, kTintedCode); // opaque above, tinting below
    view.DrawObjects = true;
    const QRgb tintedGround = maskedOver(kGround0, kWhite, kTintColour);
    for (const int level : kLevels) {
        SCOPED_TRACE(level);
        draw();
        const QRect square = zoomedOut(QRect(40, 40, 16, 16), level);
        const QRect tower = zoomedOut(QRect(128, 0, 64, 96), level);
        const QRect opaqueHalf = zoomedOut(QRect(224, 32, 32, 16), level);
        const QRect tintedHalf = zoomedOut(QRect(224, 48, 32, 16), level);
        view.zoomPixels = level;
        draw();
        for (int y = 0; y < picMap.height(); ++y) {
            for (int x = 0; x < picMap.width(); ++x) {
                const QPoint p(x, y);
                const QRgb expected = square.contains(p)       ? kSquareColour
                                      : tower.contains(p)      ? kTowerColour
                                      : opaqueHalf.contains(p) ? kTintedOpaqueColour
                                      : tintedHalf.contains(p) ? tintedGround
                                                               : kGround0;
                ASSERT_EQ(at(x, y), expected) << x << "," << y;
            }
        }
        view.zoomPixels = 0;
    }
}

TEST_F(DrawMapZoomOut, HatchingsStayPatternsAtHalfSizeAndBecomeTintsBelow) {
    using canvas::Hatch;
    const struct {
        Hatch hatch;
        Layer layer;
        int value;
        QRgb colour;
    } zones[] = {{Hatch::Block, Layer::Blocks, 1, 0xFFFF0000},
                 {Hatch::Guard, Layer::Guards, 1, 0xFF00FFFF},
                 {Hatch::Action, Layer::Doors, 2, 0xFF00FF00}};
    view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = true;
    for (int i = 0; i < 3; ++i)
        setCell(zones[i].layer, 2 * i, 1, zones[i].value);
    for (const int level : kLevels) {
        SCOPED_TRACE(level);
        view.zoomPixels = level;
        draw();
        std::set<QRgb> looks;
        for (int i = 0; i < 3; ++i) {
            const QRect cell(2 * i * level, level, level, level);
            const std::set<QRgb> colours = coloursIn(cell);
            if (level >= 16) {
                EXPECT_EQ(colours, (std::set<QRgb>{kGround0, zones[i].colour})) << i;
                continue;
            }
            int lines = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    lines += canvas::isHatchPixel(zones[i].hatch, x, y) ? 1 : 0;
            const QRgb tint = tinted(kGround0, zones[i].colour, (256 * lines + 512) / 1024);
            EXPECT_EQ(colours, std::set<QRgb>{tint}) << "the whole cell tinted, " << i;
            looks.insert(tint);
        }
        if (level < 16) {
            EXPECT_EQ(looks.size(), 3u) << "three tints apart";
            EXPECT_EQ(looks.count(kGround0), 0u);
        }
        EXPECT_EQ(coloursIn(QRect(level, level, level, level)), std::set<QRgb>{kGround0});
    }
}

TEST_F(DrawMapZoomOut, FramesContoursAndTheCursorStayOnePixelLines) {
    view.DrawCells = view.DrawObjectsContour = view.drawCursor = true;
    setCell(Layer::Objects, 6, 0, kTowerCode);
    view.cursorPixelX = 2 * 32;
    view.cursorPixelY = 5 * 32;
    for (const int level : kLevels) {
        SCOPED_TRACE(level);
        view.zoomPixels = level;
        draw();
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 6; ++column) {
                const int x0 = column * level;
                const int y0 = row * level;
                const bool cursor = (column == 2 || column == 3) && (row == 5 || row == 6);
                if (!cursor) {
                    ASSERT_EQ(at(x0, y0 + level / 2), kWhite) << column << "," << row;
                    ASSERT_EQ(at(x0 + level / 2, y0), kWhite) << column << "," << row;
                }
                ASSERT_EQ(at(x0 + 1, y0 + 1), kGround0) << column << "," << row;
            }
        for (int k = 0; k <= level; ++k) {
            EXPECT_EQ(at(2 * level + k, 5 * level), kGreen) << k;
            EXPECT_EQ(at(2 * level + k, 6 * level), kGreen) << k;
            EXPECT_EQ(at(2 * level, 5 * level + k), kGreen) << k;
            EXPECT_EQ(at(3 * level, 5 * level + k), kGreen) << k;
        }
        for (int k = 0; k <= 2 * level; ++k) {
            EXPECT_EQ(at(6 * level + k, 0), kYellow) << k;
            EXPECT_EQ(at(6 * level + k, 3 * level), kYellow) << k;
        }
        EXPECT_EQ(at(8 * level, 3 * level / 2), kYellow);
        EXPECT_EQ(at(8 * level + 1, 3 * level / 2), kGround0) << "one pixel wide";
    }
}

TEST_F(DrawMapZoomOut, DragArrowsShowBesideTheCursorAtEveryLevel) {
    view.drawCursor = true;
    view.cursorPixelX = view.cursorPixelY = 3 * 32;
    view.MoveDirectionX = 3;
    view.MoveDirectionY = 0;
    for (const int level : kLevels) {
        view.zoomPixels = level;
        draw();
        EXPECT_GT(coloursIn(QRect(2 * level + 1, 3 * level + 1, level - 1, level - 1)).size(), 1u)
            << "the left arrow at " << level;
        EXPECT_GT(coloursIn(QRect(3 * level + 1, 2 * level + 1, level - 1, level - 1)).size(), 1u)
            << "the up arrow at " << level;
        EXPECT_EQ(coloursIn(QRect(4 * level + 1, 3 * level + 1, level - 1, level - 1)),
                  std::set<QRgb>{kGround0});
    }
}

TEST_F(DrawMapZoomOut, CoordinatesAreLeftOutBelowHalfSizeAndPrintedAtAndAbove) {
    view.DrawEarth = false;
    view.DrawCordinates = true;
    view.CurrentPositionX = 10;
    view.CurrentPositionY = 5;
    for (const int level : {4, 8}) {
        view.zoomPixels = level;
        draw();
        EXPECT_EQ(coloursIn(picMap.rect()), std::set<QRgb>{kBackground}) << level;
    }
    for (const int level : {16, 48}) {
        SCOPED_TRACE(level);
        view.zoomPixels = level;
        draw();
        EXPECT_EQ(coloursIn(picMap.rect()), (std::set<QRgb>{kBackground, kWhite, 0xFFC8C8C8}));
        // The column above the row, each right-aligned in every cell.
        for (const QPoint cell : {QPoint(0, 0), QPoint(3, 2), QPoint(9, 9)}) {
            int columnBottom = -1, rowTop = level, columnRight = -1, rowRight = -1;
            for (int y = 0; y < level; ++y)
                for (int x = 0; x < level; ++x) {
                    const QRgb pixel = at(cell.x() * level + x, cell.y() * level + y);
                    if (pixel == kWhite)
                        columnBottom = std::max(columnBottom, y),
                        columnRight = std::max(columnRight, x);
                    if (pixel == 0xFFC8C8C8)
                        rowTop = std::min(rowTop, y), rowRight = std::max(rowRight, x);
                }
            EXPECT_LT(columnBottom, rowTop) << cell.x() << "," << cell.y();
            EXPECT_GT(columnRight, level * 3 / 4);
            EXPECT_LE(std::abs(columnRight - rowRight), level / 16);
        }
    }
    view.zoomPixels = 16;
    draw();
    EXPECT_NE(picMap.copy(0, 0, 16, 16), picMap.copy(16, 0, 16, 16)) << "10 and 11 differ";
}

TEST_F(DrawMapZoomOut, CopiesAreMadeAgainWhenTheCataloguesChange) {
    setCell(Layer::Objects, 1, 1, kBlockCode);
    view.DrawObjects = true;
    view.zoomPixels = 8;
    draw();
    ASSERT_EQ(at(0, 0), kGround0);
    ASSERT_EQ(at(9, 9), kBlockColour);

    folder.writePicture("ground0.bmp", solidImage(32, 32, kGround1));
    folder.writePicture("block.bmp", solidImage(32, 32, kSlabColour));
    std::string resourcesPath = "Resources";
    ASSERT_TRUE(catalogues.LoadResources(resourcesPath).ok);
    draw();
    EXPECT_EQ(at(0, 0), kGround1);
    EXPECT_EQ(at(9, 9), kSlabColour);
}
