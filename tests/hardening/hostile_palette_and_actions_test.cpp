// editor.ini and the action files are written by hand or by other tools: odd
// counts, gaps and odd footprints give a palette and an action list the
// designer can still work with, and counts in the billions cost no more than
// the most a palette or a cell's action number can reach.

#include "model/action_files.h"
#include "model/palette_file.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using testing_support::TempFolder;
using Cells = std::vector<std::pair<int, int>>;

namespace {

class HostilePalette : public ::testing::Test {
protected:
    std::vector<std::string> categoriesOf(const std::string& editorIni) {
        folder.write("Resources/editor.ini", editorIni);
        return palette().categoryNames();
    }
    editor::PaletteFile palette() const {
        return editor::PaletteFile(folder.text() + "Resources\\");
    }

    TempFolder folder;
};

TEST_F(HostilePalette, CategoryCountsThatAreNoUsableNumberGiveNoCategories) {
    EXPECT_TRUE(palette().categoryNames().empty()) << "no editor.ini";
    for (const char* count : {"2000000000", "40000", "-5", "abc", "1.5", ""}) {
        SCOPED_TRACE(count);
        EXPECT_TRUE(categoriesOf(std::string("[CATAGORIES]\r\nCount=") + count + "\r\n").empty());
    }
    // The largest 16-bit Count still lists every category, missing names
    // standing in as "Noname".
    const auto names = categoriesOf("[CATAGORIES]\r\nCount=32767\r\nCategory5=five\r\n");
    ASSERT_EQ(names.size(), 32768u);
    EXPECT_EQ(names[5], "five");
    EXPECT_EQ(names[32767], "Noname");
}

TEST_F(HostilePalette, EntriesWithoutDataOrCatalogueStillList) {
    folder.write("Resources/editor.ini",
                 "[CATEGORY-0]\r\nCount=32767\r\nDefaultSource=missing.ini\r\nData3=OBJ-3\r\n"
                 "Data9=7OBJ-x\r\nSource9=cat.ini\r\n[CATEGORY-1]\r\nCount=9\r\nData0=\r\n");
    folder.write("Resources/cat.ini", "[7OBJ-x]\r\nName=seven\r\nBlock=\r\n");
    const auto entries = palette().entries(0);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Unknown"); // its catalogue is missing
    EXPECT_EQ(entries[0].code, 3);
    EXPECT_EQ(entries[1].name, "seven");
    EXPECT_EQ(entries[1].code, 7);
    EXPECT_TRUE(palette().entries(1).empty()) << "an empty Data value lists nothing";
    EXPECT_TRUE(palette().entries(-1).empty());

    const editor::PaletteFile::EntryDetails missing = palette().entry(0, 3);
    EXPECT_TRUE(missing.exists);
    EXPECT_EQ(missing.picture, "");
    EXPECT_FALSE(palette().entry(0, 4).exists);
    EXPECT_FALSE(palette().entry(0, -1).exists);
}

TEST(HostileFootprint, EveryCharacterButZeroMarksItsCellAndNothingElse) {
    EXPECT_EQ(editor::footprintCells(""), Cells{});
    EXPECT_EQ(editor::footprintCells(",,,"), Cells{});
    // Blanks inside a row mark their cells; only those at its ends are dropped.
    EXPECT_EQ(editor::footprintCells("\t 1 0x\t,,0 0"), (Cells{{0, 0}, {0, 1}, {0, 3}, {2, 1}}));
    EXPECT_EQ(editor::footprintCells(std::string("\xC0\0"
                                                 "1",
                                                 3)),
              (Cells{{0, 0}, {0, 1}, {0, 2}}));
    // A long footprint marks many cells but never more than it has characters.
    EXPECT_EQ(editor::footprintCells(std::string(1023, '1')).size(), 1023u);
}

class HostileActions : public ::testing::Test {
protected:
    std::string mapFolder() const { return folder.text() + "Maps\\Default\\"; }
    std::vector<std::string> index(const std::string& bytes) {
        folder.write("Maps/Default/main.actl", bytes);
        return managers::readActionIndex(mapFolder() + "main.actl");
    }
    TempFolder folder;
};

TEST_F(HostileActions, IndexCountsGiveNoMoreActionsThanACellCanName) {
    EXPECT_TRUE(managers::readActionIndex(mapFolder() + "main.actl").empty()) << "no index";
    for (const char* count : {"-1", "x", "99999999999", ""}) {
        SCOPED_TRACE(count);
        EXPECT_TRUE(index(std::string("[ACTIONS]\r\nCount=") + count + "\r\n").empty());
    }
    const auto names = index("[ACTIONS]\r\nCount=2000000000\r\nA1=door\r\nA65534=last\r\n"
                             "A65535=beyond\r\n");
    ASSERT_EQ(names.size(), static_cast<std::size_t>(managers::kMostActions));
    EXPECT_EQ(names[0], "Noname");
    EXPECT_EQ(names[1], "door");
    EXPECT_EQ(names.back(), "last");
}

TEST_F(HostileActions, StepCountsAndTypesInAnyFormReadOnlyKnownSteps) {
    folder.write("Maps/Default/talk",
                 "[ACTION]\r\nActionCount=2000000000\r\nActionType=TELL\r\nText=a/nb\r\n"
                 "Type=many\r\nActionType65534=question\r\nText65534=last\r\nOk65534=yes\r\n"
                 "ActionType65535=question\r\nText65535=beyond\r\n");
    const managers::ActionFields fields = managers::readActionFields(mapFolder(), "talk");
    EXPECT_EQ(fields.tellText, "a\r\nb");
    EXPECT_EQ(fields.tellStyle, -1) << "a Type that is no number";
    EXPECT_EQ(fields.questionText, "last");
    EXPECT_EQ(fields.questionOk, "yes");

    folder.write("Maps/Default/odd", "[ACTION]\r\nActionCount=-7\r\nActionType=teleport\r\n");
    const managers::ActionFields odd = managers::readActionFields(mapFolder(), "odd");
    EXPECT_EQ(odd.tellText, "");
    EXPECT_EQ(odd.questionText, "");
    for (const char* name : {"", ".", "..", "a\\b", "a/b", "C:x"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(managers::staysInMapFolder(name));
    }
}

} // namespace
