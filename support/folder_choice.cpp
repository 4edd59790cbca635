#include "support/folder_choice.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>
#include <system_error>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#ifndef MAPEDIT_INSTALLED_WORLD
#define MAPEDIT_INSTALLED_WORLD "../share/mapeditor"
#endif

namespace fs = std::filesystem;

namespace appfolder {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

fs::path fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return {};
    const std::string_view text(value);
    return fs::path(std::u8string(text.begin(), text.end()));
}

#ifndef _WIN32
fs::path homeFolder() {
    fs::path home = fromEnvironment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}
#endif

} // namespace

fs::path perUserFolder() {
#if defined(_WIN32)
    fs::path data = fromEnvironment("LOCALAPPDATA");
#elif defined(__APPLE__)
    fs::path data = homeFolder() / "Library" / "Application Support";
#else
    fs::path data = fromEnvironment("XDG_DATA_HOME");
    if (!data.is_absolute()) // the base folder rules ignore a relative one
        data = homeFolder() / ".local" / "share";
#endif
    return data / "mapeditor";
}

bool holdsWorld(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!sameLetters(name, "Maps") && !sameLetters(name, "Resources"))
            continue;
        std::error_code typeError;
        if (it->is_directory(typeError))
            return true;
    }
    return false;
}

Choice choose(const std::optional<fs::path>& named, const fs::path& executableFolder,
              const fs::path& perUserFolder) {
    if (named) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(*named, ec);
        return {(ec ? *named : absolute).lexically_normal(), Origin::Named};
    }
    if (holdsWorld(executableFolder))
        return {executableFolder, Origin::Portable};
    return {perUserFolder, Origin::PerUser};
}

fs::path installedSampleWorld(const fs::path& executableFolder) {
    return (executableFolder / MAPEDIT_INSTALLED_WORLD).lexically_normal();
}

} // namespace appfolder
