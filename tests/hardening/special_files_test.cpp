// Named pipes and sockets where the programs expect their data files (as a
// damaged or hostile unpacked map can hold them): every reader refuses them
// at once and says why, and the command-line tool prints its one line. Each
// reader runs in a child process with a time limit, so a reader that waits
// for the pipe's other end fails its test instead of hanging the suite.

#include "hardening/load_messages.h"

#include "canvas/resource_catalogues.h"
#include "canvas/resource_folder.h"
#include "model/action_files.h"
#include "model/generation_log.h"
#include "model/location_files.h"
#include "model/location_fixture.h"
#include "model/location_loader.h"
#include "model/notes_file.h"
#include "model/palette_file.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"
#include "test_support/in_child.h"
#include "test_support/process.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testing_support::resultWithoutWaiting;

namespace {

const std::string kPipe = "not a regular file: named pipe";

void makePipe(const fs::path& path) {
    fs::create_directories(path.parent_path());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
}

// The loader's messages for location `name` of map "M" (UTF-8, one a line)
// and how many other events it sent.
std::string loadOutcome(const std::string& name) {
    model::LocationGrid grid;
    hardening::LoadMessages messages;
    const model::LoadOutcome outcome = model::LoadMap(grid, "M", name, messages);
    std::string text = outcome == model::LoadOutcome::Refused ? "refused" : "loaded";
    for (const std::string& message : messages.texts)
        text += "\n" + message;
    return text + "\nevents: " + std::to_string(messages.events);
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

TEST(SpecialDataFiles, ALocationWhoseConfigurationOrGridIsNoFileIsRefusedAtOnce) {
    testing_support::WorldFolder world;
    const fs::path maps = world.root().path() / "Maps/M";
    makePipe(maps / "pipe.config");
    world.writeGrid("M", "pipe", std::string(16, '\0'));
    world.writeConfig("M", "grid", 2, 1);
    makePipe(maps / "grid.map");

    const std::string config = resultWithoutWaiting([] { return loadOutcome("pipe"); });
    EXPECT_EQ(config, "refused\nНе возможно загрузить локацию \"pipe\" так как файл параметров "
                      "локации не удалось прочитать (" +
                          kPipe +
                          ").\r\nЗа дополнительной информацией обращайтесь к разработчику."
                          "\nevents: 0");
    const std::string grid = resultWithoutWaiting([] { return loadOutcome("grid"); });
    EXPECT_EQ(firstLine(grid), "refused\nНе возможно загрузить локацию \"grid\" так как файл "
                               "карты локации не удалось открыть (" +
                                   kPipe + ").");
    EXPECT_NE(grid.find("events: 0"), std::string::npos) << grid;

    // A socket as configuration.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (maps / "socket.config").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    world.writeGrid("M", "socket", std::string(16, '\0'));
    const std::string socket = resultWithoutWaiting([] { return loadOutcome("socket"); });
    ::close(fd);
    EXPECT_NE(socket.find("(not a regular file: socket)."), std::string::npos) << socket;
}

TEST(SpecialDataFiles, NotesAndTheGenerationLogThatAreNamedPipesAreNeitherReadNorWritten) {
    testing_support::WorldFolder world;
    const fs::path notes = world.root().path() / "Maps/M/main.inf";
    makePipe(notes);
    const model::LocationFiles files = model::locationFiles("M", "main");
    EXPECT_EQ(resultWithoutWaiting([&] {
                  std::error_code ec;
                  const std::string read = model::readNotesFile(files.notes);
                  model::writeNotesFile(files.notes, "notes", ec);
                  return "read \"" + read + "\", write: " + ec.message();
              }),
              "read \"\", write: " + kPipe);
    EXPECT_TRUE(fs::is_fifo(notes));

    makePipe(world.root().path() / "worldgen.log");
    EXPECT_EQ(resultWithoutWaiting([] {
                  std::error_code ec;
                  return model::WriteGenLog("entry", ec) ? std::string("written") : ec.message();
              }),
              kPipe);
}

TEST(SpecialDataFiles, IniFilesThatAreNamedPipesGiveTheirDefaultsAndTakeNoValues) {
    testing_support::WorldFolder world;
    makePipe(world.root().path() / "Maps/M/main.config");
    const std::string file = model::locationFiles("M", "main").config;
    EXPECT_EQ(resultWithoutWaiting([&] {
                  std::error_code ec;
                  const std::string value = mdlINI::ReadIni(file, "CONFIG", "Width", "default");
                  const std::string problem = mdlINI::IniReadProblem(file).message();
                  mdlINI::WriteIniReporting(file, "CONFIG", "Width", "1", ec);
                  return value + " / " + problem + " / " + ec.message();
              }),
              "default / " + kPipe + " / " + kPipe);
    EXPECT_TRUE(fs::is_fifo(world.root().path() / "Maps/M/main.config"));
}

TEST(SpecialDataFiles, CataloguesAndPicturesThatAreNamedPipesStopTheLoadWithTheirReason) {
    canvas_testing::ResourceFolder folder;
    const fs::path resources = fs::path(cp1251::toUtf8(fsys::displayText(folder.folderText())));
    makePipe(resources / "level0.ini");
    folder.writeObjectCatalogue({{"DATA", {{"Count", "-1"}}}});
    const auto load = [] {
        std::string path = "Resources";
        canvas::ResourceCatalogues catalogues;
        return cp1251::toUtf8(catalogues.LoadResources(path).reason);
    };
    EXPECT_EQ(resultWithoutWaiting(load), "не удалось прочитать (" + kPipe + ")");

    fs::remove(resources / "level0.ini");
    folder.writeEarthCatalogue(
        {{"DATA", {{"Count", "0"}}}, {"OBJ-0", {{"FileName", "ground.bmp"}, {"Name", "g"}}}});
    makePipe(resources / "ground.bmp");
    EXPECT_EQ(resultWithoutWaiting(load), "запись OBJ-0: не удалось прочитать (" + kPipe + ")");
}

TEST(SpecialDataFiles, PaletteAndActionFilesThatAreNamedPipesReadAsEmpty) {
    testing_support::TempFolder root;
    makePipe(root.path() / "Resources/editor.ini");
    const std::string resources = root.text() + "Resources\\";
    EXPECT_EQ(resultWithoutWaiting([&] {
                  return std::to_string(editor::PaletteFile(resources).categoryNames().size());
              }),
              "0");

    // A palette whose entry names a catalogue that is a pipe.
    fs::remove(root.path() / "Resources/editor.ini");
    root.write("Resources/editor.ini",
               "[CATAGORIES]\r\nCount=0\r\nCategory0=c\r\n"
               "[CATEGORY-0]\r\nCount=0\r\nSource0=pipe.ini\r\nData0=S\r\n");
    makePipe(root.path() / "Resources/pipe.ini");
    EXPECT_EQ(resultWithoutWaiting([&] {
                  const editor::PaletteFile palette(resources);
                  const auto entries = palette.entries(0);
                  const auto details = palette.entry(0, 0);
                  return entries.at(0).name + " [" + details.picture + "]";
              }),
              "Unknown []");

    makePipe(root.path() / "Maps/M/main.actl");
    makePipe(root.path() / "Maps/M/door");
    const std::string map = root.text() + "Maps\\M\\";
    EXPECT_EQ(resultWithoutWaiting([&] {
                  const auto names = managers::readActionIndex(map + "main.actl");
                  const auto fields = managers::readActionFields(map, "door");
                  return std::to_string(names.size()) + " [" + fields.tellText + "]";
              }),
              "0 []");
}

// One line on the error stream, naming the pipe, and exit code 1; the time
// limit kills a tool that waits.
void expectOneLineNamingThePipe(const std::vector<std::string>& args) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const testing_support::ProcessResult result =
        testing_support::runProcess(MAPEDIT_CLI, args, std::chrono::seconds(20));
    EXPECT_FALSE(result.timedOut) << "mapedit waited for the pipe";
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find(": " + kPipe + "\n"), std::string::npos) << result.err;
}

TEST(SpecialDataFiles, TheCommandLineToolRefusesANamedPipeWithOneLine) {
    testing_support::WorldFolder world;
    const fs::path maps = world.root().path() / "Maps/Default";
    makePipe(maps / "pipe.config");
    world.writeGrid("Default", "pipe", std::string(16, '\0'));
    world.writeConfig("Default", "grid", 2, 1);
    makePipe(maps / "grid.map");
    const std::string root = world.root().path().string();
    expectOneLineNamingThePipe({"info", "--root", root, "--map", "Default", "--location", "pipe"});
    expectOneLineNamingThePipe({"info", "--root", root, "--map", "Default", "--location", "grid"});
    expectOneLineNamingThePipe(
        {"cell", "--root", root, "--map", "Default", "--location", "grid", "0", "0"});
    const std::string pipe = (maps / "pipe.config").string();
    expectOneLineNamingThePipe({"ini", "get", pipe, "CONFIG", "Width"});
    expectOneLineNamingThePipe({"ini", "set", pipe, "CONFIG", "Width", "5"});
    EXPECT_TRUE(fs::is_fifo(maps / "pipe.config"));
}

} // namespace
