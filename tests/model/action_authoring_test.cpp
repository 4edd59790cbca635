// Creating, saving, renaming and removing actions on disk: the files and the
// index each operation leaves, the order that keeps them consistent when a
// write fails, and files kept while another index names them.
#include "location_fixture.h"
#include "model/action_authoring.h"
#include "model/grid_file.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using managers::ActionStep;

namespace {

ActionStep tellStep(std::string text) {
    ActionStep step;
    step.text = std::move(text);
    return step;
}

class ActionFiles : public testing::Test {
protected:
    ActionFiles() {
        location.mapFolder = world.root().text() + "Maps\\M\\";
        location.indexFile = location.mapFolder + "yard.actl";
        write("yard.actl", "[ACTIONS]\r\nCount=2\r\nA0=door1\r\nA1=chest\r\nA2=well\r\n");
    }
    void write(const std::string& name, const std::string& bytes) const {
        world.root().write("Maps/M/" + name, bytes);
    }
    std::string read(const std::string& name) const { return world.root().read("Maps/M/" + name); }
    bool exists(const std::string& name) const {
        return fs::exists(world.root().path() / "Maps" / "M" / name);
    }
    // Makes a file impossible to write: a folder of its name.
    void block(const std::string& name) const {
        fs::remove(world.root().path() / "Maps" / "M" / name);
        fs::create_directories(world.root().path() / "Maps" / "M" / name / "x");
    }

    testing_support::WorldFolder world;
    managers::LocationActions location;
};

} // namespace

TEST_F(ActionFiles, ACreatedActionIsWrittenThenAppendedToTheIndex) {
    ASSERT_FALSE(managers::createAction(location, "talk", {tellStep("Hi")}));
    EXPECT_EQ(read("talk"),
              "[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=Hi\r\nType=0\r\n");
    EXPECT_EQ(read("yard.actl"),
              "[ACTIONS]\r\nCount=3\r\nA0=door1\r\nA1=chest\r\nA2=well\r\nA3=talk\r\n");

    write("held", "keep me");
    const managers::ActionFileFailure clash =
        managers::createAction(location, "held", {tellStep("")});
    EXPECT_TRUE(clash);
    EXPECT_EQ(read("held"), "keep me");

    const std::string index = read("yard.actl");
    EXPECT_TRUE(managers::createAction(location, "..\\up", {tellStep("")}));
    EXPECT_FALSE(fs::exists(world.root().path() / "Maps" / "up"));
    EXPECT_EQ(read("yard.actl"), index);
}

TEST_F(ActionFiles, ACreationWhoseIndexCannotBeWrittenLeavesNoFile) {
    block("yard.actl");
    const managers::ActionFileFailure failure =
        managers::createAction(location, "talk", {tellStep("Hi")});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure.file, location.indexFile);
    EXPECT_FALSE(exists("talk"));
}

TEST_F(ActionFiles, SavingUnderTheSameNameChangesOnlyTheStepsLines) {
    write("chest", "[ACTION]\r\nActionType=tell\r\nText=old\r\nExtra=1\r\n");
    const auto result = managers::saveAction(location, 1, "chest", "chest",
                                             {ActionStep{"tell", "new\r\ntext", "0", "", "", 0}});
    EXPECT_FALSE(result.failure);
    EXPECT_EQ(read("chest"), "[ACTION]\r\nActionType=tell\r\nText=new/ntext\r\nExtra=1\r\n");
    EXPECT_EQ(read("yard.actl"), "[ACTIONS]\r\nCount=2\r\nA0=door1\r\nA1=chest\r\nA2=well\r\n");
    // A missing file is made with the steps.
    EXPECT_FALSE(managers::saveAction(location, 2, "well", "well", {tellStep("w")}).failure);
    EXPECT_EQ(read("well"), "[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=w\r\nType=0\r\n");
}

TEST_F(ActionFiles, ARenameWritesTheNewFileAndIndexThenRemovesTheOldFile) {
    write("chest", "; lid\r\n[ACTION]\r\nActionCount=1\r\nActionType=tell\r\nText=old\r\n"
                   "ActionType1=teleport\r\nTo1=cave\r\n");
    std::vector<ActionStep> steps = {ActionStep{"tell", "old", "0", "", "", 0},
                                     ActionStep{"teleport", "", "0", "", "", 1}};
    steps[0].text = "opened";
    const auto result = managers::saveAction(location, 1, "chest", "box", steps);
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.oldFileKept);
    EXPECT_FALSE(result.removal);
    EXPECT_EQ(read("box"),
              "; lid\r\n[ACTION]\r\nActionCount=1\r\nActionType=tell\r\nText=opened\r\n"
              "ActionType1=teleport\r\nTo1=cave\r\n");
    EXPECT_FALSE(exists("chest"));
    EXPECT_EQ(read("yard.actl"), "[ACTIONS]\r\nCount=2\r\nA0=door1\r\nA1=box\r\nA2=well\r\n");
}

