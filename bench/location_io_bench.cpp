// Loading and saving a location's grid against plain sequential file I/O of
// the same bytes, and the peak memory of a load followed by a save.

#include "bench_support.h"

#include "model/grid_file.h"
#include "model/location_files.h"
#include "model/location_loader.h"
#include "support/application_folder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class QuietListener : public model::LoadListener {
public:
    void showMessage(model::MessageIcon, const std::string&, const std::string& text) override {
        message = text;
    }
    void locationNameChanged(const std::string&) override {}
    void mapLoaded() override {}
    void redrawRequested() override {}
    std::string message;
};

std::int32_t sideOf(const benchmark::State& state) {
    return static_cast<std::int32_t>(state.range(0));
}

std::uint64_t gridBytesOf(std::int32_t side) {
    return 8ull * side * (static_cast<std::uint64_t>(side) + 1);
}

void BM_PlainRead(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(sideOf(state), sideOf(state));
    const std::string file = bench_support::gridFileOf(world);
    const std::uint64_t size = gridBytesOf(sideOf(state));
    for (auto _ : state) {
        std::unique_ptr<char, decltype(&std::free)> buffer(static_cast<char*>(std::malloc(size)),
                                                           &std::free);
        const int fd = open(file.c_str(), O_RDONLY);
        std::uint64_t done = 0;
        while (done < size) {
            const ssize_t n = read(fd, buffer.get() + done, size - done);
            if (n <= 0)
                break;
            done += static_cast<std::uint64_t>(n);
        }
        close(fd);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_LoadMap(benchmark::State& state) {
    appfolder::setNative(bench_support::worldWithLocation(sideOf(state), sideOf(state)));
    const std::uint64_t size = gridBytesOf(sideOf(state));
    QuietListener listener;
    for (auto _ : state) {
        model::LocationGrid grid;
        if (model::LoadMap(grid, "Bench", "main", listener) != model::LoadOutcome::Loaded)
            state.SkipWithError(listener.message.c_str());
        benchmark::DoNotOptimize(grid.rowData(model::Layer::Guards, 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// The grid's bytes written sequentially from resident memory, as a save
// writes them: over the file of the previous round, or, `durable`, into a new
// file flushed to the disk (the guarantee a save gives).
void plainWrite(benchmark::State& state, bool durable) {
    const std::string world = bench_support::worldWithLocation(sideOf(state), sideOf(state));
    const std::string file = world + (durable ? "/plain-durable.bin" : "/plain-write.bin");
    const std::uint64_t size = gridBytesOf(sideOf(state));
    std::unique_ptr<char, decltype(&std::free)> buffer(static_cast<char*>(std::malloc(size)),
                                                       &std::free);
    std::memset(buffer.get(), 1, size);
    for (auto _ : state) {
        if (durable)
            unlink(file.c_str());
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT, 0644);
        std::uint64_t done = 0;
        while (done < size) {
            const ssize_t n = write(fd, buffer.get() + done, size - done);
            if (n <= 0)
                break;
            done += static_cast<std::uint64_t>(n);
        }
        if (durable)
            fdatasync(fd);
        close(fd);
    }
    unlink(file.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_PlainWrite(benchmark::State& state) {
    plainWrite(state, false);
}

void BM_PlainWriteDurable(benchmark::State& state) {
    plainWrite(state, true);
}

void BM_SaveGrid(benchmark::State& state) {
    appfolder::setNative(bench_support::worldWithLocation(sideOf(state), sideOf(state)));
    const std::uint64_t size = gridBytesOf(sideOf(state));
    model::LocationGrid grid;
    grid.setMapWidth(sideOf(state));
    grid.setMapHeight(sideOf(state));
    grid.CreatMap(3);
    for (model::Layer layer : model::kAllLayers)
        std::memset(grid.rowData(layer, 0), 1, grid.layerBytes(layer).size());
    const std::string file = model::locationFiles("Bench", "saved").grid;
    for (auto _ : state) {
        std::error_code ec;
        if (!model::writeGridFile(file, grid, ec))
            state.SkipWithError(ec.message().c_str());
    }
    std::error_code ec;
    fsys::removeFile(file, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// Loads and saves in a child process and reports that process's peak resident
// memory against the grid file's size.
void BM_PeakMemoryLoadSave(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(sideOf(state), sideOf(state));
    const std::uint64_t size = gridBytesOf(sideOf(state));
    double peakMb = 0;
    for (auto _ : state) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            state.SkipWithError("pipe");
        const pid_t pid = fork();
        if (pid == 0) {
            appfolder::setNative(world);
            QuietListener listener;
            model::LocationGrid grid;
            model::LoadMap(grid, "Bench", "main", listener);
            std::error_code ec;
            model::writeGridFile(model::locationFiles("Bench", "peak").grid, grid, ec);
            const std::uint64_t peak = bench_support::peakResidentBytes();
            [[maybe_unused]] auto n = write(pipeFds[1], &peak, sizeof peak);
            _exit(0);
        }
        std::uint64_t peak = 0;
        [[maybe_unused]] auto n = read(pipeFds[0], &peak, sizeof peak);
        waitpid(pid, nullptr, 0);
        close(pipeFds[0]);
        close(pipeFds[1]);
        peakMb = static_cast<double>(peak) / (1 << 20);
    }
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(world) / "Maps/Bench/peak.map", ec);
    state.counters["peak_MB"] = peakMb;
    state.counters["file_MB"] = static_cast<double>(size) / (1 << 20);
    state.counters["limit_MB"] = 1.05 * static_cast<double>(size) / (1 << 20) + 30;
}

} // namespace

BENCHMARK(BM_PlainRead)->Arg(4000)->Arg(9999)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadMap)->Arg(4000)->Arg(9999)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PlainWrite)->Arg(4000)->Arg(9999)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PlainWriteDurable)->Arg(4000)->Arg(9999)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SaveGrid)->Arg(4000)->Arg(9999)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PeakMemoryLoadSave)
    ->Arg(4000)
    ->Arg(9999)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
