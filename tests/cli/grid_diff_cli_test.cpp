#include "test_support/grid_bytes.h"
#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using testing_support::GridBytes;
using testing_support::runProcess;
using testing_support::TempFolder;

namespace {

std::string config(int width, int height) {
    return "[CONFIG]\r\nWidth=" + std::to_string(width) + "\r\nHeight=" + std::to_string(height) +
           "\r\n";
}

// Two versions of a location side by side: old/main and new/main.
struct TwoVersions {
    TempFolder folder;
    std::string oldGrid = (folder.path() / "old/main.map").string();
    std::string newGrid = (folder.path() / "new/main.map").string();

    void write(const GridBytes& before, const GridBytes& after, int width, int height) {
        folder.write("old/main.config", config(width, height));
        folder.write("new/MAIN.CONFIG", config(width, height)); // found without regard to case
        folder.write("old/main.map", before.bytes());
        folder.write("new/main.map", after.bytes());
    }

    testing_support::ProcessResult diff(std::vector<std::string> extra = {}) const {
        std::vector<std::string> args = {"diff"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(oldGrid);
        args.push_back(newGrid);
        return runProcess(MAPEDIT_CLI, args);
    }
};

void expectCannotCompare(const testing_support::ProcessResult& r, const std::string& mentions) {
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
}

TEST(CliDiff, ListsEachLayerOfEachChangedCell) {
    TwoVersions v;
    GridBytes before(4, 2), after(4, 2);
    before.set(GridBytes::Block, 3, 0, 1).set(GridBytes::Earth, 1, 2, 200);
    after.set(GridBytes::Earth, 1, 2, 201)
        .set(GridBytes::Object, 0, 1, 0x0201)
        .set(GridBytes::Item, 0, 1, 12)
        .set(GridBytes::Action, 3, 2, 65535)
        .set(GridBytes::Guard, 2, 0, 3);
    v.write(before, after, 4, 2);
    const auto r = v.diff();
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "2,0 guard: 0 -> 3\n"
                     "3,0 block: 1 -> 0\n"
                     "0,1 object: 0 -> 513\n"
                     "0,1 item: 0 -> 12\n"
                     "1,2 earth: 200 -> 201\n"
                     "3,2 action: 0 -> 65535\n"
                     "6 changes: earth 1, object 1, item 1, action 1, block 1, guard 1\n");

    const auto stat = v.diff({"--stat"});
    EXPECT_EQ(stat.exitCode, 1);
    EXPECT_EQ(stat.out, "6 changes: earth 1, object 1, item 1, action 1, block 1, guard 1\n");
}

TEST(CliDiff, EqualLocationsExitWithZero) {
    TwoVersions v;
    GridBytes grid(3, 3);
    grid.set(GridBytes::Object, 2, 3, 77);
    v.write(grid, grid, 3, 3);
    const auto r = v.diff();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "no changes\n");
}

TEST(CliDiff, ASizeChangeIsReportedWithoutCells) {
    TwoVersions v;
    v.write(GridBytes(3, 2), GridBytes(3, 2), 3, 2);
    v.folder.write("new/MAIN.CONFIG", config(3, 3));
    v.folder.write("new/main.map", GridBytes(3, 3).set(GridBytes::Earth, 0, 0, 1).bytes());
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--stat"}}) {
        const auto r = v.diff(extra);
        EXPECT_EQ(r.exitCode, 1) << r.err;
        EXPECT_EQ(r.out, "size changed: 3x2 -> 3x3\n");
    }
}

TEST(CliDiff, SizeOptionServesFilesWithoutConfiguration) {
    TempFolder folder;
    const auto a = folder.write("tmp_a", GridBytes(2, 1).bytes());
    const auto b = folder.write("tmp_b", GridBytes(2, 1).set(GridBytes::Guard, 1, 1, 4).bytes());
    auto r = runProcess(MAPEDIT_CLI, {"diff", "--size", "2x1", a.string(), b.string()});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "1,1 guard: 0 -> 4\n"
                     "1 change: earth 0, object 0, item 0, action 0, block 0, guard 1\n");
    // Read as 4 x 0 the same bytes place the change in another column and row.
    r = runProcess(MAPEDIT_CLI, {"diff", "--size=4x0", a.string(), b.string()});
    EXPECT_EQ(r.out, "3,0 guard: 0 -> 4\n"
                     "1 change: earth 0, object 0, item 0, action 0, block 0, guard 1\n");
    // Read as 8 x 0 they fall on the item layer.
    r = runProcess(MAPEDIT_CLI, {"diff", "--size=8x0", a.string(), b.string()});
    EXPECT_EQ(r.out, "7,0 item: 0 -> 4\n"
                     "1 change: earth 0, object 0, item 1, action 0, block 0, guard 0\n");
}

TEST(CliDiff, AShortFileReadsEmptyPastItsEndWithAWarning) {
    TwoVersions v;
    GridBytes after(2, 1);
    after.set(GridBytes::Earth, 1, 1, 5);
    v.write(GridBytes(2, 1), after, 2, 1);
    v.folder.write("old/main.map", GridBytes(2, 1).bytes().substr(0, 20));
    const auto r = v.diff();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "1,1 earth: 0 -> 5\n"
                     "1 change: earth 1, object 0, item 0, action 0, block 0, guard 0\n");
    EXPECT_NE(r.err.find("holds 20 bytes"), std::string::npos) << r.err;
}

TEST(CliDiff, FailuresExitWithTwoAndOneLine) {
    TwoVersions v;
    v.write(GridBytes(2, 1), GridBytes(2, 1), 2, 1);
    expectCannotCompare(runProcess(MAPEDIT_CLI, {"diff", v.oldGrid}), "old and the new");
    expectCannotCompare(
        runProcess(MAPEDIT_CLI, {"diff", v.oldGrid, (v.folder.path() / "none.map").string()}),
        "none.map");
    expectCannotCompare(v.diff({"--size", "2by1"}), "WIDTHxHEIGHT");
    expectCannotCompare(v.diff({"--size", "2x99999999999"}), "out of range");
    expectCannotCompare(v.diff({"--frobnicate"}), "unknown option");
    v.folder.write("new/MAIN.CONFIG", "[CONFIG]\r\nWidth=wide\r\n");
    expectCannotCompare(v.diff(), "not a whole number");
    const auto bare = v.folder.write("copy", GridBytes(2, 1).bytes());
    expectCannotCompare(runProcess(MAPEDIT_CLI, {"diff", v.oldGrid, bare.string()}), "--size");
    std::filesystem::create_directory(v.folder.path() / "folder.map");
    expectCannotCompare(runProcess(MAPEDIT_CLI, {"diff", "--size", "2x1", v.oldGrid,
                                                 (v.folder.path() / "folder.map").string()}),
                        "folder.map");
}

} // namespace
