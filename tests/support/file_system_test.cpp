#include "support/cp1251.h"
#include "support/file_system.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

TEST(FileSystemBoundary, BackslashTextsBecomeNativePaths) {
    TempFolder root;
    root.write("Maps/Default/main.config", "x");
    std::error_code ec;
    const fs::path p = fsys::resolve(root.text() + "Maps\\Default\\main.config", ec);
    EXPECT_FALSE(ec);
    EXPECT_EQ(p, root.path() / "Maps/Default/main.config");
    EXPECT_EQ(fsys::resolve(root.text() + "Maps\\Default\\", ec), root.path() / "Maps/Default/");
}

TEST(FileSystemBoundary, ComponentsMatchWithoutRegardToCaseOnlyWhenTheExactNameIsMissing) {
    TempFolder root;
    root.write("Maps/Forest/Main.Config", "forest");
    root.write("Maps/Forest/main.map", "exact");
    root.write("Maps/Forest/MAIN.MAP", "other");
    std::error_code ec;
    EXPECT_EQ(fsys::resolve(root.text() + "MAPS\\forest\\main.config", ec),
              root.path() / "Maps/Forest/Main.Config");
    EXPECT_EQ(fsys::resolve(root.text() + "maps\\FOREST\\main.map", ec),
              root.path() / "Maps/Forest/main.map")
        << "an exact match wins over other spellings";
    // A missing component keeps the rest of the path as given.
    EXPECT_EQ(fsys::resolve(root.text() + "maps\\Desert\\Main.map", ec),
              root.path() / "Maps/Desert/Main.map");
}

TEST(FileSystemBoundary, CyrillicNamesAreUtf8OnDiskAndMatchWithoutCase) {
    TempFolder root;
    root.write("Maps/Лес/main.config", "x");
    std::string content;
    std::error_code ec;
    ASSERT_TRUE(fsys::readWholeFile(
        root.text() + "Maps\\" + cp1251::fromUtf8("ЛЕС") + "\\main.config", content, ec));
    EXPECT_EQ(content, "x");
    const auto folders =
        fsys::listFolder(root.text() + "Maps\\", "*.*", fsys::EntryKind::Folders, ec);
    EXPECT_EQ(folders, std::vector<std::string>{cp1251::fromUtf8("Лес")});
}

TEST(FileSystemBoundary, TextsNoFileSystemCanNameAreRefused) {
    TempFolder root;
    std::error_code ec;
    const std::string withNul = root.text() + std::string("bad\0name.map", 12);
    EXPECT_FALSE(fsys::writeWholeFile(withNul, "data", ec));
    EXPECT_EQ(ec, std::errc::invalid_argument);
    EXPECT_TRUE(fs::is_empty(root.path())) << "nothing is written under a shortened name";
    EXPECT_EQ(fsys::probe(withNul), fsys::Probe::OtherFailure);

    const std::string tooLong = root.text() + std::string(300, 'a') + ".map";
    EXPECT_FALSE(fsys::writeWholeFile(tooLong, "data", ec));
    EXPECT_TRUE(ec);
}

TEST(FileSystemBoundary, ProbeTellsMissingFromPresent) {
    TempFolder root;
    root.write("a/b.txt", "");
    EXPECT_EQ(fsys::probe(root.text() + "a\\b.txt"), fsys::Probe::Exists);
    EXPECT_EQ(fsys::probe(root.text() + "a"), fsys::Probe::Exists);
    EXPECT_EQ(fsys::probe(root.text() + "a\\c.txt"), fsys::Probe::Missing);
    EXPECT_EQ(fsys::probe(root.text() + "z\\c.txt"), fsys::Probe::Missing);
    EXPECT_EQ(fsys::probe(root.text() + "a\\b.txt\\c"), fsys::Probe::Missing);
}

