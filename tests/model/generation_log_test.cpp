#include "location_fixture.h"
#include "model/generation_log.h"

#include <gtest/gtest.h>

using namespace model;

namespace {
const LocalTime kMorning{5, 3, 2024, 7, 4, 9};
}

TEST(GenerationLog, LinesCarryAZeroPaddedStamp) {
    EXPECT_EQ(genLogLine("x", kMorning), "05.03.2024 07:04:09>> x");
    EXPECT_EQ(genLogLine("", LocalTime{31, 12, 999, 23, 59, 58}), "31.12.0999 23:59:58>> ");
}

TEST(GenerationLog, AppendsLinesEndedByCrLf) {
    testing_support::WorldFolder world;
    std::error_code ec;
    ASSERT_TRUE(appendGenLog(world.root().text() + "worldgen.log", "first", kMorning, ec));
    ASSERT_TRUE(WriteGenLog("second", ec));
    const std::string log = world.root().read("worldgen.log");
    const std::string first = "05.03.2024 07:04:09>> first\r\n";
    EXPECT_EQ(log.substr(0, first.size()), first);
    ASSERT_EQ(log.size(), first.size() + 19 + 11);
    EXPECT_EQ(log.substr(first.size() + 19), ">> second\r\n");
}

TEST(GenerationLog, AFullLogIsDeletedBeforeTheNextLine) {
    testing_support::WorldFolder world;
    const std::string file = world.root().text() + "worldgen.log";
    const std::string line = genLogLine("x", kMorning) + "\r\n";
    std::error_code ec;

    world.root().write("worldgen.log", std::string(523775, 'a'));
    ASSERT_TRUE(appendGenLog(file, "x", kMorning, ec));
    EXPECT_EQ(world.root().read("worldgen.log").size(), 523775 + line.size());

    world.root().write("worldgen.log", std::string(523776, 'a'));
    ASSERT_TRUE(appendGenLog(file, "x", kMorning, ec));
    EXPECT_EQ(world.root().read("worldgen.log"), line);
}

TEST(GenerationLog, SizesRoundToTheNearestKilobyteTiesToEven) {
    EXPECT_FALSE(genLogIsFull(0));
    EXPECT_FALSE(genLogIsFull(511 * 1024 + 511));
    EXPECT_TRUE(genLogIsFull(511 * 1024 + 512)); // 511.5 rounds to 512
    EXPECT_TRUE(genLogIsFull(512 * 1024 + 512)); // 512.5 rounds to 512
    EXPECT_TRUE(genLogIsFull(100u << 20));
}

TEST(GenerationLog, AFolderThatCannotTakeTheLogReportsTheFailure) {
    testing_support::WorldFolder world;
    std::error_code ec;
    EXPECT_FALSE(appendGenLog(world.root().text() + "missing\\worldgen.log", "x", kMorning, ec));
    EXPECT_TRUE(ec);
}
