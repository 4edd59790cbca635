#include "canvas/catalogue_file.h"
#include "support/mdl_ini.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every question asked of every file must get the answer of a single-value read.
TEST(CatalogueFile, AnswersAsASingleValueReadOfTheFile) {
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
        const canvas::CatalogueFile catalogue(file);
        for (const std::string& section : sections)
            for (const std::string& key : keys)
                for (const std::string& fallback : defaults)
                    ASSERT_EQ(catalogue.read(section, key, fallback),
                              mdlINI::ReadIni(file, section, key, fallback))
                        << "file:\n"
                        << bytes << "\nsection [" << section << "] key " << key;
    }
}

TEST(CatalogueFile, MissingFileGivesTheDefaults) {
    testing_support::TempFolder folder;
    const canvas::CatalogueFile catalogue(folder.text() + "level0.ini");
    EXPECT_EQ(catalogue.read("DATA", "Count", "-1"), "-1");
    EXPECT_EQ(catalogue.read("OBJ-0", "Name", "Unknown  "), "Unknown");
}

} // namespace
