// A child process saving a large location, creating a location or writing an
// INI value is killed with SIGKILL at random moments. After every kill the
// target holds its complete old or its complete new content, never a mix, and
// the next successful save leaves no temporary file behind.

#include "hardening/kill_scenarios.h"
#include "hardening/killable_child.h"
#include "hardening/leftovers.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/location_fixture.h"
#include "model/notes_file.h"
#include "support/mdl_ini.h"
#include "test_support/byte_difference.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace fs = std::filesystem;
using namespace std::chrono;
using hardening::KillableChild;
using testing_support::WorldFolder;

namespace {

const char* const kChild = MAPEDIT_SAVE_CHILD;

// The complete states a file may be found in; nullopt stands for "missing".
testing::AssertionResult isOneOf(const fs::path& file,
                                 const std::vector<std::optional<std::string>>& states) {
    std::optional<std::string> found;
    if (fs::exists(file))
        found = testing_support::readNative(file);
    for (const auto& state : states) {
        if (state == found)
            return testing::AssertionSuccess();
    }
    auto failure = testing::AssertionFailure() << file.filename().string() << " is ";
    if (!found)
        return failure << "missing";
    failure << "in no complete state (" << found->size() << " bytes)";
    for (const auto& state : states) {
        if (state)
            failure << "; against one: " << testing_support::difference(*found, *state);
    }
    return failure;
}

// How long an operation takes here, to spread the kills over it.
template <class Operation> microseconds duration(Operation operation) {
    const auto start = steady_clock::now();
    operation();
    return duration_cast<microseconds>(steady_clock::now() - start);
}

class KillDuringSave : public ::testing::Test {
protected:
    void SetUp() override {
        const unsigned seed = std::random_device()();
        random.seed(seed);
        RecordProperty("seed", static_cast<int>(seed));
        trace.emplace(__FILE__, __LINE__, "random seed " + std::to_string(seed));
        fs::create_directories(mapFolder());
    }

    fs::path mapFolder() const { return world.root().path() / "Maps" / hardening::kMap; }
    std::string rootArgument() const { return world.root().path().string(); }

    microseconds randomDelay(microseconds longest) {
        return microseconds(std::uniform_int_distribution<long>(0, longest.count())(random));
    }

