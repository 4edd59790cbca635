#include "model/location_files.h"

#include "support/mdl_main.h"

#include <algorithm>

namespace model {

std::string GetFileType(std::int32_t n) {
    switch (n) {
    case 0:
        return "map";
    case 1:
        return "adr";
    case 2:
        return "inf";
    case 3:
        return "config";
    case 4:
        return "mpc";
    case 5:
        return "actl";
    case 6:
        return "act";
    default:
        return "dat";
    }
}

std::string locationFile(std::string_view folder, std::string_view name, std::int32_t type) {
    std::string file(folder);
    file += name;
    file += '.';
    file += GetFileType(type);
    return file;
}

std::size_t maxLocationNameLength() {
    std::size_t longest = 0;
    for (std::int32_t type = 0; type <= kActionIndexFile + 2; ++type)
        longest = std::max(longest, GetFileType(type).size());
    return kMaxFileNameLength - 1 - longest;
}

std::size_t maxMapNameLength() {
    return kMaxFileNameLength - 1 - GetFileType(kMapDescriptionFile).size();
}

LocationFiles locationFiles(std::string_view mapPath, std::string_view name) {
    LocationFiles files;
    files.folder =
        mdlMain::NormalizeFolder(mdlMain::ApplicationFolder() + "Maps\\" + std::string(mapPath));
    files.config = locationFile(files.folder, name, kConfigFile);
    files.grid = locationFile(files.folder, name, kGridFile);
    files.notes = locationFile(files.folder, name, kNotesFile);
    return files;
}

} // namespace model
