#pragma once
// Which folder the editor works in. A folder named on the command line wins;
// otherwise the program's own folder when it holds a world of its own (a
// portable copy: "Maps" or "Resources" beside the executable); otherwise the
// user's own folder.

#include <filesystem>
#include <optional>

namespace appfolder {

enum class Origin {
    Named,    // --root DIR
    Portable, // the executable's folder holds Maps or Resources
    PerUser,  // the user's own folder
};

struct Choice {
    std::filesystem::path folder;
    Origin origin;
};

// Whether `folder` holds a folder "Maps" or "Resources", in any letter case
// (worlds are authored on file systems that ignore case).
bool holdsWorld(const std::filesystem::path& folder);

// The folder to work in. A named folder relative to the working folder is
// made absolute.
Choice choose(const std::optional<std::filesystem::path>& named,
              const std::filesystem::path& executableFolder,
              const std::filesystem::path& perUserFolder);

// The user's own folder for the editor's world: "mapeditor" in the user's
// data folder ($XDG_DATA_HOME, else ~/.local/share, on Linux; the local
// application data on Windows; Application Support on macOS).
std::filesystem::path perUserFolder();

// Where an installed copy keeps its sample world, relative to the folder of
// its executables (share/mapeditor beside bin/, as installed).
std::filesystem::path installedSampleWorld(const std::filesystem::path& executableFolder);

} // namespace appfolder
