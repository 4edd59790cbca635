#include "managers/ini_snapshot.h"

#include "model/location_config.h"
#include "support/file_system.h"
#include "support/ini_document.h"

namespace managers {

IniSnapshot::IniSnapshot(std::string_view file) {
    std::error_code ec;
    if (!fsys::readWholeFile(file, m_bytes, ec))
        m_bytes.clear();
}

std::string IniSnapshot::read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    return ini::readValue(m_bytes, section, key, defaultValue);
}

std::optional<std::int32_t> wholeNumberIn(std::string_view text, std::int32_t low,
                                          std::int32_t high) {
    const std::optional<std::int32_t> value = model::parseWholeNumber(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

} // namespace managers
