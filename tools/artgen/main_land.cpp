#include "main_parts.h"

#include "main_layout.h"

#include "geometry.h"
#include "ground_catalogue.h"
#include "noise.h"

#include <cmath>

namespace artgen::mainloc {
namespace {

constexpr Point kPond{90, 25};
constexpr Point kStones{25, 93};

double pondRadius(int vx, int vy) {
    return 7.5 + 7.0 * (worldNoise(vx, vy, 6, 2, 770) - 0.5);
}

double stonesRadius(int vx, int vy) {
    return 11.0 + 9.0 * (worldNoise(vx, vy, 7, 2, 880) - 0.5);
}

bool onlyGrassOrRoadAround(const Terrain& land, int vx, int vy) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (land.inside(vx + dx, vy + dy) && land.at(vx + dx, vy + dy) != Land::Grass &&
                land.at(vx + dx, vy + dy) != Land::Road)
                return false;
    return true;
}

} // namespace

void shapeLand(Terrain& land) {
    for (int vy = 0; vy < land.height(); ++vy) {
        for (int vx = 0; vx < land.width(); ++vx) {
            const double dp = std::hypot(vx - kPond.x, (vy - kPond.y) * 1.15);
            const double rp = pondRadius(vx, vy);
            if (dp < rp)
                land.set(vx, vy, Land::Water);
            else if (dp < rp + 2.0)
                land.set(vx, vy, Land::Sand);
            if (std::hypot(vx - kStones.x, vy - kStones.y) < stonesRadius(vx, vy))
                land.set(vx, vy, Land::Rocky);
            if (std::hypot((vx - kGreen.x) / kGreenRx, (vy - kGreen.y) / kGreenRy) < 1.0)
                land.set(vx, vy, Land::Road);
        }
    }
    land.surround(Land::Water, Land::Grass, Land::Sand);
    // Roads stop a corner short of anything but grass.
    for (int vy = 0; vy < land.height(); ++vy) {
        for (int vx = 0; vx < land.width(); ++vx) {
            const Point p{static_cast<double>(vx), static_cast<double>(vy)};
            const double wobble = 0.3 * (worldNoise(vx, vy, 5, 1, 990) - 0.5);
            for (const auto& road : roads())
                if (distanceToPolyline(p, road) < 1.3 + wobble &&
                    onlyGrassOrRoadAround(land, vx, vy))
                    land.set(vx, vy, Land::Road);
            // A trail is one corner wide: only the halves of cells along it.
            for (const HousePlan& house : houses())
                if (distanceToPolyline(p, house.trail) < 0.75 &&
                    onlyGrassOrRoadAround(land, vx, vy))
                    land.set(vx, vy, Land::Road);
        }
    }
}

void layPavingAndBeds(WorldBuilder& world) {
    // Cobbles round the well in the middle of the green.
    for (int y = 57; y <= 61; ++y)
        for (int x = 58; x <= 61; ++x)
            world.setGround(x, y, groundCode(Ground::Cobble));
    for (const PlotPlan& plot : plots())
        if (plot.bed)
            for (int y = plot.y0 + 1; y < plot.y1; ++y)
                for (int x = plot.x0 + 1; x < plot.x1; ++x)
                    world.setGround(x, y, groundCode(Ground::Field));
}

} // namespace artgen::mainloc
