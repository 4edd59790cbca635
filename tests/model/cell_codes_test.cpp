// The cell codes against a literal transcription of the reference conversion
// through binary digit texts and byte arrays, kept here only.

#include "model/cell_codes.h"

#include "test_support/bytes.h"
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using testing_support::bytes;
using namespace mdlMain;

namespace reference {

std::string NumberToBits(std::int32_t value) {
    if (value <= 0)
        return "00000000";
    std::string digits; // least significant first
    while (value != 0) {
        digits += static_cast<char>('0' + value % 2);
        value /= 2;
    }
    while (digits.size() % 8 != 0)
        digits += '0';
    return std::string(digits.rbegin(), digits.rend());
}

// Nothing when the sum leaves the 32-bit signed range (the reference leaves
// that case open).
std::optional<std::int32_t> BitsToNumber(const std::string& bits) {
    long double sum = 0;
    const std::size_t length = bits.size();
    for (std::size_t i = 1; i <= length; ++i) {
        const char c = bits[i - 1];
        if (c >= '0' && c <= '9')
            sum += (c - '0') * std::pow(2.0L, static_cast<long double>(length - i));
    }
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

std::vector<unsigned char> NumberToBytes(std::int32_t value) {
    const std::string bits = NumberToBits(value);
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < bits.size(); i += 8)
        bytes.push_back(static_cast<unsigned char>(*BitsToNumber(bits.substr(i, 8))));
    return bytes;
}

std::vector<unsigned char> TextToBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::optional<std::int32_t> BytesToNumber(const std::vector<unsigned char>& bytes) {
    std::string bits;
    for (unsigned char b : bytes)
        bits += NumberToBits(b);
    return BitsToNumber(bits);
}

std::optional<std::int32_t> TextToCode(const std::string& text) {
    return BytesToNumber(TextToBytes(text));
}

std::string CodeToText(std::int32_t value, std::int16_t width) {
    const auto bytes = NumberToBytes(value);
    std::string text(bytes.begin(), bytes.end());
    if (width > 0 && static_cast<std::int16_t>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '\0');
    return text;
}

} // namespace reference

namespace {

std::vector<std::int32_t> sampledValues() {
    std::vector<std::int32_t> values = {std::numeric_limits<std::int32_t>::min(),
                                        -65536,
                                        -256,
                                        -7,
                                        -1,
                                        65536,
                                        65537,
                                        0xFFFFFF,
                                        0x1000000,
                                        0x7FFFFFFF,
                                        0x12345678};
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> any;
    for (int i = 0; i < 20000; ++i)
        values.push_back(any(random));
    return values;
}

} // namespace

TEST(CellCodes, DecodeEveryTwoByteTextAsTheReferenceDoes) {
    for (int h = 0; h < 256; ++h) {
        for (int l = 0; l < 256; ++l) {
            const std::string text = bytes({h, l});
            ASSERT_EQ(TextToCode(text), *reference::TextToCode(text)) << h << "," << l;
            ASSERT_EQ(DecodeCell(reinterpret_cast<const unsigned char*>(text.data())),
                      TextToCode(text));
        }
    }
}

TEST(CellCodes, DecodeShortAndLongTexts) {
    EXPECT_EQ(TextToCode(""), 0);
    for (int c = 0; c < 256; ++c)
        ASSERT_EQ(TextToCode(bytes({c})), *reference::TextToCode(bytes({c})));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20000; ++i) {
        const std::string three = bytes({byte(random), byte(random), byte(random)});
        ASSERT_EQ(TextToCode(three), *reference::TextToCode(three));
        const std::string four =
            bytes({byte(random) & 0x7F, byte(random), byte(random), byte(random)});
        ASSERT_EQ(TextToCode(four), *reference::TextToCode(four));
    }
}

TEST(CellCodes, EncodeEverySixteenBitValueAndEveryWidthAsTheReferenceDoes) {
    for (std::int32_t v = -300; v <= 65535; ++v) {
        for (std::int16_t width : {0, 1, 2, 3, 4}) {
            ASSERT_EQ(CodeToText(v, width), reference::CodeToText(v, width)) << v << "/" << width;
        }
    }
}

TEST(CellCodes, EncodeWiderAndNegativeValuesAsTheReferenceDoes) {
    for (std::int32_t v : sampledValues()) {
        for (std::int16_t width : {-1, 0, 2, 5}) {
            ASSERT_EQ(CodeToText(v, width), reference::CodeToText(v, width)) << v << "/" << width;
        }
    }
}

TEST(CellCodes, CellWritesTakeTheFirstTwoCharactersOfTheWidthTwoText) {
    std::vector<std::int32_t> values = sampledValues();
    for (std::int32_t v = -5; v <= 70000; ++v)
        values.push_back(v);
    for (std::int32_t v : values) {
        unsigned char cell[2];
        EncodeCell(v, cell);
        const std::string expected = reference::CodeToText(v, 2).substr(0, 2);
        ASSERT_EQ(std::string(reinterpret_cast<char*>(cell), 2), expected) << v;
    }
}

TEST(CellCodes, KnownValues) {
    EXPECT_EQ(CodeToText(258, 2), bytes({1, 2}));
    EXPECT_EQ(CodeToText(5, 2), bytes({0, 5}));
    EXPECT_EQ(CodeToText(0, 2), bytes({0, 0}));
    EXPECT_EQ(CodeToText(-7, 2), bytes({0, 0}));
    EXPECT_EQ(CodeToText(65535, 2), bytes({255, 255}));
    EXPECT_EQ(CodeToText(65536, 2), bytes({1, 0, 0}));
    EXPECT_EQ(CodeToText(5, 0), bytes({5}));
    EXPECT_EQ(TextToCode(bytes({1, 2})), 258);
    EXPECT_EQ(TextToCode(bytes({255, 255})), 65535);
    EXPECT_EQ(TextToCode(bytes({7})), 7);
    EXPECT_EQ(reference::NumberToBits(1), "00000001");
    EXPECT_EQ(reference::NumberToBits(256), "0000000100000000");
    for (std::int32_t v = 0; v <= 65535; ++v)
        ASSERT_EQ(TextToCode(CodeToText(v, 2)), v);
}
