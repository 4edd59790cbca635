#pragma once
// Path, file, text and number helpers shared by every window. Paths are texts
// with "\" separators; a folder path ends in a separator and file names are
// appended to it directly. None of these functions fails: each returns a fixed
// fallback instead.

#include <cstdint>
#include <string>
#include <string_view>

namespace mdlMain {

// An empty `path` is first set to the application folder (without a trailing
// separator, as the system reports it); the result is `path` ending in "\".
std::string GetFolderPath(std::string& path);

// The application folder with its trailing "\".
std::string ApplicationFolder();

// Collapses doubled separators ("\\" -> "\", then "/\" -> "\", then "//" -> "\")
// and makes sure the result ends in a separator.
std::string NormalizeFolder(std::string_view path);

// Collapses "\\" to "\" in the caller's `path`, then tells whether the file can
// be found: false only when it or a folder on the way does not exist.
bool FileExists(std::string& path);

// Whether the folder (the application folder for an empty path) holds at least
// one plain, visible file.
bool FolderHasFiles(std::string_view path);

// Item `index` of `text` split at every `delimiter`, counted from the end when
// `fromEnd`; the empty text when there is no such item.
std::string GetSplitItem(std::string_view text, std::string_view delimiter, std::int32_t index,
                         bool fromEnd);

std::string PadZeros(std::string_view text, std::int16_t width);

// The decimal digits of `text`, everything else dropped, as a number; 0 when
// there is no digit or the number does not fit 32 bits.
std::int32_t DigitsToNumber(std::string_view text);

// Every occurrence of `from` replaced by `to`, scanning left to right in one
// pass without overlap.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace mdlMain
