// The map check of a 9999 x 9999 location against a plain sequential read of
// its grid file, the check's peak memory, and the check of the sample map.
//
// Two large locations: the sample world's "main" tiled out to 9999 x 9999
// cells (valid codes, as a real location holds), and a grid of random bytes,
// where nearly every cell shows a problem in each layer: the worst case for
// the check's per-cell work, drawn with the sample world's resources too.
// Each check is reported beside a read of its own grid file, both warm in the
// page cache; the realistic pair is also run with the file dropped from the
// cache before each iteration.

#include "bench_support.h"

#include "checker/grid_scan.h"
#include "checker/map_check.h"
#include "support/application_folder.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kSide = 9999;
// The bytes a plain read asks for at once: the size of the check's row blocks.
constexpr std::size_t kReadBlock = checker::detail::kBlockBytes;

// The random world, with the sample resources beside its map.
std::string randomWorld() {
    const std::string world = bench_support::worldWithLocation(kSide, kSide);
    const fs::path resources = fs::path(world) / "Resources";
    if (!fs::exists(resources / "editor.ini"))
        fs::copy(fs::path(MAPEDIT_DATA) / "Resources", resources,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return world;
}

std::string realisticWorld() {
    return bench_support::sampleWorldWithTiledMain(MAPEDIT_DATA, kSide, kSide);
}

struct Fixture {
    std::string world;
    std::string grid;
    std::string map; // the map folder's name
};

Fixture realistic() {
    const std::string world = realisticWorld();
    return {world, bench_support::tiledGridFileOf(world), "Default"};
}

Fixture random() {
    const std::string world = randomWorld();
    return {world, bench_support::gridFileOf(world), "Bench"};
}

std::uint64_t fileBytes(const std::string& file) {
    return static_cast<std::uint64_t>(fs::file_size(file));
}

// Reads the file from its start to its end in blocks of the size the check
// reads, doing nothing with the bytes; returns the bytes read.
std::uint64_t plainRead(const std::string& file, std::vector<char>& buffer) {
    const int fd = open(file.c_str(), O_RDONLY);
    std::uint64_t total = 0;
    for (ssize_t n; (n = read(fd, buffer.data(), buffer.size())) > 0;)
        total += static_cast<std::uint64_t>(n);
    close(fd);
    benchmark::DoNotOptimize(buffer.data());
    return total;
}

// Asks the kernel to drop the file's pages from its cache.
void dropFromCache(const std::string& file) {
    const int fd = open(file.c_str(), O_RDONLY);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

// The share of the file's pages in the page cache, in percent.
double residentPercent(const std::string& file) {
    const int fd = open(file.c_str(), O_RDONLY);
    const auto size = static_cast<std::size_t>(fileBytes(file));
    void* map = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    close(fd);
    if (map == MAP_FAILED)
        return -1;
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> pages((size + page - 1) / page);
    mincore(map, size, pages.data());
    munmap(map, size);
    std::size_t resident = 0;
    for (unsigned char p : pages)
        resident += p & 1;
    return 100.0 * static_cast<double>(resident) / static_cast<double>(pages.size());
}

double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void readBenchmark(benchmark::State& state, const Fixture& fixture, bool cold) {
    std::vector<char> buffer(kReadBlock);
    plainRead(fixture.grid, buffer); // the first read brings the file into the cache
    std::uint64_t total = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            dropFromCache(fixture.grid);
            state.ResumeTiming();
        }
        total = plainRead(fixture.grid, buffer);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
    if (cold) {
        dropFromCache(fixture.grid);
        state.counters["cached_after_drop_pct"] = residentPercent(fixture.grid);
    }
}

// The check of the location, and beside it the mean of three plain reads of
// its grid made in the same conditions, with the ratio of the two.
void checkBenchmark(benchmark::State& state, const Fixture& fixture, bool cold) {
    appfolder::setNative(fixture.world);
    std::vector<char> buffer(kReadBlock);
    plainRead(fixture.grid, buffer);
    double readMs = 0;
    for (int i = 0; i < 3; ++i) {
        if (cold)
            dropFromCache(fixture.grid);
        readMs += millisecondsOf([&] { plainRead(fixture.grid, buffer); }) / 3;
    }
    std::size_t findings = 0;
    double checkMs = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            dropFromCache(fixture.grid);
            state.ResumeTiming();
        }
        checkMs += millisecondsOf([&] {
            const checker::CheckResult result = checker::checkMap({fixture.map, "main"});
            if (!result.ran)
                state.SkipWithError(result.failureEnglish.c_str());
            findings = result.findings.size();
        });
    }
    checkMs /= static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * fileBytes(fixture.grid)));
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["read_ms"] = readMs;
    state.counters["check_per_read"] = checkMs / readMs;
    state.counters["target"] = 2;
}

void BM_PlainSequentialRead(benchmark::State& state) {
    readBenchmark(state, realistic(), false);
}

void BM_CheckRealisticLocation(benchmark::State& state) {
    checkBenchmark(state, realistic(), false);
}

void BM_PlainSequentialReadRandomGrid(benchmark::State& state) {
    readBenchmark(state, random(), false);
}

void BM_CheckRandomLocation(benchmark::State& state) {
    checkBenchmark(state, random(), false);
}

void BM_PlainSequentialReadCold(benchmark::State& state) {
    readBenchmark(state, realistic(), true);
}

void BM_CheckRealisticLocationCold(benchmark::State& state) {
    checkBenchmark(state, realistic(), true);
}

std::uint64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

// The check in a child process: the memory it takes beyond what the process
// held when it began (the limit is 64 MB beyond the catalogues).
void peakMemory(benchmark::State& state, const Fixture& fixture) {
    double extraMb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0)
            state.SkipWithError("pipe");
        const pid_t pid = fork();
        if (pid == 0) {
            appfolder::setNative(fixture.world);
            const std::uint64_t before = residentBytes();
            checker::checkMap({fixture.map, "main"});
            const std::uint64_t extra = bench_support::peakResidentBytes() - before;
            [[maybe_unused]] auto n = write(fds[1], &extra, sizeof extra);
            _exit(0);
        }
        std::uint64_t extra = 0;
        [[maybe_unused]] auto n = read(fds[0], &extra, sizeof extra);
        waitpid(pid, nullptr, 0);
        close(fds[0]);
        close(fds[1]);
        extraMb = static_cast<double>(extra) / (1 << 20);
    }
    state.counters["extra_MB"] = extraMb;
    state.counters["file_MB"] = static_cast<double>(fileBytes(fixture.grid)) / (1 << 20);
    state.counters["limit_MB"] = 64;
}

void BM_CheckRealisticLocationPeakMemory(benchmark::State& state) {
    peakMemory(state, realistic());
}

void BM_CheckRandomLocationPeakMemory(benchmark::State& state) {
    peakMemory(state, random());
}

// The whole sample map: two locations, their actions, 110 pictures and the palette.
void BM_CheckSampleMap(benchmark::State& state) {
    appfolder::setNative(MAPEDIT_DATA);
    std::size_t errors = 0;
    for (auto _ : state) {
        const checker::CheckResult result = checker::checkMap({"Default", ""});
        errors = result.errors();
    }
    state.counters["errors"] = static_cast<double>(errors);
    state.counters["target_ms"] = 200;
}

} // namespace

BENCHMARK(BM_PlainSequentialRead)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CheckRealisticLocation)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PlainSequentialReadRandomGrid)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CheckRandomLocation)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PlainSequentialReadCold)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CheckRealisticLocationCold)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CheckRealisticLocationPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRandomLocationPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSampleMap)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The picture readers find their plug-ins through the application object.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
