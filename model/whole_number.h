#pragma once
// Whole numbers read from the values of a map's INI files.

#include <cstdint>
#include <optional>
#include <string_view>

namespace managers {

// A value read as a whole number within [low, high]; nothing for texts that
// are no whole number or lie outside.
std::optional<std::int32_t> wholeNumberIn(std::string_view text, std::int32_t low,
                                          std::int32_t high);

} // namespace managers
