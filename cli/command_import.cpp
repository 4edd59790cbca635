#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/location_arguments.h"

#include "interchange/location_json_reader.h"
#include "model/location_creation.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

#include <filesystem>
#include <iostream>

namespace cli {
namespace {

const char* const kUsage =
    R"(usage: mapedit import [--root DIR] --map NAME --location NAME FILE [--replace]

Writes location NAME of the map from the JSON document FILE (as "mapedit
export --json" writes it): its configuration, grid and notes files, as the
location manager writes a new location's files. An existing location is
replaced only with --replace. The whole document is checked first; a problem
is one line naming its place in the document (e.g. layers.object[12][7]),
and then nothing is written.
Exit status 0 (written), 1 (a file could not be written), 2 (refused).
)";

constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

// The checked place the location goes to.
struct Target {
    std::string folder; // the map folder, ending in a separator
    std::string name;   // code page 1251
    model::LocationFiles files;
};

Target targetOf(const CommandLine& line) {
    if (const auto root = line.value("--root")) {
        appfolder::setNative(*root);
        if (!fsys::isFolder(mdlMain::ApplicationFolder()))
            throw Failure{"the folder " + *root + " given by --root does not exist"};
    }
    Target target;
    const std::string map = cp1251::fromUtf8(line.required("--map"));
    const std::string name = line.required("--location");
    bool lossless = true;
    target.name = cp1251::fromUtf8(name, &lossless);
    if (target.name.empty() || !lossless || target.name.find_first_of("/\\") != std::string::npos ||
        target.name.size() > model::maxLocationNameLength())
        throw Failure{"\"" + name + "\" cannot be a location's name (it needs 1 to " +
                      std::to_string(model::maxLocationNameLength()) +
                      " characters of code page 1251, without / or \\)"};
    target.files = model::locationFiles(map, target.name);
    target.folder = target.files.folder;
    if (!fsys::isFolder(target.folder))
        throw Failure{"the map folder " + displayPath(target.folder) + " does not exist"};
    return target;
}

// An existing file of the location, or nothing.
std::string existingFile(const model::LocationFiles& files) {
    for (const std::string* file : {&files.config, &files.grid, &files.notes}) {
        if (fsys::probe(*file) != fsys::Probe::Missing)
            return *file;
    }
    return {};
}

} // namespace

int runImport(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    Target target;
    std::string input;
    bool replace = false;
    interchange::LocationContent content;
    try {
        const CommandLine line(args, locationOptions(), {"--replace"});
        if (line.positional().size() != 1)
            throw Failure{"expected one JSON file to read (see mapedit import --help)"};
        input = line.positional().front();
        replace = line.has("--replace");
        target = targetOf(line);
        if (const std::string existing = existingFile(target.files); !existing.empty() && !replace)
            throw Failure{"location \"" + cp1251::toUtf8(target.name) + "\" exists (" +
                          displayPath(existing) + "); --replace replaces it"};
        const interchange::JsonReading reading =
            interchange::readLocationJsonFile(std::filesystem::path(input), content);
        if (!reading.ok)
            throw Failure{input + ": " + reading.problem};
    } catch (const Failure& failure) {
        std::cerr << "mapedit import: " << failure.message << "\n";
        return kRefused;
    }

    model::NewLocationFiles files;
    files.mapFolder = target.folder;
    files.name = target.name;
    files.notes = content.notes;
    files.widthText = std::to_string(content.grid.MapWidth());
    files.heightText = std::to_string(content.grid.MapHeight());
    files.round = content.round;
    const auto existing = replace ? model::ExistingFiles::Replace : model::ExistingFiles::WriteOver;
    if (const model::LocationWriteFailure failure =
            model::writeLocationFiles(files, content.grid, existing)) {
        std::cerr << "mapedit import: cannot write " << displayPath(failure.file) << ": "
                  << failure.error.message() << "\n";
        return kWriteFailed;
    }
    return 0;
}

} // namespace cli
