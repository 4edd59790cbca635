#include "model/action_authoring.h"

#include "model/action_index_edits.h"
#include "model/door_renumbering.h"
#include "model/grid_file.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <optional>

namespace managers {
namespace {

ActionFileFailure failed(std::string file, std::error_code ec) {
    return {std::move(file), ec};
}

std::string fileOf(const LocationActions& location, std::string_view name) {
    return location.mapFolder + std::string(name);
}

// The file's bytes, or none when it does not exist.
bool readExisting(const std::string& file, std::optional<std::string>& bytes, std::error_code& ec) {
    bytes.reset();
    if (fsys::probe(file) == fsys::Probe::Missing)
        return true;
    std::string read;
    if (!fsys::readWholeFile(file, read, ec, mdlINI::kMaxIniFileBytes))
        return false;
    bytes = std::move(read);
    return true;
}

// Removes the action file `name` unless an index of the map names it; true
// when it stays.
bool removeUnlisted(const LocationActions& location, std::string_view name,
                    ActionFileFailure& removal) {
    if (!staysInMapFolder(name) || anyIndexNames(location.mapFolder, name))
        return true;
    const std::string file = fileOf(location, name);
    std::error_code ec;
    if (fsys::probe(file) != fsys::Probe::Missing && !fsys::removeFile(file, ec))
        removal = failed(file, ec);
    return false;
}

} // namespace

ActionFileFailure createAction(const LocationActions& location, std::string_view name,
                               const std::vector<ActionStep>& steps) {
    const std::string file = fileOf(location, name);
    std::error_code ec;
    if (!staysInMapFolder(name) || fsys::probe(file) != fsys::Probe::Missing)
        return failed(file, std::make_error_code(std::errc::file_exists));
    if (!fsys::writeWholeFile(file, actionFileBytes(std::nullopt, steps), ec))
        return failed(file, ec);
    if (!appendToActionIndex(location.indexFile, name, ec)) {
        std::error_code ignored;
        fsys::removeFile(file, ignored);
        return failed(location.indexFile, ec);
    }
    return {};
}

ActionSaveResult saveAction(const LocationActions& location, std::int32_t entry,
                            std::string_view oldName, std::string_view newName,
                            const std::vector<ActionStep>& steps) {
    ActionSaveResult result;
    const std::string oldFile = fileOf(location, oldName);
    const std::string newFile = fileOf(location, newName);
    std::error_code ec;
    if (!staysInMapFolder(oldName) || !staysInMapFolder(newName)) {
        result.failure = failed(staysInMapFolder(oldName) ? newFile : oldFile,
                                std::make_error_code(std::errc::permission_denied));
        return result;
    }
    std::optional<std::string> old;
    if (!readExisting(oldFile, old, ec)) {
        result.failure = failed(oldFile, ec);
        return result;
    }
    std::optional<std::string_view> oldBytes;
    if (old)
        oldBytes = *old;
    const std::string bytes = actionFileBytes(oldBytes, steps);
    if (oldName == newName) {
        if ((!old || bytes != *old) && !fsys::writeWholeFile(oldFile, bytes, ec))
            result.failure = failed(oldFile, ec);
        return result;
    }
    if (fsys::probe(newFile) != fsys::Probe::Missing) {
        result.failure = failed(newFile, std::make_error_code(std::errc::file_exists));
        return result;
    }
    if (!fsys::writeWholeFile(newFile, bytes, ec)) {
        result.failure = failed(newFile, ec);
        return result;
    }
    if (!renameActionIndexEntry(location.indexFile, entry, newName, ec)) {
        std::error_code ignored;
        fsys::removeFile(newFile, ignored);
        result.failure = failed(location.indexFile, ec);
        return result;
    }
    result.oldFileKept = removeUnlisted(location, oldName, result.removal);
    return result;
}

ActionRemovalResult removeAction(const LocationActions& location, model::LocationGrid& grid,
                                 std::string_view gridFile, std::int32_t entry,
                                 std::string_view name) {
    ActionRemovalResult result;
    model::renumberDoorsAfterRemoval(grid, static_cast<std::uint16_t>(entry + 1));
    std::error_code ec;
    if (!model::writeGridFile(gridFile, grid, ec)) {
        result.failure = failed(std::string(gridFile), ec);
        result.gridFailed = true;
        return result;
    }
    if (!removeActionIndexEntry(location.indexFile, entry, ec)) {
        result.failure = failed(location.indexFile, ec);
        return result;
    }
    result.fileKept = removeUnlisted(location, name, result.removal);
    return result;
}

} // namespace managers
