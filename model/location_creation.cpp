#include "model/location_creation.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/notes_file.h"
#include "support/file_system.h"

#include <vector>

namespace model {
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
    LocationWriteFailure fail(const std::string& file, const std::error_code& ec) {
        for (auto made = m_made.rbegin(); made != m_made.rend(); ++made) {
            std::error_code ignored;
            fsys::removeFile(*made, ignored);
        }
        return {file, ec};
    }

private:
    std::vector<std::string> m_made;
};

} // namespace

LocationWriteFailure writeLocationFiles(const NewLocationFiles& location, const LocationGrid& grid,
                                        ExistingFiles existing) {
    const bool replace = existing == ExistingFiles::Replace;
    NewFiles made;
    std::error_code ec;
    const std::string gridFile = locationFile(location.mapFolder, location.name, kGridFile);
    made.willWrite(gridFile);
    if (!writeGridFile(gridFile, grid, ec, !replace))
        return made.fail(gridFile, ec);

    // Empty notes make no file; replaced ones leave none behind.
    const std::string notesFile = locationFile(location.mapFolder, location.name, kNotesFile);
    made.willWrite(notesFile);
    if (!writeNotesFile(notesFile, location.notes, ec))
        return made.fail(notesFile, ec);
    if (replace && location.notes.empty() && fsys::probe(notesFile) != fsys::Probe::Missing &&
        !fsys::removeFile(notesFile, ec))
        return made.fail(notesFile, ec);

    // Width and Height as typed; "Round" = "1" only for a location that is not round.
    const std::string configFile = locationFile(location.mapFolder, location.name, kConfigFile);
    made.willWrite(configFile);
    if (!writeLocationConfig(configFile, location.widthText, location.heightText, !location.round,
                             ec, replace))
        return made.fail(configFile, ec);
    return {};
}

} // namespace model
