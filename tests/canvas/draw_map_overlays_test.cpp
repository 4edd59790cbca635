// What is drawn over the ground and the sprites: zone hatching, cell frames,
// coordinates, the drag arrows and the cursor.
#include "canvas/coordinate_labels.h"
#include "drawing_fixture.h"

#include <algorithm>

using namespace canvas_testing;
using model::Layer;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF00FF00;

struct Zones {
    bool block = false;
    bool guard = false;
    bool action = false;
};

// The colour of pixel (x, y) of a 32 x 32 hatching over `ground`: blocked
// cells get red diagonals rising to the right where (x + y) mod 3 is 1, guard
// cells cyan ones where it is 2, action cells green ones falling to the right
// where (x - y) mod 3 is 2; each drawn over the ones before.
QRgb hatched(const Zones& zones, int x, int y, QRgb ground) {
    QRgb colour = ground;
    if (zones.block && (x + y) % 3 == 1)
        colour = 0xFFFF0000;
    if (zones.guard && (x + y) % 3 == 2)
        colour = 0xFF00FFFF;
    if (zones.action && ((x - y) % 3 + 3) % 3 == 2)
        colour = 0xFF00FF00;
    return colour;
}

class DrawMapOverlays : public DrawingTest {
protected:
    DrawMapOverlays() { makeGrid(20, 20); }

    void markZones(int x, int y, const Zones& zones) {
        setCell(Layer::Blocks, x, y, zones.block ? 1 : 0);
        setCell(Layer::Guards, x, y, zones.guard ? 1 : 0);
        setCell(Layer::Doors, x, y, zones.action ? 3 : 0);
    }
    void allZonesOn() { view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = true; }

    // Pixels of the cell at (left, top) that differ from `colour`.
    int pixelsDifferingFrom(QRgb colour, int left, int top, int width, int height) const {
        int count = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                count += at(x, y) != colour ? 1 : 0;
        return count;
    }
};

} // namespace

TEST_F(DrawMapOverlays, BlockedGuardedAndActionCellsSideBySide) {
    const Zones cells[] = {{true, false, false}, {false, true, false}, {false, false, true},
                           {true, true, false},  {true, true, true},   {false, false, false}};
    for (int i = 0; i < 6; ++i)
        markZones(i, 0, cells[i]);
    allZonesOn();
    draw();
    for (int i = 0; i < 6; ++i)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(at(i * 32 + x, y), hatched(cells[i], x, y, kGround0))
                    << "cell " << i << " at " << x << "," << y;
}

TEST_F(DrawMapOverlays, HatchingFollowsItsSwitchesAndAnyMark) {
    markZones(0, 0, {true, true, true});
    draw();
    EXPECT_EQ(pixelsDifferingFrom(kGround0, 0, 0, 32, 32), 0) << "switches off";

    view.DrawGuardZone = true;
    draw();
    EXPECT_EQ(at(1, 0), kGround0);
    EXPECT_EQ(at(2, 0), 0xFF00FFFF);

    grid.ChangeBloks(0, 1, 0); // the digit "0": still a closed cell
    setCell(Layer::Doors, 2, 0, 256);
    allZonesOn();
    draw();
    EXPECT_EQ(at(32 + 1, 0), 0xFFFF0000);
    EXPECT_EQ(at(64 + 2, 0), 0xFF00FF00) << "an action whose code has only its high byte set";
}

TEST_F(DrawMapOverlays, HatchingRepeatsItsPatternInLargeCells) {
    view.CellWidth = 48;
    view.CellHeight = 40;
    markZones(1, 1, {true, false, false});
    view.DrawBlockZone = true;
    draw();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(at(48 + x, 40 + y), hatched({true}, x % 32, y % 32, kGround0))
                << x << "," << y;
}

TEST_F(DrawMapOverlays, HatchingOfSmallCellsTakesThePatternsCorner) {
    view.CellWidth = 20;
    view.CellHeight = 20;
    markZones(0, 0, {true, false, false});
    markZones(1, 0, {true, false, false});
    view.DrawBlockZone = true;
    draw();
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(at(x, 0), hatched({true}, x, 0, kGround0)) << x;
        EXPECT_EQ(at(20 + x, 0), hatched({true}, x, 0, kGround0)) << x;
    }
}

