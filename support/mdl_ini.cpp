#include "support/mdl_ini.h"

#include "support/file_system.h"
#include "support/ini_document.h"

#include <optional>

namespace mdlINI {

std::string ReadIni(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view defaultValue) {
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec))
        bytes.clear(); // missing or unreadable: no entries
    return ini::readValue(bytes, section, key, defaultValue);
}

void WriteIni(std::string_view file, std::string_view section, std::string_view key,
              std::string_view value) {
    std::error_code ec;
    WriteIniReporting(file, section, key, value, ec);
}

bool WriteIniReporting(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value, std::error_code& ec) {
    ec.clear();
    std::string existing;
    std::optional<std::string_view> bytes;
    if (fsys::probe(file) != fsys::Probe::Missing) {
        // A file that exists but cannot be read is left alone rather than
        // replaced by one holding only the new value.
        if (!fsys::readWholeFile(file, existing, ec))
            return false;
        bytes = existing;
    }
    const std::optional<std::string> after = ini::bytesAfterWrite(bytes, section, key, value);
    if (!after)
        return true; // the key holds the value already
    return fsys::writeWholeFile(file, *after, ec);
}

} // namespace mdlINI
