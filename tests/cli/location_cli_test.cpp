#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include "test_support/bytes.h"
#include <filesystem>

#include <gtest/gtest.h>

using testing_support::bytes;
using testing_support::runProcess;
using testing_support::TempFolder;

namespace {

struct CliWorld {
    TempFolder root;
    std::string dir = root.path().string();

    CliWorld() {
        // 3 x 1: two records of 24 bytes; cell (2, 1) filled in.
        root.write("Maps/Default/main.config", "[CONFIG]\r\nWidth=3\r\nHeight=1\r\n");
        std::string grid(48, '\0');
        const std::size_t r = 24;
        grid[r + 2] = 7;                            // earth
        grid.replace(r + 3 + 4, 2, bytes({1, 44})); // object 300
        grid[r + 9 + 2] = 5;                        // predmet
        grid.replace(r + 12 + 4, 2, bytes({0, 3})); // door 3
        grid[r + 18 + 2] = '1';                     // block
        grid[r + 21 + 2] = 1;                       // guard
        grid[0] = 9;                                // earth of (0, 0)
        root.write("Maps/Default/main.map", grid);
    }

    testing_support::ProcessResult run(std::vector<std::string> args) const {
        return runProcess(MAPEDIT_CLI, args);
    }
};

void expectOneLineFailure(const testing_support::ProcessResult& r, const std::string& mentions) {
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
}

} // namespace

