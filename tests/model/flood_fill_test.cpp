// Filling connected areas: checked against a plain breadth-first search over
// the wrapping world on many random layers, and for cancelling.

#include "model/flood_fill.h"

#include "location_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>

using model::Layer;
using model::LocationGrid;

namespace {

// The cells a fill from (x, y) must change, found cell by cell.
std::set<std::pair<int, int>> expectedArea(const LocationGrid& grid, Layer layer, int x, int y) {
    const int w = grid.MapWidth(), h = grid.MapHeight();
    const std::int32_t target = grid.cellValue(layer, x, y);
    std::set<std::pair<int, int>> seen{{x, y}};
    std::deque<std::pair<int, int>> queue{{x, y}};
    while (!queue.empty()) {
        const auto [cx, cy] = queue.front();
        queue.pop_front();
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const std::pair<int, int> next{(cx + dx + w) % w, (cy + dy + h) % h};
            if (!seen.count(next) && grid.cellValue(layer, next.first, next.second) == target) {
                seen.insert(next);
                queue.push_back(next);
            }
        }
    }
    return seen;
}

} // namespace

TEST(FloodFill, FillsExactlyTheConnectedAreaAcrossTheWrappingEdges) {
    std::mt19937 random(12345);
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 9}, {9, 1}, {7, 5}, {13, 9}, {30, 2}}) {
        for (int round = 0; round < 40; ++round) {
            LocationGrid grid = testing_support::emptyGrid(w, h);
            for (int y = 0; y <= h; ++y)
                for (int x = 0; x < w; ++x)
                    grid.setCellValue(Layer::Objects, x, y, random() % 3 == 0 ? 700 : 5);
            const int x = static_cast<int>(random() % w), y = static_cast<int>(random() % h);
            const auto area = expectedArea(grid, Layer::Objects, x, y);
            const std::string extraRow = grid.rowCopy(Layer::Objects, h);
            const model::FillOutcome outcome = model::floodFill(grid, Layer::Objects, x, y, 9000);
            ASSERT_EQ(outcome.changed, area.size()) << w << "x" << h << " round " << round;
            for (int cy = 0; cy < h; ++cy)
                for (int cx = 0; cx < w; ++cx)
                    ASSERT_EQ(grid.cellValue(Layer::Objects, cx, cy) == 9000,
                              area.count({cx, cy}) == 1)
                        << "cell " << cx << "," << cy << " of " << w << "x" << h;
            EXPECT_EQ(grid.rowCopy(Layer::Objects, h), extraRow)
                << "the row past the world's last is not part of it";
        }
    }
}

TEST(FloodFill, NothingHappensWithoutACellToFillOrAChangeToMake) {
    LocationGrid grid = testing_support::emptyGrid(4, 3);
    EXPECT_EQ(model::floodFill(grid, Layer::Earths, 1, 1, 0).changed, 0u) << "already the value";
    EXPECT_EQ(model::floodFill(grid, Layer::Earths, 4, 0, 1).changed, 0u) << "outside";
    EXPECT_EQ(model::floodFill(grid, Layer::Earths, 0, 3, 1).changed, 0u) << "the extra row";
    LocationGrid none;
    EXPECT_EQ(model::floodFill(none, Layer::Earths, 0, 0, 1).changed, 0u);
    EXPECT_EQ(model::floodFill(grid, Layer::Blocks, 2, 2, 1).changed, 12u);
}

TEST(FloodFill, ACancelledFillLeavesEveryCellAsItWas) {
    LocationGrid grid = testing_support::emptyGrid(400, 300);
    grid.setCellValue(Layer::Earths, 10, 10, 3);
    const auto before = grid.layerRows(Layer::Earths);
    int asked = 0;
    const model::FillOutcome outcome =
        model::floodFill(grid, Layer::Earths, 0, 0, 7, [&] { return ++asked > 1; });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(asked, 1) << "asked after the first many cells";
    EXPECT_EQ(outcome.changed, 0u);
    EXPECT_EQ(grid.layerRows(Layer::Earths), before);

    const model::FillOutcome whole =
        model::floodFill(grid, Layer::Earths, 0, 0, 7, [] { return true; });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.changed, 400u * 300 - 1) << "all but the one cell of another ground";
}

TEST(FloodFill, FillsAroundHolesAndAcrossBothEdgesInEveryLayer) {
    // A ring of walls with a hole in its middle; the ground outside the ring
    // wraps around the world's edges and must be reached through them.
    for (const Layer layer : model::kAllLayers) {
        LocationGrid grid = testing_support::emptyGrid(11, 9);
        for (int y = 2; y <= 6; ++y)
            for (int x = 3; x <= 7; ++x)
                if (y == 2 || y == 6 || x == 3 || x == 7)
                    grid.setCellValue(layer, x, y, 1);
        grid.setCellValue(layer, 10, 0, 1); // a lone wall in the corner
        const auto area = expectedArea(grid, layer, 0, 8);
        const model::FillOutcome outcome =
            model::floodFill(grid, layer, 0, 8, 200, [] { return true; });
        ASSERT_EQ(outcome.changed, area.size()) << model::layerName(layer);
        EXPECT_EQ(area.size(), 11u * 9 - 16 - 1 - 9) << "all but the ring, the wall, the hole";
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 11; ++x)
                ASSERT_EQ(grid.cellValue(layer, x, y) == 200, area.count({x, y}) == 1)
                    << model::layerName(layer) << " " << x << "," << y;
        EXPECT_EQ(grid.cellValue(layer, 5, 4), 0) << "the hole is not connected";
    }
}

TEST(FloodFill, CancelledAtAnyPointItPutsBackExactlyTheFilledCells) {
    std::mt19937 random(4242);
    for (int round = 0; round < 30; ++round) {
        LocationGrid grid = testing_support::emptyGrid(700, 300);
        // Scattered walls; some cells already hold the new value.
        for (int i = 0; i < 20000; ++i)
            grid.setCellValue(Layer::Doors, static_cast<int>(random() % 700),
                              static_cast<int>(random() % 301), i % 5 == 0 ? 9 : 4);
        const auto before = grid.layerRows(Layer::Doors);
        const int stopAt = 1 + static_cast<int>(random() % 3);
        int asked = 0;
        const model::FillOutcome outcome =
            model::floodFill(grid, Layer::Doors, static_cast<int>(random() % 700),
                             static_cast<int>(random() % 300), 9, [&] { return ++asked < stopAt; });
        if (!outcome.cancelled)
            continue; // the area was too small to be asked about often enough
        EXPECT_EQ(outcome.changed, 0u);
        ASSERT_EQ(grid.layerRows(Layer::Doors), before) << "round " << round;
    }
}

TEST(FloodFill, AValueStoredAsTheTargetChangesNothing) {
    LocationGrid grid = testing_support::emptyGrid(5, 4);
    grid.setCellValue(Layer::Objects, 0, 0, 0x0111);
    // 70000 is stored as 0x0111, the cell's value: filling would change no cell.
    EXPECT_EQ(model::floodFill(grid, Layer::Objects, 0, 0, 70000).changed, 0u);
    EXPECT_EQ(model::floodFill(grid, Layer::Earths, 0, 0, 256).changed, 0u)
        << "a one-byte layer stores 256 as 0";
}
