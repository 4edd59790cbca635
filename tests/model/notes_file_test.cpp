#include "location_fixture.h"
#include "model/notes_file.h"

#include <gtest/gtest.h>

TEST(NotesFile, NotesAreWrittenWithALineEndAndReadBackWhole) {
    testing_support::WorldFolder world;
    const std::string file = world.root().text() + "cave.inf";
    std::error_code ec;
    ASSERT_TRUE(model::writeNotesFile(file, "\xCF\xE5\xF9\xE5\xF0\xE0\r\nline 2", ec));
    EXPECT_EQ(world.root().read("cave.inf"), "\xCF\xE5\xF9\xE5\xF0\xE0\r\nline 2\r\n");
    EXPECT_EQ(model::readNotesFile(file), "\xCF\xE5\xF9\xE5\xF0\xE0\r\nline 2\r\n");
}

TEST(NotesFile, EmptyNotesWriteNoFileAndMissingFilesReadEmpty) {
    testing_support::WorldFolder world;
    const std::string file = world.root().text() + "main.inf";
    std::error_code ec;
    EXPECT_TRUE(model::writeNotesFile(file, "", ec));
    EXPECT_FALSE(std::filesystem::exists(world.root().path() / "main.inf"));
    EXPECT_EQ(model::readNotesFile(file), "");
    EXPECT_FALSE(model::writeNotesFile(world.root().text() + "none\\x.inf", "x", ec));
    EXPECT_TRUE(ec);
}
