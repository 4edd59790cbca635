#include "support/ini_snapshot.h"
#include "support/mdl_ini.h"
#include "test_support/temp_folder.h"

#include "support/ini_document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Every question asked of every file must get the answer of a single-value read.
TEST(IniSnapshot, AnswersAsASingleValueReadOfTheFile) {
    const std::vector<std::string> files = {
        "",
        "Count=4\r\n[DATA]\r\nCount=2\r\n",
        "[DATA]\r\nCount=1\r\n[data]\r\nCount=9\r\n[OBJ-0]\r\nFileName=a.bmp\r\n",
        "[Data]\r\n[OBJ-1]\r\nName=x\r\n[DATA]\r\nCount=3\r\n",
        "[ OBJ-0 ]\r\n  FileName =  \"  spaced.bmp  \" \r\nName\r\nName=second\r\n",
        "[OBJ-0]\r\n;FileName=hidden.bmp\r\nFILENAME='quoted'\r\n[OBJ-1\r\nFileName=open.bmp",
        "[OBJ-2]\nFileName=lf.bmp\r[OBJ-3]\rFileName=cr.bmp\n[OBJ-2]\nFileName=later.bmp\n",
        "[OBJ-4]\r\nMaskFileName=\r\nFileName=" + std::string(1500, 'z') +
            "\r\n[]\r\nName=empty\r\n",
        "\xEF\xBB\xBF[DATA]\r\nCount=5\r\n[\xC4\xE0\xED\xED\xFB\xE5]\r\nName=\xC8\xEC\xFF\r\n",
    };
    const std::vector<std::string> sections = {"DATA",
                                               "data",
                                               " DATA ",
                                               "OBJ-0",
                                               "obj-0",
                                               "OBJ-1",
                                               "OBJ-2",
                                               "OBJ-3",
                                               "OBJ-4",
                                               "OBJ-5",
                                               "",
                                               "[DATA]",
                                               "\xC4\xE0\xED\xED\xFB\xE5",
                                               "\xE4\xE0\xED\xED\xFB\xE5"};
    const std::vector<std::string> keys = {"Count", "FileName", "MaskFileName", "Name", " Name"};
    const std::vector<std::string> defaults = {"", "-1", "Unknown", "  padded  ", "\"q\""};

    testing_support::TempFolder folder;
    const std::string file = folder.text() + "level1.ini";
    for (const std::string& bytes : files) {
        folder.write("level1.ini", bytes);
        const ini::IniSnapshot catalogue(file);
        for (const std::string& section : sections)
            for (const std::string& key : keys)
                for (const std::string& fallback : defaults)
                    ASSERT_EQ(catalogue.read(section, key, fallback),
                              mdlINI::ReadIni(file, section, key, fallback))
                        << "file:\n"
                        << bytes << "\nsection [" << section << "] key " << key;
    }
}

// Files built from a few names in differing case, repeated sections and keys,
// comments, keys without '=' and odd line ends: every name the file uses, and
// some it does not, must be answered as the single read answers.
TEST(IniSnapshot, AgreesWithSingleReadsOnGeneratedFiles) {
    const std::vector<std::string> names = {"A", "a", "Ab", "aB", "b", "", " a", "A]", "\xC0"};
    const std::vector<std::string> lineEnds = {"\r\n", "\n", "\r"};
    std::mt19937 random(20261207);
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int lines = std::uniform_int_distribution<int>(0, 24)(random);
        for (int i = 0; i < lines; ++i) {
            switch (std::uniform_int_distribution<int>(0, 4)(random)) {
            case 0:
                bytes += "[" + pick(names) + "]";
                break;
            case 1:
                bytes += ";" + pick(names) + "=c";
                break;
            case 2:
                bytes += pick(names);
                break;
            default:
                bytes += pick(names) + "=v" + std::to_string(i);
            }
            bytes += pick(lineEnds);
        }
        const ini::IniSnapshot snapshot = ini::IniSnapshot::ofBytes(bytes);
        for (const std::string& section : names)
            for (const std::string& key : names)
                ASSERT_EQ(snapshot.read(section, key, "none"),
                          ini::readValue(bytes, section, key, "none"))
                    << "file:\n"
                    << bytes << "\nsection [" << section << "] key " << key;
    }
}

// The action index and the catalogues ask one section for tens of thousands of
// keys; each must still be found, the first of a name winning.
TEST(IniSnapshot, FindsEveryKeyOfALargeSection) {
    std::string bytes = "[ACTIONS]\r\nCount=40000\r\n";
    for (int i = 0; i < 40000; ++i)
        bytes += "A" + std::to_string(i) + "=act" + std::to_string(i) + ".act\r\n";
    bytes += "a7=later\r\n[actions]\r\nA8=other\r\n";
    const ini::IniSnapshot snapshot = ini::IniSnapshot::ofBytes(bytes);
    for (int i = 0; i < 40000; ++i)
        ASSERT_EQ(snapshot.read("ACTIONS", "A" + std::to_string(i), "Noname"),
                  "act" + std::to_string(i) + ".act");
    EXPECT_EQ(snapshot.read("actions", "A40000", "Noname"), "Noname");
    EXPECT_EQ(snapshot.read("Actions", "count", ""), "40000");
}

TEST(IniSnapshot, MissingFileGivesTheDefaults) {
    testing_support::TempFolder folder;
    const ini::IniSnapshot catalogue(folder.text() + "level0.ini");
    EXPECT_EQ(catalogue.read("DATA", "Count", "-1"), "-1");
    EXPECT_EQ(catalogue.read("OBJ-0", "Name", "Unknown  "), "Unknown");
}

} // namespace
