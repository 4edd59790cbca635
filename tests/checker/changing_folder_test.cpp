// A map folder that changes while it is checked (another program saving, a
// designer deleting files): the check goes on to its end, reports only cells
// of the location, and says nothing of cells it could not read. Sizes a
// configuration claims do not decide the check's memory.

#include "checker/check_world.h"

#include "checker/grid_scan.h"
#include "test_support/in_child.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>

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

namespace {

// A configuration may claim rows of gigabytes over a grid file of a few bytes:
// the check's memory follows the file. Run in a child whose address space is
// limited (unless the sanitizers, which reserve far more, are on).
TEST(ClaimedSizes, AHugeRowOverATinyFileTakesNoMemoryForIt) {
    CheckWorld world;
    world.writeCleanMap("Clean");
    world.write("Maps/Clean/main.config", "[CONFIG]\r\nWidth=1073741823\r\nHeight=0\r\n");
    world.write("Maps/Clean/main.map", std::string(1, '\x01'));
    const testing_support::ChildRun run = testing_support::runInChild(
        [] {
#if !defined(__SANITIZE_ADDRESS__)
            const rlimit limit{std::uint64_t{2} << 30, std::uint64_t{2} << 30};
            setrlimit(RLIMIT_AS, &limit);
#endif
            const checker::CheckResult result = checker::checkMap({"Clean", ""});
            std::string kinds;
            for (const checker::Finding& finding : result.findings)
                if (finding.location == "main")
                    kinds += finding.kind + " ";
            return std::string(result.ran ? "ran: " : "did not run: ") + kinds;
        },
        std::chrono::seconds(60));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.result, "ran: location.grid-short ");
}

} // namespace
