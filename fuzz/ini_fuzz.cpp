// The INI reader and writer on any bytes: the input is the file, then the
// section, the key and the value of one read and one write. Besides staying
// within memory, the answers must agree with one another: the lines of a file
// cover it exactly, a read is never longer than a read can be, and for plain
// names and values a write is read back as written and writing the same value
// again changes nothing. A snapshot of the file answers every read as the
// single read does.

#include "fuzz/fuzz_support.h"

#include "support/ini_document.h"
#include "support/ini_lines.h"
#include "support/ini_snapshot.h"
#include "support/ini_text.h"

#include <optional>

namespace {

bool isPlainCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// A section or key name no line of a file can mistake for something else.
bool isPlainName(std::string_view name) {
    if (name.empty() || name.size() > 64)
        return false;
    for (char c : name) {
        if (!isPlainCharacter(c))
            return false;
    }
    return true;
}

// A value that reads back as it is: no quotes, no line ends, no blanks at its
// ends, short enough.
bool isPlainValue(std::string_view value) {
    if (value.size() > 200 || (!value.empty() && (value.front() == ' ' || value.back() == ' ')))
        return false;
    for (char c : value) {
        if (!isPlainCharacter(c) && c != ' ')
            return false;
    }
    return true;
}

void checkLinesCover(std::string_view file) {
    ini::LineReader reader(file);
    ini::Line line;
    std::size_t expectedBegin = 0;
    while (reader.next(line)) {
        if (line.begin != expectedBegin || line.end < line.begin || line.next < line.end ||
            line.next > file.size() || (line.next == line.begin && !file.empty()))
            fuzzing::fail("the lines do not cover the file");
        expectedBegin = line.next;
    }
    if (expectedBegin != file.size())
        fuzzing::fail("the lines end before the file does");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzzing::splitParts(data, size, 4);
    const std::string_view file = parts[0];
    const std::string_view section = parts[1].empty() ? "CONFIG" : parts[1];
    const std::string_view key = parts[2].empty() ? "Width" : parts[2];
    const std::string_view value = parts[3];

    checkLinesCover(file);
    const std::string read = ini::readValue(file, section, key, "\x01missing");
    if (read.size() > ini::kMaxReturned)
        fuzzing::fail("a read returned more than a read can");
    const ini::IniSnapshot snapshot = ini::IniSnapshot::ofBytes(std::string(file));
    if (snapshot.read(section, key, "\x01missing") != read)
        fuzzing::fail("a snapshot answers otherwise than a single read");
    // Sections and keys named in the file itself, the likelier to be found.
    ini::LineReader reader(file);
    ini::Line line;
    std::string_view lastSection = section;
    for (int asked = 0; asked < 16 && reader.next(line); ++asked) {
        if (line.kind == ini::Line::Kind::Section)
            lastSection = line.name;
        else if (line.kind == ini::Line::Kind::Entry &&
                 snapshot.read(lastSection, line.name, "d") !=
                     ini::readValue(file, lastSection, line.name, "d"))
            fuzzing::fail("a snapshot answers otherwise than a single read of a key of the file");
    }

    const std::optional<std::string> after = ini::bytesAfterWrite(file, section, key, value);
    const std::optional<std::string> created =
        ini::bytesAfterWrite(std::nullopt, section, key, value);
    if (!created)
        fuzzing::fail("writing into no file gave no file");
    if (after)
        checkLinesCover(*after);

    if (isPlainName(section) && isPlainName(key) && isPlainValue(value)) {
        const std::string_view written = after ? std::string_view(*after) : file;
        if (ini::readValue(written, section, key, "\x01missing") != value)
            fuzzing::fail("a written value does not read back");
        if (ini::bytesAfterWrite(written, section, key, value))
            fuzzing::fail("writing the same value again changes the file");
        if (ini::readValue(*created, section, key, "\x01missing") != value)
            fuzzing::fail("a value written into a new file does not read back");
    }
    return 0;
}
