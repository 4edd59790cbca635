#pragma once
// Reading and writing one value of an INI file, on the file's bytes (code page
// 1251, nothing translated). The file is read once, front to back.
//
// Sections are lines "[name]"; the entries of a section are the lines after it
// up to the next section line. Lines before the first section belong to no
// section and are never found; ';' lines are comments that no key finds. Names
// are the same when they are equal after folding ASCII letters; the first
// section of a name and, in it, the first entry of a name decide.

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The text a read of `key` in `section` returns for a file holding `bytes`
// (a missing file reads as empty): the stored value, or the default when the
// section or the key is missing or the key's line has no '='. Spaces at the
// ends of the section and key arguments are ignored.
std::string readValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view defaultValue);

// The bytes of the file after storing `value` under `key` in `section`;
// `bytes` is empty when the file does not exist. Nothing (no new bytes) when
// the key already holds exactly that value. Spaces at the ends of the section
// and key arguments are dropped; the value is written as given.
//
// Only the key's line is replaced, by "key=value" CR LF with the key spelled as
// in the file. A missing key is added after the last non-blank line of the
// section, a missing section at the end of the file as "[section]" CR LF
// "key=value" CR LF. Every other byte stays; a last line without a line end
// gets CR LF before anything is added after it.
std::optional<std::string> bytesAfterWrite(std::optional<std::string_view> bytes,
                                           std::string_view section, std::string_view key,
                                           std::string_view value);

} // namespace ini
