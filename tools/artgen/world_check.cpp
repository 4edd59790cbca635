#include "world_check.h"

#include "check_parts.h"
#include "output_files.h"

#include "model/location_files.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <algorithm>

namespace artgen {

std::vector<std::string> checkWorld(std::vector<std::string>& summary) {
    Report report;
    const LoadedCatalogues art = readCatalogues();
    report.problems = art.problems;
    checkPictures(art, report);
    checkPalette(report);
    const std::string description =
        model::locationFile(mapFolder(), "Default", model::kMapDescriptionFile);
    if (mdlINI::ReadIni(description, "CONFIG", "Resources", "") != "Resources")
        report.problem("Default.mpc does not name the resource folder");
    const std::vector<std::string> locations = locationNames();
    if (std::find(locations.begin(), locations.end(), "main") == locations.end())
        report.problem("the map has no location main");
    for (const std::string& name : locations)
        checkLocation(name, art, locations, report);
    summary = report.notes;
    return report.problems;
}

} // namespace artgen
