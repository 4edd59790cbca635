#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/location_arguments.h"

#include "model/grid_file.h"
#include "model/location_grid.h"

#include <iostream>

namespace cli {
namespace {

const char* const kInfoUsage = R"(usage: mapedit info [--root DIR] --map NAME [--location NAME]

Prints the size of a location as its configuration gives it, the number of
rows, the expected and actual size of its grid file, and the number of
non-empty cells of each layer. DIR is the application folder (default: the
folder of mapedit); the map is DIR/Maps/NAME; the location defaults to main.
)";

const char* const kCellUsage = R"(usage: mapedit cell [--root DIR] --map NAME [--location NAME] X Y

Prints the six values of cell (X, Y) of a location, in decimal:
  earth=E object=O predmet=P door=D block=B guard=G
X is the column (0 .. width - 1), Y the row (0 .. height).
)";

bool wantsHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

} // namespace

int runInfo(const Args& args) {
    if (wantsHelp(args)) {
        std::cout << kInfoUsage;
        return 0;
    }
    const CommandLine line(args, locationOptions(), {});
    if (!line.positional().empty())
        throw Failure{"unexpected argument \"" + line.positional().front() + "\""};
    const LocationArguments location = openLocation(line);

    model::GridCensus census;
    std::error_code ec;
    if (!model::censusGridFile(location.files.grid, location.size.width, location.size.height,
                               census, ec))
        throw Failure{"cannot read grid file " + displayPath(location.files.grid) + ": " +
                      ec.message()};
    std::cout << "width: " << location.size.width << "\n"
              << "height: " << location.size.height << "\n"
              << "rows: " << static_cast<std::int64_t>(location.size.height) + 1 << "\n"
              << "grid file: " << displayPath(location.files.grid) << "\n"
              << "expected size: " << location.expectedGridBytes << "\n"
              << "actual size: " << census.fileBytes << "\n"
              << "non-empty cells:\n";
    for (std::size_t i = 0; i < model::kAllLayers.size(); ++i)
        std::cout << "  " << model::layerName(model::kAllLayers[i]) << ": " << census.nonEmpty[i]
                  << "\n";
    return 0;
}

int runCell(const Args& args) {
    if (wantsHelp(args)) {
        std::cout << kCellUsage;
        return 0;
    }
    const CommandLine line(args, locationOptions(), {});
    if (line.positional().size() != 2)
        throw Failure{"expected the cell's column and row (see mapedit cell --help)"};
    const long long x = parseNumber(line.positional()[0], "X");
    const long long y = parseNumber(line.positional()[1], "Y");
    const LocationArguments location = openLocation(line);
    if (x < 0 || x >= location.size.width || y < 0 || y > location.size.height)
        throw Failure{"cell (" + std::to_string(x) + ", " + std::to_string(y) +
                      ") is outside the location, whose columns are 0.." +
                      std::to_string(location.size.width - 1) + " and rows 0.." +
                      std::to_string(location.size.height)};

    model::CellValues cell;
    bool covered = false;
    std::error_code ec;
    if (!model::readGridCell(location.files.grid, location.size.width, static_cast<std::int32_t>(x),
                             static_cast<std::int32_t>(y), cell, covered, ec))
        throw Failure{"cannot read grid file " + displayPath(location.files.grid) + ": " +
                      ec.message()};
    std::cout << "earth=" << cell.earth << " object=" << cell.object << " predmet=" << cell.predmet
              << " door=" << cell.door << " block=" << cell.block << " guard=" << cell.guard
              << "\n";
    if (!covered)
        std::cerr << "mapedit cell: warning: grid file " << displayPath(location.files.grid)
                  << " is shorter than the location; the cell's missing bytes read as empty\n";
    return 0;
}

} // namespace cli
