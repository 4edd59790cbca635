// Symbolic links in the data below the application folder, as an unpacked
// archive can hold them: a link that stays inside the application folder is
// read and saved through as the file it leads to; one that leads outside,
// for a location's files, a map folder or the resources, is neither read nor
// written, and the designer learns which link leads where.

#include "hardening/load_messages.h"

#include "canvas/resource_catalogues.h"
#include "canvas/resource_folder.h"
#include "model/grid_file.h"
#include "model/location_files.h"
#include "model/location_loader.h"
#include "model/notes_file.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"
#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

namespace {

const char* const kConfig = "[CONFIG]\r\nWidth=2\r\nHeight=1\r\n";
const char* const kOutsideConfig = "[CONFIG]\r\nWidth=3\r\nHeight=3\r\n";

std::string spelled(const fs::path& p) {
    const std::u8string utf8 = p.u8string();
    return std::string(utf8.begin(), utf8.end());
}

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// An application folder "app" with the location Default/main, and a complete
// location "outside" beside it that links may point at.
class LinkedData : public ::testing::Test {
protected:
    void SetUp() override {
        outer.write("app/Maps/Default/main.config", kConfig);
        outer.write("app/Maps/Default/main.map", std::string(32, '\1'));
        outer.write("app/Maps/Default/main.inf", "inside notes\r\n");
        outer.write("outside/main.config", kOutsideConfig);
        outer.write("outside/main.map", std::string(96, '\2'));
        outer.write("outside/main.inf", "outside notes\r\n");
        appfolder::setNative(spelled(outer.path() / "app"));
    }

    void link(const fs::path& target, const std::string& linkBelowOuter) const {
        const fs::path where = outer.path() / linkBelowOuter;
        fs::remove(where);
        fs::create_symlink(target, where);
    }

