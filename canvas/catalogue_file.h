#pragma once
// A catalogue file (an INI file of code page 1251) read once and then asked
// for many values. Each answer is the one a single-value INI read of the file
// gives; the file's sections are found once instead of on every read, so a
// catalogue of thousands of entries is read in time proportional to its size.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace canvas {

class CatalogueFile {
public:
    // A missing or unreadable file, or one longer than an INI file can be,
    // reads as one without sections.
    explicit CatalogueFile(std::string_view file);

    // The value of `key` in `section`, or `defaultValue` as an INI read returns it.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

private:
    struct Range {
        std::size_t begin;
        std::size_t end;
    };
    std::string m_bytes;
    // Section names with ASCII letters folded to lower case -> the bytes from
    // the first section line of that name up to the next section line.
    std::unordered_map<std::string, Range> m_sections;
};

} // namespace canvas
