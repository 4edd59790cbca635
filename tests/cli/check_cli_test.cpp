#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using testing_support::runProcess;
using testing_support::TempFolder;

namespace {

// A 1 x 1 picture in 24-bit BMP.
std::string onePixelBmp() {
    std::string bmp = "BM";
    const auto le = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    le(58, 4), le(0, 4), le(54, 4);                     // file header
    le(40, 4), le(1, 4), le(1, 4), le(1, 2), le(24, 2); // info header
    le(0, 4), le(4, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4);
    le(0x00FF00, 4); // the pixel and its row's padding
    return bmp;
}

// A ground catalogue of entries 0..count, each with the picture p.bmp.
std::string groundCatalogue(int count) {
    std::string text = "[DATA]\r\nCount=" + std::to_string(count) + "\r\n";
    for (int i = 0; i <= count; ++i)
        text += "[OBJ-" + std::to_string(i) + "]\r\nFileName=p.bmp\r\n";
    return text;
}

// A map whose one location has a ground code without an entry in three cells
// and a grid file longer than its configuration promises.
struct CheckCliWorld {
    TempFolder root;
    std::string dir = root.path().string();

    CheckCliWorld() {
        root.write("Resources/p.bmp", onePixelBmp());
        root.write("Resources/level0.ini", groundCatalogue(0));
        root.write("Resources/level1.ini", "[DATA]\r\nCount=0\r\n[OBJ-0]\r\n");
        root.write("Maps/Test/main.config", "[CONFIG]\r\nWidth=3\r\nHeight=1\r\n");
        std::string grid(48 + 2, '\0');
        grid[0] = 5;
        grid[24] = 5;
        grid[24 + 2] = 5;
        root.write("Maps/Test/main.map", grid);
    }
    testing_support::ProcessResult run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"check", "--root", dir});
        return runProcess(MAPEDIT_CLI, args);
    }
};

TEST(CliCheck, TextOneLinePerFindingAndASummary) {
    CheckCliWorld w;
    const auto r = w.run({"--map", "Test"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out,
              "main: warning: The grid file Maps/Test/main.map is longer than its configuration "
              "promises (3 x 2 cells): 50 bytes instead of 48; the extra bytes are not read.\n"
              "main:0,0: error: Ground code 5 has no entry in Resources/level0.ini (entries 0..0); "
              "the cell draws the placeholder. (also at 0,1; 2,1)\n"
              "1 error, 1 warning\n");
}

TEST(CliCheck, JsonHoldsEveryFieldAndTheCounts) {
    CheckCliWorld w;
    const auto r = w.run({"--map", "Test", "--location", "main", "--json"});
    EXPECT_EQ(r.exitCode, 1);
    const auto doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["map"], "Test");
    EXPECT_EQ(doc["errors"], 1);
    EXPECT_EQ(doc["warnings"], 1);
    EXPECT_EQ(doc["summary"], "1 error, 1 warning");
    ASSERT_EQ(doc["findings"].size(), 2u);
    const auto& f = doc["findings"][1];
    EXPECT_EQ(f["severity"], "error");
    EXPECT_EQ(f["kind"], "cell.unknown-ground");
    EXPECT_EQ(f["location"], "main");
    EXPECT_EQ(f["cell"]["x"], 0);
    EXPECT_EQ(f["count"], 3);
    EXPECT_EQ(f["firstCells"].size(), 3u);
    EXPECT_EQ(f["firstCells"][2]["x"], 2);
    EXPECT_NE(f["sentence"].get<std::string>().find("Код земли 5"), std::string::npos);
    EXPECT_EQ(doc["findings"][0]["cell"], nullptr);
}

TEST(CliCheck, ExitStatuses) {
    CheckCliWorld w;
    EXPECT_EQ(w.run({"--map", "Nope"}).exitCode, 2);
    EXPECT_EQ(w.run({"--map", "Test", "--location", "none"}).exitCode, 2);
    EXPECT_EQ(w.run({"--map", "Test", "--bogus"}).exitCode, 2);
    EXPECT_EQ(w.run({}).exitCode, 2);
    w.root.write("Resources/level0.ini", groundCatalogue(5));
    const auto r = w.run({"--map", "Test"});
    EXPECT_EQ(r.exitCode, 0) << r.out; // warnings only
    EXPECT_NE(r.out.find("0 errors, 1 warning"), std::string::npos);
}

TEST(CliCheck, TheSampleMapIsClean) {
    const auto r =
        runProcess(MAPEDIT_CLI, {"check", "--root", MAPEDIT_SAMPLE_WORLD, "--map", "Default"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "0 errors, 0 warnings\n");
}

} // namespace
