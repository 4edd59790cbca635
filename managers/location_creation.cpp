#include "managers/location_creation.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/notes_file.h"
#include "support/file_system.h"

#include <vector>

namespace managers {
namespace {

// The files a creation makes; a failed creation takes them away again, so no
// half of a location stays behind. Files that were there before are left.
class NewFiles {
public:
    // Call before writing `file`.
    void willWrite(const std::string& file) {
        if (fsys::probe(file) == fsys::Probe::Missing)
            m_made.push_back(file);
    }
    WriteFailure fail(const std::string& file, const std::error_code& ec) {
        for (auto made = m_made.rbegin(); made != m_made.rend(); ++made) {
            std::error_code ignored;
            fsys::removeFile(*made, ignored);
        }
        return writeFailure(file, ec);
    }

private:
    std::vector<std::string> m_made;
};

} // namespace

WriteFailure writeNewLocation(const NewLocationFiles& location, const model::LocationGrid& grid) {
    NewFiles made;
    std::error_code ec;
    const std::string gridFile =
        model::locationFile(location.mapFolder, location.name, model::kGridFile);
    made.willWrite(gridFile);
    if (!model::writeGridFile(gridFile, grid, ec))
        return made.fail(gridFile, ec);

    const std::string notesFile =
        model::locationFile(location.mapFolder, location.name, model::kNotesFile);
    made.willWrite(notesFile);
    if (!model::writeNotesFile(notesFile, location.notes, ec))
        return made.fail(notesFile, ec);

    // Width and Height as typed; "Round" = "1" only for a location that is not round.
    const std::string configFile =
        model::locationFile(location.mapFolder, location.name, model::kConfigFile);
    made.willWrite(configFile);
    if (!model::writeLocationConfig(configFile, location.widthText, location.heightText,
                                    !location.round, ec))
        return made.fail(configFile, ec);
    return {};
}

} // namespace managers
