#pragma once
// The ground of a location described by what lies at each cell corner. A cell
// whose four corners agree gets a plain tile of that material (grass and
// water in a few variants); a cell whose corners hold the two materials of a
// transition set gets the matching transition tile.

#include "world_builder.h"

#include <cstdint>
#include <vector>

namespace artgen {

enum class Land : std::uint8_t { Grass, Sand, Water, Road, Rocky, CaveRock, CaveFloor };

class Terrain {
public:
    // Corners of a location `width` cells wide with rows 0 to `height`.
    Terrain(int width, int height, Land fill);

    int width() const { return m_width; }   // corners across: cells + 1
    int height() const { return m_height; } // corners down: rows + 1
    bool inside(int vx, int vy) const {
        return vx >= 0 && vy >= 0 && vx < m_width && vy < m_height;
    }
    Land at(int vx, int vy) const { return m_corners[index(vx, vy)]; }
    void set(int vx, int vy, Land land);

    // Every corner next to one of `land` (the eight neighbours) that holds
    // `from` becomes `to`: a margin that keeps two materials from meeting.
    void surround(Land land, Land from, Land to);

    // Writes the tile codes into the cells; returns the number of cells whose
    // corners no tile can show (they get a plain tile of their commonest
    // material). `variantSeed` picks the grass and water variants.
    int paint(WorldBuilder& world, std::uint32_t variantSeed) const;

    // How many corners of cell (x, y) hold `land`.
    int cornersOf(int x, int y, Land land) const;

private:
    std::size_t index(int vx, int vy) const {
        return static_cast<std::size_t>(vy) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(vx);
    }
    int m_width, m_height;
    std::vector<Land> m_corners;
};

} // namespace artgen
