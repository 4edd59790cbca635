#pragma once
// An INI file read once and then asked for many values. Each answer is the one
// a single-value read of the file gives, but a read is a hash lookup instead of
// a pass over the file, so reading every key of a file of thousands of entries
// takes time in proportion to the file's size.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

class IniSnapshot {
public:
    // A missing or unreadable file, or one longer than an INI file can be
    // (mdlINI::kMaxIniFileBytes), reads as one without sections.
    explicit IniSnapshot(std::string_view file);

    // A snapshot of the given file bytes.
    static IniSnapshot ofBytes(std::string bytes);

    // The value of `key` in `section`, or `defaultValue`, as a single-value
    // read returns them.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

private:
    IniSnapshot() = default;
    void index();

    struct Entry {
        std::uint32_t hash; // of the section's and the key's folded names
        std::uint32_t line; // offset of the key's line
    };
    std::string m_bytes;
    // Offsets of the section lines whose entries are indexed (the first
    // section of each name), in file order.
    std::vector<std::uint32_t> m_sections;
    // Every entry line of those sections, by hash; lines of one hash stay in
    // file order, so the first of a name comes first.
    std::vector<Entry> m_entries;
};

} // namespace ini
