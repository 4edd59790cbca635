// `mapedit cell` on the largest location as a whole process, against `cat`
// reading the location's grid file.

#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::int32_t kLargest = 9999;

void BM_CatGridFile(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(kLargest, kLargest);
    const std::string grid = bench_support::gridFileOf(world);
    for (auto _ : state) {
        if (bench_support::runQuietly("cat", {grid}) != 0)
            state.SkipWithError("cat failed");
    }
}

void BM_MapeditCell(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(kLargest, kLargest);
    for (auto _ : state) {
        if (bench_support::runQuietly(
                MAPEDIT_CLI, {"cell", "--root", world, "--map", "Bench", "5000", "9999"}) != 0)
            state.SkipWithError("mapedit cell failed");
    }
}

} // namespace

BENCHMARK(BM_CatGridFile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_MapeditCell)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
