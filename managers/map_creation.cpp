#include "managers/map_creation.h"

#include "model/location_files.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"

#include <vector>

namespace managers {

std::string mapFolderOf(std::string_view name) {
    return mdlMain::ApplicationFolder() + "Maps\\" + std::string(name) + "\\";
}

bool mapExists(std::string_view name) {
    return mdlMain::FolderHasFiles(mapFolderOf(name));
}

WriteFailure createMap(const NewMap& map) {
    // What this creation makes is taken away again when a later step fails.
    std::vector<std::string> made;
    const auto fail = [&made](const std::string& what, const std::error_code& ec) {
        for (auto path = made.rbegin(); path != made.rend(); ++path) {
            std::error_code ignored;
            fsys::removeFile(*path, ignored); // files, and folders once empty
        }
        return writeFailure(what, ec);
    };
    const auto create = [&made](const std::string& folder, std::error_code& ec) {
        const bool existed = fsys::isFolder(folder);
        if (!fsys::createFolder(folder, ec))
            return false;
        if (!existed)
            made.push_back(folder);
        return true;
    };

    std::error_code ec;
    const std::string maps = mdlMain::ApplicationFolder() + "Maps";
    if (!create(maps, ec))
        return fail(maps, ec);
    const std::string folder = mapFolderOf(map.name);
    if (!create(folder.substr(0, folder.size() - 1), ec))
        return fail(folder, ec);

    const std::string file =
        folder + map.name + "." + model::GetFileType(model::kMapDescriptionFile);
    if (fsys::probe(file) == fsys::Probe::Missing)
        made.push_back(file);
    // One save for all keys, so the description is never seen half written.
    const std::string description = mdlMain::ReplaceAll(map.description, "\r\n", " ");
    const mdlINI::IniValue values[] = {
        {"Resources", map.resources},
        {"Description", description},
        {"Author", map.author},
        {"Contacts", map.contacts},
    };
    if (!mdlINI::WriteIniValues(file, "CONFIG", values, ec))
        return fail(file, ec);
    return {};
}

} // namespace managers