TEST_F(DrawMapOverlays, CellFramesRunAlongEveryCellsTopAndLeftUnderTheHatching) {
    view.DrawCells = true;
    markZones(1, 1, {true, false, false});
    view.DrawBlockZone = true;
    draw();
    for (int j = 0; j < 10; ++j) {
        for (int i = 0; i < 10; ++i) {
            const int x0 = i * 32;
            const int y0 = j * 32;
            const bool blocked = i == 1 && j == 1;
            for (int k = 0; k < 32; ++k) {
                const QRgb top = blocked && k % 3 == 1 ? 0xFFFF0000 : kWhite;
                ASSERT_EQ(at(x0 + k, y0), top) << i << "," << j << " top " << k;
                ASSERT_EQ(at(x0, y0 + k), top) << i << "," << j << " left " << k;
            }
            ASSERT_EQ(at(x0 + 5, y0 + 6), kGround0) << "inside, off the hatch lines";
        }
    }
}

TEST_F(DrawMapOverlays, CursorOutlineIncludesBothCornersAndLiesOnTop) {
    view.DrawObjects = view.DrawObjectsContour = view.DrawCells = true;
    setCell(Layer::Objects, 1, 2, kTowerCode);
    view.drawCursor = true;
    view.cursorPixelX = 32;
    view.cursorPixelY = 64;
    draw();
    for (int k = 0; k <= 32; ++k) {
        EXPECT_EQ(at(32 + k, 64), kGreen) << k;
        EXPECT_EQ(at(32 + k, 96), kGreen) << k;
        EXPECT_EQ(at(32, 64 + k), kGreen) << k;
        EXPECT_EQ(at(64, 64 + k), kGreen) << k;
    }
    EXPECT_EQ(at(65, 64), 0xFFFFFF00) << "the contour goes on past the cursor";
    EXPECT_EQ(at(40, 70), kTowerColour);
}

TEST_F(DrawMapOverlays, CursorOutsideTheSurfaceIsClipped) {
    view.drawCursor = true;
    view.cursorPixelX = -32;
    view.cursorPixelY = 288;
    draw();
    EXPECT_EQ(at(0, 288), kGreen);
    EXPECT_EQ(at(0, 319), kGreen);
    EXPECT_EQ(at(1, 288), kGround0) << "the top edge runs from -32 to 0";
    EXPECT_EQ(pixelsDifferingFrom(kGround0, 0, 0, 320, 288), 0);
}

TEST_F(DrawMapOverlays, DragArrowsAreMergedBesideTheCursorBelowIt) {
    setCell(Layer::Objects, 3, 2, kTowerCode);
    view.DrawObjects = true;
    view.drawCursor = true;
    view.cursorPixelX = 64;
    view.cursorPixelY = 64;
    view.MoveDirectionX = 2;
    view.MoveDirectionY = 1;
    draw();
    const QImage& right = catalogues.picArrow(2);
    const QImage& down = catalogues.picArrow(1);
    int arrowPixels = 0;
    for (int y = 1; y < 32; ++y) {
        for (int x = 1; x < 32; ++x) {
            ASSERT_EQ(at(96 + x, 64 + y), maskedOver(kTowerColour, right.pixel(x, y), kWhite))
                << "right arrow at " << x << "," << y;
            ASSERT_EQ(at(64 + x, 96 + y), maskedOver(kGround0, down.pixel(x, y), kWhite))
                << "down arrow at " << x << "," << y;
            arrowPixels += right.pixel(x, y) != kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(arrowPixels, 50);
    EXPECT_EQ(at(96, 64), kGreen) << "the cursor's corner lies over the arrow";
}

TEST_F(DrawMapOverlays, ArrowsPointingOffTheSurfaceAreLeftOut) {
    view.cursorPixelX = 0;
    view.cursorPixelY = 0;
    view.MoveDirectionX = 3;
    view.MoveDirectionY = 0;
    draw();
    EXPECT_EQ(pixelsDifferingFrom(kGround0, 0, 0, 320, 320), 0);

    view.MoveDirectionX = -1;
    view.MoveDirectionY = 1;
    view.CellWidth = view.CellHeight = 48;
    draw();
    EXPECT_GT(pixelsDifferingFrom(kGround0, 0, 48, 32, 32), 50) << "the down arrow";
    EXPECT_EQ(pixelsDifferingFrom(kGround0, 32, 48, 16, 48), 0) << "nothing past the picture";
    EXPECT_EQ(pixelsDifferingFrom(kGround0, 0, 80, 32, 16), 0);
}

TEST_F(DrawMapOverlays, CoordinatesShowTheWorldCellRightAlignedInTwoLines) {
    view.DrawEarth = false;
    view.DrawCordinates = true;
    view.CurrentPositionX = 12;
    view.CurrentPositionY = 7;
    draw();
    const int line = canvas::CoordinateLabels().lineHeight();
    ASSERT_GT(line, 5);
    ASSERT_LT(2 * line, 32);

    struct Band {
        int brightest = 0;
        int leftmost = 32;
        int rightmost = -1;
    };
    Band bands[2];
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = at(x, y);
            if (pixel == kBackground)
                continue;
            ASSERT_LT(y, 2 * line) << "lit pixel below the labels at " << x << "," << y;
            ASSERT_EQ(qRed(pixel), qBlue(pixel)) << "labels are white and grey";
            Band& band = bands[y < line ? 0 : 1];
            band.brightest = std::max(band.brightest, qRed(pixel));
            band.leftmost = std::min(band.leftmost, x);
            band.rightmost = std::max(band.rightmost, x);
        }
    }
    EXPECT_EQ(bands[0].brightest, 0xFF) << "12 in white";
    EXPECT_EQ(bands[1].brightest, 0xC8) << "7 in light grey";
    EXPECT_LE(std::abs(bands[0].rightmost - bands[1].rightmost), 1) << "right-aligned";
    EXPECT_GT(bands[0].rightmost, 32 - 8);
    EXPECT_LT(bands[0].leftmost, bands[1].leftmost) << "two digits reach further left";
    EXPECT_GT(bands[1].leftmost, 16);
}

