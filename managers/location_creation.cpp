#include "managers/location_creation.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/notes_file.h"

namespace managers {

WriteFailure writeNewLocation(const NewLocationFiles& location, const model::LocationGrid& grid) {
    std::error_code ec;
    const std::string gridFile =
        model::locationFile(location.mapFolder, location.name, model::kGridFile);
    if (!model::writeGridFile(gridFile, grid, ec))
        return writeFailure(gridFile, ec);

    const std::string notesFile =
        model::locationFile(location.mapFolder, location.name, model::kNotesFile);
    if (!model::writeNotesFile(notesFile, location.notes, ec))
        return writeFailure(notesFile, ec);

    // Width and Height as typed; "Round" = "1" only for a location that is not round.
    const std::string configFile =
        model::locationFile(location.mapFolder, location.name, model::kConfigFile);
    if (!model::writeLocationConfig(configFile, location.widthText, location.heightText,
                                    !location.round, ec))
        return writeFailure(configFile, ec);
    return {};
}

} // namespace managers
