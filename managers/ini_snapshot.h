#pragma once
// An INI file read once for many values: each read gives exactly what a
// single-value read of the file would give (a missing or unreadable file
// reads as empty, so every read gives its default).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace managers {

class IniSnapshot {
public:
    explicit IniSnapshot(std::string_view file);

    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

private:
    std::string m_bytes;
};

// A value read as a whole number within [low, high]; nothing for texts that
// are no whole number or lie outside.
std::optional<std::int32_t> wholeNumberIn(std::string_view text, std::int32_t low,
                                          std::int32_t high);

} // namespace managers
