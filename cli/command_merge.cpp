#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/grid_arguments.h"

#include "model/grid_file.h"
#include "model/grid_merge.h"
#include "support/crash_safe_writer.h"

#include <filesystem>
#include <iostream>

namespace cli {
namespace {

const char* const kMergeUsage = R"(usage: mapedit merge BASE OURS THEIRS --path PATH [--size WxH]

Merges two versions of a location's grid file, OURS and THEIRS, that both
come from BASE, cell by cell and layer by layer, as git's merge driver
(git config merge.mapgrid.driver "mapedit merge %O %A %B --path %P"). A value
changed on one side only takes that side's value; one changed on both sides
to the same value takes it. One changed on both sides to different values is
a conflict: our value stays and the cell is listed on the error stream as
  X,Y LAYER: BASE -> OURS / THEIRS
The size comes from the configuration of PATH ("NAME.config" for "NAME.map",
relative to the folder the command runs in), or from --size when there is
none. When the three files are not all of that size, the whole file is a
conflict and OURS stays as it is. The merged file replaces OURS whole or not
at all.
Exit status: 0 for a clean merge, 1 with conflicts, 2 when the merge cannot
run (an unreadable file, no size, bad arguments); OURS is then untouched.
)";

constexpr int kConflicts = 1;
constexpr int kCannotMerge = 2;

bool wantsHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

std::string countsText(const model::LayerCounts& counts) {
    std::string text;
    for (model::Layer layer : model::kFileLayerOrder) {
        if (counts.of(layer) == 0)
            continue;
        text += (text.empty() ? "" : ", ") + std::string(model::recordLayerName(layer)) + " " +
                std::to_string(counts.of(layer));
    }
    return text;
}

int merge(const CommandLine& line) {
    if (line.positional().size() != 3)
        throw Failure{"expected the base, our and their grid file (see mapedit merge --help)"};
    const std::string& baseFile = line.positional()[0];
    const std::string& ourFile = line.positional()[1];
    const std::string& theirFile = line.positional()[2];
    const std::string path = line.required("--path");
    const auto option = line.value("--size");
    const std::optional<model::LocationSize> fromOption =
        option ? std::optional(parseGridSize(*option)) : std::nullopt;
    std::optional<model::LocationSize> size = sizeFromConfig(configOfGrid(path));
    if (!size)
        size = fromOption;
    if (!size)
        throw Failure{path + ": no configuration for it (" +
                      (configOfGrid(path).empty() ? "not a .map file" : "none beside it") +
                      "); give its size with --size WxH"};

    std::uint64_t baseBytes = 0;
    std::uint64_t ourBytes = 0;
    std::uint64_t theirBytes = 0;
    fsys::File base = openGridFile(baseFile, baseBytes);
    fsys::File ours = openGridFile(ourFile, ourBytes);
    fsys::File theirs = openGridFile(theirFile, theirBytes);
    const std::uint64_t expected = gridFileBytes(*size);
    if (baseBytes != expected || ourBytes != expected || theirBytes != expected) {
        std::cerr << "mapedit merge: " << path << ": the versions differ in size (base "
                  << baseBytes << " bytes, ours " << ourBytes << ", theirs " << theirBytes << "; a "
                  << sizeText(*size) << " location takes " << expected
                  << "): the whole file is a conflict, ours is kept\n";
        return kConflicts;
    }

    fsys::CrashSafeWriter out;
    std::error_code ec;
    if (!out.beginNative(std::filesystem::path(ourFile), ec) || !out.reserve(expected, ec))
        throw Failure{"cannot write " + ourFile + ": " + ec.message()};
    model::MergeCounts counts;
    const model::CellConflictVisitor list = [](const model::CellConflict& c) {
        std::cerr << c.x << ',' << c.y << ' ' << model::recordLayerName(c.layer) << ": " << c.base
                  << " -> " << c.ours << " / " << c.theirs << '\n';
    };
    if (!model::mergeGridFiles(base, ours, theirs, size->width, size->height, out, list, counts,
                               ec))
        throw Failure{"cannot merge " + path + ": " + ec.message()};
    // Nothing taken from their side: ours is the merge as it stands.
    if (counts.taken.total() > 0 && !out.commit(ec))
        throw Failure{"cannot write " + ourFile + ": " + ec.message()};
    if (counts.conflicts.total() == 0)
        return 0;
    std::cerr << "mapedit merge: " << path << ": " << counts.conflicts.total()
              << (counts.conflicts.total() == 1 ? " cell" : " cells") << " changed on both sides ("
              << countsText(counts.conflicts) << "); ours is kept in them\n";
    return kConflicts;
}

} // namespace

int runMerge(const Args& args) {
    if (wantsHelp(args)) {
        std::cout << kMergeUsage;
        return 0;
    }
    try {
        return merge(CommandLine(args, {"--path", "--size"}, {}));
    } catch (const Failure& failure) {
        std::cerr << "mapedit merge: " << failure.message << "\n";
        return kCannotMerge;
    }
}

} // namespace cli
