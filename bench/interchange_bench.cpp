// mapedit export --json and mapedit import of a large location, each beside
// the JSON library alone doing the same in the same run: writing the same
// document from a document tree (and building that tree), parsing the same
// file into a tree, and only checking its syntax. Every run happens in a
// process of its own, so each one's peak memory is its own.

#include "bench_support.h"

#include "interchange/location_content.h"
#include "support/application_folder.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct ChildRun {
    bool ok = false;
    double seconds = 0;     // measured by the child, or the whole run for a command
    double moreSeconds = 0; // a second figure the child measured
    double peakMB = 0;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double peakOf(const rusage& usage) {
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Runs the command-line tool to its end, its output discarded.
ChildRun runCommand(const std::vector<std::string>& args) {
    ChildRun run;
    const auto start = Clock::now();
    const bench_support::QuietRun quiet = bench_support::runQuietlyMeasured(MAPEDIT_CLI, args);
    run.seconds = secondsSince(start);
    run.peakMB = static_cast<double>(quiet.peakResidentBytes) / (1024.0 * 1024.0);
    run.ok = quiet.exitCode == 0;
    return run;
}

// Runs `work` in a child process; it returns the two figures it measured.
ChildRun inChild(const std::function<std::pair<double, double>()>& work) {
    ChildRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        const std::pair<double, double> figures = work();
        const double sent[2] = {figures.first, figures.second};
        const bool written = write(pipeEnds[1], sent, sizeof sent) == sizeof sent;
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    double got[2] = {0, 0};
    const bool read_ = pid > 0 && read(pipeEnds[0], got, sizeof got) == sizeof got;
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (pid > 0)
        wait4(pid, &status, 0, &usage);
    run.ok = read_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.seconds = got[0];
    run.moreSeconds = got[1];
    run.peakMB = peakOf(usage);
    return run;
}

std::int32_t sideOf(const benchmark::State& state) {
    return static_cast<std::int32_t>(state.range(0));
}

fs::path jsonOf(const std::string& world) {
    return fs::path(world) / "main.json";
}

// The same document as a tree of the library: built from the location read
// as the export reads it.
nlohmann::json documentTree(const interchange::LocationContent& content) {
    const model::LocationGrid& grid = content.grid;
    nlohmann::json doc = {{"width", grid.MapWidth()},
                          {"height", grid.MapHeight()},
                          {"round", content.round},
                          {"notes", content.notes}};
    nlohmann::json& layers = doc["layers"];
    for (const interchange::NamedLayer& named : interchange::kNamedLayers) {
        nlohmann::json rows = nlohmann::json::array();
        for (std::int32_t y = 0; y <= grid.MapHeight(); ++y) {
            nlohmann::json row = nlohmann::json::array();
            row.get_ref<nlohmann::json::array_t&>().reserve(
                static_cast<std::size_t>(grid.MapWidth()));
            for (std::int32_t x = 0; x < grid.MapWidth(); ++x)
                row.push_back(grid.cellValue(named.layer, x, y));
            rows.push_back(std::move(row));
        }
        layers[named.name] = std::move(rows);
    }
    return doc;
}

// The library alone writing the document: building the tree (second figure)
// and writing it into a file (first figure).
std::pair<double, double> libraryDump(const std::string& world, const fs::path& out) {
    appfolder::setNative(world);
    const model::LocationFiles files = model::locationFiles("Bench", "main");
    const model::ConfigReading config = model::readLocationConfig(files.config);
    interchange::LocationContent content;
    if (!config.size || !interchange::readLocationContent(files, *config.size, content).ok)
        _exit(1);
    auto start = Clock::now();
    const nlohmann::json doc = documentTree(content);
    const double build = secondsSince(start);
    content.grid.clear();
    start = Clock::now();
    {
        std::ofstream file(out, std::ios::binary | std::ios::trunc);
        file << doc;
    }
    return {secondsSince(start), build};
}

void setCommonCounters(benchmark::State& state, const ChildRun& ours, const ChildRun& library,
                       const fs::path& document) {
    state.counters["library_s"] = library.seconds;
    state.counters["x_library"] = ours.seconds / library.seconds;
    state.counters["peak_MB"] = ours.peakMB;
    state.counters["library_peak_MB"] = library.peakMB;
    std::error_code ec;
    state.counters["json_MB"] = static_cast<double>(fs::file_size(document, ec)) / (1 << 20);
}

void BM_ExportJson(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(sideOf(state), sideOf(state));
    const fs::path document = jsonOf(world);
    const fs::path libraryDocument = fs::path(world) / "library.json";
    ChildRun ours, library;
    for (auto _ : state) {
        ours = runCommand({"export", "--root", world, "--map", "Bench", "--json", document});
        library = inChild([&] { return libraryDump(world, libraryDocument); });
        if (!ours.ok || !library.ok) {
            state.SkipWithError("an export failed");
            return;
        }
        state.SetIterationTime(ours.seconds);
    }
    setCommonCounters(state, ours, library, document);
    state.counters["library_build_s"] = library.moreSeconds;
    // The two files hold the same document (compared in a child, so that this
    // process stays small: a child's peak memory starts from its parent's).
    const ChildRun same = inChild([&] {
        std::ifstream a(document), b(libraryDocument);
        return std::pair{nlohmann::json::parse(a) == nlohmann::json::parse(b) ? 1.0 : 0.0, 0.0};
    });
    if (!same.ok || same.seconds != 1.0)
        state.SkipWithError("the library's document differs");
    fs::remove(libraryDocument);
}
BENCHMARK(BM_ExportJson)
    ->Arg(1000)
    ->Arg(4000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_ImportJson(benchmark::State& state) {
    const std::string world = bench_support::worldWithLocation(sideOf(state), sideOf(state));
    const fs::path document = jsonOf(world);
    if (!runCommand({"export", "--root", world, "--map", "Bench", "--json", document}).ok) {
        state.SkipWithError("the export failed");
        return;
    }
    ChildRun ours, library, syntax;
    for (auto _ : state) {
        ours = runCommand({"import", "--root", world, "--map", "Bench", "--location", "imported",
                           document, "--replace"});
        library = inChild([&] {
            const auto start = Clock::now();
            std::ifstream in(document, std::ios::binary);
            const nlohmann::json doc = nlohmann::json::parse(in);
            benchmark::DoNotOptimize(doc.size());
            return std::pair{secondsSince(start), 0.0};
        });
        syntax = inChild([&] {
            const auto start = Clock::now();
            std::ifstream in(document, std::ios::binary);
            const bool valid = nlohmann::json::accept(in);
            return std::pair{valid ? secondsSince(start) : -1.0, 0.0};
        });
        if (!ours.ok || !library.ok || !syntax.ok) {
            state.SkipWithError("an import failed");
            return;
        }
        state.SetIterationTime(ours.seconds);
    }
    setCommonCounters(state, ours, library, document);
    state.counters["syntax_only_s"] = syntax.seconds;
    state.counters["x_syntax_only"] = ours.seconds / syntax.seconds;
    // The import gives back the grid file byte for byte.
    const fs::path folder = fs::path(world) / "Maps" / "Bench";
    std::ifstream a(folder / "main.map", std::ios::binary),
        b(folder / "imported.map", std::ios::binary);
    if (!std::equal(std::istreambuf_iterator<char>(a), {}, std::istreambuf_iterator<char>(b), {}))
        state.SkipWithError("the imported grid differs");
}
BENCHMARK(BM_ImportJson)
    ->Arg(1000)
    ->Arg(4000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
