#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/grid_arguments.h"

#include "model/grid_diff.h"
#include "model/grid_file.h"

#include <iostream>
#include <optional>

namespace cli {
namespace {

const char* const kDiffUsage = R"(usage: mapedit diff [--stat] [--size WxH] OLD NEW

Compares two locations given as the paths of their grid files, cell by cell.
Each file's size comes from the location's configuration beside it
("NAME.config" for "NAME.map"); --size gives it for a file without one
(W columns, H the highest row number, as in a configuration).

Prints one line per changed cell and layer
  X,Y LAYER: OLD -> NEW
(X the column, Y the row, LAYER one of earth, object, item, action, block,
guard; values as stored), then the number of changes of each layer. Locations
of different sizes are reported as "size changed: WxH -> WxH".
  --stat   print only the summary
Exit status: 0 when the locations are equal, 1 when they differ, 2 when they
cannot be compared (an unreadable file, no size, bad arguments).
)";

const char* const kGitDiffUsage =
    R"(usage: mapedit git-diff PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE

Shows the changes of a location's grid file cell by cell for git, as its
external diff command (git config diff.mapgrid.command "mapedit git-diff").
The size comes from the configuration of PATH in the working tree. Always
exits with 0 so that git goes on with the next file.
)";

constexpr int kDifferent = 1;
constexpr int kCannotCompare = 2;

bool wantsHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

void printSummary(std::ostream& out, const model::LayerCounts& counts) {
    if (counts.total() == 0) {
        out << "no changes\n";
        return;
    }
    out << counts.total() << (counts.total() == 1 ? " change:" : " changes:");
    for (model::Layer layer : model::kFileLayerOrder)
        out << (layer == model::kFileLayerOrder.front() ? " " : ", ")
            << model::recordLayerName(layer) << " " << counts.of(layer);
    out << "\n";
}

// Compares two open files of one size, printing the changes; true when equal.
bool printCellChanges(std::ostream& out, fsys::File& before, fsys::File& after,
                      const model::LocationSize& size, bool statOnly) {
    model::LayerCounts counts;
    std::error_code ec;
    const model::CellChangeVisitor print = [&out](const model::CellChange& c) {
        out << c.x << ',' << c.y << ' ' << model::recordLayerName(c.layer) << ": " << c.before
            << " -> " << c.after << '\n';
    };
    if (!model::diffGridFiles(before, after, size.width, size.height,
                              statOnly ? model::CellChangeVisitor{} : print, counts, ec))
        throw Failure{"cannot read grid file: " + ec.message()};
    printSummary(out, counts);
    return counts.total() == 0;
}

// The size of one side: its configuration, else --size.
model::LocationSize sizeOfSide(const std::string& grid, const std::optional<std::string>& option) {
    if (const auto size = sizeFromConfig(configOfGrid(grid)))
        return *size;
    if (option)
        return parseGridSize(*option);
    throw Failure{"grid file " + grid + " has no configuration beside it; give its size with " +
                  "--size WxH"};
}

void warnIfNotFitting(const std::string& grid, std::uint64_t bytes,
                      const model::LocationSize& size) {
    if (bytes == gridFileBytes(size))
        return;
    std::cerr << "mapedit diff: warning: grid file " << grid << " holds " << bytes
              << " bytes where a " << sizeText(size) << " location takes " << gridFileBytes(size)
              << (bytes < gridFileBytes(size) ? "; the missing bytes read as empty\n"
                                              : "; the bytes past it are not compared\n");
}

// What one side of a git comparison is, in terms of the working tree's size:
// that size, the size of a file of the same width and another number of
// rows, or nothing (then it is shown in bytes).
std::optional<model::LocationSize> shapeOf(std::uint64_t bytes,
                                           const std::optional<model::LocationSize>& size) {
    if (!size)
        return std::nullopt;
    if (bytes == gridFileBytes(*size))
        return size;
    const std::uint64_t record = gridFileBytes({size->width, 0});
    if (record == 0 || bytes == 0 || bytes % record != 0 || bytes / record - 1 > 0x7fffffffu)
        return std::nullopt;
    return model::LocationSize{size->width, static_cast<std::int32_t>(bytes / record - 1)};
}

