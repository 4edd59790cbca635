// The scan passes over whole chunks of cells without a flagged value: cells at
// the chunk edges, in rows whose width is no multiple of a chunk, in the last
// cell of a row, values whose high byte alone is flagged, and footprints that
// wrap over both edges of the world must all still be found.

#include "checker/check_world.h"

#include "checker/grid_scan.h"

#include <gtest/gtest.h>

#include <set>

using checker_testing::CheckWorld;
using checker_testing::GridBytes;
using checker_testing::ofKind;

namespace {

constexpr int kChunk = static_cast<int>(checker::detail::kScanChunk);

// The columns of a row of `width` cells at and around the chunk edges, and its last.
std::vector<int> edgeColumns(int width) {
    std::set<int> columns;
    for (int x :
         {0, 15, 16, 17, kChunk - 1, kChunk, kChunk + 1, 2 * kChunk - 1, width - 2, width - 1})
        if (x >= 0 && x < width)
            columns.insert(x);
    return {columns.begin(), columns.end()};
}

// The one finding of a kind, or a failure.
checker::Finding only(const checker::CheckResult& result, const std::string& kind) {
    const auto found = ofKind(result, kind);
    EXPECT_EQ(found.size(), 1u) << kind;
    return found.empty() ? checker::Finding{} : found[0];
}

class ChunkEdges : public ::testing::TestWithParam<int> {};

// Flagged values of each layer in the edge columns of their own rows, among
// unflagged values in every other cell; row H holds them too.
TEST_P(ChunkEdges, EveryFlaggedCellIsCounted) {
    const int width = GetParam();
    const int height = 4;
    CheckWorld world;
    world.writeCleanMap("Clean");
    GridBytes grid(width, height);
    for (int y = 0; y <= height; ++y)
        for (int x = 0; x < width; ++x) {
            grid.earth(x, y, 2);  // the last ground code with a picture
            grid.object(x, y, 1); // object code 0, without a footprint
            grid.door(x, y, 1);   // action 0 of the index
        }
    const std::vector<int> columns = edgeColumns(width);
    for (int x : columns) {
        grid.earth(x, 0, 3);
        grid.object(x, 1, 3);
        grid.door(x, 2, 2);
        grid.door(x, height, 256); // flagged through its high byte alone
    }
    world.writeLocation("Clean", "main", grid, width, height);
    const checker::CheckResult result = world.check("Clean");
    ASSERT_TRUE(result.ran);

    const checker::Finding ground = only(result, "cell.unknown-ground");
    EXPECT_EQ(ground.count, columns.size());
    const checker::Finding objects = only(result, "cell.unknown-object");
    EXPECT_EQ(objects.count, columns.size());
    const auto doors = ofKind(result, "cell.unknown-action");
    std::uint64_t doorCells = 0;
    for (const auto& f : doors)
        doorCells += f.count;
    EXPECT_EQ(doorCells, 2 * columns.size());
    for (const auto& [finding, row] : {std::pair{ground, 0}, std::pair{objects, 1}}) {
        ASSERT_EQ(finding.firstCells.size(), std::min<std::size_t>(columns.size(), 5));
        for (std::size_t i = 0; i < finding.firstCells.size(); ++i)
            EXPECT_EQ(finding.firstCells[i], (checker::Cell{columns[i], row}));
    }
}

// Widths below a chunk, of whole chunks, and with cells past the last chunk.
INSTANTIATE_TEST_SUITE_P(Widths, ChunkEdges,
                         ::testing::Values(1, 15, 17, kChunk - 1, kChunk, kChunk + 1, 100,
                                           2 * kChunk, 2 * kChunk + 37));

TEST(ChunkEdges, OnlyTheLastCellOfARowFlagged) {
    for (int width : {kChunk, kChunk + 5}) {
        CheckWorld world;
        world.writeCleanMap("Clean");
        GridBytes grid(width, 2);
        grid.earth(width - 1, 1, 200);
        grid.object(width - 1, 2, 0x0100); // its low byte alone would read as no object
        world.writeLocation("Clean", "main", grid, width, 2);
        const checker::CheckResult result = world.check("Clean");
        EXPECT_EQ(only(result, "cell.unknown-ground").cell, (checker::Cell{width - 1, 1}));
        EXPECT_EQ(only(result, "cell.unknown-object").cell, (checker::Cell{width - 1, 2}));
    }
}

// Object code 1 with the footprint "01,11": the cell right of it, and the
// cell below it and the one right of that.
class WrappingFootprint : public ::testing::Test {
protected:
    static constexpr int kWidth = kChunk + 36;
    static constexpr int kHeight = 3;

    WrappingFootprint() {
        world.writeCleanMap("Clean");
        world.write("Resources/level1.ini",
                    "[DATA]\r\nCount=1\r\n[OBJ-0]\r\nFileName=o0.bmp\r\nMaskFileName=o0m.bmp\r\n"
                    "Name=a\r\n[OBJ-1]\r\nFileName=o1.bmp\r\nMaskFileName=o1m.bmp\r\nName=b\r\n"
                    "Block=01,11\r\n");
    }
    checker::CheckResult check() {
        world.writeLocation("Clean", "main", grid, kWidth, kHeight);
        return world.check("Clean");
    }
    void placeBlocked(int x, int y) {
        grid.object(x, y, 2);
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}})
            grid.block((x + dx) % kWidth, (y + dy) % kHeight);
    }

    CheckWorld world;
    GridBytes grid{kWidth, kHeight};
};

TEST_F(WrappingFootprint, OverTheLastColumnAndTheLastRow) {
    placeBlocked(kWidth - 1, kHeight - 1); // right to column 0, down to row 0
    placeBlocked(kChunk - 1, 0);           // across a chunk edge
    EXPECT_TRUE(ofKind(check(), "cell.open-footprint").empty());

    grid.object(kWidth - 1, kHeight, 2); // row H: its footprint reaches rows 0 and 1
    grid.block(0, 0);
    grid.block(kWidth - 1, 1);
    const checker::Finding open = only(check(), "cell.open-footprint");
    EXPECT_EQ(open.count, 1u);
    EXPECT_EQ(open.cell, (checker::Cell{kWidth - 1, kHeight}));
    EXPECT_NE(open.sentenceEnglish.find("cell 0,1 "), std::string::npos) << open.sentenceEnglish;
}

TEST_F(WrappingFootprint, TheFirstOpenCellInTheFootprintsOrder) {
    placeBlocked(kWidth - 1, 1);
    grid.block(0, 2, 0); // the last cell of the footprint, across both edges
    const checker::Finding open = only(check(), "cell.open-footprint");
    EXPECT_EQ(open.cell, (checker::Cell{kWidth - 1, 1}));
    EXPECT_NE(open.sentenceEnglish.find("cell 0,2 "), std::string::npos) << open.sentenceEnglish;
}

} // namespace