TEST(FileSystemBoundary, ListingsFilterByKindPatternAndVisibility) {
    TempFolder root;
    root.write("m/main.config", "");
    root.write("m/CAVE.CONFIG", "");
    root.write("m/cave.map", "");
    root.write("m/.hidden.config", "");
    root.write("m/sub.config/x", "");
    std::error_code ec;
    EXPECT_EQ(fsys::listFolder(root.text() + "m\\", "*.config", fsys::EntryKind::Files, ec),
              (std::vector<std::string>{"CAVE.CONFIG", "main.config"}));
    EXPECT_EQ(fsys::listFolder(root.text() + "m", "*.*", fsys::EntryKind::Files, ec).size(), 3u);
    EXPECT_EQ(fsys::listFolder(root.text() + "m", "*", fsys::EntryKind::Folders, ec),
              std::vector<std::string>{"sub.config"});
    EXPECT_TRUE(fsys::listFolder(root.text() + "none", "*.*", fsys::EntryKind::Files, ec).empty());
    EXPECT_TRUE(ec);
}

TEST(FileSystemBoundary, WildcardsMatchLikeTheSystemsFileNamePatterns) {
    EXPECT_TRUE(fsys::matchesWildcard("main.config", "*.config"));
    EXPECT_TRUE(fsys::matchesWildcard("a.b.config", "*.CONFIG"));
    EXPECT_FALSE(fsys::matchesWildcard("main.config2", "*.config"));
    EXPECT_TRUE(fsys::matchesWildcard("noext", "*.*"));
    EXPECT_TRUE(fsys::matchesWildcard("ab", "a?"));
    EXPECT_FALSE(fsys::matchesWildcard("abc", "a?"));
    EXPECT_TRUE(fsys::matchesWildcard("x.act", "*.ac*"));
}

TEST(FileSystemBoundary, WritesInPlaceKeepTheRestOfTheFile) {
    TempFolder root;
    root.write("f.bin", "0123456789");
    std::error_code ec;
    fsys::File file;
    ASSERT_TRUE(file.open(root.text() + "f.bin", fsys::File::Mode::WriteInPlace, ec));
    ASSERT_TRUE(file.write("ab", 2, ec));
    file.close();
    EXPECT_EQ(root.read("f.bin"), "ab23456789");
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "f.bin", "xy", ec));
    EXPECT_EQ(root.read("f.bin"), "xy");
}

TEST(FileSystemBoundary, ScatterAndGatherSpanManySlicesOfAnySize) {
    TempFolder root;
    // More slices than one system call takes, some of them empty.
    std::vector<std::string> pieces;
    std::string whole;
    for (int i = 0; i < 3000; ++i) {
        pieces.push_back(
            std::string(static_cast<std::size_t>(i % 7), static_cast<char>('a' + i % 26)));
        whole += pieces.back();
    }
    std::vector<fsys::ConstSlice> out;
    for (const auto& p : pieces)
        out.push_back({p.data(), p.size()});
    std::error_code ec;
    fsys::File file;
    ASSERT_TRUE(file.open(root.text() + "s.bin", fsys::File::Mode::WriteTruncate, ec));
    ASSERT_TRUE(file.writeGather(out, ec));
    file.close();
    EXPECT_EQ(root.read("s.bin"), whole);

    std::vector<std::string> back;
    std::vector<fsys::Slice> in;
    for (const auto& p : pieces)
        back.emplace_back(p.size(), '\0');
    for (auto& b : back)
        in.push_back({b.data(), b.size()});
    ASSERT_TRUE(file.open(root.text() + "s.bin", fsys::File::Mode::Read, ec));
    std::size_t got = 0;
    ASSERT_TRUE(file.readScatter(in, got, ec));
    EXPECT_EQ(got, whole.size());
    EXPECT_EQ(back, pieces);

    // A short file fills the first slices and reports how much it held.
    root.write("short.bin", "abcde");
    std::string a(3, '.'), b(4, '.');
    std::vector<fsys::Slice> two = {{a.data(), a.size()}, {b.data(), b.size()}};
    ASSERT_TRUE(file.open(root.text() + "short.bin", fsys::File::Mode::Read, ec));
    ASSERT_TRUE(file.readScatter(two, got, ec));
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(a + b, "abcde..");
}

TEST(FileSystemBoundary, FoldersDoNotOpenAsFiles) {
    TempFolder root;
    fs::create_directories(root.path() / "dir");
    std::error_code ec;
    std::string content;
    EXPECT_FALSE(fsys::readWholeFile(root.text() + "dir", content, ec));
    EXPECT_TRUE(ec);
    EXPECT_TRUE(fsys::isFolder(root.text() + "DIR"));
}
