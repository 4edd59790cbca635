// The process the kill tests kill: it performs one kind of save over and over
// (or once), and says "ready" on its output when it is about to start.
//
//   hardening_save_child grid ROOT SIDE          saves location "main" of map
//       Kill, alternating between the grids of seeds 1 and 2, forever
//   hardening_save_child create ROOT NAME SIDE   creates location NAME once:
//       grid file, notes, configuration, in this order
//   hardening_save_child ini FILE                writes CONFIG/Description of
//       an INI file, alternating between the values of seeds 1 and 2, forever
//   hardening_save_child action ROOT OPERATION SIDE  runs one operation of
//       the actions manager on map Kill once (see runActionOperation)
//
// ROOT is the application folder (a native path); FILE a program path text.

#include "hardening/kill_scenarios.h"

#include "model/grid_file.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/notes_file.h"
#include "support/application_folder.h"
#include "support/mdl_ini.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void ready() {
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
}

int fail(const std::string& what, const std::error_code& ec) {
    std::fprintf(stderr, "%s: %s\n", what.c_str(), ec.message().c_str());
    return 1;
}

int saveGridForever(std::int32_t side) {
    const model::LocationGrid grids[2] = {hardening::seededGrid(side, 1),
                                          hardening::seededGrid(side, 2)};
    const std::string file = model::locationFiles(hardening::kMap, "main").grid;
    ready();
    for (unsigned n = 1;; ++n) {
        std::error_code ec;
        if (!model::writeGridFile(file, grids[n % 2], ec))
            return fail("save", ec);
    }
}

int createLocation(const std::string& name, std::int32_t side) {
    const model::LocationGrid grid = hardening::seededGrid(side, 3);
    const model::LocationFiles files = model::locationFiles(hardening::kMap, name);
    const std::string size = std::to_string(side);
    ready();
    std::error_code ec;
    if (!model::writeGridFile(files.grid, grid, ec))
        return fail("grid", ec);
    if (!model::writeNotesFile(files.notes, hardening::creationNotes(side), ec))
        return fail("notes", ec);
    if (!model::writeLocationConfig(files.config, size, size, true, ec))
        return fail("configuration", ec);
    return 0;
}

int writeIniForever(const std::string& file) {
    const std::string values[2] = {hardening::iniValue(1), hardening::iniValue(2)};
    ready();
    for (unsigned n = 1;; ++n) {
        std::error_code ec;
        if (!mdlINI::WriteIniReporting(file, "CONFIG", "Description", values[n % 2], ec))
            return fail("write", ec);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "grid" && argc == 4) {
        appfolder::setNative(argv[2]);
        return saveGridForever(std::atoi(argv[3]));
    }
    if (mode == "create" && argc == 5) {
        appfolder::setNative(argv[2]);
        return createLocation(argv[3], std::atoi(argv[4]));
    }
    if (mode == "action" && argc == 5) {
        appfolder::setNative(argv[2]);
        const std::string operation = argv[3];
        const std::int32_t side = std::atoi(argv[4]);
        ready();
        return hardening::runActionOperation(operation, side) ? 0 : 1;
    }
    if (mode == "ini" && argc == 3)
        return writeIniForever(argv[2]);
    std::fputs("usage: hardening_save_child grid ROOT SIDE | create ROOT NAME SIDE | ini FILE | "
               "action ROOT OPERATION SIDE\n",
               stderr);
    return 2;
}
