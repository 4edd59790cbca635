#include "check_parts.h"

#include "output_files.h"
#include "world_reader.h"

#include "support/mdl_ini.h"

namespace artgen {
namespace {

// Wherever the mask is white the sprite must be white too, or the ground
// would show through the sprite's colour there.
bool transparentIsWhite(const QImage& sprite, const QImage& mask) {
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF &&
                (sprite.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

bool hasBlack(const QImage& mask) {
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0)
                return true;
    return false;
}

} // namespace

void checkPictures(const LoadedCatalogues& art, Report& report) {
    const std::string level0 = resourceFolder() + "level0.ini";
    const std::string level1 = resourceFolder() + "level1.ini";
    for (std::size_t i = 0; i < art.ground.size(); ++i) {
        const std::string file =
            mdlINI::ReadIni(level0, "OBJ-" + std::to_string(i), "FileName", "");
        if (bmpBitsPerPixel(resourceFolder() + file) != 24)
            report.problem("ground tile " + file + " is not a 24-bit BMP");
        if (art.ground[i].size() != QSize(32, 32))
            report.problem("ground tile " + file + " is not 32 x 32");
    }
    for (std::size_t i = 0; i < art.sprites.size(); ++i) {
        const std::string section = "OBJ-" + std::to_string(i);
        const std::string sprite = mdlINI::ReadIni(level1, section, "FileName", "");
        const std::string mask = mdlINI::ReadIni(level1, section, "MaskFileName", "");
        if (bmpBitsPerPixel(resourceFolder() + sprite) != 24)
            report.problem("sprite " + sprite + " is not a 24-bit BMP");
        if (bmpBitsPerPixel(resourceFolder() + mask) != 1)
            report.problem("mask " + mask + " is not a 1-bit BMP");
        if (art.sprites[i].size() != art.masks[i].size())
            continue; // the checker reports it
        if (!transparentIsWhite(art.sprites[i], art.masks[i]))
            report.problem("sprite " + sprite + " is not white where its mask is");
        if (!hasBlack(art.masks[i]))
            report.problem("mask " + mask + " shows nothing");
    }
    report.note(std::to_string(art.ground.size()) + " ground tiles, " +
                std::to_string(art.sprites.size()) + " objects");
}

} // namespace artgen
