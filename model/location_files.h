#pragma once
// Where a location's files are and what their names end in. A map is a folder
// below the application folder's "Maps\"; a location is the set of files of
// that folder sharing the location's name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Extension (without the dot) of a location file of type n: 0 grid "map",
// 1 "adr", 2 notes "inf", 3 configuration "config", 4 map description "mpc",
// 5 action index "actl", 6 "act", any other number "dat".
std::string GetFileType(std::int32_t n);

enum FileType : std::int32_t {
    kGridFile = 0,
    kNotesFile = 2,
    kConfigFile = 3,
    kMapDescriptionFile = 4,
    kActionIndexFile = 5,
};

struct LocationFiles {
    std::string folder; // the map folder, ending in a separator
    std::string config;
    std::string grid;
    std::string notes;
};

// The files of location `name` of the map whose folder name is `mapPath`,
// below the application folder.
LocationFiles locationFiles(std::string_view mapPath, std::string_view name);

// A file of the location in `folder` (which ends in a separator).
std::string locationFile(std::string_view folder, std::string_view name, std::int32_t type);

// The longest file name (in bytes, extension included) the file systems the
// game's data lives on store.
constexpr std::size_t kMaxFileNameLength = 255;
// The longest location name whose files all fit kMaxFileNameLength, the
// longest extension included.
std::size_t maxLocationNameLength();
// The longest map name: the map's folder and its description file fit.
std::size_t maxMapNameLength();

} // namespace model
