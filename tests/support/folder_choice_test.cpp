#include "support/folder_choice.h"
#include "test_support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace fs = std::filesystem;
using appfolder::Origin;
using testing_support::TempFolder;

namespace {

// Sets an environment variable for one test, putting the old value back.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvironmentScope() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(FolderChoice, APortableCopyIsTheExecutablesFolderHoldingMapsOrResources) {
    TempFolder maps, resources, lowercase, bare;
    maps.write("Maps/Default/main.map", "");
    resources.write("Resources/grass.bmp", "");
    lowercase.write("maps/x/main.config", "");
    const fs::path user = bare.path() / "user";

    for (const TempFolder* exe : {&maps, &resources, &lowercase}) {
        const appfolder::Choice choice = appfolder::choose(std::nullopt, exe->path(), user);
        EXPECT_EQ(choice.origin, Origin::Portable) << exe->path();
        EXPECT_EQ(choice.folder, exe->path());
    }
}

TEST(FolderChoice, WithoutAWorldBesideTheExecutableTheUsersFolderIsUsed) {
    TempFolder exe, files;
    exe.write("readme.txt", "");
    exe.write("Mapsx/a", "");
    // Files named like the folders make no world.
    files.write("Maps", "not a folder");
    files.write("Resources", "not a folder");
    const fs::path user = exe.path() / "elsewhere" / "mapeditor";

    for (const TempFolder* folder : {&exe, &files}) {
        const appfolder::Choice choice = appfolder::choose(std::nullopt, folder->path(), user);
        EXPECT_EQ(choice.origin, Origin::PerUser) << folder->path();
        EXPECT_EQ(choice.folder, user);
    }
    const appfolder::Choice missing =
        appfolder::choose(std::nullopt, exe.path() / "no such folder", user);
    EXPECT_EQ(missing.origin, Origin::PerUser);
}

TEST(FolderChoice, ANamedFolderWinsAndIsMadeAbsolute) {
    TempFolder portable, named;
    portable.write("Maps/Default/main.map", "");
    const appfolder::Choice choice =
        appfolder::choose(named.path(), portable.path(), portable.path() / "user");
    EXPECT_EQ(choice.origin, Origin::Named);
    EXPECT_EQ(choice.folder, named.path());

    const fs::path before = fs::current_path();
    fs::current_path(named.path());
    const appfolder::Choice relative =
        appfolder::choose(fs::path("sub/../world"), portable.path(), portable.path() / "user");
    fs::current_path(before);
    EXPECT_EQ(relative.origin, Origin::Named);
    EXPECT_TRUE(relative.folder.is_absolute());
    EXPECT_EQ(relative.folder, named.path() / "world");
}

TEST(FolderChoice, TheUsersFolderFollowsTheDataHomeOfTheDesktop) {
    {
        EnvironmentScope data("XDG_DATA_HOME", "/srv/data-home");
        EXPECT_EQ(appfolder::perUserFolder(), fs::path("/srv/data-home/mapeditor"));
    }
    {
        EnvironmentScope data("XDG_DATA_HOME", "relative/ignored");
        EnvironmentScope home("HOME", "/home/designer");
        EXPECT_EQ(appfolder::perUserFolder(), fs::path("/home/designer/.local/share/mapeditor"));
    }
    {
        EnvironmentScope data("XDG_DATA_HOME", nullptr);
        EnvironmentScope home("HOME", "/home/other");
        EXPECT_EQ(appfolder::perUserFolder(), fs::path("/home/other/.local/share/mapeditor"));
    }
}

TEST(FolderChoice, TheInstalledSampleWorldLiesInShareBesideBin) {
    EXPECT_EQ(appfolder::installedSampleWorld("/opt/editor/bin"),
              fs::path("/opt/editor/share/mapeditor"));
    EXPECT_EQ(appfolder::installedSampleWorld("/usr/bin"), fs::path("/usr/share/mapeditor"));
}
