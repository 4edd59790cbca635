// A map folder that changes while it is checked (another program saving, a
// designer deleting files): the check goes on to its end, reports only cells
// of the location, and says nothing of cells it could not read.

#include "checker/check_world.h"

#include "checker/grid_scan.h"

#include <gtest/gtest.h>

#include <filesystem>

using checker_testing::CheckWorld;
using checker_testing::GridBytes;
using checker_testing::ofKind;

namespace {

constexpr int kWidth = 8192; // 64 KiB records: a few rows make a block

TEST(ChangingFolder, FilesCutShortOrRemovedDuringTheScanEndTheCheckCleanly) {
    CheckWorld world;
    world.writeCleanMap("Clean");
    const int height = static_cast<int>(checker::detail::kBlockBytes / (kWidth * 8)) * 3;
    GridBytes grid(kWidth, height);
    grid.earth(3, 1, 200);      // in the first block: read before anything changes
    grid.earth(4, height, 201); // in the last row: gone before the scan gets there
    world.writeLocation("Clean", "main", grid, kWidth, height);
    const std::filesystem::path folder = world.root().path() / "Maps" / "Clean";

    bool changed = false;
    const checker::CheckResult result =
        checker::checkMap({"Clean", ""}, [&](const checker::CheckProgress& progress) {
            if (!changed && progress.done > 0 && progress.stage.find("main") != std::string::npos) {
                std::filesystem::resize_file(folder / "main.map", grid.bytes().size() / 2);
                std::filesystem::remove(folder / "hello");
                std::filesystem::remove(folder / "main.config");
                changed = true;
            }
            return true;
        });
    ASSERT_TRUE(changed) << "the progress never named the location's scan";
    ASSERT_TRUE(result.ran);
    EXPECT_FALSE(result.cancelled);
    const auto unknown = ofKind(result, "cell.unknown-ground");
    ASSERT_EQ(unknown.size(), 1u) << "the cell read before the change, and only that one";
    EXPECT_EQ(unknown[0].cell, (checker::Cell{3, 1}));
    for (const checker::Finding& finding : result.findings)
        if (finding.cell) {
            EXPECT_LT(finding.cell->x, kWidth) << finding.sentenceEnglish;
            EXPECT_LE(finding.cell->y, height) << finding.sentenceEnglish;
        }
}

} // namespace
