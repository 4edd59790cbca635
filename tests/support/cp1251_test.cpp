#include "support/cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(cp1251::fromUtf8(cp1251::toUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Cp1251, ConvertsLettersAndSigns) {
    EXPECT_EQ(cp1251::toUtf8("\xCA\xE0\xF0\xF2\xE0"), "Карта");
    EXPECT_EQ(cp1251::toUtf8("\xA8\xB8\xB9\x88"), "Ёё№€");
    EXPECT_EQ(cp1251::fromUtf8("Файл №1"), "\xD4\xE0\xE9\xEB \xB9"
                                           "1");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(cp1251::fromUtf8("a\xE4\xB8\xAD"
                               "b",
                               &lossless),
              "a?b");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(cp1251::fromUtf8("\xFF\xC3", &lossless), "??") << "malformed bytes";
    EXPECT_FALSE(lossless);
}

TEST(Cp1251, FoldsLatinAndCyrillicCase) {
    EXPECT_TRUE(cp1251::sameNameIgnoringCase("Main.Config", "MAIN.config"));
    EXPECT_TRUE(cp1251::sameNameIgnoringCase(cp1251::fromUtf8("ЛесЁ"), cp1251::fromUtf8("лесё")));
    EXPECT_TRUE(cp1251::sameNameIgnoringCase(cp1251::fromUtf8("ЎЄЇІ"), cp1251::fromUtf8("ўєїі")));
    EXPECT_FALSE(cp1251::sameNameIgnoringCase("[a]", "{a}"));
    EXPECT_FALSE(cp1251::sameNameIgnoringCase("main", "main "));
}