    // Every file outside the application folder with its bytes.
    std::vector<std::pair<std::string, std::string>> outsideFiles() const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& e : fs::recursive_directory_iterator(outer.path())) {
            const fs::path relative = e.path().lexically_relative(outer.path());
            if (*relative.begin() != "app" && e.is_regular_file())
                files.emplace_back(relative.generic_string(),
                                   testing_support::readNative(e.path()));
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    // The words naming `linkBelowOuter` and where it leads, as the boundary
    // puts them.
    std::string linkWords(const std::string& linkBelowOuter,
                          const std::string& targetBelowOuter) const {
        return "the link \"" + spelled(outer.path() / linkBelowOuter) +
               "\" leads outside the application folder, to \"" +
               spelled(fs::canonical(outer.path()) / targetBelowOuter) + "\"";
    }

    model::LocationGrid loadedDefault() const {
        model::LocationGrid grid;
        hardening::LoadMessages messages;
        EXPECT_EQ(model::LoadMap(grid, "Default", "main", messages), model::LoadOutcome::Loaded);
        return grid;
    }

    TempFolder outer;
};

TEST_F(LinkedData, LinksThatStayInsideLoadAndSaveTheFilesTheyLeadTo) {
    fs::create_directories(outer.path() / "app/Maps/Linked");
    link("../Default/main.config", "app/Maps/Linked/main.config");
    link(outer.path() / "app/Maps/Default/main.map", "app/Maps/Linked/main.map");
    link("../Default/main.inf", "app/Maps/Linked/main.inf");
    link("Default", "app/Maps/Alias");
    const auto before = outsideFiles();

    for (const std::string map : {"Linked", "Alias"}) {
        SCOPED_TRACE(map);
        model::LocationGrid grid;
        hardening::LoadMessages messages;
        ASSERT_EQ(model::LoadMap(grid, map, "main", messages), model::LoadOutcome::Loaded)
            << (messages.texts.empty() ? "" : messages.texts[0]);
        EXPECT_EQ(grid.MapWidth(), 2);
        const model::LocationFiles files = model::locationFiles(map, "main");
        EXPECT_EQ(model::readNotesFile(files.notes), outer.read("app/Maps/Default/main.inf"));

        grid.setCellValue(model::Layer::Earths, 1, 0, map == "Linked" ? 7 : 9);
        std::error_code ec;
        ASSERT_TRUE(model::writeGridFile(files.grid, grid, ec)) << ec.message();
        ASSERT_TRUE(model::writeGridFile(model::locationFiles("Default", "copy").grid, grid, ec));
        EXPECT_EQ(outer.read("app/Maps/Default/main.map"), outer.read("app/Maps/Default/copy.map"))
            << "the save reached the file the link leads to";
        ASSERT_TRUE(model::writeNotesFile(files.notes, "notes of " + map, ec)) << ec.message();
        EXPECT_EQ(outer.read("app/Maps/Default/main.inf"), "notes of " + map + "\r\n");
        ASSERT_TRUE(mdlINI::WriteIniReporting(files.config, "CONFIG", "Seen", map, ec))
            << ec.message();
        EXPECT_EQ(
            mdlINI::ReadIni(model::locationFiles("Default", "main").config, "CONFIG", "Seen", ""),
            map);
    }
    for (const char* name : {"main.config", "main.map", "main.inf"})
        EXPECT_TRUE(fs::is_symlink(outer.path() / "app/Maps/Linked" / name)) << name;
    EXPECT_TRUE(fs::is_symlink(outer.path() / "app/Maps/Alias"));
    EXPECT_EQ(outsideFiles(), before);
}

TEST_F(LinkedData, LocationFilesLinkedOutsideAreNeitherReadNorWritten) {
    const model::LocationGrid loaded = loadedDefault();
    const model::LocationFiles files = model::locationFiles("Default", "main");
    const auto before = outsideFiles();

    for (const std::string kind : {"config", "map"}) {
        SCOPED_TRACE(kind);
        const std::string name = "app/Maps/Default/main." + kind;
        const std::string own = outer.read(name);
        link(outer.path() / ("outside/main." + kind), name);
        model::LocationGrid grid = loaded;
        hardening::LoadMessages messages;
        EXPECT_EQ(model::LoadMap(grid, "Default", "main", messages), model::LoadOutcome::Refused);
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_TRUE(mentions(messages.texts[0],
                             (kind == "config" ? "файл параметров локации не удалось прочитать ("
                                               : "файл карты локации не удалось открыть (") +
                                 linkWords(name, "outside/main." + kind) + ")."))
            << messages.texts[0];
        EXPECT_EQ(messages.events, 0) << "nothing changed";
        EXPECT_EQ(grid.MapWidth(), 2);

        std::error_code ec;
        if (kind == "map")
            EXPECT_FALSE(model::writeGridFile(files.grid, loaded, ec));
        else
            EXPECT_FALSE(mdlINI::WriteIniReporting(files.config, "CONFIG", "Width", "2", ec));
        EXPECT_EQ(ec, fsys::PathError::LinkLeavesApplicationFolder);
        EXPECT_TRUE(mentions(ec.message(), linkWords(name, "outside/main." + kind)))
            << ec.message();
        EXPECT_TRUE(fs::is_symlink(outer.path() / name)) << "the link was replaced";
        fs::remove(outer.path() / name);
        outer.write(name, own);
    }

    link(outer.path() / "outside/main.inf", "app/Maps/Default/main.inf");
    EXPECT_EQ(model::readNotesFile(files.notes), "");
    std::error_code ec;
    EXPECT_FALSE(model::writeNotesFile(files.notes, "overwritten", ec));
    EXPECT_TRUE(mentions(ec.message(), linkWords("app/Maps/Default/main.inf", "outside/main.inf")))
        << ec.message();
    EXPECT_EQ(outsideFiles(), before);
}

TEST_F(LinkedData, AMapFolderLinkedOutsideIsNeitherLoadedNorWritten) {
    const model::LocationGrid loaded = loadedDefault();
    link(outer.path() / "outside", "app/Maps/Away");
    link("Away", "app/Maps/Hop"); // stays inside, but leads on outside
    const auto before = outsideFiles();
    for (const std::string map : {"Away", "Hop", "away"}) {
        SCOPED_TRACE(map);
        model::LocationGrid grid = loaded;
        hardening::LoadMessages messages;
        EXPECT_EQ(model::LoadMap(grid, map, "main", messages), model::LoadOutcome::Refused);
        ASSERT_EQ(messages.texts.size(), 1u);
        const std::string named = map == "Hop" ? "app/Maps/Hop" : "app/Maps/Away";
        EXPECT_TRUE(mentions(messages.texts[0], linkWords(named, "outside"))) << messages.texts[0];

        const model::LocationFiles files = model::locationFiles(map, "main");
        std::error_code ec;
        EXPECT_FALSE(model::writeGridFile(files.grid, loaded, ec));
        EXPECT_EQ(ec, fsys::PathError::LinkLeavesApplicationFolder);
        EXPECT_FALSE(fsys::writeWholeFile(model::locationFiles(map, "new").config, kConfig, ec));
        EXPECT_FALSE(fsys::createFolder(files.folder + "sub", ec));
    }
    EXPECT_EQ(outsideFiles(), before);
}

std::string bmpBytes() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    canvas_testing::solidImage(8, 8, 0xFF00FF00).save(&buffer, "BMP");
    return bytes.toStdString();
}

