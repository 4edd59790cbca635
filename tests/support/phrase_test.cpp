// Texts of the layers without a toolkit: placeholders filled in one pass, and
// the translator the interface installs used for every later text.
#include "support/cp1251.h"
#include "support/phrase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TranslatorScope {
    explicit TranslatorScope(phrase::Translator translator) { phrase::setTranslator(translator); }
    ~TranslatorScope() { phrase::setTranslator(nullptr); }
};

std::string reversedWords(const char* source) {
    const std::string text(source);
    if (text == "Файл %1 не найден")
        return "File %1 not found";
    if (text == "%2 перед %1")
        return "%1 after %2";
    return text;
}

TEST(Phrase, FillsPlaceholdersInOnePassAndLeavesTheRest) {
    EXPECT_EQ(phrase::fill("a %1 b %2 c", {"x", "yy"}), "a x b yy c");
    EXPECT_EQ(phrase::fill("%2%1%2", {"1", "2"}), "212");
    // An argument holding a placeholder is not filled again.
    EXPECT_EQ(phrase::fill("<%1>", {"%2", "no"}), "<%2>");
    // Placeholders without an argument, and stray percent signs, stay.
    EXPECT_EQ(phrase::fill("%1 %3 100% %", {"x"}), "x %3 100% %");
    EXPECT_EQ(phrase::fill("", {"x"}), "");
}

TEST(Phrase, SaysTheRussianTextUntilATranslatorIsInstalled) {
    const char* source = phrase::Ru::tr("Файл %1 не найден");
    EXPECT_FALSE(phrase::translates());
    EXPECT_EQ(phrase::say(source, {"a.ini"}), cp1251::fromUtf8("Файл a.ini не найден"));
    {
        TranslatorScope english(&reversedWords);
        EXPECT_TRUE(phrase::translates());
        EXPECT_EQ(phrase::say(source, {"a.ini"}), "File a.ini not found");
        // The translation may put the placeholders in another order.
        EXPECT_EQ(phrase::say("%2 перед %1", {"A", "B"}), "A after B");
        // A text without translation stays Russian, in code page 1251.
        EXPECT_EQ(phrase::say("Другое"), cp1251::fromUtf8("Другое"));
    }
    EXPECT_EQ(phrase::say(source, {cp1251::fromUtf8("б.ini")}),
              cp1251::fromUtf8("Файл б.ini не найден"));
}

} // namespace
