#include "ground_materials.h"

#include "noise.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {
namespace {

// A fleck of the fine grain: -1, 0 or +1.
int fleck(int x, int y, std::uint32_t seed, double rate) {
    const double h = hashUnit(x, y, seed);
    if (h < rate)
        return -1;
    if (h > 1.0 - rate)
        return 1;
    return 0;
}

Rgb grass(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 3, 11);
    Rgb c = mix(hex(0x56943A), hex(0x6EA844), broad);
    // Short vertical blades, two pixels long, lighter or darker.
    const auto blade = [](int bx, int by) { return hashUnit(bx, by, 12); };
    const int below = (y + 1) % kTile;
    const double b = std::max(blade(x, y), blade(x, below));
    if (b > 0.93)
        c = shade(c, 1.18);
    else if (std::min(blade(x, y), blade(x, below)) < 0.05)
        c = shade(c, 0.82);
    return shade(c, 1.0 + 0.05 * fleck(x, y, 13, 0.1));
}

Rgb sand(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 3, 21);
    Rgb c = mix(hex(0xC9AE72), hex(0xE2CE96), broad);
    const double ripple =
        std::sin(2 * std::numbers::pi * (y / 8.0 + 0.6 * tileNoise(x, y, kTile, 8, 1, 22)));
    c = shade(c, 1.0 + 0.035 * ripple);
    return shade(c, 1.0 + 0.07 * fleck(x, y, 23, 0.12));
}

Rgb water(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 8, 2, 31);
    Rgb c = mix(hex(0x31689C), hex(0x3B78AE), broad);
    const double wave =
        std::sin(2 * std::numbers::pi * (y / 8.0 + 1.5 * tileNoise(x, y, kTile, 16, 2, 32)));
    const double sparkle = tileNoise(x, y, kTile, 4, 1, 33);
    if (wave > 0.9 && sparkle > 0.55)
        c = mix(c, hex(0x9CC8E6), 0.6);
    else if (wave < -0.9)
        c = shade(c, 0.9);
    return c;
}

Rgb road(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 3, 41);
    Rgb c = mix(hex(0x9A7A4E), hex(0xB79668), broad);
    const VoronoiHit pebble = tileVoronoi(x + 0.5, y + 0.5, kTile, 6, 42);
    if (pebble.nearest < 1.3 && (pebble.id & 3) == 0)
        c = pebble.dy < 0 ? hex(0xC9B48E) : hex(0x7A6446);
    return shade(c, 1.0 + 0.06 * fleck(x, y, 43, 0.1));
}

Rgb cobble(int x, int y) {
    const VoronoiHit stone = tileVoronoi(x + 0.5, y + 0.5, kTile, 4, 51);
    const double edge = stone.second - stone.nearest;
    if (edge < 1.1)
        return shade(hex(0x5C5850), 1.0 + 0.08 * fleck(x, y, 52, 0.2));
    const double tint = (stone.id % 1000) / 1000.0;
    Rgb c = mix(hex(0x8A877F), hex(0xA8A296), tint);
    // Light from the top left: the upper left of each stone is lighter.
    const double light = -(stone.dx + stone.dy) / 8.0;
    c = shade(c, 1.0 + 0.12 * std::clamp(light, -1.0, 1.0));
    if (edge < 2.0)
        c = shade(c, 0.9);
    return shade(c, 1.0 + 0.05 * fleck(x, y, 53, 0.15));
}

Rgb field(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 2, 61);
    Rgb c = mix(hex(0x5E3E24), hex(0x7A5434), broad);
    const double furrow = std::sin(2 * std::numbers::pi * (y + 0.5) / 8.0);
    c = shade(c, 1.0 + 0.16 * furrow);
    return shade(c, 1.0 + 0.08 * fleck(x, y, 62, 0.12));
}

Rgb rocky(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 3, 71);
    Rgb c = mix(hex(0x857A62), hex(0xA0937A), broad);
    const VoronoiHit stone = tileVoronoi(x + 0.5, y + 0.5, kTile, 4, 72);
    const double radius = (stone.id % 3 != 0) ? 0.0 : 1.5 + 1.5 * ((stone.id >> 4) % 100) / 100.0;
    if (stone.nearest < radius) {
        Rgb s = mix(hex(0x8C8C8A), hex(0xB4B2AC), (stone.id % 100) / 100.0);
        const double light = -(stone.dx + stone.dy) / radius;
        c = shade(s, 1.0 + 0.15 * std::clamp(light, -1.0, 1.0));
    } else if (stone.nearest < radius + 1.0 && stone.dy > 0) {
        c = shade(c, 0.75); // the stone's shadow
    }
    return shade(c, 1.0 + 0.06 * fleck(x, y, 73, 0.12));
}

Rgb caveFloor(int x, int y) {
    const double broad = tileNoise(x, y, kTile, 16, 3, 81);
    Rgb c = mix(hex(0x3E3630), hex(0x5A4E44), broad);
    const VoronoiHit grit = tileVoronoi(x + 0.5, y + 0.5, kTile, 6, 82);
    if (grit.nearest < 1.1 && (grit.id & 1))
        c = grit.dy < 0 ? hex(0x74685C) : hex(0x2C2622);
    return shade(c, 1.0 + 0.07 * fleck(x, y, 83, 0.12));
}

Rgb caveRock(int x, int y) {
    const VoronoiHit facet = tileVoronoi(x + 0.5, y + 0.5, kTile, 3, 91);
    const double tint = (facet.id % 1000) / 1000.0;
    Rgb c = mix(hex(0x2A2624), hex(0x4A4440), tint);
    const double light = -(facet.dx + facet.dy) / 10.0;
    c = shade(c, 1.0 + 0.2 * std::clamp(light, -1.0, 1.0));
    if (facet.second - facet.nearest < 1.0)
        c = hex(0x1A1716);
    return shade(c, 1.0 + 0.06 * fleck(x, y, 92, 0.12));
}

} // namespace

Rgb materialColour(Material material, int x, int y) {
    switch (material) {
    case Material::Grass:
        return grass(x, y);
    case Material::Sand:
        return sand(x, y);
    case Material::Water:
        return water(x, y);
    case Material::Road:
        return road(x, y);
    case Material::Cobble:
        return cobble(x, y);
    case Material::Field:
        return field(x, y);
    case Material::Rocky:
        return rocky(x, y);
    case Material::CaveFloor:
        return caveFloor(x, y);
    case Material::CaveRock:
        return caveRock(x, y);
    }
    return {};
}

} // namespace artgen
