#pragma once
// The ground tiles of the sample world, in catalogue order: the entry number
// is the code a cell's ground byte holds.

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace artgen {

// The plain tiles, codes 0 to 11.
enum class Ground {
    Grass,
    Flowers,
    TallGrass,
    Sand,
    Water,
    Lilies,
    Road,
    Cobble,
    Field,
    Rocky,
    CaveFloor,
    CaveRock,
};
constexpr int kPlainGroundCount = 12;

// The transition sets, each of 14 tiles after the plain ones.
enum class Edge { GrassSand, SandWater, GrassRoad, GrassRocky, RockFloor };
constexpr int kEdgeCount = 5;

struct GroundEntry {
    std::string file; // below the resource folder
    std::string name; // UTF-8
    std::function<QImage()> paint;
};

int groundCode(Ground g);
// The tile of the set whose inner material covers `innerCorners` (1 to 14).
int edgeCode(Edge e, int innerCorners);

const std::vector<GroundEntry>& groundCatalogue();

} // namespace artgen
