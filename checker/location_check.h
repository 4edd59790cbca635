#pragma once
// The check of one location: its configuration and grid file, its actions,
// and every cell of its grid against the catalogues, the palette's
// footprints and the action index.

#include "checker/finding.h"
#include "checker/resource_check.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace checker::detail {

struct LocationFilesFound {
    std::string name; // code page 1251
    bool config = false, grid = false, notes = false;
};

// Checks location `found` of the map folder; `progress` receives the bytes of
// its grid file read so far and returns false to cancel. False when cancelled.
bool checkLocation(const std::string& mapFolder, const LocationFilesFound& found,
                   const ResourceFacts& resources, std::vector<Finding>& findings,
                   const std::function<bool(std::uint64_t)>& progress);

} // namespace checker::detail
