#include "support/ini_document.h"

#include "support/ini_lines.h"
#include "support/ini_text.h"

namespace ini {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where a section and a key of it are in a file.
struct Location {
    bool sectionFound = false;
    // The first entry with the key's name in the first section with the
    // section's name.
    std::optional<Line> key;
    // The last non-blank line of that section (its own line when it has no
    // other), found only when the key is missing.
    Line lastOfSection;
};

// One pass over the lines, ending at the key or at the end of the section.
Location locate(std::string_view bytes, std::string_view section, std::string_view key) {
    Location found;
    LineReader reader(bytes);
    Line line;
    while (reader.next(line)) {
        if (!found.sectionFound) {
            if (line.kind == Line::Kind::Section && sameName(line.name, section)) {
                found.sectionFound = true;
                found.lastOfSection = line;
            }
            continue;
        }
        if (line.kind == Line::Kind::Section)
            break;
        if (line.kind == Line::Kind::Blank)
            continue;
        found.lastOfSection = line;
        if (line.kind == Line::Kind::Entry && sameName(line.name, key)) {
            found.key = line;
            break;
        }
    }
    return found;
}

bool endsWithLineEnd(std::string_view bytes) {
    return !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
}

std::string keyLine(std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + value.size() + 1 + kLineEnd.size());
    text.append(key).append("=").append(value).append(kLineEnd);
    return text;
}

// `bytes` with the range [from, to) replaced by `middle`.
std::string spliced(std::string_view bytes, std::size_t from, std::size_t to,
                    std::string_view middle) {
    std::string out;
    out.reserve(bytes.size() - (to - from) + middle.size());
    out.append(bytes.substr(0, from)).append(middle).append(bytes.substr(to));
    return out;
}

} // namespace

std::string readValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view defaultValue) {
    const Location found = locate(bytes, trimSpaces(section), trimSpaces(key));
    if (found.key && found.key->hasValue)
        return returnedValue(found.key->value);
    return returnedDefault(defaultValue);
}

std::optional<std::string> bytesAfterWrite(std::optional<std::string_view> bytes,
                                           std::string_view section, std::string_view key,
                                           std::string_view value) {
    const std::string_view file = bytes.value_or(std::string_view());
    const std::string_view sectionName = trimSpaces(section);
    const std::string_view keyName = trimSpaces(key);
    const Location found = locate(file, sectionName, keyName);

    if (found.key) {
        const Line& line = *found.key;
        if (line.hasValue && line.value == value)
            return std::nullopt;
        return spliced(file, line.begin, line.next, keyLine(line.name, value));
    }
    if (found.sectionFound) {
        const Line& last = found.lastOfSection;
        std::string added = last.hasLineEnd() ? std::string() : std::string(kLineEnd);
        added += keyLine(keyName, value);
        return spliced(file, last.next, last.next, added);
    }
    std::string out(file);
    if (!out.empty() && !endsWithLineEnd(out))
        out += kLineEnd;
    out.append("[").append(sectionName).append("]").append(kLineEnd);
    out += keyLine(keyName, value);
    return out;
}

} // namespace ini
