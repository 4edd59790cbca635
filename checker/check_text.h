#pragma once
// Pieces the checker's sentences are made of. Russian texts are written here
// in UTF-8 and kept in code page 1251; names of files are shown relative to
// the application folder, as the user's system spells them.

#include "checker/finding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace checker::detail {

std::string ru(std::string_view utf8);

// A program path (code page 1251) as shown in a sentence: relative to the
// application folder when it lies below it, native separators.
std::string shownFile(std::string_view path);

// The system's reason for an error, in code page 1251.
std::string cp1251Message(const std::error_code& error);

// "x,y"
std::string cellText(std::int32_t x, std::int32_t y);

// A finding of one place; the sentences are complete (code page 1251).
Finding finding(Severity severity, std::string location, std::string kind, std::string russian,
                std::string english);

} // namespace checker::detail