    WorldFolder world;
    std::mt19937 random;
    std::optional<testing::ScopedTrace> trace;
};

TEST_F(KillDuringSave, ALargeLocationHoldsItsOldOrItsNewGridAndKeepsItsTail) {
    constexpr std::int32_t side = 1000; // 8 MB a save
    const std::string file = model::locationFiles(hardening::kMap, "main").grid;
    const fs::path native = mapFolder() / "main.map";
    const std::string tail = testing_support::randomBytes(4096, 9);
    const std::string first = hardening::seededGridBytes(side, 1) + tail;
    const std::string second = hardening::seededGridBytes(side, 2) + tail;
    world.writeGrid(hardening::kMap, "main", first);

    const model::LocationGrid grid = hardening::seededGrid(side, 1);
    std::error_code ec;
    const microseconds save = duration([&] { ASSERT_TRUE(model::writeGridFile(file, grid, ec)); });
    int interrupted = 0;
    for (int kill = 0; kill < 30; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        KillableChild child(kChild, {"grid", rootArgument(), std::to_string(side)});
        ASSERT_TRUE(child.waitUntilReady());
        ASSERT_TRUE(child.killAfter(randomDelay(3 * save))) << "the child ended by itself";
        ASSERT_TRUE(isOneOf(native, {first, second}));
        interrupted += !hardening::leftovers(mapFolder()).empty();

        ASSERT_TRUE(model::writeGridFile(file, grid, ec)) << ec.message();
        EXPECT_EQ(hardening::leftovers(mapFolder()), std::vector<std::string>{});
        ASSERT_TRUE(isOneOf(native, {first}));
    }
    EXPECT_GT(interrupted, 0) << "no kill came in the middle of a save";
}

TEST_F(KillDuringSave, ACreatedLocationExistsOnlyWithAllItsFilesComplete) {
    constexpr std::int32_t side = 300;
    const std::string size = std::to_string(side);
    const std::string grid = hardening::seededGridBytes(side, 3);
    const std::string notes = hardening::creationNotes(side) + "\r\n";
    // The configuration as one write of all its keys leaves it.
    const model::LocationFiles sample = model::locationFiles(hardening::kMap, "sample");
    std::string config;
    const microseconds creation = duration([&] {
        std::error_code ec;
        ASSERT_TRUE(model::writeLocationConfig(sample.config, size, size, true, ec));
        ASSERT_TRUE(model::writeGridFile(sample.grid, hardening::seededGrid(side, 3), ec));
        ASSERT_TRUE(model::writeNotesFile(sample.notes, hardening::creationNotes(side), ec));
    });
    config = testing_support::readNative(mapFolder() / "sample.config");

    int unfinished = 0;
    for (int kill = 0; kill < 30; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const std::string name = "made" + std::to_string(kill);
        {
            KillableChild child(kChild, {"create", rootArgument(), name, size});
            ASSERT_TRUE(child.waitUntilReady());
            child.killAfter(randomDelay(creation + creation / 2));
        }
        const fs::path base = mapFolder() / name;
        ASSERT_TRUE(isOneOf(fs::path(base).concat(".map"), {std::nullopt, grid}));
        ASSERT_TRUE(isOneOf(fs::path(base).concat(".inf"), {std::nullopt, notes}));
        ASSERT_TRUE(isOneOf(fs::path(base).concat(".config"), {std::nullopt, config}));
        if (fs::exists(fs::path(base).concat(".config"))) {
            // The location exists: everything written before it is complete.
            ASSERT_TRUE(isOneOf(fs::path(base).concat(".map"), {grid}));
            ASSERT_TRUE(isOneOf(fs::path(base).concat(".inf"), {notes}));
        } else {
            ++unfinished;
        }

        const model::LocationFiles files = model::locationFiles(hardening::kMap, name);
        std::error_code ec;
        ASSERT_TRUE(model::writeGridFile(files.grid, hardening::seededGrid(side, 3), ec));
        ASSERT_TRUE(model::writeNotesFile(files.notes, hardening::creationNotes(side), ec));
        ASSERT_TRUE(model::writeLocationConfig(files.config, size, size, true, ec));
        EXPECT_EQ(hardening::leftovers(mapFolder()), std::vector<std::string>{});
        ASSERT_TRUE(isOneOf(fs::path(base).concat(".config"), {config}));
    }
    EXPECT_GT(unfinished, 0) << "no kill came before the location was complete";
}

TEST_F(KillDuringSave, AnIniFileHoldsItsOldOrItsNewValueWithEveryOtherLine) {
    const std::string file =
        world.root().text() + "Maps\\" + hardening::kMap + "\\" + hardening::kMap + ".mpc";
    const fs::path native = mapFolder() / (std::string(hardening::kMap) + ".mpc");
    world.root().write(std::string("Maps/") + hardening::kMap + "/" + hardening::kMap + ".mpc",
                       "; made by hand\r\n[CONFIG]\r\nResources=Resources\r\nDescription=\r\n"
                       "Author=someone\r\n\r\n[OTHER]\r\nkey=value");
    // The two complete states, as the same writes leave them in this process.
    mdlINI::WriteIni(file, "CONFIG", "Description", hardening::iniValue(2));
    const std::string second = testing_support::readNative(native);
    const microseconds write =
        duration([&] { mdlINI::WriteIni(file, "CONFIG", "Description", hardening::iniValue(1)); });
    const std::string first = testing_support::readNative(native);
    ASSERT_NE(first, second);

    int interrupted = 0;
    for (int kill = 0; kill < 40; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        KillableChild child(kChild, {"ini", file});
        ASSERT_TRUE(child.waitUntilReady());
        ASSERT_TRUE(child.killAfter(randomDelay(3 * write))) << "the child ended by itself";
        ASSERT_TRUE(isOneOf(native, {first, second}));
        interrupted += !hardening::leftovers(mapFolder()).empty();

        std::error_code ec;
        ASSERT_TRUE(
            mdlINI::WriteIniReporting(file, "CONFIG", "Description", hardening::iniValue(2), ec));
        ASSERT_TRUE(
            mdlINI::WriteIniReporting(file, "CONFIG", "Description", hardening::iniValue(1), ec));
        EXPECT_EQ(hardening::leftovers(mapFolder()), std::vector<std::string>{});
        ASSERT_TRUE(isOneOf(native, {first}));
    }
    EXPECT_GT(interrupted, 0) << "no kill came in the middle of a write";
}

} // namespace
