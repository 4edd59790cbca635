#pragma once
// What the location commands share: the options naming a location, and the
// location's files and checked size.

#include "cli/command_line.h"
#include "model/location_config.h"
#include "model/location_files.h"

#include <string>

namespace cli {

struct LocationArguments {
    std::string map;      // code page 1251
    std::string location; // code page 1251
    model::LocationFiles files;
    model::LocationSize size;
    std::uint64_t expectedGridBytes = 0;
};

// Options --root DIR, --map NAME, --location NAME (default "main").
const std::set<std::string>& locationOptions();

// Applies --root, finds the location's files and checks its configuration;
// throws Failure naming the file and the reason when the location cannot be
// read.
LocationArguments openLocation(const CommandLine& line);

// Why a configuration gives no size, in a few words (empty when it gives one).
std::string configProblemText(const model::ConfigReading& reading);

// A program path as the user's system spells it, for messages.
std::string displayPath(const std::string& text);

} // namespace cli
