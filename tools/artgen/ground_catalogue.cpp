#include "ground_catalogue.h"

#include "ground_tiles.h"

#include <array>

namespace artgen {
namespace {

struct EdgeSet {
    Material outer, inner;
    const char* file;  // middle part of the file names
    const char* title; // UTF-8
    const char* innerName;
};

constexpr std::array<EdgeSet, kEdgeCount> kEdges = {{
    {Material::Grass, Material::Sand, "grass_sand", "Трава/песок", "песок"},
    {Material::Sand, Material::Water, "sand_water", "Берег", "вода"},
    {Material::Grass, Material::Road, "grass_road", "Обочина", "дорога"},
    {Material::Grass, Material::Rocky, "grass_rocky", "Трава/камни", "камни"},
    {Material::CaveRock, Material::CaveFloor, "rock_floor", "Пещера", "пол"},
}};

// Where the inner material lies, by the corners it covers.
const char* placeName(int corners) {
    switch (corners) {
    case kTopLeft:
        return "угол СЗ";
    case kTopRight:
        return "угол СВ";
    case kBottomLeft:
        return "угол ЮЗ";
    case kBottomRight:
        return "угол ЮВ";
    case kTopLeft | kTopRight:
        return "север";
    case kBottomLeft | kBottomRight:
        return "юг";
    case kTopLeft | kBottomLeft:
        return "запад";
    case kTopRight | kBottomRight:
        return "восток";
    case kTopRight | kBottomLeft:
        return "диагональ СВ–ЮЗ";
    case kTopLeft | kBottomRight:
        return "диагональ СЗ–ЮВ";
    case 15 - kTopLeft:
        return "всё, кроме СЗ";
    case 15 - kTopRight:
        return "всё, кроме СВ";
    case 15 - kBottomLeft:
        return "всё, кроме ЮЗ";
    default:
        return "всё, кроме ЮВ";
    }
}

std::vector<GroundEntry> build() {
    std::vector<GroundEntry> list = {
        {"ground_grass.bmp", "Трава", [] { return plainTile(Material::Grass); }},
        {"ground_flowers.bmp", "Трава с цветами", flowerMeadowTile},
        {"ground_tall_grass.bmp", "Высокая трава", tallGrassTile},
        {"ground_sand.bmp", "Песок", [] { return plainTile(Material::Sand); }},
        {"ground_water.bmp", "Вода", [] { return plainTile(Material::Water); }},
        {"ground_lilies.bmp", "Вода с кувшинками", lilyPadTile},
        {"ground_road.bmp", "Дорога", [] { return plainTile(Material::Road); }},
        {"ground_cobble.bmp", "Брусчатка", [] { return plainTile(Material::Cobble); }},
        {"ground_field.bmp", "Пашня", [] { return plainTile(Material::Field); }},
        {"ground_rocky.bmp", "Каменистая земля", [] { return plainTile(Material::Rocky); }},
        {"ground_cave_floor.bmp", "Пол пещеры", [] { return plainTile(Material::CaveFloor); }},
        {"ground_cave_rock.bmp", "Скала", [] { return plainTile(Material::CaveRock); }},
    };
    for (const EdgeSet& set : kEdges) {
        for (int corners = 1; corners <= 14; ++corners) {
            const std::string number = (corners < 10 ? "0" : "") + std::to_string(corners);
            list.push_back(
                {std::string("edge_") + set.file + "_" + number + ".bmp",
                 std::string(set.title) + ": " + set.innerName + " — " + placeName(corners),
                 [set, corners] { return transitionTile(set.outer, set.inner, corners); }});
        }
    }
    return list;
}

} // namespace

int groundCode(Ground g) {
    return static_cast<int>(g);
}

int edgeCode(Edge e, int innerCorners) {
    return kPlainGroundCount + 14 * static_cast<int>(e) + innerCorners - 1;
}

const std::vector<GroundEntry>& groundCatalogue() {
    static const std::vector<GroundEntry> list = build();
    return list;
}

} // namespace artgen
