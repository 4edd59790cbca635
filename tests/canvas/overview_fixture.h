#pragma once
// The drawing fixture's pictures and grid, with the overview colours taken
// from them, and the colours the overview should show worked out from what
// the fixture drew (not from the overview code).

#include "canvas/overview_colours.h"
#include "canvas/overview_picture.h"
#include "drawing_fixture.h"

#include <QRect>
#include <QRgb>

#include <cstdint>

namespace canvas_testing {

// The rounded average of the quartered ground tile's four colours.
inline QRgb quartersAverage() {
    int red = 0, green = 0, blue = 0;
    for (const QRgb colour : kQuarterColours) {
        red += qRed(colour);
        green += qGreen(colour);
        blue += qBlue(colour);
    }
    return qRgb((red + 2) / 4, (green + 2) / 4, (blue + 2) / 4);
}

class OverviewTest : public DrawingTest {
protected:
    OverviewTest() { colours.follow(catalogues); }

    // What cell (x, y) should look like: its object's drawn colour where it
    // has one of the fixture's objects, else its ground's (codes 0 to 2).
    QRgb cellColour(std::int32_t x, std::int32_t y) const {
        switch (grid.cellValue(model::Layer::Objects, x, y)) {
        case kSquareCode:
            return kSquareColour;
        case kTowerCode:
            return kTowerColour;
        case kTintedCode:
            return kTintedOpaqueColour; // the tinted half covers nothing
        case kBlockCode:
            return kBlockColour;
        case kSlabCode:
            return kSlabColour;
        default:
            break;
        }
        const QRgb grounds[] = {kGround0, kGround1, quartersAverage()};
        return grounds[grid.cellValue(model::Layer::Earths, x, y)];
    }
    // The rounded average of cellColour over `cells`.
    QRgb blockAverage(QRect cells) const {
        long long red = 0, green = 0, blue = 0, count = 0;
        for (int y = cells.top(); y <= cells.bottom(); ++y) {
            for (int x = cells.left(); x <= cells.right(); ++x) {
                const QRgb colour = cellColour(x, y);
                red += qRed(colour);
                green += qGreen(colour);
                blue += qBlue(colour);
                ++count;
            }
        }
        return qRgb(static_cast<int>((red + count / 2) / count),
                    static_cast<int>((green + count / 2) / count),
                    static_cast<int>((blue + count / 2) / count));
    }
    // The overview of the grid as it is, built whole.
    QImage freshPicture(std::int32_t reduction) const {
        canvas::OverviewPicture picture;
        picture.build(grid, colours, reduction);
        return picture.image();
    }

    canvas::OverviewColours colours;
};

} // namespace canvas_testing
