// Location files that are not what their names promise: each is refused with
// a message naming what is wrong, and nothing of the location changes.

#include "hardening/load_messages.h"

#include "model/grid_file.h"
#include "model/location_fixture.h"
#include "model/location_loader.h"
#include "test_support/process.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(HostileLocationFiles, AConfigurationThatCannotBeReadIsRefusedWithItsReason) {
    testing_support::WorldFolder world;
    fs::create_directories(world.root().path() / "Maps/M/main.config");
    world.writeGrid("M", "main", std::string(16, '\0'));
    model::LocationGrid grid;
    hardening::LoadMessages messages;
    EXPECT_EQ(model::LoadMap(grid, "M", "main", messages), model::LoadOutcome::Refused);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.icons[0], model::MessageIcon::Critical);
    EXPECT_TRUE(mentions(messages.texts[0], "файл параметров локации не удалось прочитать"))
        << messages.texts[0];
    EXPECT_EQ(messages.events, 0) << "nothing changed";
}

TEST(HostileLocationFiles, TheCommandLineToolNamesAnOversizedConfiguration) {
    testing_support::WorldFolder world;
    const fs::path config = world.root().path() / "Maps/M/main.config";
    fs::create_directories(config.parent_path());
    { std::ofstream(config) << "[CONFIG]\r\nWidth=1\r\nHeight=1\r\n"; }
    fs::resize_file(config, std::uint64_t{40} << 20);
    world.writeGrid("M", "main", std::string(16, '\0'));
    const testing_support::ProcessResult result = testing_support::runProcess(
        MAPEDIT_CLI, {"info", "--root", world.root().path().string(), "--map", "M"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(mentions(result.err, "cannot be read: File too large")) << result.err;
}

// A location without columns takes no memory however many rows it claims, but
// its row count must still be a 32-bit number, and its rows cost no time.
TEST(HostileLocationFiles, RowsWithoutCellsCostNeitherMemoryNorTime) {
    testing_support::WorldFolder world;
    world.writeGrid("M", "main", std::string(16, '\x07'));
    world.writeConfig("M", "main", 0, 2147483647);
    model::LocationGrid grid;
    hardening::LoadMessages messages;
    EXPECT_EQ(model::LoadMap(grid, "M", "main", messages), model::LoadOutcome::Refused);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(mentions(messages.texts[0], "Height = 2147483647 слишком велика"))
        << messages.texts[0];
    EXPECT_EQ(messages.events, 0);

    grid.setMapWidth(0);
    grid.setMapHeight(2147483647);
    grid.CreatMap(0);
    EXPECT_NE(grid.ErrorMessage().find("Overflow"), std::string::npos) << grid.ErrorMessage();

    // One row fewer loads at once, and saving it leaves the file's bytes.
    world.writeConfig("M", "main", 0, 2147483646);
    hardening::LoadMessages loaded;
    EXPECT_EQ(model::LoadMap(grid, "M", "main", loaded), model::LoadOutcome::Loaded);
    EXPECT_EQ(grid.rowCount(model::Layer::Guards), 2147483647);
    std::error_code ec;
    ASSERT_TRUE(model::writeGridFile(world.root().text() + "Maps\\M\\main.map", grid, ec))
        << ec.message();
    EXPECT_EQ(world.readGrid("M", "main"), std::string(16, '\x07'));
}

} // namespace
