// The action index as actions are appended, renamed and taken out, and the
// names a new action may take.
#include "location_fixture.h"
#include "model/action_files.h"
#include "model/action_index_edits.h"

#include <gtest/gtest.h>

using managers::ActionNameProblem;

namespace {

class ActionIndex : public testing::Test {
protected:
    std::string folder() const { return world.root().text() + "Maps\\M\\"; }
    std::string index() const { return folder() + "yard.actl"; }
    std::string indexBytes() const { return world.root().read("Maps/M/yard.actl"); }
    void writeIndex(const std::string& bytes) const {
        world.root().write("Maps/M/yard.actl", bytes);
    }

    testing_support::WorldFolder world;
    std::error_code ec;
};

} // namespace

TEST_F(ActionIndex, AppendingCreatesTheIndexOrAddsTheEntryAfterTheLast) {
    world.root().write("Maps/M/yard.config", "");
    ASSERT_TRUE(managers::appendToActionIndex(index(), "door1", ec)) << ec.message();
    EXPECT_EQ(indexBytes(), "[ACTIONS]\r\nCount=0\r\nA0=door1\r\n");
    ASSERT_TRUE(managers::appendToActionIndex(index(), "chest", ec));
    EXPECT_EQ(indexBytes(), "[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=chest\r\n");

    writeIndex("; hand\r\n[ACTIONS]\r\nA0=x\r\nCount = 1\r\n\r\n[OTHER]\r\nk=v\r\n");
    ASSERT_TRUE(managers::appendToActionIndex(index(), "well", ec));
    EXPECT_EQ(indexBytes(),
              "; hand\r\n[ACTIONS]\r\nA0=x\r\nCount=2\r\nA2=well\r\n\r\n[OTHER]\r\nk=v\r\n");
}

TEST_F(ActionIndex, RenamingSetsOneEntry) {
    writeIndex("[ACTIONS]\r\nCount=2\r\nA0=a\r\nA1=b\r\nA2=c\r\n");
    ASSERT_TRUE(managers::renameActionIndexEntry(index(), 1, "bee", ec));
    EXPECT_EQ(indexBytes(), "[ACTIONS]\r\nCount=2\r\nA0=a\r\nA1=bee\r\nA2=c\r\n");
}

TEST_F(ActionIndex, TakingAnEntryOutMovesTheLaterOnesDown) {
    const std::string three = "[ACTIONS]\r\nCount=2\r\nA0=a\r\nA1=b\r\nA2=c\r\n";
    EXPECT_EQ(managers::indexBytesWithout(three, 0, 2), "[ACTIONS]\r\nCount=1\r\nA0=b\r\nA1=c\r\n");
    EXPECT_EQ(managers::indexBytesWithout(three, 1, 2), "[ACTIONS]\r\nCount=1\r\nA0=a\r\nA1=c\r\n");
    EXPECT_EQ(managers::indexBytesWithout(three, 2, 2), "[ACTIONS]\r\nCount=1\r\nA0=a\r\nA1=b\r\n");
    EXPECT_EQ(managers::indexBytesWithout("[ACTIONS]\r\nCount=0\r\nA0=a\r\n", 0, 0),
              "[ACTIONS]\r\nCount=-1\r\n");
    // Blanks, letter case and quotes of the lines stay; entries past the
    // last listed one, other keys and other sections are not touched; a
    // missing entry stays missing one place lower.
    EXPECT_EQ(managers::indexBytesWithout("[OTHER]\r\nA1=o\r\n[actions]\r\n  a1 = \"b\"\r\n"
                                          "Count=3\r\nA0=a\r\nA01=z\r\nA3=d\r\nA4=past\r\n"
                                          "[ACTIONS]\r\nA2=second\r\n",
                                          0, 3),
              "[OTHER]\r\nA1=o\r\n[actions]\r\n  a0 = \"b\"\r\nCount=2\r\nA01=z\r\nA2=d\r\n"
              "A4=past\r\n[ACTIONS]\r\nA2=second\r\n");
    // A last line without a line end.
    EXPECT_EQ(managers::indexBytesWithout("[ACTIONS]\r\nCount=1\r\nA0=a\r\nA1=b", 0, 1),
              "[ACTIONS]\r\nCount=0\r\nA0=b");

    writeIndex(three);
    ASSERT_TRUE(managers::removeActionIndexEntry(index(), 1, ec));
    EXPECT_EQ(indexBytes(), "[ACTIONS]\r\nCount=1\r\nA0=a\r\nA1=c\r\n");
    EXPECT_FALSE(managers::removeActionIndexEntry(index(), 2, ec)) << "no such entry";
    EXPECT_EQ(indexBytes(), "[ACTIONS]\r\nCount=1\r\nA0=a\r\nA1=c\r\n");
}

TEST_F(ActionIndex, ANewNameIsFilteredUniqueAndNamesNoFile) {
    world.root().write("Maps/M/taken", "");
    const std::vector<std::string> listed = {"door1", "Chest"};
    const auto check = [&](std::string_view name) {
        return managers::checkNewActionName(folder(), listed, name);
    };
    EXPECT_EQ(check("well_2[a]-b"), ActionNameProblem::None);
    EXPECT_EQ(check(""), ActionNameProblem::Empty);
    for (const char* bad : {"a b", "a.b", "..", "a\\b", "a/b", "\xE4\xEE\xEC", "a:b"})
        EXPECT_EQ(check(bad), ActionNameProblem::Character) << bad;
    EXPECT_EQ(check(std::string(255, 'n')), ActionNameProblem::None);
    EXPECT_EQ(check(std::string(256, 'n')), ActionNameProblem::TooLong);
    EXPECT_EQ(check("chest"), ActionNameProblem::InIndex);
    EXPECT_EQ(check("taken"), ActionNameProblem::FileExists);
    EXPECT_EQ(check("TAKEN"), ActionNameProblem::FileExists) << "names compare without case";
    EXPECT_EQ(managers::checkNewActionName(
                  folder(), std::vector<std::string>(managers::kMostActions, "x"), "fresh"),
              ActionNameProblem::TooManyActions);
}

TEST_F(ActionIndex, AnyIndexOfTheMapCanNameAnAction) {
    writeIndex("[ACTIONS]\r\nCount=0\r\nA0=door1\r\n");
    world.root().write("Maps/M/cave.actl", "[ACTIONS]\r\nCount=1\r\nA0=x\r\nA1=Shared\r\n");
    world.root().write("Maps/M/old.actl", "[ACTIONS]\r\nCount=0\r\n");
    EXPECT_TRUE(managers::anyIndexNames(folder(), "door1"));
    EXPECT_TRUE(managers::anyIndexNames(folder(), "shared"));
    EXPECT_FALSE(managers::anyIndexNames(folder(), "A1"));
    EXPECT_FALSE(managers::anyIndexNames(folder(), "none"));
    std::filesystem::create_directories(world.root().path() / "Maps/M/odd.actl");
    EXPECT_FALSE(managers::anyIndexNames(folder(), "none")) << "folders are no indexes";
}
