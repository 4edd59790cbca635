#pragma once
// Checking a whole map for what the game would trip over: its locations'
// files and cells, its actions, and the resources and palette it is drawn
// with. The check only reads, and never follows a name out of the map and
// resource folders. Findings come grouped by location (map-wide ones first),
// then by kind.

#include "checker/finding.h"

#include <functional>
#include <string>
#include <vector>

namespace checker {

struct CheckRequest {
    // The map's folder name below "Maps\" of the application folder, and
    // the one location to check (all of the map's when empty); code page 1251.
    std::string map;
    std::string location;
};

struct CheckProgress {
    std::uint64_t done = 0;  // units of work done (bytes of grid files read, ...)
    std::uint64_t total = 0; // all units, as far as known
    std::string stage;       // what is being checked now, in English
};

struct CheckResult {
    // False when the check could not run at all (no such map); then
    // `failure` says why (code page 1251, and in English).
    bool ran = true;
    std::string failure;
    std::string failureEnglish;
    // Cancelled through `keepGoing`: the findings are those found so far.
    bool cancelled = false;
    std::vector<Finding> findings;

    std::size_t errors() const;
    std::size_t warnings() const;
};

// Checks the map. `progress`, when given, is called now and then from the
// checking thread; returning false cancels the check.
CheckResult checkMap(const CheckRequest& request,
                     const std::function<bool(const CheckProgress&)>& progress = {});

} // namespace checker
