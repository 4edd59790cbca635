// A child running one operation of the actions manager (creating, saving,
// renaming or removing an action) is killed with SIGKILL at random moments.
// Every file is then in its complete old or new state, and the files agree:
// an index never names an action file that is missing or incomplete, and
// the grid is renumbered whenever the index has lost its entry.

#include "hardening/kill_scenarios.h"
#include "hardening/killable_child.h"

#include "model/location_fixture.h"
#include "test_support/byte_difference.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <random>

namespace fs = std::filesystem;
using namespace std::chrono;
using hardening::KillableChild;

namespace {

const char* const kChild = MAPEDIT_SAVE_CHILD;
constexpr std::int32_t kSide = 300;

using Files = std::map<std::string, std::optional<std::string>>;

class KillDuringActionWrite : public ::testing::Test {
protected:
    void SetUp() override {
        const unsigned seed = std::random_device()();
        random.seed(seed);
        RecordProperty("seed", static_cast<int>(seed));
        trace.emplace(__FILE__, __LINE__, "random seed " + std::to_string(seed));
    }

    fs::path mapFolder() const { return world.root().path() / "Maps" / hardening::kMap; }

    // The map as every operation finds it.
    void restore() const {
        fs::remove_all(mapFolder());
        const std::string map = std::string("Maps/") + hardening::kMap + "/";
        world.root().write(map + "main.actl", hardening::kActionIndex);
        world.root().write(map + "first", hardening::kFirstAction);
        world.root().write(map + "second", hardening::kSecondAction);
        world.root().write(map + "main.map",
                           hardening::seededGridBytes(kSide, hardening::kActionGridSeed));
    }

    Files files() const {
        Files found;
        for (const char* name : {"main.actl", "first", "second", "made", "moved", "main.map"}) {
            const fs::path file = mapFolder() / name;
            found[name] =
                fs::exists(file) ? std::optional(testing_support::readNative(file)) : std::nullopt;
        }
        return found;
    }

    // The files before and after `operation` run here, and how long it takes.
    std::pair<Files, Files> states(const std::string& operation, microseconds& took) {
        restore();
        const Files before = files();
        const auto start = steady_clock::now();
        EXPECT_TRUE(hardening::runActionOperation(operation, kSide));
        took = duration_cast<microseconds>(steady_clock::now() - start);
        return {before, files()};
    }

    // Kills the operation in a child `kills` times; `check` sees the files
    // with those before and after, and returns whether they are the final ones.
    template <class Check> void killRepeatedly(const std::string& operation, Check check) {
        microseconds took{};
        const auto [before, after] = states(operation, took);
        ASSERT_NE(before, after);
        int unfinished = 0;
        for (int kill = 0; kill < 25; ++kill) {
            SCOPED_TRACE("kill " + std::to_string(kill));
            restore();
            {
                KillableChild child(kChild, {"action", world.root().path().string(), operation,
                                             std::to_string(kSide)});
                ASSERT_TRUE(child.waitUntilReady());
                const microseconds delay(
                    std::uniform_int_distribution<long>(0, (took + took / 2).count())(random));
                child.killAfter(delay);
            }
            const Files found = files();
            for (const auto& [name, content] : found) {
                const bool complete = content == before.at(name) || content == after.at(name);
                ASSERT_TRUE(complete) << name << " is in no complete state";
            }
            if (!check(found, before, after))
                ++unfinished;
        }
        EXPECT_GT(unfinished, 0) << "no kill came before the operation was complete";
    }

    testing_support::WorldFolder world;
    std::mt19937 random;
    std::optional<testing::ScopedTrace> trace;
};

// Whether `file` is in its state of `state`.
bool as(const Files& found, const Files& state, const char* file) {
    return found.at(file) == state.at(file);
}

} // namespace

TEST_F(KillDuringActionWrite, ACreatedActionIsCompleteBeforeTheIndexNamesIt) {
    killRepeatedly("create", [](const Files& found, const Files&, const Files& after) {
        if (as(found, after, "main.actl")) {
            EXPECT_TRUE(as(found, after, "made")) << "the index names an incomplete file";
        }
        return as(found, after, "main.actl");
    });
}

TEST_F(KillDuringActionWrite, ASavedActionHoldsItsOldOrItsNewSteps) {
    killRepeatedly("save", [](const Files& found, const Files& before, const Files& after) {
        EXPECT_TRUE(as(found, before, "main.actl"));
        return as(found, after, "second");
    });
}

TEST_F(KillDuringActionWrite, ARenameRemovesTheOldFileOnlyAfterTheIndexNamesTheNewOne) {
    killRepeatedly("rename", [](const Files& found, const Files& before, const Files& after) {
        if (as(found, after, "main.actl")) {
            EXPECT_TRUE(as(found, after, "moved"));
        } else {
            EXPECT_TRUE(as(found, before, "second")) << "the index names a removed file";
        }
        return as(found, after, "second");
    });
}

TEST_F(KillDuringActionWrite, ARemovalSavesTheRenumberedGridBeforeTheIndexLosesTheEntry) {
    killRepeatedly("remove", [](const Files& found, const Files& before, const Files& after) {
        if (as(found, after, "main.actl")) {
            EXPECT_TRUE(as(found, after, "main.map")) << "cells point past their actions";
        } else {
            EXPECT_TRUE(as(found, before, "first"));
        }
        return as(found, after, "first");
    });
}
