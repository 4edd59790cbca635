#include "support/application_folder.h"
#include "support/mdl_main.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace mdlMain;
using testing_support::TempFolder;

TEST(GetFolderPath, EmptyPathBecomesTheApplicationFolder) {
    TempFolder root;
    appfolder::setNative(root.path().string());
    std::string path;
    const std::string folder = GetFolderPath(path);
    EXPECT_EQ(folder, path + "\\");
    EXPECT_NE(path.back(), '\\');
    EXPECT_EQ(folder, root.text());
    EXPECT_EQ(ApplicationFolder(), folder);
}

TEST(GetFolderPath, AddsABackslashOnlyWhenMissing) {
    std::string withBackslash = "C:\\Games\\";
    EXPECT_EQ(GetFolderPath(withBackslash), "C:\\Games\\");
    std::string withSlash = "C:/Games/";
    EXPECT_EQ(GetFolderPath(withSlash), "C:/Games/\\");
    EXPECT_EQ(withSlash, "C:/Games/");
}

TEST(NormalizeFolder, CollapsesDoubledSeparatorsOnce) {
    EXPECT_EQ(NormalizeFolder("C:\\\\Games//Maps/\\Default"), "C:\\Games\\Maps\\Default\\");
    EXPECT_EQ(NormalizeFolder("Maps\\Default\\"), "Maps\\Default\\");
    EXPECT_EQ(NormalizeFolder("Maps\\Default"), "Maps\\Default\\");
    EXPECT_EQ(NormalizeFolder("Maps/Default/"), "Maps/Default/");
    EXPECT_EQ(NormalizeFolder("a\\\\\\\\b"), "a\\\\b\\"); // four become two
    EXPECT_EQ(NormalizeFolder("a/b"), "a/b\\");
    EXPECT_EQ(NormalizeFolder(""), "\\");
}

TEST(FileExists, TellsMissingFromPresentAndRewritesTheCallersPath) {
    TempFolder root;
    root.write("Maps/Default/main.config", "[CONFIG]\r\n");
    std::string file = root.text() + "Maps\\\\Default\\main.config";
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(file, root.text() + "Maps\\Default\\main.config");

    std::string folder = root.text() + "Maps";
    EXPECT_TRUE(FileExists(folder)) << "a folder counts as present";

    std::string missing = root.text() + "Maps\\Default\\cave.config";
    EXPECT_FALSE(FileExists(missing));
    std::string missingFolder = root.text() + "Nowhere\\main.config";
    EXPECT_FALSE(FileExists(missingFolder));
    std::string empty;
    EXPECT_FALSE(FileExists(empty));
    std::string throughAFile = root.text() + "Maps\\Default\\main.config\\x";
    EXPECT_FALSE(FileExists(throughAFile));
}

TEST(FileExists, MatchesNamesWithoutRegardToCase) {
    TempFolder root;
    root.write("Maps/Default/Main.Config", "");
    std::string file = root.text() + "MAPS\\default\\main.config";
    EXPECT_TRUE(FileExists(file));
}

TEST(FolderHasFiles, CountsOnlyVisiblePlainFiles) {
    TempFolder root;
    std::filesystem::create_directories(root.path() / "empty");
    root.write("onlyfolders/sub/x.txt", "x");
    root.write("hidden/.secret", "x");
    root.write("full/a.mpc", "x");
    EXPECT_FALSE(FolderHasFiles(root.text() + "empty"));
    EXPECT_FALSE(FolderHasFiles(root.text() + "onlyfolders\\"));
    EXPECT_FALSE(FolderHasFiles(root.text() + "hidden"));
    EXPECT_FALSE(FolderHasFiles(root.text() + "missing"));
    EXPECT_TRUE(FolderHasFiles(root.text() + "full"));
    EXPECT_TRUE(FolderHasFiles(root.text() + "FULL\\"));
}

TEST(GetSplitItem, PicksItemsFromEitherEnd) {
    EXPECT_EQ(GetSplitItem("a\\b\\c.txt", "\\", 0, true), "c.txt");
    EXPECT_EQ(GetSplitItem("a\\b\\c.txt", "\\", 2, true), "a");
    EXPECT_EQ(GetSplitItem("c.txt", ".", 0, false), "c");
    EXPECT_EQ(GetSplitItem("c.txt", ".", 2, false), "");
    EXPECT_EQ(GetSplitItem("c.txt", ".", -1, false), "");
    EXPECT_EQ(GetSplitItem("c.txt", ".", 5, true), "");
    EXPECT_EQ(GetSplitItem("a,,b", ",", 1, false), "");
    EXPECT_EQ(GetSplitItem("a,,b", ",", 2, false), "b");
    EXPECT_EQ(GetSplitItem("abc", ",", 0, false), "abc");
    EXPECT_EQ(GetSplitItem("", ",", 0, false), "");
    EXPECT_EQ(GetSplitItem("a<>b", "<>", 1, false), "b");
    EXPECT_EQ(GetSplitItem("aXb", "x", 1, false), "") << "the delimiter is case-sensitive";
}

TEST(PadZeros, PadsButNeverShortens) {
    EXPECT_EQ(PadZeros("7", 2), "07");
    EXPECT_EQ(PadZeros("2025", 2), "2025");
    EXPECT_EQ(PadZeros("5", 4), "0005");
    EXPECT_EQ(PadZeros("", 2), "00");
    EXPECT_EQ(PadZeros("12", -3), "12");
}

TEST(DigitsToNumber, KeepsOnlyDigits) {
    EXPECT_EQ(DigitsToNumber("x-12y3"), 123);
    EXPECT_EQ(DigitsToNumber("no digits"), 0);
    EXPECT_EQ(DigitsToNumber("99999999999"), 0);
    EXPECT_EQ(DigitsToNumber("2147483647"), 2147483647);
    EXPECT_EQ(DigitsToNumber("2147483648"), 0);
    EXPECT_EQ(DigitsToNumber("000000000000042"), 42);
    EXPECT_EQ(DigitsToNumber(std::string("1\0"
                                         "2",
                                         3)),
              12);
}
