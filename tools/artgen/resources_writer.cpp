#include "resources_writer.h"

#include "ground_catalogue.h"
#include "ground_materials.h"
#include "object_catalogue.h"
#include "output_files.h"

#include "support/mdl_ini.h"

#include <stdexcept>

namespace artgen {
namespace {

void writeGround() {
    const std::string catalogue = resourceFolder() + "level0.ini";
    const auto& entries = groundCatalogue();
    removeOld(catalogue);
    mdlINI::WriteIni(catalogue, "DATA", "Count", std::to_string(entries.size() - 1));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const GroundEntry& e = entries[i];
        const QImage tile = e.paint();
        if (tile.width() != kTile || tile.height() != kTile)
            throw std::logic_error("ground tile of the wrong size: " + e.file);
        writeBmp(resourceFolder() + e.file, tile);
        const std::string section = "OBJ-" + std::to_string(i);
        mdlINI::WriteIni(catalogue, section, "FileName", e.file);
        mdlINI::WriteIni(catalogue, section, "Name", cp(e.name));
    }
}

void writeObjects() {
    const std::string catalogue = resourceFolder() + "level1.ini";
    const auto& entries = objectCatalogue();
    removeOld(catalogue);
    mdlINI::WriteIni(catalogue, "DATA", "Count", std::to_string(entries.size() - 1));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ObjectEntry& e = entries[i];
        const SpritePicture sprite = finishSprite(e.paint(), static_cast<unsigned>(700 + i));
        if (sprite.picture.width() != e.widthCells * kTile ||
            sprite.picture.height() != e.heightCells * kTile)
            throw std::logic_error("sprite of the wrong size: " + e.file);
        writeBmp(resourceFolder() + e.file, sprite.picture);
        writeBmp(resourceFolder() + e.maskFile, sprite.mask);
        const std::string section = "OBJ-" + std::to_string(i);
        mdlINI::WriteIni(catalogue, section, "FileName", e.file);
        mdlINI::WriteIni(catalogue, section, "MaskFileName", e.maskFile);
        mdlINI::WriteIni(catalogue, section, "Name", cp(e.name));
        if (!e.block.empty())
            mdlINI::WriteIni(catalogue, section, "Block", e.block);
    }
}

} // namespace

void writeResources() {
    writeGround();
    writeObjects();
}

} // namespace artgen
