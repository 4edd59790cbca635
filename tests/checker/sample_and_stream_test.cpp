// The sample world checks clean; grids spanning many row blocks, footprints
// that wrap, progress and cancelling.

#include "checker/check_world.h"

#include "checker/cell_findings.h"
#include "checker/finding_format.h"
#include "checker/grid_scan.h"
#include "support/application_folder.h"

#include <gtest/gtest.h>

using checker_testing::CheckWorld;
using checker_testing::GridBytes;
using checker_testing::ofKind;

namespace {

TEST(SampleMap, HasNoErrors) {
    appfolder::setNative(MAPEDIT_SAMPLE_WORLD);
    const checker::CheckResult result = checker::checkMap({"Default", ""});
    ASSERT_TRUE(result.ran);
    EXPECT_EQ(result.errors(), 0u);
    for (const auto& f : result.findings)
        ADD_FAILURE() << checker::findingLine(f);
}

// A location tall enough for several row blocks: footprints crossing a block's
// edge and wrapping from the last rows to the first.
class TallLocation : public ::testing::Test {
protected:
    static constexpr int kWidth = 8192; // 64 KiB records
    int height = static_cast<int>(checker::detail::kBlockBytes / (kWidth * 8)) * 2 + 10;

    void write(const GridBytes& grid) {
        world.writeLocation("Clean", "main", grid, kWidth, height);
    }

    CheckWorld world;
};

TEST_F(TallLocation, FootprintsAcrossBlocksAndAroundTheWorld) {
    world.writeCleanMap("Clean");
    GridBytes grid(kWidth, height);
    const int edge = static_cast<int>(checker::detail::kBlockBytes / (kWidth * 8)) - 1;
    grid.object(5, edge, 2); // the cell below lies in the next block: blocked
    grid.block(5, edge);
    grid.block(5, edge + 1);
    grid.object(7, height - 1, 2); // wraps from row H - 1 to row 0... not H
    grid.block(7, height - 1);
    grid.block(7, height); // row H is no row of the world: the footprint wraps to row 0
    grid.object(kWidth - 1, height, 2); // row H wraps to row 0, then row 1
    grid.block(kWidth - 1, 0);
    grid.block(kWidth - 1, 1);
    write(grid);
    checker::CheckResult result = world.check("Clean");
    auto open = ofKind(result, "cell.open-footprint");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].cell, (checker::Cell{7, height - 1}));
    EXPECT_NE(open[0].sentenceEnglish.find("cell 7,0"), std::string::npos)
        << open[0].sentenceEnglish;

    grid.block(7, 0);
    write(grid);
    result = world.check("Clean");
    EXPECT_TRUE(ofKind(result, "cell.open-footprint").empty());
}

// The windows of rows are checked two at a time, each into tallies of its
// own: a repeated finding still lists its first cells in row order, counts
// them all, and names the open cell of the first object met.
TEST_F(TallLocation, RepeatedFindingsKeepRowOrderAcrossWindowsCheckedAtOnce) {
    world.writeCleanMap("Clean");
    GridBytes grid(kWidth, height);
    const int rows = static_cast<int>(checker::detail::kBlockBytes / (kWidth * 8));
    // Unknown ground in all three windows, written out of order.
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{9, 2 * rows + 1},
                                                               {8, rows + 3},
                                                               {7, 2 * rows},
                                                               {6, 2},
                                                               {5, rows + 1},
                                                               {4, height},
                                                               {3, 2 * rows + 5}})
        grid.earth(x, y, 200);
    // Objects whose footprint (the cell and the one below) is open: the first
    // in the second window, the others in the third.
    grid.object(12, rows + 4, 2);
    grid.block(12, rows + 4);
    grid.object(11, 2 * rows + 3, 2);
    grid.object(10, 2 * rows + 6, 2);
    write(grid);

    const checker::CheckResult result = world.check("Clean");
    const auto ground = ofKind(result, "cell.unknown-ground");
    ASSERT_EQ(ground.size(), 1u);
    EXPECT_EQ(ground[0].cell, (checker::Cell{6, 2}));
    EXPECT_EQ(ground[0].count, 7u);
    EXPECT_EQ(ground[0].firstCells,
              (std::vector<checker::Cell>{
                  {6, 2}, {5, rows + 1}, {8, rows + 3}, {7, 2 * rows}, {9, 2 * rows + 1}}));

    const auto open = ofKind(result, "cell.open-footprint");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].cell, (checker::Cell{12, rows + 4}));
    EXPECT_NE(open[0].sentenceEnglish.find("cell 12," + std::to_string(rows + 5)),
              std::string::npos)
        << open[0].sentenceEnglish;
    EXPECT_EQ(open[0].count, 3u);
}

TEST_F(TallLocation, ProgressReachesTheEndAndCancelStops) {
    world.writeCleanMap("Clean");
    GridBytes grid(kWidth, height);
    grid.earth(0, height, 200);
    write(grid);
    std::uint64_t last = 0, total = 0;
    int calls = 0;
    checker::CheckResult result = checker::checkMap({"Clean", ""}, [&](const auto& p) {
        EXPECT_GE(p.done, last);
        last = p.done;
        total = p.total;
        ++calls;
        return true;
    });
    EXPECT_GT(calls, 3);
    EXPECT_EQ(last, total);
    EXPECT_EQ(total, grid.bytes().size());
    EXPECT_EQ(ofKind(result, "cell.unknown-ground").size(), 1u);

    calls = 0;
    result = checker::checkMap({"Clean", ""}, [&](const auto&) { return ++calls < 3; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(ofKind(result, "cell.unknown-ground").empty()); // its row was never reached
    EXPECT_NE(checker::summaryLine(result).find("cancelled"), std::string::npos);
}

TEST(ManyCodes, TheFirstCodesApartTheRestTogether) {
    CheckWorld world;
    world.writeCleanMap("Clean");
    GridBytes grid(30, 1);
    for (int x = 0; x < 30; ++x) {
        grid.object(x, 0, 100 + x);
        grid.object(x, 1, 100 + x);
    }
    world.writeLocation("Clean", "main", grid, 30, 1);
    const auto unknown = ofKind(world.check("Clean"), "cell.unknown-object");
    ASSERT_EQ(unknown.size(), checker::detail::kCodesReportedApart + 1);
    EXPECT_EQ(unknown[0].count, 2u);
    const auto& rest = unknown.back();
    EXPECT_EQ(rest.count, 2u * (30 - checker::detail::kCodesReportedApart));
    EXPECT_NE(rest.sentenceEnglish.find("120..129"), std::string::npos) << rest.sentenceEnglish;
    EXPECT_EQ(rest.firstCells.size(), 5u);
}

} // namespace
