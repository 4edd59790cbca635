#include "palette_writer.h"

#include "ground_catalogue.h"
#include "object_catalogue.h"
#include "output_files.h"

#include "support/mdl_ini.h"

#include <string>
#include <vector>

namespace artgen {
namespace {

struct Category {
    const char* name; // UTF-8
    int level;        // 0 ground, 1 objects
    // The catalogue of every entry; when empty, each entry names its own.
    std::string defaultSource;
    std::vector<int> entries; // catalogue entry numbers
    std::string ownSource;    // the catalogue named by each entry when there is no default
};

std::vector<int> groundEntries(std::initializer_list<Ground> list) {
    std::vector<int> out;
    for (Ground g : list)
        out.push_back(groundCode(g));
    return out;
}

std::vector<int> edgeEntries(std::initializer_list<Edge> sets) {
    std::vector<int> out;
    for (Edge e : sets)
        for (int corners = 1; corners <= 14; ++corners)
            out.push_back(edgeCode(e, corners));
    return out;
}

std::vector<int> objectEntries(std::initializer_list<Obj> list) {
    std::vector<int> out;
    for (Obj o : list)
        out.push_back(static_cast<int>(o));
    return out;
}

std::vector<Category> categories() {
    std::vector<int> caveGround = groundEntries({Ground::CaveFloor, Ground::CaveRock});
    for (int code : edgeEntries({Edge::RockFloor}))
        caveGround.push_back(code);
    return {
        {"Земля", 0, "level0.ini",
         groundEntries({Ground::Grass, Ground::Flowers, Ground::TallGrass, Ground::Sand,
                        Ground::Water, Ground::Lilies, Ground::Road, Ground::Cobble, Ground::Field,
                        Ground::Rocky}),
         ""},
        {"Берега и края", 0, "level0.ini",
         edgeEntries({Edge::SandWater, Edge::GrassSand, Edge::GrassRoad, Edge::GrassRocky}), ""},
        {"Растения", 1, "level1.ini",
         objectEntries({Obj::Oak, Obj::Spruce, Obj::Birch, Obj::Bush, Obj::BerryBush, Obj::Stump,
                        Obj::Flowers}),
         ""},
        {"Постройки", 1, "level1.ini",
         objectEntries({Obj::House, Obj::LogHouse, Obj::Barn, Obj::Well, Obj::FenceHorizontal,
                        Obj::FenceVertical, Obj::FenceCornerNW, Obj::FenceCornerNE,
                        Obj::FenceCornerSW, Obj::FenceCornerSE, Obj::Gate}),
         ""},
        {"Камни", 1, "level1.ini", objectEntries({Obj::Rock, Obj::Boulder, Obj::CaveMouth}), ""},
        {"Разное", 1, "level1.ini",
         objectEntries(
             {Obj::Chest, Obj::Barrel, Obj::Signpost, Obj::Haystack, Obj::Bench, Obj::Boat}),
         ""},
        {"Пещера: земля", 0, "", caveGround, "level0.ini"},
        {"Пещера: предметы", 1, "level1.ini",
         objectEntries({Obj::Stalagmite, Obj::Crystals, Obj::Ladder, Obj::Rock, Obj::Chest}), ""},
    };
}

} // namespace

void writePalette() {
    const std::string file = resourceFolder() + "editor.ini";
    removeOld(file);
    const std::vector<Category> list = categories();
    mdlINI::WriteIni(file, "CATAGORIES", "Count", std::to_string(list.size() - 1));
    for (std::size_t n = 0; n < list.size(); ++n)
        mdlINI::WriteIni(file, "CATAGORIES", "Category" + std::to_string(n), cp(list[n].name));
    for (std::size_t n = 0; n < list.size(); ++n) {
        const Category& c = list[n];
        const std::string section = "CATEGORY-" + std::to_string(n);
        mdlINI::WriteIni(file, section, "Count", std::to_string(c.entries.size() - 1));
        mdlINI::WriteIni(file, section, "Level", std::to_string(c.level));
        if (!c.defaultSource.empty())
            mdlINI::WriteIni(file, section, "DefaultSource", c.defaultSource);
        for (std::size_t k = 0; k < c.entries.size(); ++k) {
            const std::string number = std::to_string(k);
            if (c.defaultSource.empty())
                mdlINI::WriteIni(file, section, "Source" + number, c.ownSource);
            mdlINI::WriteIni(file, section, "Data" + number, "OBJ-" + std::to_string(c.entries[k]));
        }
    }
}

} // namespace artgen
