// The map check of a 9999 x 9999 location against a plain sequential read of
// its grid file, the check's peak memory, and the check of the sample map.
//
// The large location's grid is random bytes, so nearly every cell shows a
// problem in each layer: the worst case for the check's per-cell work. Its
// map is drawn with the sample world's resources and palette.

#include "bench_support.h"

#include "checker/map_check.h"
#include "support/application_folder.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kSide = 9999;

// The large world, with the sample resources beside its map.
std::string largeWorld() {
    const std::string world = bench_support::worldWithLocation(kSide, kSide);
    const fs::path resources = fs::path(world) / "Resources";
    if (!fs::exists(resources / "editor.ini"))
        fs::copy(fs::path(MAPEDIT_DATA) / "Resources", resources,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return world;
}

std::uint64_t fileBytes(const std::string& file) {
    return static_cast<std::uint64_t>(fs::file_size(file));
}

// Reads the grid file from its start to its end in blocks of the size the
// check reads, doing nothing with the bytes.
void BM_PlainSequentialRead(benchmark::State& state) {
    const std::string file = bench_support::gridFileOf(largeWorld());
    std::vector<char> buffer(std::size_t{4} << 20);
    std::uint64_t total = 0;
    for (auto _ : state) {
        const int fd = open(file.c_str(), O_RDONLY);
        total = 0;
        for (ssize_t n; (n = read(fd, buffer.data(), buffer.size())) > 0;)
            total += static_cast<std::uint64_t>(n);
        close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}

void BM_CheckLargeLocation(benchmark::State& state) {
    const std::string world = largeWorld();
    appfolder::setNative(world);
    std::size_t findings = 0;
    for (auto _ : state) {
        const checker::CheckResult result = checker::checkMap({"Bench", "main"});
        if (!result.ran)
            state.SkipWithError(result.failureEnglish.c_str());
        findings = result.findings.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() *
                                                      fileBytes(bench_support::gridFileOf(world))));
    state.counters["findings"] = static_cast<double>(findings);
}

std::uint64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

// The check in a child process: the memory it takes beyond what the process
// held when it began (the limit is 64 MB beyond the catalogues).
void BM_CheckLargeLocationPeakMemory(benchmark::State& state) {
    const std::string world = largeWorld();
    double extraMb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0)
            state.SkipWithError("pipe");
        const pid_t pid = fork();
        if (pid == 0) {
            appfolder::setNative(world);
            const std::uint64_t before = residentBytes();
            checker::checkMap({"Bench", "main"});
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
    state.counters["file_MB"] =
        static_cast<double>(fileBytes(bench_support::gridFileOf(world))) / (1 << 20);
    state.counters["limit_MB"] = 64;
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
BENCHMARK(BM_CheckLargeLocation)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CheckLargeLocationPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
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
