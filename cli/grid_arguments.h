#pragma once
// What the grid comparison and merge commands share: sizes given as "WxH",
// the configuration that belongs to a grid file, and grid files named by the
// user (native paths, taken as they are).

#include "model/location_config.h"
#include "support/file_system.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// "WxH": Width and Height as a configuration gives them (H is the highest row
// number). Throws Failure for anything else.
model::LocationSize parseGridSize(const std::string& text);

// "WxH" for messages.
std::string sizeText(const model::LocationSize& size);

// Bytes of a grid file of that size.
std::uint64_t gridFileBytes(const model::LocationSize& size);

// The configuration of the location whose grid file is the native path
// `grid` ("NAME.map" gives "NAME.config" beside it), as a program path; empty
// when the name does not end in ".map".
std::string configOfGrid(const std::string& grid);

// The size the configuration `config` (a program path) gives, nothing when it
// does not exist; throws Failure naming the file and why it gives no size.
std::optional<model::LocationSize> sizeFromConfig(const std::string& config);

// Opens a grid file named by the user for reading; throws Failure.
fsys::File openGridFile(const std::string& native, std::uint64_t& bytes);

} // namespace cli
