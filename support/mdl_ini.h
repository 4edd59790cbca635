#pragma once
// Reading and writing single values of INI files (code page 1251 texts), with
// the results of the platform's profile functions: a read never fails (the
// default stands in for whatever is missing) and a write changes only the line
// it replaces or adds.

#include <string>
#include <string_view>
#include <system_error>

namespace mdlINI {

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

} // namespace mdlINI
