#include "check_parts.h"

#include "output_files.h"

#include "support/file_system.h"
#include "support/mdl_ini.h"

namespace artgen {

void checkPalette(Report& report) {
    const std::string palette = resourceFolder() + "editor.ini";
    const int categories = std::stoi(mdlINI::ReadIni(palette, "CATAGORIES", "Count", "-1"));
    if (categories < 0)
        report.problem("editor.ini lists no categories");
    int entries = 0;
    for (int n = 0; n <= categories; ++n) {
        const std::string section = "CATEGORY-" + std::to_string(n);
        const std::string title = "category " + std::to_string(n);
        const int level = std::stoi(mdlINI::ReadIni(palette, section, "Level", "0"));
        if (level != 0 && level != 1)
            report.problem(title + " has level " + std::to_string(level));
        const std::string defaultSource = mdlINI::ReadIni(palette, section, "DefaultSource", "");
        const int count = std::stoi(mdlINI::ReadIni(palette, section, "Count", "-1"));
        for (int k = 0; k <= count; ++k, ++entries) {
            std::string source =
                mdlINI::ReadIni(palette, section, "Source" + std::to_string(k), "");
            if (source.empty())
                source = defaultSource;
            const std::string data =
                mdlINI::ReadIni(palette, section, "Data" + std::to_string(k), "");
            const std::string catalogue = resourceFolder() + source;
            const std::string entry = title + " entry " + std::to_string(k);
            if (data.empty() || source.empty() || fsys::probe(catalogue) != fsys::Probe::Exists) {
                report.problem(entry + " names no catalogue section");
                continue;
            }
            // A ground category must take its entries from the ground catalogue
            // and an object category from the object catalogue: the code is
            // the section's number, read in the layer of the category's level.
            const bool groundCatalogue = source == "level0.ini";
            if (groundCatalogue != (level == 0))
                report.problem(entry + " takes a code of " + source + " into the wrong layer");
            // Missing sections and unreadable previews are the checker's.
            if (mdlINI::ReadIni(catalogue, data, "FileName", "").empty())
                report.problem(entry + " has no preview picture");
        }
    }
    report.note(std::to_string(categories + 1) + " palette categories, " + std::to_string(entries) +
                " entries");
}

} // namespace artgen
