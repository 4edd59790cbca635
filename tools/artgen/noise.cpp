#include "noise.h"

#include "random.h"

#include <cmath>

namespace artgen {
namespace {

int wrap(int i, int period) {
    if (period <= 0)
        return i;
    const int m = i % period;
    return m < 0 ? m + period : m;
}

double fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double latticeNoise(double x, double y, int period, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const int x0 = wrap(ix, period), x1 = wrap(ix + 1, period);
    const int y0 = wrap(iy, period), y1 = wrap(iy + 1, period);
    const double a = hashUnit(x0, y0, seed), b = hashUnit(x1, y0, seed);
    const double c = hashUnit(x0, y1, seed), d = hashUnit(x1, y1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double tileNoise(double px, double py, int tile, int step, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves && step >= 1; ++o, step /= 2, amplitude *= 0.5) {
        sum += amplitude * latticeNoise(px / step, py / step, tile / step, seed + 101u * o);
        weight += amplitude;
    }
    return weight > 0 ? sum / weight : 0.5;
}

double worldNoise(double x, double y, double scale, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o, scale /= 2, amplitude *= 0.5) {
        sum += amplitude * latticeNoise(x / scale, y / scale, 0, seed + 977u * o);
        weight += amplitude;
    }
    return weight > 0 ? sum / weight : 0.5;
}

VoronoiHit tileVoronoi(double px, double py, int tile, int cells, std::uint32_t seed) {
    const double size = static_cast<double>(tile) / cells;
    const int cx = static_cast<int>(std::floor(px / size));
    const int cy = static_cast<int>(std::floor(py / size));
    VoronoiHit hit;
    hit.nearest = hit.second = 1e9;
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            const int wx = wrap(gx, cells), wy = wrap(gy, cells);
            const double ox = (gx + 0.15 + 0.7 * hashUnit(wx, wy, seed)) * size;
            const double oy = (gy + 0.15 + 0.7 * hashUnit(wx, wy, seed + 1)) * size;
            const double dx = px - ox, dy = py - oy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < hit.nearest) {
                hit.second = hit.nearest;
                hit.nearest = d;
                hit.id = hash32(wx, wy, seed + 2);
                hit.dx = dx;
                hit.dy = dy;
            } else if (d < hit.second) {
                hit.second = d;
            }
        }
    }
    return hit;
}

} // namespace artgen
