#pragma once
// The location configuration file: an INI file whose section "CONFIG" holds
// "Width" (columns) and "Height" (highest row number) as decimal texts, and
// "Round" = "1" for a location that is not round.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace model {

struct LocationSize {
    std::int32_t width = 0;
    std::int32_t height = 0; // the highest row number: the grid has height + 1 rows
};

// Why a configuration cannot give a grid.
struct ConfigProblem {
    // Unreadable: the file exists but its values cannot be read (too large
    // to be a configuration, or refused by the system).
    enum class Kind { NotANumber, Negative, TooLarge, Unreadable };
    Kind kind;
    std::string key;         // "Width" or "Height"; empty for TooLarge and Unreadable
    std::string value;       // the text as found
    std::int64_t bytes = 0;  // TooLarge: bytes the grid would take; Unreadable: the file's size
    std::error_code error{}; // Unreadable: why
};

struct ConfigReading {
    std::string widthText;
    std::string heightText;
    std::optional<LocationSize> size;     // set when both values are usable
    std::optional<ConfigProblem> problem; // set otherwise
};

// A whole number: optional blanks around an optional sign and decimal digits,
// within 32 bits. Anything else gives nothing.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

// Reads and checks the size of a location (missing keys: "120").
ConfigReading readLocationConfig(std::string_view configFile);

// Whether the editor loads a grid of width x (height + 1) cells: neither side
// negative, the grid within LocationGrid::maxGridBytes and 2 x width within
// 32 bits (the two-byte layers' rows).
bool usableGridSize(std::int64_t width, std::int64_t height);

// Writes a new location's configuration: Width and Height as typed, and
// Round = "1" when the location is not round. An existing file keeps its other
// lines unless `replace` asks for a file holding these values only. False,
// with the reason in `ec`, when the file could not be written.
bool writeLocationConfig(std::string_view configFile, std::string_view width,
                         std::string_view height, bool notRound, std::error_code& ec,
                         bool replace = false);

} // namespace model
