#pragma once
// Writing the files of a new location into the map folder: the grid file from
// the grid just built, the notes file (only for notes that are not empty) and
// the configuration file, in that order.

#include "managers/write_failure.h"
#include "model/location_grid.h"

#include <string>

namespace managers {

struct NewLocationFiles {
    std::string mapFolder; // ends in "\"
    std::string name;
    std::string notes;      // CR LF line breaks
    std::string widthText;  // as typed
    std::string heightText; // as typed
    bool round = true;
};

// Writes the files; stops at the first failure, which it returns after
// removing the files this call made.
WriteFailure writeNewLocation(const NewLocationFiles& location, const model::LocationGrid& grid);

} // namespace managers
