// Several values of one section written in one save: the bytes are those of
// writing the values one after the other, and a save that changes nothing
// leaves the file alone.

#include "support/mdl_ini.h"
#include "test_support/byte_difference.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testing_support::TempFolder;

namespace {

struct Case {
    const char* name;
    const char* before; // nullptr: no file
};

const Case kCases[] = {
    {"no file", nullptr},
    {"empty file", ""},
    {"other section only", "[OTHER]\r\nWidth=5\r\n"},
    {"section with some keys", "[CONFIG]\r\nHeight=7\r\n\r\n[OTHER]\r\nx=1"},
    {"keys in another order", "; made by hand\r\n[config]\r\nRound=0\r\nwidth=1\r\nHEIGHT=2\r\n"},
    {"no line end at the end", "[CONFIG]\r\nWidth=120"},
};

TEST(WriteIniValues, GivesTheBytesOfWritingEachValueInTurn) {
    const mdlINI::IniValue values[] = {{"Width", "64"}, {"Height", "48"}, {"Round", "1"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TempFolder together, oneByOne;
        if (c.before) {
            together.write("a.config", c.before);
            oneByOne.write("a.config", c.before);
        }
        std::error_code ec;
        ASSERT_TRUE(mdlINI::WriteIniValues(together.text() + "a.config", "CONFIG", values, ec))
            << ec.message();
        for (const auto& v : values)
            mdlINI::WriteIni(oneByOne.text() + "a.config", "CONFIG", v.key, v.value);
        EXPECT_TRUE(
            testing_support::sameBytes(together.read("a.config"), oneByOne.read("a.config")));
    }
}

TEST(WriteIniValues, ASaveThatChangesNothingLeavesTheFileAsItIs) {
    TempFolder root;
    root.write("a.config", "[CONFIG]\r\nWidth=64\r\nHeight=48\r\n");
    struct stat before {};
    ASSERT_EQ(stat((root.path() / "a.config").c_str(), &before), 0);
    const mdlINI::IniValue values[] = {{"Width", "64"}, {"height", "48"}};
    std::error_code ec;
    EXPECT_TRUE(mdlINI::WriteIniValues(root.text() + "a.config", "CONFIG", values, ec));
    struct stat after {};
    ASSERT_EQ(stat((root.path() / "a.config").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
}

} // namespace
