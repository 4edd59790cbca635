#pragma once
// The character-level rules of INI texts (code page 1251 bytes): which bytes
// are blanks, how names compare, and how a stored value or a default becomes
// the text a read returns.

#include <cstddef>
#include <string>
#include <string_view>

namespace ini {

// The longest text a read returns.
constexpr std::size_t kMaxReturned = 1023;

// Space, tab, vertical tab, form feed and the byte 1A; CR and LF too, although
// they never occur inside a line of a file. The no-break space A0 is not one.
bool isBlank(char c);

// `text` without blank characters at either end.
std::string_view trimBlanks(std::string_view text);

// `text` without spaces (only the byte 20) at either end: how the section and
// key arguments are cleaned before they are looked up or written.
std::string_view trimSpaces(std::string_view text);

// Whether two section or key names are the same: equal after folding the ASCII
// letters A-Z to a-z. No other byte is folded.
bool sameName(std::string_view a, std::string_view b);

// What a read returns for a stored (already trimmed) value: an outer pair of
// equal quotes (" or ') removed once, the result cut to kMaxReturned
// characters. When the text between the quotes is exactly kMaxReturned long,
// one character less comes back.
std::string returnedValue(std::string_view value);

// What a read returns for its default: trailing spaces removed (never the first
// character), then the rules of returnedValue.
std::string returnedDefault(std::string_view defaultValue);

} // namespace ini
