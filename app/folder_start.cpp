#include "app/folder_start.h"

#include "support/application_folder.h"
#include "support/world_seeding.h"

#include <QDir>

#include <cstdio>
#include <system_error>

namespace fs = std::filesystem;

namespace app {
namespace {

fs::path nativePath(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

appfolder::Choice startFolder(const std::optional<QString>& root) {
    std::optional<fs::path> named;
    if (root)
        named = nativePath(*root);
    return appfolder::choose(named, appfolder::executableFolder(), appfolder::perUserFolder());
}

QString nativeText(const fs::path& folder) {
    const std::u8string utf8 = folder.u8string();
    return QDir::toNativeSeparators(
        QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), qsizetype(utf8.size())));
}

QString folderNote(const appfolder::Choice& choice) {
    const QString folder = "Application folder: " + nativeText(choice.folder);
    switch (choice.origin) {
    case appfolder::Origin::Named:
        return folder + " (named by --root).";
    case appfolder::Origin::Portable:
        return folder + " (the program's own folder, which holds Maps or Resources).";
    case appfolder::Origin::PerUser:
        break;
    }
    return folder + " (the user's own; the first start fills it with the sample world).";
}

bool prepareFolder(const appfolder::Choice& choice) {
    if (choice.origin == appfolder::Origin::PerUser) {
        const fs::path sample = appfolder::installedSampleWorld(appfolder::executableFolder());
        const appfolder::SeedResult seed = appfolder::seedFirstStart(sample, choice.folder);
        for (const std::string& failure : seed.failures)
            std::fprintf(stderr, "mapeditor: the sample world: %s\n", failure.c_str());
    }
    std::error_code ec;
    if (!fs::is_directory(choice.folder, ec)) {
        std::fprintf(stderr, "mapeditor: %s%s: no such folder\n",
                     choice.origin == appfolder::Origin::Named ? "--root " : "",
                     nativeText(choice.folder).toLocal8Bit().constData());
        return false;
    }
    const std::u8string utf8 = choice.folder.u8string();
    appfolder::setNative(std::string(utf8.begin(), utf8.end()));
    return true;
}

} // namespace app
