// The whole 200 x 200 location of 32-pixel tiles (ground in every cell,
// objects in a quarter; 6400 x 6400 pixels) drawn to a PNG file twice over,
// each as a whole process: `mapedit render --whole`, and Tiled's
// tmxrasterizer drawing the location's `mapedit export --tmx` (made once,
// outside the measured runs; its own time is measured apart). Counters: the
// PNG file's size, and the process's peak memory.

#include "bench_support.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kSide = 200;

std::string world() {
    return bench_support::sampleResourceWorld(MAPEDIT_DATA, kSide, kSide);
}

void report(benchmark::State& state, const bench_support::QuietRun& run, const fs::path& out) {
    if (run.exitCode != 0) {
        state.SkipWithError("the program failed");
        return;
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(out)) / 1e6;
    state.counters["peak_MB"] = static_cast<double>(run.peakResidentBytes) / 1e6;
}

void BM_MapeditRenderWholeToPng(benchmark::State& state) {
    const std::string w = world();
    const fs::path out = fs::path(w) / "whole.png";
    bench_support::QuietRun run;
    for (auto _ : state)
        run =
            bench_support::runQuietlyMeasured(MAPEDIT_CLI, {"render", "--root", w, "--map", "Bench",
                                                            "--whole", "--out", out.string()});
    report(state, run, out);
}

std::vector<std::string> exportArgs(const std::string& w, const fs::path& map) {
    return {"export", "--root", w, "--map", "Bench", "--tmx", map.string()};
}

void BM_MapeditExportTmx(benchmark::State& state) {
    const std::string w = world();
    const fs::path map = fs::path(w) / "export" / "bench.tmx";
    fs::create_directories(map.parent_path());
    bench_support::QuietRun run;
    for (auto _ : state)
        run = bench_support::runQuietlyMeasured(MAPEDIT_CLI, exportArgs(w, map));
    report(state, run, map);
}

void BM_TmxRasterizerToPng(benchmark::State& state) {
    const std::string w = world();
    const fs::path map = fs::path(w) / "export" / "bench.tmx";
    fs::create_directories(map.parent_path());
    if (bench_support::runQuietly(MAPEDIT_CLI, exportArgs(w, map)) != 0) {
        state.SkipWithError("mapedit export --tmx failed");
        return;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path out = fs::path(w) / "tiled.png";
    bench_support::QuietRun run;
    for (auto _ : state)
        run = bench_support::runQuietlyMeasured("tmxrasterizer", {map.string(), out.string()});
    if (run.exitCode == -1) {
        state.SkipWithError("tmxrasterizer is not installed (Debian package \"tiled\")");
        return;
    }
    report(state, run, out);
}

} // namespace

BENCHMARK(BM_MapeditRenderWholeToPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TmxRasterizerToPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MapeditExportTmx)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
