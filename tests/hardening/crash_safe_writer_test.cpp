// The crash-safe writer on its own: what a finished, an abandoned and a failed
// save leave behind, and the files it must treat as a write in place would.

#include "hardening/leftovers.h"

#include "support/crash_safe_writer.h"
#include "support/file_system.h"
#include "test_support/temp_folder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using fsys::CrashSafeWriter;
using hardening::leftovers;
using testing_support::TempFolder;

namespace {

const std::vector<std::string> kNone;

TEST(CrashSafeWriter, AFinishedSaveReplacesTheContentAndLeavesNothingElse) {
    TempFolder root;
    std::error_code ec;
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.ini", "first", ec)) << ec.message();
    EXPECT_EQ(root.read("a.ini"), "first");
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.ini", "second, longer", ec));
    EXPECT_EQ(root.read("a.ini"), "second, longer");
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.ini", "3rd", ec));
    EXPECT_EQ(root.read("a.ini"), "3rd") << "a shorter whole-file save drops the old end";
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "empty.ini", "", ec));
    EXPECT_EQ(root.read("empty.ini"), "");
    EXPECT_EQ(leftovers(root.path()), kNone);
    EXPECT_EQ(std::distance(fs::directory_iterator(root.path()), fs::directory_iterator()), 2);
}

TEST(CrashSafeWriter, TheOldTailIsKeptOnlyWhenAskedFor) {
    TempFolder root;
    root.write("g.map", "0123456789");
    std::error_code ec;
    CrashSafeWriter writer;
    ASSERT_TRUE(writer.begin(root.text() + "g.map", ec));
    EXPECT_EQ(writer.oldSize(), 10u);
    ASSERT_TRUE(writer.write("abcd", 4, ec));
    ASSERT_TRUE(writer.keepOldTail(ec));
    ASSERT_TRUE(writer.commit(ec)) << ec.message();
    EXPECT_EQ(root.read("g.map"), "abcd456789");

    ASSERT_TRUE(writer.begin(root.text() + "g.map", ec));
    ASSERT_TRUE(writer.write("0123456789ABC", 13, ec));
    ASSERT_TRUE(writer.keepOldTail(ec)) << "a longer save has no tail to keep";
    ASSERT_TRUE(writer.commit(ec));
    EXPECT_EQ(root.read("g.map"), "0123456789ABC");

    ASSERT_TRUE(writer.begin(root.text() + "new.map", ec));
    ASSERT_TRUE(writer.write("xy", 2, ec));
    ASSERT_TRUE(writer.keepOldTail(ec));
    ASSERT_TRUE(writer.commit(ec));
    EXPECT_EQ(root.read("new.map"), "xy");
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, AnAbandonedSaveLeavesTheTargetAndTakesItsTemporaryFileAlong) {
    TempFolder root;
    root.write("a.config", "old");
    std::error_code ec;
    {
        CrashSafeWriter writer;
        ASSERT_TRUE(writer.begin(root.text() + "a.config", ec));
        ASSERT_TRUE(writer.write("new", 3, ec));
        EXPECT_EQ(leftovers(root.path()), std::vector<std::string>{".a.config.saving"})
            << "the bytes go to a hidden file beside the target";
        EXPECT_EQ(root.read("a.config"), "old");
    }
    EXPECT_EQ(root.read("a.config"), "old");
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, WhatAKilledSaveLeftBehindIsReplacedAndNeverWrittenThrough) {
    TempFolder root;
    root.write("a.config", "old");
    root.write(".a.config.saving", "half of a killed save");
    root.write("elsewhere.txt", "keep me");
    std::error_code ec;
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.config", "new", ec));
    EXPECT_EQ(root.read("a.config"), "new");
    EXPECT_EQ(leftovers(root.path()), kNone);

    // A link planted under the temporary name is removed, not followed.
    fs::create_symlink(root.path() / "elsewhere.txt", root.path() / ".a.config.saving");
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.config", "newer", ec));
    EXPECT_EQ(root.read("a.config"), "newer");
    EXPECT_EQ(root.read("elsewhere.txt"), "keep me");
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, ASaveThatCannotFinishLeavesTheOldFileAndSaysWhy) {
    TempFolder root;
    const std::string old(1000, 'o');
    root.write("big.map", old);
    // In a child process limited to 100-byte files: writing the new content fails.
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::error_code ec;
        const bool saved = fsys::writeWholeFile(root.text() + "big.map", std::string(500, 'n'), ec);
        _exit(!saved && ec == std::errc::file_too_large ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with the system's reason";
    EXPECT_EQ(root.read("big.map"), old);
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, AFolderOrAMissingFolderIsNotATargetAndNothingIsCreated) {
    TempFolder root;
    fs::create_directory(root.path() / "dir.ini");
    std::error_code ec;
    EXPECT_FALSE(fsys::writeWholeFile(root.text() + "dir.ini", "x", ec));
    EXPECT_EQ(ec, std::errc::is_a_directory);
    EXPECT_FALSE(fsys::writeWholeFile(root.text() + "none\\a.ini", "x", ec));
    EXPECT_EQ(ec, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(fsys::writeWholeFile(root.text() + "trailing\\", "x", ec));
    EXPECT_TRUE(fs::is_directory(root.path() / "dir.ini"));
    EXPECT_FALSE(fs::exists(root.path() / "none"));
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, TheReplacedFileKeepsItsPermissionsAndItsLinks) {
    TempFolder root;
    root.write("a.ini", "old");
    fs::permissions(root.path() / "a.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    root.write("real/b.ini", "old b");
    fs::create_symlink(root.path() / "real/b.ini", root.path() / "link.ini");
    std::error_code ec;
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "a.ini", "new", ec));
    EXPECT_EQ(fs::status(root.path() / "a.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(fsys::writeWholeFile(root.text() + "link.ini", "new b", ec));
    EXPECT_TRUE(fs::is_symlink(root.path() / "link.ini"));
    EXPECT_EQ(root.read("real/b.ini"), "new b");
    EXPECT_EQ(leftovers(root.path() / "real"), kNone);
}

TEST(CrashSafeWriter, AFileThatMayNotBeWrittenStaysAsItIs) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write every file";
    TempFolder root;
    root.write("locked.ini", "old");
    fs::permissions(root.path() / "locked.ini", fs::perms::owner_read);
    std::error_code ec;
    EXPECT_FALSE(fsys::writeWholeFile(root.text() + "locked.ini", "new", ec));
    EXPECT_EQ(ec, std::errc::permission_denied);
    EXPECT_EQ(root.read("locked.ini"), "old");
    EXPECT_EQ(leftovers(root.path()), kNone);
}

TEST(CrashSafeWriter, NamesTooLongForTheUsualTemporaryNameStillSaveSafely) {
    TempFolder root;
    const std::string name = std::string(250, 'n') + ".ini";
    root.write(name, "old");
    std::error_code ec;
    {
        CrashSafeWriter writer;
        ASSERT_TRUE(writer.begin(root.text() + name, ec)) << ec.message();
        ASSERT_TRUE(writer.write("new", 3, ec));
        const auto during = leftovers(root.path());
        ASSERT_EQ(during.size(), 1u);
        EXPECT_LE(during[0].size(), 255u);
        ASSERT_TRUE(writer.commit(ec)) << ec.message();
    }
    EXPECT_EQ(root.read(name), "new");
    EXPECT_EQ(leftovers(root.path()), kNone);
    EXPECT_NE(CrashSafeWriter::temporaryName(std::string(250, 'a')),
              CrashSafeWriter::temporaryName(std::string(250, 'b')))
        << "two long names in one folder do not share a temporary file";
}

} // namespace
