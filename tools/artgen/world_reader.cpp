#include "world_reader.h"

#include "output_files.h"

#include "model/location_files.h"
#include "model/location_loader.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

namespace artgen {
namespace {

class QuietListener : public model::LoadListener {
public:
    std::string message;
    void showMessage(model::MessageIcon, const std::string&, const std::string& text) override {
        message = cp1251::toUtf8(text);
    }
    void locationNameChanged(const std::string&) override {}
    void mapLoaded() override {}
    void redrawRequested() override {}
};

int count(const std::string& catalogue) {
    return std::stoi(mdlINI::ReadIni(catalogue, "DATA", "Count", "-1"));
}

QImage picture(const std::string& name, std::vector<std::string>& problems) {
    QImage image = readPicture(resourceFolder() + name);
    if (image.isNull())
        problems.push_back("cannot read the picture " + cp1251::toUtf8(name));
    return image;
}

} // namespace

QImage readPicture(const std::string& file) {
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec))
        return {};
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                       static_cast<int>(bytes.size()));
    return image;
}

int bmpBitsPerPixel(const std::string& file) {
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec) || bytes.size() < 30 || bytes.compare(0, 2, "BM"))
        return 0;
    return static_cast<unsigned char>(bytes[28]) | (static_cast<unsigned char>(bytes[29]) << 8);
}

LoadedCatalogues readCatalogues() {
    LoadedCatalogues out;
    const std::string level0 = resourceFolder() + "level0.ini";
    const std::string level1 = resourceFolder() + "level1.ini";
    for (int i = 0, n = count(level0); i <= n; ++i) {
        const std::string section = "OBJ-" + std::to_string(i);
        out.ground.push_back(
            picture(mdlINI::ReadIni(level0, section, "FileName", ""), out.problems));
    }
    for (int i = 0, n = count(level1); i <= n; ++i) {
        const std::string section = "OBJ-" + std::to_string(i);
        out.sprites.push_back(
            picture(mdlINI::ReadIni(level1, section, "FileName", ""), out.problems));
        out.masks.push_back(
            picture(mdlINI::ReadIni(level1, section, "MaskFileName", ""), out.problems));
    }
    return out;
}

bool loadLocation(const std::string& name, model::LocationGrid& grid, std::string& reason) {
    QuietListener listener;
    const model::LoadOutcome outcome = model::LoadMap(grid, "Default", name, listener);
    reason = listener.message;
    if (outcome == model::LoadOutcome::LoadedIncomplete && reason.empty())
        reason = "the grid file is shorter than the location";
    return outcome == model::LoadOutcome::Loaded;
}

std::vector<std::string> locationNames() {
    std::error_code ec;
    std::vector<std::string> names;
    for (const std::string& file :
         fsys::listFolder(mapFolder(), "*." + model::GetFileType(model::kConfigFile),
                          fsys::EntryKind::Files, ec))
        names.push_back(file.substr(0, file.find('.')));
    return names;
}

} // namespace artgen
