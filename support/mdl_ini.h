#pragma once
// Reading and writing single values of INI files (code page 1251 texts), with
// the results of the platform's profile functions: a read never fails (the
// default stands in for whatever is missing) and a write changes only the line
// it replaces or adds.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace mdlINI {

// The largest INI file the program reads or rewrites. The largest catalogue
// the editor can use (65535 entries with long names and footprints) stays far
// below it; a longer file is taken for a damaged one and read as if it were
// unreadable, before any memory is spent on it.
constexpr std::uint64_t kMaxIniFileBytes = std::uint64_t{32} << 20;

// Why the values of an INI file cannot be read: no error for a file that can
// be read or that does not exist (a missing file reads as empty), otherwise
// the reason (file_too_large past kMaxIniFileBytes, the system's reason for
// a file that cannot be opened). For callers that tell the designer why a
// file gave only defaults.
std::error_code IniReadProblem(std::string_view file);

// The value of `key` in `section` of `file`, at most 1023 characters, or the
// default when the file, the section or the key does not exist.
std::string ReadIni(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view defaultValue);

// Stores `value` under `key` in `section` of `file`, creating the file (in an
// existing folder) and the section when missing. Failures are not reported.
void WriteIni(std::string_view file, std::string_view section, std::string_view key,
              std::string_view value);

// The same as WriteIni, telling whether the value reached the file: false, with
// `ec` set, when the file cannot be read or written (a file in a missing folder
// is not created, a folder is left alone); true without writing when the key
// holds exactly that value already.
bool WriteIniReporting(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value, std::error_code& ec);

struct IniValue {
    std::string_view key;
    std::string_view value;
};

// Stores several values of one section in one save: the file ends up with the
// bytes that WriteIni of each value in turn gives, but is never seen holding
// only some of them, even when the program is killed on the way.
bool WriteIniValues(std::string_view file, std::string_view section,
                    std::span<const IniValue> values, std::error_code& ec);

// Writes the file anew, holding only these values: the bytes WriteIniValues
// gives when the file is missing, whatever the file held before (one save).
bool ReplaceIniValues(std::string_view file, std::string_view section,
                      std::span<const IniValue> values, std::error_code& ec);

} // namespace mdlINI