TEST_F(DrawMapOverlays, CoordinateLabelsAreCrispAtEveryCellSize) {
    // Every pixel of a label has the label's exact colour: white for the
    // column, light grey for the row, nothing in between.
    view.DrawEarth = false;
    view.DrawCordinates = true;
    view.CurrentPositionX = 10;
    view.CurrentPositionY = 5;
    for (const int size : {16, 24, 32, 48, 64}) {
        view.CellWidth = view.CellHeight = size;
        draw();
        int white = 0, grey = 0;
        for (int y = 0; y < picMap.height(); ++y) {
            for (int x = 0; x < picMap.width(); ++x) {
                const QRgb pixel = at(x, y);
                if (pixel == kBackground)
                    continue;
                white += pixel == 0xFFFFFFFF ? 1 : 0;
                grey += pixel == 0xFFC8C8C8 ? 1 : 0;
                ASSERT_TRUE(pixel == 0xFFFFFFFF || pixel == 0xFFC8C8C8)
                    << "a blurred pixel " << std::hex << pixel << " at " << std::dec << x << ","
                    << y << " with cells of " << size;
            }
        }
        EXPECT_GT(white, 20) << size;
        EXPECT_GT(grey, 20) << size;
    }
}

TEST_F(DrawMapOverlays, CoordinatesAreThoseOfTheWrappedWorldCell) {
    view.DrawCordinates = true;
    view.CurrentPositionX = -1;
    view.CurrentPositionY = -21;
    draw();
    const QImage wrapped = picMap.copy(0, 0, 64, 32);
    view.CurrentPositionX = 19;
    view.CurrentPositionY = 19;
    draw();
    EXPECT_EQ(wrapped, picMap.copy(0, 0, 64, 32));
    EXPECT_NE(picMap.copy(0, 0, 32, 32), picMap.copy(32, 0, 32, 32)) << "19 and 0 differ";
}

TEST_F(DrawMapOverlays, HatchingLiesOverTheCellsSpriteAndUnderItsContour) {
    setCell(Layer::Objects, 1, 0, kTintedCode);
    markZones(1, 0, {true, false, false});
    view.DrawObjects = view.DrawBlockZone = view.DrawObjectsContour = true;
    draw();
    for (int y = 1; y < 32; ++y) {
        for (int x = 1; x < 32; ++x) {
            const QRgb sprite =
                y < 16 ? kTintedOpaqueColour : maskedOver(kGround0, kWhite, kTintColour);
            ASSERT_EQ(at(32 + x, y), hatched({true}, x, y, sprite)) << x << "," << y;
        }
    }
    EXPECT_EQ(at(32 + 1, 0), 0xFFFFFF00) << "the contour over a hatch pixel";
}
