#include "canvas/catalogue_count.h"
#include "canvas/earth_structure.h"
#include "canvas/object_structure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using canvas::CountReading;
using canvas::readCount;

TEST(EarthStructure, CountRecreatesOrEmptiesTheLists) {
    canvas::EarthStructure earths;
    earths.setEarthsFile({"a.bmp", "b.bmp"});
    earths.setEarthsCount(0);
    EXPECT_EQ(earths.EarthsFile(), std::vector<std::string>{""}) << "Count 0 is one entry";
    earths.setEarthsCount(3);
    EXPECT_EQ(earths.EarthsName(), std::vector<std::string>(4));
    earths.setEarthsCount(-1);
    EXPECT_TRUE(earths.EarthsFile().empty());
    EXPECT_TRUE(earths.EarthsName().empty());
    EXPECT_EQ(earths.EarthsCount(), -1);
}

TEST(ObjectStructure, ListsAreCopiesInAndOut) {
    canvas::ObjectStructure objects;
    objects.setObjectsCount(1);
    EXPECT_EQ(objects.ObjectsMask().size(), 2u);
    std::vector<std::string> names = {"Tree", "Rock", "Well"};
    objects.setObjectsName(names);
    names[0] = "changed";
    auto copy = objects.ObjectsName();
    copy[1] = "changed";
    EXPECT_EQ(objects.ObjectsName(), (std::vector<std::string>{"Tree", "Rock", "Well"}));
    objects.setObjectsCount(-5);
    EXPECT_TRUE(objects.ObjectsPic().empty());
    EXPECT_TRUE(objects.ObjectsName().empty());
}

TEST(CatalogueCount, WholeAndRoundedNumbers) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {{"0", 0},     {"12", 12}, {"  7 ", 7},     {"+3", 3},   {"-1", -1},
                          {"2.5", 2},   {"3.5", 4}, {"2.51", 3},     {"1.49", 1}, {"-2.5", -2},
                          {"-3.5", -4}, {"0.5", 0}, {"4.", 4},       {".6", 1},   {"007", 7},
                          {"-0", 0},    {"\t9", 9}, {"32767", 32767}};
    for (const Case& c : cases) {
        const CountReading reading = readCount(c.text, -32768, 32767);
        EXPECT_EQ(reading.status, CountReading::Status::Ok) << '"' << c.text << '"';
        EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
    }
}

TEST(CatalogueCount, TextsThatAreNotNumbers) {
    for (const char* text : {"", " ", "abc", "1 2", "5a", "-", ".", "1.2.3", "0x10", "1e2", "--1"})
        EXPECT_EQ(readCount(text, -32768, 32767).status, CountReading::Status::NotANumber)
            << '"' << text << '"';
}

TEST(CatalogueCount, NumbersOutsideTheIntegerRange) {
    EXPECT_EQ(readCount("32768", -32768, 32767).status, CountReading::Status::OutOfRange);
    EXPECT_EQ(readCount("32767.5", -32768, 32767).status, CountReading::Status::OutOfRange)
        << "rounds up past the range";
    EXPECT_EQ(readCount("-32768", -32768, 32767).value, -32768);
    EXPECT_EQ(readCount("99999999999999999999999", std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max())
                  .status,
              CountReading::Status::OutOfRange);
}
