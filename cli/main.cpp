// mapedit: the command-line face of the map editor's libraries.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "support/application_folder.h"
#include "support/folder_choice.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <map>

namespace {

const char* const kUsage = R"(usage: mapedit COMMAND [ARGUMENTS]

Reads and writes the files of the game's maps without opening the editor.

commands:
  ini get FILE SECTION KEY [DEFAULT]   print one value of an INI file
  ini set FILE SECTION KEY VALUE       store one value in an INI file
  info --root DIR --map NAME [--location NAME]
                                       size and contents of a location
  cell --root DIR --map NAME [--location NAME] X Y
                                       the six values of one cell
  render --root DIR --map NAME [--location NAME] [view options] --out FILE
                                       draw a location's view as the editor does
  check --root DIR --map NAME [--location NAME] [--json]
                                       check a map for what the game would trip over
  diff [--stat] [--size WxH] OLD NEW   compare two locations' grid files cell by cell
  git-diff PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE
                                       the same as git's external diff command
  merge BASE OURS THEIRS --path PATH [--size WxH]
                                       merge grid files cell by cell, as git's merge driver
  export --root DIR --map NAME [--location NAME] --json FILE
                                       write a location into a JSON file
  import --root DIR --map NAME --location NAME FILE [--replace]
                                       write a location from a JSON file

Run "mapedit COMMAND --help" for the details of a command,
"mapedit --version" for the version.
)";

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a write fail with its reason instead of ending
    // the program half-way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty() || all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        std::cout << kUsage;
        return all.empty() ? 1 : 0;
    }
    if (all[0] == "--version") {
        std::cout << "mapedit " << MAPEDIT_VERSION << "\n";
        return 0;
    }
    const std::map<std::string, int (*)(const cli::Args&)> commands = {
        {"ini", cli::runIni},          {"info", cli::runInfo},   {"cell", cli::runCell},
        {"render", cli::runRender},    {"check", cli::runCheck}, {"diff", cli::runDiff},
        {"git-diff", cli::runGitDiff}, {"merge", cli::runMerge}, {"export", cli::runExport},
        {"import", cli::runImport},
    };
    const auto command = commands.find(all[0]);
    if (command == commands.end()) {
        std::cerr << "mapedit: unknown command \"" << all[0] << "\" (see mapedit --help)\n";
        return 1;
    }
    // Without --root, a command works in the folder the editor would choose
    // (the editor also fills a new per-user folder; mapedit only reads it).
    const auto folder =
        appfolder::choose(std::nullopt, appfolder::executableFolder(), appfolder::perUserFolder())
            .folder.u8string();
    appfolder::setNative(std::string(folder.begin(), folder.end()));
    try {
        return command->second(cli::Args(all.begin() + 1, all.end()));
    } catch (const cli::Failure& failure) {
        std::cerr << "mapedit " << all[0] << ": " << failure.message << "\n";
    } catch (const std::exception& e) {
        std::cerr << "mapedit " << all[0] << ": " << e.what() << "\n";
    }
    return 1;
}
