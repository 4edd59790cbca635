#pragma once
// Smooth noise for textures and for composing the world. The tile functions
// repeat every `tile` pixels in both directions, so that neighbouring ground
// tiles of one material join without a seam.

#include <cstdint>

namespace artgen {

// Value noise in [0, 1] on a lattice of unit steps; with period > 0 the
// lattice repeats every `period` steps.
double latticeNoise(double x, double y, int period, std::uint32_t seed);

// Sum of `octaves` octaves in [0, 1] that repeats every `tile` pixels; the
// coarsest lattice step is `step` pixels (a divisor of tile).
double tileNoise(double px, double py, int tile, int step, int octaves, std::uint32_t seed);

// Non-repeating octave noise in [0, 1]; `scale` units per coarsest step.
double worldNoise(double x, double y, double scale, int octaves, std::uint32_t seed);

// The nearest and second nearest of a repeating pattern of jittered points,
// `cells` x `cells` of them per tile.
struct VoronoiHit {
    double nearest = 0;
    double second = 0;
    std::uint32_t id = 0;  // which point is nearest
    double dx = 0, dy = 0; // from that point to the sample
};
VoronoiHit tileVoronoi(double px, double py, int tile, int cells, std::uint32_t seed);

} // namespace artgen