TEST_F(LinkedData, ResourcesLinkedOutsideAreNotRead) {
    const std::string ground = canvas_testing::iniText(
        {{"DATA", {{"Count", "0"}}}, {"OBJ-0", {{"FileName", "ground.bmp"}, {"Name", "g"}}}});
    const std::string objects = canvas_testing::iniText({{"DATA", {{"Count", "0"}}}});
    outer.write("outside/res/level0.ini", ground);
    outer.write("outside/res/level1.ini", objects);
    outer.write("outside/res/ground.bmp", bmpBytes());
    outer.write("app/Shared/ground.bmp", bmpBytes());
    const auto load = [] {
        std::string path = "Resources";
        canvas::ResourceCatalogues catalogues;
        return catalogues.LoadResources(path);
    };

    link(outer.path() / "outside/res", "app/Resources");
    canvas::ResourceLoadResult result = load();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(cp1251::toUtf8(result.reason), linkWords("app/Resources", "outside/res")))
        << cp1251::toUtf8(result.message());

    fs::remove(outer.path() / "app/Resources");
    outer.write("app/Resources/level0.ini", ground);
    outer.write("app/Resources/level1.ini", objects);
    link("../Shared/ground.bmp", "app/Resources/ground.bmp");
    result = load();
    EXPECT_TRUE(result.ok) << cp1251::toUtf8(result.message());

    link(outer.path() / "outside/res/ground.bmp", "app/Resources/ground.bmp");
    result = load();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(cp1251::toUtf8(result.reason),
              "запись OBJ-0: не удалось прочитать (" +
                  linkWords("app/Resources/ground.bmp", "outside/res/ground.bmp") + ")");
}

TEST_F(LinkedData, TheCommandLineToolRefusesLinkedDataWithOneLine) {
    link(outer.path() / "outside", "app/Maps/Away");
    fs::create_directories(outer.path() / "app/Maps/Linked");
    link("../Default/main.config", "app/Maps/Linked/main.config");
    link("../Default/main.map", "app/Maps/Linked/main.map");
    const std::string root = spelled(outer.path() / "app");
    const auto info = [&](const std::string& map) {
        return testing_support::runProcess(MAPEDIT_CLI, {"info", "--root", root, "--map", map},
                                           std::chrono::seconds(20));
    };

    const testing_support::ProcessResult inside = info("Linked");
    EXPECT_EQ(inside.exitCode, 0) << inside.err;
    EXPECT_TRUE(mentions(inside.out, "width: 2\n")) << inside.out;

    const testing_support::ProcessResult away = info("Away");
    EXPECT_EQ(away.exitCode, 1);
    EXPECT_EQ(std::count(away.err.begin(), away.err.end(), '\n'), 1) << away.err;
    EXPECT_TRUE(mentions(away.err, linkWords("app/Maps/Away", "outside"))) << away.err;

    link(outer.path() / "outside/main.map", "app/Maps/Default/main.map");
    const testing_support::ProcessResult grid = info("Default");
    EXPECT_EQ(grid.exitCode, 1);
    EXPECT_EQ(std::count(grid.err.begin(), grid.err.end(), '\n'), 1) << grid.err;
    EXPECT_TRUE(mentions(grid.err, "cannot read grid file " +
                                       spelled(outer.path() / "app/Maps/Default/main.map") + ": " +
                                       linkWords("app/Maps/Default/main.map", "outside/main.map")))
        << grid.err;
}

} // namespace