TEST(CliCell, PrintsTheSixValuesOfACell) {
    CliWorld w;
    auto r = w.run({"cell", "--root", w.dir, "--map", "Default", "2", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "earth=7 object=300 predmet=5 door=3 block=49 guard=1\n");
    r = w.run({"cell", "--root", w.dir, "--map", "default", "--location", "MAIN", "0", "0"});
    EXPECT_EQ(r.out, "earth=9 object=0 predmet=0 door=0 block=0 guard=0\n");
}

TEST(CliCell, RefusesCellsOutsideTheLocationAndBadNumbers) {
    CliWorld w;
    for (auto [x, y] : {std::pair{"3", "0"}, std::pair{"0", "2"}, std::pair{"-1", "0"}})
        expectOneLineFailure(w.run({"cell", "--root", w.dir, "--map", "Default", x, y}), "outside");
    expectOneLineFailure(w.run({"cell", "--root", w.dir, "--map", "Default", "x", "0"}),
                         "whole number");
    expectOneLineFailure(w.run({"cell", "--root", w.dir, "--map", "Default", "1"}), "column");
}

TEST(CliCell, ACellPastTheEndOfAShortFileReadsEmptyWithAWarning) {
    CliWorld w;
    w.root.write("Maps/Default/main.map", std::string(26, '\x02'));
    const auto r = w.run({"cell", "--root", w.dir, "--map", "Default", "2", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "earth=0 object=0 predmet=0 door=0 block=0 guard=0\n");
    EXPECT_NE(r.err.find("shorter"), std::string::npos);
}

TEST(CliInfo, ReportsSizesAndNonEmptyCells) {
    CliWorld w;
    const auto r = w.run({"info", "--root", w.dir, "--map", "Default"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string file = (w.root.path() / "Maps/Default/main.map").string();
    EXPECT_EQ(r.out, "width: 3\nheight: 1\nrows: 2\ngrid file: " + file +
                         "\nexpected size: 48\nactual size: 48\nnon-empty cells:\n"
                         "  Doors: 1\n  Earths: 2\n  Objects: 1\n  Predmets: 1\n"
                         "  Blocks: 1\n  Guards: 1\n");
}

TEST(CliLocation, FailuresNameTheFileAndTheReason) {
    CliWorld w;
    expectOneLineFailure(w.run({"info", "--root", w.dir, "--map", "Default", "--location", "cave"}),
                         "cave.config not found");
    w.root.write("Maps/Default/hill.config", "[CONFIG]\r\nWidth=1\r\n");
    expectOneLineFailure(
        w.run({"cell", "--root", w.dir, "--map", "Default", "--location", "hill", "0", "0"}),
        "hill.map not found");
    w.root.write("Maps/Default/bad.config", "[CONFIG]\r\nWidth=-4\r\n");
    w.root.write("Maps/Default/bad.map", "");
    expectOneLineFailure(w.run({"info", "--root", w.dir, "--map", "Default", "--location", "bad"}),
                         "Width = \"-4\" is negative");
    w.root.write("Maps/Default/huge.config", "[CONFIG]\r\nWidth=2000000000\r\nHeight=99999\r\n");
    w.root.write("Maps/Default/huge.map", "");
    expectOneLineFailure(w.run({"info", "--root", w.dir, "--map", "Default", "--location", "huge"}),
                         "too large");
    expectOneLineFailure(w.run({"info", "--root", w.dir + "/nowhere", "--map", "Default"}),
                         "does not exist");
    expectOneLineFailure(w.run({"info", "--root", w.dir}), "--map");
    expectOneLineFailure(w.run({"info", "--map", "Default", "--frobnicate"}), "unknown option");
    expectOneLineFailure(w.run({"frobnicate"}), "unknown command");
}

TEST(CliHelp, EveryCommandExplainsItself) {
    CliWorld w;
    for (const char* command : {"info", "cell", "ini"}) {
        const auto r = w.run({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_NE(r.out.find(std::string("usage: mapedit ") + command), std::string::npos);
    }
    const auto r = w.run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("cell"), std::string::npos);
}

TEST(CliIni, ArgumentsOutsideTheCodePageAreRefusedNotMangled) {
    TempFolder root;
    const std::string file = (root.path() / "a.ini").string();
    const auto r = runProcess(MAPEDIT_CLI, {"ini", "set", file, "S", "k", "漢字"});
    expectOneLineFailure(r, "code page 1251");
    EXPECT_FALSE(std::filesystem::exists(file));
    const auto ok = runProcess(MAPEDIT_CLI, {"ini", "set", file, "Раздел", "k", "Ёлка"});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(root.read("a.ini"), "[\xD0\xE0\xE7\xE4\xE5\xEB]\r\nk=\xA8\xEB\xEA\xE0\r\n");
}

TEST(CliMessages, SayWhatIsWrongOnceWithOnePrefixAndOneStyleOfPaths) {
    CliWorld w;
    w.root.write("Maps/Default/wide.config", "[CONFIG]\r\nWidth=2147483648\r\nHeight=1\r\n");
    w.root.write("Maps/Default/wide.map", "");
    const auto wide = w.run({"info", "--root", w.dir, "--map", "Default", "--location", "wide"});
    expectOneLineFailure(wide, "Width = \"2147483648\" is out of range (0 to 2147483647)");
    w.root.write("Maps/Default/word.config", "[CONFIG]\r\nWidth=12ab\r\nHeight=1\r\n");
    w.root.write("Maps/Default/word.map", "");
    expectOneLineFailure(w.run({"info", "--root", w.dir, "--map", "Default", "--location", "word"}),
                         "Width = \"12ab\" is not a whole number");

    // A location name that climbs out: the path in the message uses the
    // system's separators only.
    const auto climbing =
        w.run({"info", "--root", w.dir, "--map", "Default", "--location", "../../../x"});
    EXPECT_EQ(climbing.exitCode, 1);
    EXPECT_EQ(climbing.err.find('\\'), std::string::npos) << climbing.err;

    const auto empty = runProcess(MAPEDIT_CLI, {"ini", "set", "", "S", "K", "v"});
    expectOneLineFailure(empty, "the file name is empty");
    EXPECT_EQ(empty.err.find("directory"), std::string::npos) << empty.err;
    expectOneLineFailure(runProcess(MAPEDIT_CLI, {"ini", "get", "", "S", "K"}),
                         "the file name is empty");
    const auto usage = runProcess(MAPEDIT_CLI, {"ini", "frobnicate"});
    expectOneLineFailure(usage, "mapedit ini: expected");
    EXPECT_EQ(usage.err.find("ini: ini:"), std::string::npos) << usage.err;
}
