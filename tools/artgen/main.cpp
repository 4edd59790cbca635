// mapedit-artgen: writes the bundled sample world (pictures, catalogues,
// palette, the map Default with its locations and actions) below an
// application folder, checks it, and draws previews of its locations.

#include "map_writer.h"
#include "output_files.h"
#include "palette_writer.h"
#include "preview.h"
#include "resources_writer.h"
#include "world.h"
#include "world_check.h"

#include "support/application_folder.h"

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kUsage = R"(usage: mapedit-artgen --out DIR [--check]
                      [--preview LOCATION FILE.png [--cells X,Y,COLS,ROWS] [--scale S]]

Writes the sample world below DIR, the application folder that holds
Resources\ and Maps\Default\, and checks what it wrote.
  --check     only check the world already below DIR
  --preview   also draw the whole location LOCATION into FILE.png
  --cells     only the COLS x ROWS cells from cell X,Y (default: all)
  --scale     size of the preview, 1 = 32 pixels a cell (default 0.25)
)";

struct Options {
    std::string out;
    bool checkOnly = false;
    std::string previewLocation, previewFile;
    artgen::PreviewArea area;
    double scale = 0.25;
};

bool parseArea(const std::string& text, artgen::PreviewArea& area) {
    char c1 = 0, c2 = 0, c3 = 0;
    std::istringstream in(text);
    in >> area.x >> c1 >> area.y >> c2 >> area.columns >> c3 >> area.rows;
    return in && c1 == ',' && c2 == ',' && c3 == ',' && area.x >= 0 && area.y >= 0 &&
           area.columns > 0 && area.rows > 0;
}

bool parse(int argc, char** argv, Options& o) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto more = [&](std::size_t n) { return i + n < args.size(); };
        if (args[i] == "--out" && more(1))
            o.out = args[++i];
        else if (args[i] == "--check")
            o.checkOnly = true;
        else if (args[i] == "--preview" && more(2)) {
            o.previewLocation = args[++i];
            o.previewFile = args[++i];
        } else if (args[i] == "--cells" && more(1)) {
            if (!parseArea(args[++i], o.area))
                return false;
        } else if (args[i] == "--scale" && more(1))
            o.scale = std::stod(args[++i]);
        else
            return false;
    }
    return !o.out.empty() && o.scale > 0 && o.scale <= 1;
}

void writeWorld() {
    using namespace artgen;
    createFolders();
    writeResources();
    writePalette();
    Cell caveReturn;
    std::vector<LocationPlan> locations;
    locations.push_back(composeMain(caveArrival(), caveReturn));
    locations.push_back(composeCave(caveReturn));
    writeMap(locations);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        std::filesystem::create_directories(
            std::filesystem::path(std::u8string(options.out.begin(), options.out.end())));
        appfolder::setNative(options.out);
        if (!options.checkOnly)
            writeWorld();
        std::vector<std::string> summary;
        const std::vector<std::string> problems = artgen::checkWorld(summary);
        for (const std::string& line : summary)
            std::cout << line << "\n";
        for (const std::string& line : problems)
            std::cerr << "problem: " << line << "\n";
        if (!options.previewFile.empty())
            artgen::writePreview(options.previewLocation, options.area, options.previewFile,
                                 options.scale);
        return problems.empty() ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "mapedit-artgen: " << e.what() << "\n";
        return 1;
    }
}
