// Names taken from data (a catalogue's FileName, a location or map name, an
// INI file named by another) never lead a read or a write outside the
// application folder, however many ".." they hold.

#include "hardening/leftovers.h"
#include "hardening/load_messages.h"

#include "canvas/resource_catalogues.h"
#include "canvas/resource_folder.h"
#include "model/action_files.h"
#include "model/grid_file.h"
#include "model/location_files.h"
#include "model/location_loader.h"
#include "model/notes_file.h"
#include "model/palette_file.h"
#include "support/application_folder.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"
#include "support/path_confinement.h"
#include "test_support/temp_folder.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

namespace {

// An application folder "app" with files beside it that must stay out of reach.
class OutsideFiles : public ::testing::Test {
protected:
    void SetUp() override {
        outer.write("app/Maps/Default/main.config", "[CONFIG]\r\nWidth=2\r\nHeight=1\r\n");
        outer.write("app/Maps/Default/main.map", std::string(32, '\1'));
        outer.write("secret.ini", "[S]\r\nk=secret\r\n");
        outer.write("outside/main.config", "[CONFIG]\r\nWidth=3\r\nHeight=3\r\n");
        outer.write("outside/main.map", std::string(96, '\2'));
        appfolder::setNative((outer.path() / "app").string());
        app = mdlMain::ApplicationFolder();
    }