std::string shapeText(std::uint64_t bytes, const std::optional<model::LocationSize>& shape) {
    return shape ? sizeText(*shape) : std::to_string(bytes) + " bytes";
}

void gitDiff(const Args& args) {
    const std::string& path = args[0];
    const std::string& oldFile = args[1];
    const std::string& newFile = args[4];
    const std::string shownPath = args.size() >= 8 ? path + " => " + args[7] : path;
    std::cout << "grid " << shownPath << "\n";
    std::optional<model::LocationSize> size;
    std::string noSize;
    try {
        size = sizeFromConfig(configOfGrid(args.size() >= 8 ? args[7] : path));
        if (!size)
            noSize = "no configuration for it in the working tree";
    } catch (const Failure& failure) {
        noSize = failure.message;
    }
    const bool added = oldFile == "/dev/null";
    const bool removed = newFile == "/dev/null";
    std::uint64_t oldBytes = 0;
    std::uint64_t newBytes = 0;
    fsys::File before = added ? fsys::File{} : openGridFile(oldFile, oldBytes);
    fsys::File after = removed ? fsys::File{} : openGridFile(newFile, newBytes);
    const auto oldShape = shapeOf(oldBytes, size);
    const auto newShape = shapeOf(newBytes, size);
    if (added || removed) {
        std::cout << (added ? "new location grid, " : "location grid removed, ")
                  << shapeText(added ? newBytes : oldBytes, added ? newShape : oldShape) << "\n";
        return;
    }
    if (!size)
        std::cout << "cells not compared: " << noSize << "\n";
    if (!oldShape || !newShape || oldShape->width != newShape->width ||
        oldShape->height != newShape->height) {
        std::cout << "size changed: " << shapeText(oldBytes, oldShape) << " -> "
                  << shapeText(newBytes, newShape) << "\n";
        return;
    }
    printCellChanges(std::cout, before, after, *oldShape, false);
}

} // namespace

int runDiff(const Args& args) {
    if (wantsHelp(args)) {
        std::cout << kDiffUsage;
        return 0;
    }
    try {
        const CommandLine line(args, {"--size"}, {"--stat"});
        if (line.positional().size() != 2)
            throw Failure{"expected the old and the new grid file (see mapedit diff --help)"};
        const std::string& oldGrid = line.positional()[0];
        const std::string& newGrid = line.positional()[1];
        const auto option = line.value("--size");
        if (option)
            parseGridSize(*option); // a bad size is refused even where unused
        const model::LocationSize oldSize = sizeOfSide(oldGrid, option);
        const model::LocationSize newSize = sizeOfSide(newGrid, option);
        std::uint64_t oldBytes = 0;
        std::uint64_t newBytes = 0;
        fsys::File before = openGridFile(oldGrid, oldBytes);
        fsys::File after = openGridFile(newGrid, newBytes);
        if (oldSize.width != newSize.width || oldSize.height != newSize.height) {
            std::cout << "size changed: " << sizeText(oldSize) << " -> " << sizeText(newSize)
                      << "\n";
            return kDifferent;
        }
        warnIfNotFitting(oldGrid, oldBytes, oldSize);
        warnIfNotFitting(newGrid, newBytes, newSize);
        return printCellChanges(std::cout, before, after, oldSize, line.has("--stat")) ? 0
                                                                                       : kDifferent;
    } catch (const Failure& failure) {
        std::cout.flush();
        std::cerr << "mapedit diff: " << failure.message << "\n";
        return kCannotCompare;
    }
}

int runGitDiff(const Args& args) {
    if (args.size() == 1 && !wantsHelp(args)) {
        std::cout << "grid " << args[0] << ": unmerged\n";
        return 0;
    }
    if (args.size() != 7 && args.size() != 9) {
        (wantsHelp(args) ? std::cout : std::cerr) << kGitDiffUsage;
        return wantsHelp(args) ? 0 : kCannotCompare;
    }
    try {
        gitDiff(args);
    } catch (const Failure& failure) {
        std::cout.flush();
        std::cerr << "mapedit git-diff: " << args[0] << ": " << failure.message << "\n";
    }
    return 0;
}

} // namespace cli
