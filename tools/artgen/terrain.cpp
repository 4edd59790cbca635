#include "terrain.h"

#include "ground_catalogue.h"
#include "ground_tiles.h"
#include "noise.h"
#include "random.h"

#include <array>
#include <optional>

namespace artgen {
namespace {

struct Pairing {
    Land outer, inner;
    Edge edge;
};

constexpr std::array<Pairing, kEdgeCount> kPairings = {{
    {Land::Grass, Land::Sand, Edge::GrassSand},
    {Land::Sand, Land::Water, Edge::SandWater},
    {Land::Grass, Land::Road, Edge::GrassRoad},
    {Land::Grass, Land::Rocky, Edge::GrassRocky},
    {Land::CaveRock, Land::CaveFloor, Edge::RockFloor},
}};

int plainCode(Land land, int x, int y, std::uint32_t seed) {
    switch (land) {
    case Land::Grass: {
        // Flowers and tall grass come in patches.
        const double flowers = worldNoise(x, y, 7, 2, seed);
        const double tall = worldNoise(x, y, 6, 2, seed + 7);
        const double pick = hashUnit(x, y, seed + 3);
        if (flowers > 0.62 && pick < 0.55)
            return groundCode(Ground::Flowers);
        if (tall > 0.6 && pick < 0.6)
            return groundCode(Ground::TallGrass);
        if (pick < 0.04)
            return groundCode(Ground::TallGrass);
        return groundCode(Ground::Grass);
    }
    case Land::Water:
        return hashUnit(x, y, seed + 5) < 0.06 ? groundCode(Ground::Lilies)
                                               : groundCode(Ground::Water);
    case Land::Sand:
        return groundCode(Ground::Sand);
    case Land::Road:
        return groundCode(Ground::Road);
    case Land::Rocky:
        return groundCode(Ground::Rocky);
    case Land::CaveRock:
        return groundCode(Ground::CaveRock);
    case Land::CaveFloor:
        return groundCode(Ground::CaveFloor);
    }
    return 0;
}

} // namespace

Terrain::Terrain(int width, int height, Land fill)
    : m_width(width + 1), m_height(height + 2),
      m_corners(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

void Terrain::set(int vx, int vy, Land land) {
    if (inside(vx, vy))
        m_corners[index(vx, vy)] = land;
}

void Terrain::surround(Land land, Land from, Land to) {
    const std::vector<Land> before = m_corners;
    for (int vy = 0; vy < m_height; ++vy) {
        for (int vx = 0; vx < m_width; ++vx) {
            if (before[index(vx, vy)] != land)
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (inside(vx + dx, vy + dy) && at(vx + dx, vy + dy) == from)
                        set(vx + dx, vy + dy, to);
        }
    }
}

int Terrain::cornersOf(int x, int y, Land land) const {
    return (at(x, y) == land) + (at(x + 1, y) == land) + (at(x, y + 1) == land) +
           (at(x + 1, y + 1) == land);
}

int Terrain::paint(WorldBuilder& world, std::uint32_t variantSeed) const {
    int unshown = 0;
    for (int y = 0; y <= world.height(); ++y) {
        for (int x = 0; x < world.width(); ++x) {
            const std::array<Land, 4> c = {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)};
            if (c[0] == c[1] && c[0] == c[2] && c[0] == c[3]) {
                world.setGround(x, y, plainCode(c[0], x, y, variantSeed));
                continue;
            }
            std::optional<int> code;
            for (const Pairing& pair : kPairings) {
                int inner = 0;
                bool fitsPair = true;
                for (int k = 0; k < 4; ++k) {
                    if (c[static_cast<std::size_t>(k)] == pair.inner)
                        inner |= 1 << k;
                    else if (c[static_cast<std::size_t>(k)] != pair.outer)
                        fitsPair = false;
                }
                if (fitsPair && inner != 0 && inner != 15)
                    code = edgeCode(pair.edge, inner);
            }
            if (!code) {
                ++unshown;
                Land common = c[0];
                int best = 0;
                for (Land l : c) {
                    if (cornersOf(x, y, l) > best) {
                        best = cornersOf(x, y, l);
                        common = l;
                    }
                }
                code = plainCode(common, x, y, variantSeed);
            }
            world.setGround(x, y, *code);
        }
    }
    return unshown;
}

} // namespace artgen