TEST_F(ActionFiles, ARenamedActionsOldFileStaysWhileAnIndexNamesIt) {
    write("chest", "[ACTION]\r\nActionType=get\r\n");
    write("cave.actl", "[ACTIONS]\r\nCount=0\r\nA0=CHEST\r\n");
    const auto result =
        managers::saveAction(location, 1, "chest", "box", {ActionStep{"get", "", "0", "", "", 0}});
    EXPECT_FALSE(result.failure);
    EXPECT_TRUE(result.oldFileKept);
    EXPECT_EQ(read("chest"), "[ACTION]\r\nActionType=get\r\n");
    EXPECT_EQ(read("box"), "[ACTION]\r\nActionType=get\r\n");

    // The same index naming it in another entry keeps it as well.
    write("yard.actl", "[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=door1\r\n");
    write("door1", "[ACTION]\r\nActionType=fx\r\n");
    EXPECT_TRUE(
        managers::saveAction(location, 1, "door1", "door2", {ActionStep{"fx", "", "0", "", "", 0}})
            .oldFileKept);
    EXPECT_TRUE(exists("door1"));
    EXPECT_EQ(read("yard.actl"), "[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=door2\r\n");
}

TEST_F(ActionFiles, ARenameStopsAtTheFirstWriteThatFails) {
    write("chest", "[ACTION]\r\nActionType=get\r\n");
    const std::vector<ActionStep> steps = {ActionStep{"get", "", "0", "", "", 0}};
    block("yard.actl");
    auto result = managers::saveAction(location, 1, "chest", "box", steps);
    EXPECT_EQ(result.failure.file, location.indexFile);
    EXPECT_FALSE(exists("box")) << "the new file goes again";
    EXPECT_EQ(read("chest"), "[ACTION]\r\nActionType=get\r\n");

    write("box", "someone's");
    result = managers::saveAction(location, 1, "chest", "box", steps);
    EXPECT_EQ(result.failure.file, location.mapFolder + "box");
    EXPECT_EQ(read("box"), "someone's");
    EXPECT_TRUE(exists("chest"));
}

TEST_F(ActionFiles, RemovingSavesTheRenumberedGridThenTheIndexThenRemovesTheFile) {
    const std::string gridFile = location.mapFolder + "yard.map";
    model::LocationGrid grid = testing_support::emptyGrid(2, 1);
    grid.setCellValue(model::Layer::Doors, 0, 0, 1);
    grid.setCellValue(model::Layer::Doors, 1, 0, 2);
    grid.setCellValue(model::Layer::Doors, 0, 1, 3);
    grid.setCellValue(model::Layer::Doors, 1, 1, 2);
    write("chest", "[ACTION]\r\n");
    write("door1", "[ACTION]\r\n");
    write("cave.actl", "[ACTIONS]\r\nCount=0\r\nA0=door1\r\n");

    auto result = managers::removeAction(location, grid, gridFile, 1, "chest");
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.fileKept);
    // Records of 16 bytes: Earths 2, Objects 4, Predmets 2, Doors 4, Blocks 2, Guards 2.
    const std::string zeros8(8, '\0');
    EXPECT_EQ(read("yard.map"), zeros8 + std::string("\0\x01\0\0", 4) + std::string(4, '\0') +
                                    zeros8 + std::string("\0\x02\0\0", 4) + std::string(4, '\0'));
    EXPECT_EQ(read("yard.actl"), "[ACTIONS]\r\nCount=1\r\nA0=door1\r\nA1=well\r\n");
    EXPECT_FALSE(exists("chest"));

    result = managers::removeAction(location, grid, gridFile, 0, "door1");
    EXPECT_FALSE(result.failure);
    EXPECT_TRUE(result.fileKept) << "cave's index names it";
    EXPECT_TRUE(exists("door1"));
    EXPECT_EQ(read("yard.actl"), "[ACTIONS]\r\nCount=0\r\nA0=well\r\n");
    EXPECT_EQ(grid.cellValue(model::Layer::Doors, 0, 0), 0);
    EXPECT_EQ(grid.cellValue(model::Layer::Doors, 0, 1), 1);
}

TEST_F(ActionFiles, ARemovalWhoseGridCannotBeSavedWritesNothingElse) {
    model::LocationGrid grid = testing_support::emptyGrid(2, 1);
    grid.setCellValue(model::Layer::Doors, 0, 0, 2);
    write("chest", "[ACTION]\r\n");
    block("yard.map");
    const std::string index = read("yard.actl");
    const auto result =
        managers::removeAction(location, grid, location.mapFolder + "yard.map", 1, "chest");
    EXPECT_TRUE(result.gridFailed);
    EXPECT_EQ(result.failure.file, location.mapFolder + "yard.map");
    EXPECT_EQ(read("yard.actl"), index);
    EXPECT_TRUE(exists("chest"));
}
