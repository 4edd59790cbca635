#pragma once
// Two-byte cell codes: the Objects and Doors layers store a number per cell as
// two bytes of a row, big-endian. Reading a cell decodes its bytes with
// TextToCode; writing one encodes the number with CodeToText.
//
// Both work straight on the bytes: TextToCode is the big-endian value of the
// text's bytes, CodeToText the shortest big-endian form of a value (one zero
// byte for every value <= 0), padded in front with zero bytes to `width` and
// never shortened.

#include <cstdint>
#include <string>
#include <string_view>

namespace mdlMain {

// Big-endian value of the bytes: two bytes h, l give h * 256 + l, one byte its
// code, the empty text 0. Texts longer than four bytes keep their last four
// bytes' worth of value (wrapping), as a 32-bit number would.
inline std::int32_t TextToCode(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text)
        value = (value << 8) | static_cast<unsigned char>(c);
    return static_cast<std::int32_t>(value);
}

// Number of bytes of the shortest big-endian form of value (1 for value <= 0).
inline int CodeByteCount(std::int32_t value) {
    if (value <= 0xFF)
        return 1;
    if (value <= 0xFFFF)
        return 2;
    if (value <= 0xFFFFFF)
        return 3;
    return 4;
}

inline std::string CodeToText(std::int32_t value, std::int16_t width) {
    const int count = CodeByteCount(value);
    const auto v = static_cast<std::uint32_t>(value > 0 ? value : 0);
    const int pad = width > count ? width - count : 0;
    std::string text(static_cast<std::size_t>(pad + count), '\0');
    for (int i = 0; i < count; ++i)
        text[static_cast<std::size_t>(pad + i)] =
            static_cast<char>((v >> (8 * (count - 1 - i))) & 0xFF);
    return text;
}

// The two bytes a cell setter stores for value: the first two characters of
// CodeToText(value, 2), so 0..65535 big-endian, 00 00 for value <= 0, and the
// two most significant bytes of the shortest form above 65535.
inline void EncodeCell(std::int32_t value, unsigned char* cell) {
    const auto v = static_cast<std::uint32_t>(value > 0 ? value : 0);
    const int shift = 8 * (CodeByteCount(value) > 2 ? CodeByteCount(value) - 2 : 0);
    const std::uint32_t top = v >> shift;
    cell[0] = static_cast<unsigned char>(top >> 8);
    cell[1] = static_cast<unsigned char>(top);
}

inline std::int32_t DecodeCell(const unsigned char* cell) {
    return (static_cast<std::int32_t>(cell[0]) << 8) | cell[1];
}

} // namespace mdlMain
