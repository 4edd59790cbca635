#pragma once
// A small deterministic random generator (splitmix64) and position hashes, so
// that every run draws the same pictures and composes the same world on every
// platform; the standard distributions are not the same everywhere.

#include <cstdint>

namespace artgen {

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    // A whole number from lo to hi, both included.
    int between(int lo, int hi);
    // A number in [0, 1).
    double unit();
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t m_state;
};

// A well-mixed 32-bit number for a lattice point and a seed.
std::uint32_t hash32(std::int32_t x, std::int32_t y, std::uint32_t seed);
// The same as a number in [0, 1).
double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);

} // namespace artgen
