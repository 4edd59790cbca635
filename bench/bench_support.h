#pragma once
// Fixtures shared by the benchmarks: worlds kept below the temporary folder
// between runs (large grid files take a while to write) and a whole-process
// runner.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench_support {

// A world folder holding map "Bench" with location "main" of the given size,
// whose grid file is filled with a repeating pattern. Built once, reused.
std::string worldWithLocation(std::int32_t width, std::int32_t height);

// The native path of that location's grid file.
std::string gridFileOf(const std::string& world);

// A copy of a sample world (its "Maps/Default" and "Resources" below
// `sampleData`) whose location "main" is replaced by a width x height grid
// tiled from the sample's own: output row y is source row y % source rows, and
// each layer's part of a record repeats the source cells x % source width. The
// location keeps its action index and action files. Built once, reused.
std::string sampleWorldWithTiledMain(const std::string& sampleData, std::int32_t width,
                                     std::int32_t height);

// The native path of the tiled location's grid file.
std::string tiledGridFileOf(const std::string& world);

// A world with the resources of the sample world below `sampleData` and map
// "Bench" whose location "main" of width x height cells has ground in every
// cell and an object in every other cell of every other row (a quarter of
// the cells). Built once below the temporary folder, reused.
std::string sampleResourceWorld(const std::string& sampleData, std::int32_t width,
                                std::int32_t height);

// Runs a program to its end, its output discarded; returns the exit code.
int runQuietly(const std::string& program, const std::vector<std::string>& args);

// The same, with the child's peak resident memory; exit code -1 when it could
// not be started or did not exit.
struct QuietRun {
    int exitCode = -1;
    std::uint64_t peakResidentBytes = 0;
};
QuietRun runQuietlyMeasured(const std::string& program, const std::vector<std::string>& args);

// The baseline of the drawing benchmarks: each iteration copies a picture of
// width x height 32-bit pixels into another, a plain copy of memory.
void plainPictureCopy(benchmark::State& state, int width, int height);

// The baselines of the editing benchmarks: each iteration copies `bytes`
// bytes from one buffer into another, or sets them to a new value.
void plainMemcpy(benchmark::State& state, std::size_t bytes);
void plainMemset(benchmark::State& state, std::size_t bytes);

// Peak resident memory of this process so far, in bytes.
std::uint64_t peakResidentBytes();

} // namespace bench_support
