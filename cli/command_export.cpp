#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/location_arguments.h"
#include "cli/tmx_export.h"

#include "interchange/location_content.h"
#include "interchange/location_json_writer.h"
#include "support/cp1251.h"

#include <filesystem>
#include <iostream>

namespace cli {
namespace {

const char* const kUsage =
    R"(usage: mapedit export [--root DIR] --map NAME [--location NAME] --json FILE
       mapedit export [--root DIR] --map NAME [--location NAME] [--resources FOLDER]
                      --tmx FILE

Writes a location into an interchange file.

--json FILE writes a JSON document holding the width, the height, "round", the
notes (UTF-8) and the six layers earth, object, item, action, block and guard
as height + 1 rows of width values each (object and action 0..65535, the
others 0..255). "mapedit import" reads it back.

--tmx FILE writes a Tiled map (TMX) of width x height cells of 32 x 32 pixels:
the rows 0..height - 1 that "mapedit render --whole" draws (the grid's last
row, height, is left out, as the render leaves it out). Its tile layers are
"earth" (the ground), "objects" (each object in its cell, its picture hanging
from the cell's top-left corner as the editor draws it), and, hidden, "blocks",
"guards" and "actions" (the cells marked). The tilesets are made from the
catalogues of the resource folder (--resources, below DIR, default Resources),
whose pictures are written as PNG files into the folder NAME.tiles beside
FILE (NAME: FILE's name without its extension), replacing an older one: ground
tiles at the cell's size, objects with transparency from their masks, and the
placeholder the editor draws for codes without an entry. Where sprites overlap,
Tiled draws row by row and the editor column by column. The map's properties
hold the notes and "round"; each tile's, its catalogue code and name.

The files are written whole or not at all.
)";

using Content = interchange::LocationContent;

void writeJson(const Content& content, const std::string& file, const CommandLine&) {
    std::error_code ec;
    if (!interchange::writeLocationJsonFile(std::filesystem::path(file), content, ec))
        throw Failure{"cannot write " + file + ": " + ec.message()};
}

void writeTmx(const Content& content, const std::string& file, const CommandLine& line) {
    writeTmxExport(content, file,
                   cp1251::fromUtf8(line.value("--resources").value_or("Resources")));
}

// The output formats: the option naming the file, and the writer.
struct OutputFormat {
    const char* option;
    void (*write)(const Content& content, const std::string& file, const CommandLine& line);
};
constexpr OutputFormat kFormats[] = {
    {"--json", writeJson},
    {"--tmx", writeTmx},
};

std::set<std::string> exportOptions() {
    std::set<std::string> options = locationOptions();
    options.insert("--resources");
    for (const OutputFormat& format : kFormats)
        options.insert(format.option);
    return options;
}

// The one output the command line names.
const OutputFormat& chosenFormat(const CommandLine& line) {
    const OutputFormat* chosen = nullptr;
    std::string names;
    for (const OutputFormat& format : kFormats) {
        names += (names.empty() ? "" : " or ") + std::string(format.option) + " FILE";
        if (!line.has(format.option))
            continue;
        if (chosen)
            throw Failure{"give one output, not both " + std::string(chosen->option) + " and " +
                          format.option};
        chosen = &format;
    }
    if (!chosen)
        throw Failure{"an output is required: " + names};
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
    if (line.has("--resources") && std::string_view(format.option) != "--tmx")
        throw Failure{"--resources applies to --tmx only"};
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
    format.write(content, *line.value(format.option), line);
    return 0;
}

} // namespace cli
