// A map holding one instance of each problem the checker finds, and a clean
// map holding none.

#include "checker/check_world.h"

#include "checker/finding_format.h"

#include <filesystem>
#include <gtest/gtest.h>

using checker::Severity;
using checker_testing::CheckWorld;
using checker_testing::GridBytes;
using checker_testing::ofKind;

namespace {

bool mentions(const checker::Finding& f, const std::string& text) {
    return f.sentenceEnglish.find(text) != std::string::npos;
}

// The only finding of a kind, with its severity checked.
checker::Finding only(const checker::CheckResult& result, const std::string& kind,
                      Severity severity) {
    const auto found = ofKind(result, kind);
    EXPECT_EQ(found.size(), 1u) << kind;
    if (found.empty())
        return {};
    EXPECT_EQ(found.front().severity, severity) << kind;
    EXPECT_FALSE(found.front().sentence.empty()) << kind;
    return found.front();
}

class BrokenMap : public ::testing::Test {
protected:
    void SetUp() override {
        world.writeCleanMap("Broken");
        world.write("Maps/Broken/Broken.mpc", "[CONFIG]\r\nResources=Res2\r\n");
        for (const char* name : {"g0.bmp", "o0.bmp", "o0m.bmp"})
            world.writePicture(std::string("Res2/") + name, 32, 32);
        world.writePicture("Res2/wide_mask.bmp", 64, 32);
        world.write("Res2/broken.bmp", "BM this is no picture");
        world.writePicture("outside.bmp", 32, 32);
        std::filesystem::create_symlink(world.root().path() / "outside.bmp",
                                        world.root().path() / "Res2" / "linked.bmp");
        world.write("Res2/level0.ini", "[DATA]\r\nCount=3\r\n[OBJ-0]\r\nFileName=g0.bmp\r\n"
                                       "[OBJ-1]\r\nFileName=gone.bmp\r\n"
                                       "[OBJ-2]\r\nFileName=..\\outside.bmp\r\n"
                                       "[OBJ-3]\r\nFileName=linked.bmp\r\n");
        world.write("Res2/level1.ini",
                    "[DATA]\r\nCount=2\r\n[OBJ-0]\r\nFileName=o0.bmp\r\nMaskFileName=o0m.bmp\r\n"
                    "Block=1,1\r\n[OBJ-1]\r\nFileName=broken.bmp\r\nMaskFileName=o0m.bmp\r\n"
                    "[OBJ-2]\r\nFileName=o0.bmp\r\nMaskFileName=wide_mask.bmp\r\n");
        world.write("Res2/editor.ini",
                    "[CATAGORIES]\r\nCount=2\r\n"
                    "[CATEGORY-0]\r\nCount=1\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
                    "Data0=OBJ-0\r\nData1=OBJ-7\r\n"
                    "[CATEGORY-1]\r\nCount=0\r\nLevel=1\r\nDefaultSource=level1.ini\r\n"
                    "Data0=OBJ-0\r\n"
                    "[CATEGORY-2]\r\nCount=0\r\nLevel=1\r\nDefaultSource=nowhere.ini\r\n"
                    "Data0=OBJ-1\r\n");

        // main: 6 x 4 cells (rows 0..4).
        GridBytes grid(6, 4);
        for (int x = 0; x < 6; ++x)
            grid.earth(x, 1, 9); // six cells of a ground code without an entry
        grid.earth(0, 3, 9);
        grid.object(1, 0, 9); // object entry 8: none
        grid.object(4, 2, 1); // footprint (4, 2), (4, 3): only (4, 2) blocked
        grid.block(4, 2);
        grid.door(0, 0, 9); // beyond an index of 6 actions
        for (int x = 0; x < 6; ++x)
            grid.door(x, 4, x + 1); // the index's actions A0..A5, one cell each
        grid.door(5, 3, 1);         // A0 once more
        world.writeLocation("Broken", "main", grid, 6, 4);
        world.write("Maps/Broken/main.actl", "[ACTIONS]\r\nCount=5\r\nA0=gone\r\n"
                                             "A1=..\\escape\r\nA2=dance\r\nA3=counted\r\n"
                                             "A4=/etc/passwd\r\nA5=linked\r\n");
        world.write("Maps/Broken/dance", "[ACTION]\r\nActionCount=0\r\nActionType=Dance\r\n");
        world.write("Maps/Broken/counted",
                    "[ACTION]\r\nActionCount=3\r\nActionType=tell\r\nActionType1=tell\r\n");
        world.write("outside_action", "[ACTION]\r\nActionCount=0\r\nActionType=Dance\r\n");
        std::filesystem::create_symlink(world.root().path() / "outside_action",
                                        world.root().path() / "Maps/Broken/linked");

        world.write("Maps/Broken/lost.map", std::string(16, '\0'));
        world.write("Maps/Broken/lost.inf", "Notes\r\n");
        world.write("Maps/Broken/badsize.config", "[CONFIG]\r\nWidth=abc\r\nHeight=3\r\n");
        world.write("Maps/Broken/nogrid.config", "[CONFIG]\r\nWidth=2\r\nHeight=2\r\n");
        world.write("Maps/Broken/short.config", "[CONFIG]\r\nWidth=2\r\nHeight=2\r\n");
        world.write("Maps/Broken/short.map", std::string(40, '\0'));
        world.write("Maps/Broken/long.config", "[CONFIG]\r\nWidth=2\r\nHeight=2\r\n");
        world.write("Maps/Broken/long.map", std::string(50, '\0'));
        world.write("Maps/Broken/huge.config", "");
        std::filesystem::resize_file(world.root().path() / "Maps/Broken/huge.config",
                                     std::uintmax_t{40} << 20);
        result = world.check("Broken");
    }