    // Everything below the outer folder but outside the application folder.
    std::vector<std::string> outsideEntries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(outer.path())) {
            const fs::path relative = fs::relative(e.path(), outer.path());
            if (*relative.begin() != "app")
                names.push_back(relative.generic_string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string bmpBytes() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        canvas_testing::solidImage(8, 8, 0xFF00FF00).save(&buffer, "BMP");
        return bytes.toStdString();
    }

    // A ground catalogue with one entry whose picture is `fileName`, and an
    // object catalogue without entries of its own.
    void writeGroundCatalogue(const std::string& fileName) const {
        outer.write("app/Resources/level0.ini",
                    canvas_testing::iniText({{"DATA", {{"Count", "0"}}},
                                             {"OBJ-0", {{"FileName", fileName}, {"Name", "x"}}}}));
        outer.write("app/Resources/level1.ini",
                    canvas_testing::iniText({{"DATA", {{"Count", "0"}}}}));
    }

    TempFolder outer;
    std::string app;
};

TEST_F(OutsideFiles, TheBoundaryRefusesEveryPathThatClimbsOutOfTheApplicationFolder) {
    const std::vector<std::string> before = outsideEntries();
    for (const std::string& climbing :
         {app + "..\\secret.ini", app + "Maps\\..\\..\\secret.ini", app + "Maps/../../secret.ini",
          app + "Resources\\.\\..\\..\\outside\\main.map", app + "..\\app\\..\\secret.ini",
          app + "..", app + "..\\new.ini"}) {
        SCOPED_TRACE(climbing);
        std::error_code ec;
        fsys::resolve(climbing, ec);
        EXPECT_EQ(ec, fsys::PathError::OutsideApplicationFolder);
        EXPECT_EQ(fsys::probe(climbing), fsys::Probe::OtherFailure);
        std::string bytes;
        EXPECT_FALSE(fsys::readWholeFile(climbing, bytes, ec));
        EXPECT_EQ(ec, fsys::PathError::OutsideApplicationFolder);
        EXPECT_FALSE(fsys::writeWholeFile(climbing, "overwritten", ec));
        EXPECT_FALSE(fsys::removeFile(climbing, ec));
        EXPECT_FALSE(fsys::createFolder(climbing + "\\made", ec));
        EXPECT_TRUE(fsys::listFolder(climbing, "*.*", fsys::EntryKind::Files, ec).empty());
        EXPECT_EQ(mdlINI::ReadIni(climbing, "S", "k", "default"), "default");
        EXPECT_FALSE(mdlINI::WriteIniReporting(climbing, "S", "k", "v", ec));
    }
    EXPECT_EQ(outsideEntries(), before);
    EXPECT_EQ(testing_support::readNative(outer.path() / "secret.ini"), "[S]\r\nk=secret\r\n");
}

TEST_F(OutsideFiles, ClimbingThatStaysInsideAndPathsElsewhereAreLeftAlone) {
    std::string bytes;
    std::error_code ec;
    EXPECT_TRUE(fsys::readWholeFile(app + "Maps\\..\\Maps\\Default\\main.config", bytes, ec))
        << ec.message();
    // Paths the program did not build below the application folder, such as
    // files named on the command line, are not confined.
    EXPECT_TRUE(
        fsys::readWholeFile(fsys::toText(outer.path()) + "\\outside\\..\\secret.ini", bytes, ec))
        << ec.message();
    EXPECT_FALSE(fsys::leavesFolder("\\a\\appendix\\..\\..\\x", "\\a\\app"))
        << "a folder whose name starts like the application folder is another folder";
}

TEST_F(OutsideFiles, ALocationOrMapNameWithDotsNeitherLoadsNorSavesOutside) {
    model::LocationGrid grid;
    hardening::LoadMessages listener;
    ASSERT_EQ(model::LoadMap(grid, "Default", "main", listener), model::LoadOutcome::Loaded);
    const std::vector<std::string> before = outsideEntries();
    for (const auto& [map, name] :
         std::vector<std::pair<std::string, std::string>>{{"Default", "..\\..\\..\\outside\\main"},
                                                          {"..\\..\\outside", "main"},
                                                          {"Default/../../../outside", "main"}}) {
        SCOPED_TRACE(map + " / " + name);
        listener.texts.clear();
        listener.events = 0;
        EXPECT_EQ(model::LoadMap(grid, map, name, listener), model::LoadOutcome::Refused);
        ASSERT_EQ(listener.texts.size(), 1u);
        EXPECT_NE(listener.texts[0].find("outside the application folder"), std::string::npos)
            << listener.texts[0];
        EXPECT_EQ(listener.events, 0) << "nothing changed";
        EXPECT_EQ(grid.MapWidth(), 2);

        const model::LocationFiles files = model::locationFiles(map, name);
        std::error_code ec;
        EXPECT_FALSE(model::writeGridFile(files.grid, grid, ec));
        EXPECT_EQ(ec, fsys::PathError::OutsideApplicationFolder);
        EXPECT_FALSE(model::writeNotesFile(files.notes, "notes", ec));
        EXPECT_FALSE(mdlINI::WriteIniReporting(files.config, "CONFIG", "Width", "1", ec));
    }
    EXPECT_EQ(outsideEntries(), before);
}

TEST_F(OutsideFiles, ACatalogueFileNameCannotReachAPictureOutside) {
    // A real picture outside, which a catalogue entry names in three ways.
    outer.write("secret.bmp", bmpBytes());
    outer.write("app/inside.bmp", bmpBytes());
    std::string resourcesPath = "Resources";
    for (const std::string& name : {std::string("..\\..\\secret.bmp"),
                                    std::string("../../secret.bmp"), app + "..\\secret.bmp"}) {
        SCOPED_TRACE(name);
        writeGroundCatalogue(name);
        canvas::ResourceCatalogues catalogues;
        const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
        EXPECT_FALSE(result.ok) << "the picture outside was read";
        EXPECT_NE(result.reason.find("OBJ-0"), std::string::npos) << result.message();
    }
    // Leaving the resource folder for another place inside the application
    // folder is allowed.
    writeGroundCatalogue("..\\inside.bmp");
    canvas::ResourceCatalogues catalogues;
    const canvas::ResourceLoadResult inside = catalogues.LoadResources(resourcesPath);
    EXPECT_TRUE(inside.ok) << inside.message();
}

TEST_F(OutsideFiles, PaletteSourcesAndActionNamesReadNothingOutside) {
    outer.write("secret.ini", "[S]\r\nName=secret\r\nFileName=secret.bmp\r\nBlock=111\r\n"
                              "[ACTIONS]\r\nCount=0\r\nA0=secret\r\n"
                              "[ACTION]\r\nActionType=tell\r\nText=secret\r\n");
    outer.write("app/Resources/editor.ini",
                "[CATAGORIES]\r\nCount=0\r\nCategory0=c\r\n[CATEGORY-0]\r\nCount=1\r\n"
                "Source0=..\\..\\secret.ini\r\nData0=S\r\nSource1=../../secret.ini\r\nData1=S\r\n");
    const editor::PaletteFile palette(app + "Resources\\");
    const auto entries = palette.entries(0);
    ASSERT_EQ(entries.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(entries[k].name, "Unknown");
        const editor::PaletteFile::EntryDetails details = palette.entry(0, k);
        EXPECT_TRUE(details.exists);
        EXPECT_EQ(details.picture, "");
        EXPECT_EQ(details.footprint, "");
    }

    // An index named through a location name with "..", and action names that
    // climb out of the map folder or name a file elsewhere.
    const std::string mapFolder = app + "Maps\\Default\\";
    EXPECT_EQ(managers::readActionIndex(mapFolder + "..\\..\\..\\secret.ini"),
              std::vector<std::string>{});
    for (const std::string& name :
         {std::string("..\\..\\..\\secret.ini"), std::string("../../../secret.ini"),
          app + "..\\secret.ini", std::string("..")}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(managers::readActionFields(mapFolder, name).tellText, "");
    }
}

} // namespace
