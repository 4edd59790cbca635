#include "managers/location_creation.h"

namespace managers {

WriteFailure writeNewLocation(const NewLocationFiles& location, const model::LocationGrid& grid) {
    if (const model::LocationWriteFailure failure = model::writeLocationFiles(location, grid))
        return writeFailure(failure.file, failure.error);
    return {};
}

} // namespace managers
