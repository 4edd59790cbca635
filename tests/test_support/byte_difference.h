#pragma once
// Byte strings in test messages: shown readably, and compared so that a
// failure names where they differ instead of printing megabytes.

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace testing_support {

// Bytes shown readably: printable ASCII as it is, everything else as \xNN.
inline std::string shownBytes(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && b != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

// Where two byte strings first differ, with a little of each around it.
inline std::string difference(std::string_view got, std::string_view expected) {
    const auto mismatch = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(mismatch.first - got.begin());
    const std::size_t from = at > 20 ? at - 20 : 0;
    return "got " + std::to_string(got.size()) + " bytes, expected " +
           std::to_string(expected.size()) + ", first difference at byte " + std::to_string(at) +
           ": got \"" + shownBytes(got.substr(std::min(from, got.size()), 60)) + "\", expected \"" +
           shownBytes(expected.substr(std::min(from, expected.size()), 60)) + "\"";
}

// Succeeds when the bytes are equal; otherwise says where they differ.
inline testing::AssertionResult sameBytes(std::string_view got, std::string_view expected) {
    if (got == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << difference(got, expected);
}

} // namespace testing_support
