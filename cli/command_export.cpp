#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/location_arguments.h"

#include "interchange/location_content.h"
#include "interchange/location_json_writer.h"

#include <filesystem>
#include <iostream>

namespace cli {
namespace {

const char* const kUsage =
    R"(usage: mapedit export [--root DIR] --map NAME [--location NAME] --json FILE

Writes a location into an interchange file: --json FILE writes a JSON document
holding the width, the height, "round", the notes (UTF-8) and the six layers
earth, object, item, action, block and guard as height + 1 rows of width
values each (object and action 0..65535, the others 0..255). The file is
written whole or not at all. "mapedit import" reads it back.
)";

using Content = interchange::LocationContent;

void writeJson(const Content& content, const std::string& file) {
    std::error_code ec;
    if (!interchange::writeLocationJsonFile(std::filesystem::path(file), content, ec))
        throw Failure{"cannot write " + file + ": " + ec.message()};
}

// The output formats: the option naming the file, and the writer.
struct OutputFormat {
    const char* option;
    void (*write)(const Content& content, const std::string& file);
};
constexpr OutputFormat kFormats[] = {
    {"--json", writeJson},
};

std::set<std::string> exportOptions() {
    std::set<std::string> options = locationOptions();
    for (const OutputFormat& format : kFormats)
        options.insert(format.option);
    return options;
}

// The one output the command line names.
const OutputFormat& chosenFormat(const CommandLine& line) {
    const OutputFormat* chosen = nullptr;
    std::string names;
    for (const OutputFormat& format : kFormats) {
        names += names.empty() ? format.option : std::string(" or ") + format.option;
        if (!line.has(format.option))
            continue;
        if (chosen)
            throw Failure{"give one output, not both " + std::string(chosen->option) + " and " +
                          format.option};
        chosen = &format;
    }
    if (!chosen)
        throw Failure{"an output is required: " + names + " FILE"};
    return *chosen;
}

} // namespace

int runExport(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    const CommandLine line(args, exportOptions(), {});
    if (!line.positional().empty())
        throw Failure{"unexpected argument \"" + line.positional().front() + "\""};
    const OutputFormat& format = chosenFormat(line);
    const LocationArguments location = openLocation(line);

    Content content;
    const interchange::ContentReading reading =
        interchange::readLocationContent(location.files, location.size, content);
    if (!reading.ok)
        throw Failure{reading.problem};
    if (reading.bytesPastGrid > 0)
        std::cerr << "mapedit export: warning: grid file " << displayPath(location.files.grid)
                  << " holds " << reading.bytesPastGrid
                  << " bytes past the location's cells; they are not exported\n";
    format.write(content, *line.value(format.option));
    return 0;
}

} // namespace cli
