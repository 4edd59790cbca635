#pragma once
// The location manager's creation of a location's files (model/location_creation.h),
// its failure told as the windows tell it.

#include "managers/write_failure.h"
#include "model/location_creation.h"

namespace managers {

using model::NewLocationFiles;

// Writes the files; stops at the first failure, which it returns after
// removing the files this call made.
WriteFailure writeNewLocation(const NewLocationFiles& location, const model::LocationGrid& grid);

} // namespace managers
