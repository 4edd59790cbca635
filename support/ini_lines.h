#pragma once
// Cuts the bytes of an INI file into lines and tells what each line is. Every
// byte is taken as it is (NUL and other control bytes are ordinary characters);
// a line ends at CR LF, at a lone LF or at a lone CR, and the last line needs no
// line end.
//
// Blank characters at the start of a line are skipped. A line then starting
// with '[' starts a section named by the text up to the first ']' (the rest of
// the line is ignored), or up to the line end when there is no ']'; a '['
// followed by blanks only, without a ']', is an entry. A line starting with ';'
// is a comment. Any other non-blank line is an entry: the key name is the text
// before the first '=', the value the text after it, both without blanks at
// their ends; a line without '=' is a key without a value.

#include <cstddef>
#include <string_view>

namespace ini {

struct Line {
    enum class Kind {
        Blank,   // empty or blank characters only
        Section, // starts a section
        Comment, // first non-blank character ';'
        Entry,   // anything else: a key, with or without '='
    };

    Kind kind = Kind::Blank;
    std::size_t begin = 0;  // offset of the line's first byte
    std::size_t end = 0;    // offset just past its text, where its line end starts
    std::size_t next = 0;   // offset of the following line (past the line end)
    std::string_view name;  // Section: the section's name; Entry: the key's name
    bool hasValue = false;  // Entry: whether the line has a '='
    std::string_view value; // Entry with a '=': the value

    bool hasLineEnd() const { return next > end; }
};

// The lines of a file, one after the other; reading a line takes time in
// proportion to its length and allocates nothing.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next line into `line`; false when the file has no more lines.
    bool next(Line& line);

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace ini
