#include "world_check.h"

#include "check_parts.h"
#include "output_files.h"

#include "checker/finding_format.h"
#include "checker/map_check.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <algorithm>

namespace artgen {

std::vector<std::string> checkWorld(std::vector<std::string>& summary) {
    Report report;
    // The rules every map keeps (grid sizes, codes, footprints, actions and the
    // index, pictures and masks, palette codes) are the product's checker's;
    // the rules below are particular to the sample world.
    const checker::CheckResult checked = checker::checkMap({"Default", ""});
    if (!checked.ran)
        report.problem(cp1251::toUtf8(checked.failureEnglish));
    for (const checker::Finding& finding : checked.findings)
        report.problem(checker::findingLine(finding));
    const LoadedCatalogues art = readCatalogues();
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
        checkLocation(name, locations, report);
    summary = report.notes;
    return report.problems;
}

} // namespace artgen
