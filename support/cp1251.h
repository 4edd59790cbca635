#pragma once
// Code page 1251: the encoding of every text the program exchanges with files.
// Texts inside the program are byte strings in this code page; these functions
// convert them at the edges where UTF-8 is spoken (the command line, the native
// file names of Linux, the user interface).

#include <string>
#include <string_view>

namespace cp1251 {

// Every byte maps to one code point; the unassigned byte 0x98 maps to U+0098 so
// that every byte string survives a round trip.
std::string toUtf8(std::string_view text);

// Code points without a byte in code page 1251 become '?', and `lossless`, when
// given, is set to false. Malformed UTF-8 bytes count as such code points.
std::string fromUtf8(std::string_view utf8, bool* lossless = nullptr);

// Unicode code point of one byte.
char32_t toUnicode(unsigned char byte);

// Folds the letters of the code page (Latin and Cyrillic) to lower case, as a
// case-insensitive file system compares names.
unsigned char foldCase(unsigned char byte);
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

} // namespace cp1251
