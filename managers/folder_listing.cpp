#include "managers/folder_listing.h"

#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/file_system.h"

#include <QString>

#include <algorithm>

namespace managers {

void sortIgnoringCase(std::vector<std::string>& names) {
    std::vector<std::pair<QString, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(QString::fromStdString(cp1251::toUtf8(name)).toUpper(), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

std::vector<std::string> locationNames(std::string_view mapFolder) {
    std::error_code ec;
    std::vector<std::string> files = fsys::listFolder(
        mapFolder, "*." + model::GetFileType(model::kConfigFile), fsys::EntryKind::Files, ec);
    sortIgnoringCase(files);
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const std::string& file : files) {
        const std::string title = file.substr(file.find_last_of('\\') + 1);
        names.push_back(title.substr(0, title.find('.')));
    }
    return names;
}

std::vector<std::string> folderEntries(std::string_view folder) {
    std::error_code ec;
    std::vector<std::string> entries =
        fsys::listFolder(folder, "*.*", fsys::EntryKind::Folders, ec);
    const std::vector<std::string> files =
        fsys::listFolder(folder, "*.*", fsys::EntryKind::Files, ec);
    entries.insert(entries.end(), files.begin(), files.end());
    sortIgnoringCase(entries);
    return entries;
}

} // namespace managers
