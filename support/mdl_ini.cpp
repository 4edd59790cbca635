#include "support/mdl_ini.h"

#include "support/file_system.h"
#include "support/ini_document.h"

#include <optional>

namespace mdlINI {
namespace {

// The file's present bytes, or nothing for a missing file. False for a file
// that exists but cannot be read: it is left alone rather than replaced by
// one holding only the new values.
bool readForRewrite(std::string_view file, std::optional<std::string>& bytes, std::error_code& ec) {
    bytes.reset();
    if (fsys::probe(file) == fsys::Probe::Missing)
        return true;
    std::string existing;
    if (!fsys::readWholeFile(file, existing, ec, kMaxIniFileBytes))
        return false;
    bytes = std::move(existing);
    return true;
}

// Stores the values one after another into `bytes` (nothing: a missing
// file); false when every key held its value already.
bool storeValues(std::optional<std::string>& bytes, std::string_view section,
                 std::span<const IniValue> values) {
    bool changed = false;
    for (const IniValue& v : values) {
        std::optional<std::string_view> current;
        if (bytes)
            current = *bytes;
        std::optional<std::string> after = ini::bytesAfterWrite(current, section, v.key, v.value);
        if (after) {
            bytes = std::move(*after);
            changed = true;
        }
    }
    return changed;
}

} // namespace

std::error_code IniReadProblem(std::string_view file) {
    if (fsys::probe(file) == fsys::Probe::Missing)
        return {};
    fsys::File opened;
    std::error_code ec;
    if (!opened.open(file, fsys::File::Mode::Read, ec))
        return ec;
    if (opened.size(ec) > kMaxIniFileBytes)
        return std::make_error_code(std::errc::file_too_large);
    return ec;
}

std::string ReadIni(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view defaultValue) {
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec, kMaxIniFileBytes))
        bytes.clear(); // missing, unreadable or too large: no entries
    return ini::readValue(bytes, section, key, defaultValue);
}

void WriteIni(std::string_view file, std::string_view section, std::string_view key,
              std::string_view value) {
    std::error_code ec;
    WriteIniReporting(file, section, key, value, ec);
}

bool WriteIniReporting(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value, std::error_code& ec) {
    const IniValue one{key, value};
    return WriteIniValues(file, section, std::span<const IniValue>(&one, 1), ec);
}

bool WriteIniValues(std::string_view file, std::string_view section,
                    std::span<const IniValue> values, std::error_code& ec) {
    ec.clear();
    std::optional<std::string> bytes;
    if (!readForRewrite(file, bytes, ec))
        return false;
    if (!storeValues(bytes, section, values))
        return true; // every key holds its value already
    return fsys::writeWholeFile(file, *bytes, ec);
}

bool ReplaceIniValues(std::string_view file, std::string_view section,
                      std::span<const IniValue> values, std::error_code& ec) {
    ec.clear();
    std::optional<std::string> bytes;
    storeValues(bytes, section, values);
    return fsys::writeWholeFile(file, bytes.value_or(std::string()), ec);
}

} // namespace mdlINI