    CheckWorld world;
    checker::CheckResult result;
};

TEST(CleanMap, HasNoFindingsAtAll) {
    CheckWorld world;
    world.writeCleanMap("Clean");
    const checker::CheckResult result = world.check("Clean");
    EXPECT_TRUE(result.ran);
    EXPECT_FALSE(result.cancelled);
    for (const auto& f : result.findings)
        ADD_FAILURE() << checker::findingLine(f);
}

TEST(CleanMap, AMissingMapOrLocationCannotBeChecked) {
    CheckWorld world;
    world.writeCleanMap("Clean");
    auto result = world.check("Nope");
    EXPECT_FALSE(result.ran);
    EXPECT_NE(result.failureEnglish.find("Nope"), std::string::npos);
    result = world.check("Clean", "elsewhere");
    EXPECT_FALSE(result.ran);
    EXPECT_TRUE(world.check("Clean", "MAIN").ran); // names match without regard to case
    EXPECT_FALSE(world.check("..").ran);
}

TEST_F(BrokenMap, LocationFiles) {
    auto f = only(result, "location.grid-short", Severity::Error);
    EXPECT_EQ(f.location, "short");
    EXPECT_TRUE(mentions(f, "short.map") && mentions(f, "40 bytes instead of 48"))
        << f.sentenceEnglish;
    f = only(result, "location.grid-long", Severity::Warning);
    EXPECT_TRUE(mentions(f, "50 bytes instead of 48")) << f.sentenceEnglish;
    f = only(result, "location.grid-missing", Severity::Error);
    EXPECT_EQ(f.location, "nogrid");
    f = only(result, "location.config-unreadable", Severity::Error);
    EXPECT_EQ(f.location, "huge");
    f = only(result, "location.config-size", Severity::Error);
    EXPECT_TRUE(mentions(f, "badsize.config") && mentions(f, "Width = \"abc\""))
        << f.sentenceEnglish;
    const auto orphans = ofKind(result, "location.without-config");
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_TRUE(mentions(orphans[0], "lost.map") && mentions(orphans[1], "lost.inf"));
    EXPECT_EQ(orphans[0].severity, Severity::Warning);
}

TEST_F(BrokenMap, CellsCountedPerCodeWithTheirFirstCells) {
    auto f = only(result, "cell.unknown-ground", Severity::Error);
    EXPECT_EQ(f.location, "main");
    EXPECT_EQ(f.count, 7u);
    ASSERT_EQ(f.firstCells.size(), 5u);
    EXPECT_EQ(f.firstCells[0], (checker::Cell{0, 1}));
    EXPECT_EQ(f.firstCells[4], (checker::Cell{4, 1}));
    EXPECT_EQ(f.cell, f.firstCells[0]);
    EXPECT_TRUE(mentions(f, "Ground code 9") && mentions(f, "level0.ini")) << f.sentenceEnglish;
    EXPECT_EQ(checker::repeatNote(f), " (also at 1,1; 2,1; 3,1; 4,1; and 2 more cells)");

    f = only(result, "cell.unknown-object", Severity::Error);
    EXPECT_EQ(f.cell, (checker::Cell{1, 0}));
    EXPECT_TRUE(mentions(f, "Object code 9") && mentions(f, "entries 0..2")) << f.sentenceEnglish;
    f = only(result, "cell.unknown-action", Severity::Error);
    EXPECT_EQ(f.cell, (checker::Cell{0, 0}));
    EXPECT_TRUE(mentions(f, "Action number 9") && mentions(f, "1..6")) << f.sentenceEnglish;
    f = only(result, "cell.open-footprint", Severity::Warning);
    EXPECT_EQ(f.cell, (checker::Cell{4, 2}));
    EXPECT_TRUE(mentions(f, "cell 4,3")) << f.sentenceEnglish;
}

TEST_F(BrokenMap, CellsOfBrokenActionsOneFindingPerAction) {
    const auto cells = ofKind(result, "cell.broken-action");
    ASSERT_EQ(cells.size(), 6u); // A0..A5 are all broken
    EXPECT_EQ(cells[0].count, 2u);
    EXPECT_EQ(cells[0].firstCells, (std::vector<checker::Cell>{{5, 3}, {0, 4}}));
    EXPECT_TRUE(mentions(cells[0], "\"gone\"")) << cells[0].sentenceEnglish;
    for (std::size_t i = 1; i < cells.size(); ++i)
        EXPECT_EQ(cells[i].count, 1u);
}

TEST_F(BrokenMap, ActionFiles) {
    auto f = only(result, "action.missing", Severity::Error);
    EXPECT_TRUE(mentions(f, "A0") && mentions(f, "gone")) << f.sentenceEnglish;
    f = only(result, "action.unknown-step", Severity::Error);
    EXPECT_TRUE(mentions(f, "dance") && mentions(f, "\"Dance\"")) << f.sentenceEnglish;
    f = only(result, "action.step-count", Severity::Error);
    EXPECT_TRUE(mentions(f, "ActionCount = 3") && mentions(f, "up to 1")) << f.sentenceEnglish;
    // "..\escape", an absolute path and a link out of the map folder are not
    // followed: the linked file's unknown step is not reported.
    const auto outside = ofKind(result, "action.outside");
    ASSERT_EQ(outside.size(), 3u);
    EXPECT_TRUE(mentions(outside[0], "..\\escape"));
    EXPECT_TRUE(mentions(outside[1], "/etc/passwd"));
    EXPECT_TRUE(mentions(outside[2], "\"linked\""));
}

TEST_F(BrokenMap, ResourcesAndPalette) {
    auto f = only(result, "picture.missing", Severity::Error);
    EXPECT_TRUE(mentions(f, "OBJ-1") && mentions(f, "gone.bmp")) << f.sentenceEnglish;
    EXPECT_EQ(f.location, "");
    f = only(result, "picture.unreadable", Severity::Error);
    EXPECT_TRUE(mentions(f, "broken.bmp")) << f.sentenceEnglish;
    f = only(result, "picture.mask-size", Severity::Warning);
    EXPECT_TRUE(mentions(f, "64 x 32") && mentions(f, "32 x 32")) << f.sentenceEnglish;
    const auto outside = ofKind(result, "picture.outside");
    ASSERT_EQ(outside.size(), 2u); // "..\outside.bmp" and a link to it
    EXPECT_TRUE(mentions(outside[0], "OBJ-2") && mentions(outside[1], "OBJ-3"));
    f = only(result, "palette.unknown-code", Severity::Error);
    EXPECT_TRUE(mentions(f, "OBJ-7")) << f.sentenceEnglish;
    f = only(result, "palette.missing-source", Severity::Error);
    EXPECT_TRUE(mentions(f, "nowhere.ini")) << f.sentenceEnglish;
}

TEST_F(BrokenMap, GroupedMapWideFirstThenByLocationThenByKind) {
    ASSERT_FALSE(result.findings.empty());
    EXPECT_EQ(result.findings.front().location, "");
    std::vector<std::string> locations;
    for (const auto& f : result.findings)
        if (locations.empty() || locations.back() != f.location)
            locations.push_back(f.location);
    const std::vector<std::string> expected = {"",     "badsize", "huge",   "long",
                                               "lost", "main",    "nogrid", "short"};
    EXPECT_EQ(locations, expected);
    // Within main: the action files before the cells.
    std::size_t lastAction = 0, firstCell = result.findings.size();
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        if (result.findings[i].kind.rfind("action.", 0) == 0)
            lastAction = i;
        if (result.findings[i].kind.rfind("cell.", 0) == 0)
            firstCell = std::min(firstCell, i);
    }
    EXPECT_LT(lastAction, firstCell);
    EXPECT_EQ(result.errors() + result.warnings(), result.findings.size());
    EXPECT_EQ(result.warnings(), 5u); // long, two orphans, mask size, footprint
}

} // namespace
