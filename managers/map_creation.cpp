#include "managers/map_creation.h"

#include "model/location_files.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"

namespace managers {

std::string mapFolderOf(std::string_view name) {
    return mdlMain::ApplicationFolder() + "Maps\\" + std::string(name) + "\\";
}

bool mapExists(std::string_view name) {
    return mdlMain::FolderHasFiles(mapFolderOf(name));
}

WriteFailure createMap(const NewMap& map) {
    std::error_code ec;
    const std::string maps = mdlMain::ApplicationFolder() + "Maps";
    if (!fsys::createFolder(maps, ec))
        return writeFailure(maps, ec);
    const std::string folder = mapFolderOf(map.name);
    if (!fsys::createFolder(folder.substr(0, folder.size() - 1), ec))
        return writeFailure(folder, ec);

    const std::string file =
        folder + map.name + "." + model::GetFileType(model::kMapDescriptionFile);
    // One save for all keys, so the description is never seen half written.
    const std::string description = mdlMain::ReplaceAll(map.description, "\r\n", " ");
    const mdlINI::IniValue values[] = {
        {"Resources", map.resources},
        {"Description", description},
        {"Author", map.author},
        {"Contacts", map.contacts},
    };
    if (!mdlINI::WriteIniValues(file, "CONFIG", values, ec))
        return writeFailure(file, ec);
    return {};
}

} // namespace managers
