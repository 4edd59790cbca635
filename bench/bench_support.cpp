#include "bench_support.h"

#include <cstring>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char** environ;
namespace fs = std::filesystem;

namespace bench_support {
namespace {

constexpr int kGroundCodes = 82; // the sample catalogue's
constexpr int kObjectCodes = 30;

} // namespace

std::string sampleResourceWorld(const std::string& sampleData, std::int32_t width,
                                std::int32_t height) {
    const fs::path world =
        fs::temp_directory_path() /
        ("mapedit-bench-render-" + std::to_string(width) + "x" + std::to_string(height));
    const fs::path grid = world / "Maps" / "Bench" / "main.map";
    const std::uint64_t size = 8ull * width * (static_cast<std::uint64_t>(height) + 1);
    std::error_code ec;
    if (fs::exists(grid, ec) && fs::file_size(grid, ec) == size)
        return world.string();
    fs::create_directories(grid.parent_path());
    fs::remove_all(world / "Resources", ec);
    fs::copy(fs::path(sampleData) / "Resources", world / "Resources", fs::copy_options::recursive);
    std::ofstream(grid.parent_path() / "main.config", std::ios::binary)
        << "[CONFIG]\r\nWidth=" << width << "\r\nHeight=" << height << "\r\n";
    std::ofstream out(grid, std::ios::binary | std::ios::trunc);
    std::vector<char> record(8 * static_cast<std::size_t>(width));
    for (std::int32_t y = 0; y <= height; ++y) {
        std::fill(record.begin(), record.end(), 0);
        for (std::int32_t x = 0; x < width; ++x) {
            record[static_cast<std::size_t>(x)] = static_cast<char>((x * 7 + y * 3) % kGroundCodes);
            if (x % 2 == 0 && y % 2 == 0) {
                const int code = (x / 2 + y / 2) % kObjectCodes + 1;
                record[static_cast<std::size_t>(width + 2 * x + 1)] = static_cast<char>(code);
            }
        }
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
    return world.string();
}

std::string worldWithLocation(std::int32_t width, std::int32_t height) {
    const fs::path world = fs::temp_directory_path() / ("mapedit-bench-" + std::to_string(width) +
                                                        "x" + std::to_string(height));
    const fs::path folder = world / "Maps" / "Bench";
    const fs::path grid = folder / "main.map";
    const std::uint64_t size = 8ull * width * (static_cast<std::uint64_t>(height) + 1);
    std::error_code ec;
    if (fs::exists(grid, ec) && fs::file_size(grid, ec) == size)
        return world.string();
    fs::create_directories(folder);
    std::ofstream(folder / "main.config", std::ios::binary)
        << "[CONFIG]\r\nWidth=" << width << "\r\nHeight=" << height << "\r\n";
    std::ofstream out(grid, std::ios::binary | std::ios::trunc);
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<char>((i * 2654435761u) >> 13);
    for (std::uint64_t written = 0; written < size;) {
        const auto n =
            static_cast<std::streamsize>(std::min<std::uint64_t>(chunk.size(), size - written));
        out.write(chunk.data(), n);
        written += static_cast<std::uint64_t>(n);
    }
    return world.string();
}

std::string gridFileOf(const std::string& world) {
    return (fs::path(world) / "Maps" / "Bench" / "main.map").string();
}

namespace {

// The number after "key=" in a configuration's text, or -1.
std::int64_t configValue(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key + "=");
    return at == std::string::npos ? -1 : std::stoll(text.substr(at + key.size() + 1));
}

std::string fileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One record of the tiled grid: each layer's cells repeat the source row's.
void tileRecord(const char* source, std::int32_t sourceWidth, char* record, std::int32_t width) {
    // (offset in units of W, bytes per cell) of each layer in a record.
    constexpr std::pair<int, int> kLayers[] = {{0, 1}, {1, 2}, {3, 1}, {4, 2}, {6, 1}, {7, 1}};
    for (const auto& [offset, cellBytes] : kLayers) {
        const char* from = source + static_cast<std::size_t>(offset) * sourceWidth;
        char* to = record + static_cast<std::size_t>(offset) * width;
        for (std::int32_t x = 0; x < width; ++x)
            std::memcpy(to + static_cast<std::size_t>(x) * cellBytes,
                        from + static_cast<std::size_t>(x % sourceWidth) * cellBytes,
                        static_cast<std::size_t>(cellBytes));
    }
}

} // namespace

std::string sampleWorldWithTiledMain(const std::string& sampleData, std::int32_t width,
                                     std::int32_t height) {
    const fs::path world =
        fs::temp_directory_path() /
        ("mapedit-bench-sample-" + std::to_string(width) + "x" + std::to_string(height));
    const fs::path folder = world / "Maps" / "Default";
    const fs::path grid = folder / "main.map";
    const std::uint64_t size = 8ull * width * (static_cast<std::uint64_t>(height) + 1);
    std::error_code ec;
    if (fs::exists(grid, ec) && fs::file_size(grid, ec) == size)
        return world.string();
    const fs::path sampleMap = fs::path(sampleData) / "Maps" / "Default";
    fs::create_directories(world / "Maps");
    fs::copy(sampleMap, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy(fs::path(sampleData) / "Resources", world / "Resources",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);

    const std::string config = fileText(sampleMap / "main.config");
    const auto sourceWidth = static_cast<std::int32_t>(configValue(config, "Width"));
    const std::int64_t sourceRows = configValue(config, "Height") + 1;
    const std::string source = fileText(sampleMap / "main.map");
    const std::size_t sourceRecord = static_cast<std::size_t>(sourceWidth) * 8;
    if (sourceWidth <= 0 || sourceRows <= 0 ||
        source.size() < sourceRecord * static_cast<std::size_t>(sourceRows))
        return {};
    std::ofstream(folder / "main.config", std::ios::binary)
        << "[CONFIG]\r\nWidth=" << width << "\r\nHeight=" << height << "\r\n";

    // The tiled rows repeat every source row count: make those records once.
    const std::size_t record = static_cast<std::size_t>(width) * 8;
    std::vector<char> records(record * static_cast<std::size_t>(sourceRows));
    for (std::int64_t y = 0; y < sourceRows; ++y)
        tileRecord(source.data() + static_cast<std::size_t>(y) * sourceRecord, sourceWidth,
                   records.data() + static_cast<std::size_t>(y) * record, width);
    // Written aside and renamed: a run cut short leaves no grid to reuse.
    const fs::path part = folder / "main.map.part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        for (std::int64_t y = 0; y <= height; ++y)
            out.write(records.data() + static_cast<std::size_t>(y % sourceRows) * record,
                      static_cast<std::streamsize>(record));
    }
    fs::rename(part, grid);
    return world.string();
}

std::string tiledGridFileOf(const std::string& world) {
    return (fs::path(world) / "Maps" / "Default" / "main.map").string();
}

int runQuietly(const std::string& program, const std::vector<std::string>& args) {
    return runQuietlyMeasured(program, args).exitCode;
}

QuietRun runQuietlyMeasured(const std::string& program, const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            static_cast<std::uint64_t>(usage.ru_maxrss) * 1024};
}

std::uint64_t peakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
}

void plainPictureCopy(benchmark::State& state, int width, int height) {
    plainMemcpy(state, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
}

void plainMemcpy(benchmark::State& state, std::size_t bytes) {
    std::vector<unsigned char> source(bytes, 0x66);
    std::vector<unsigned char> target(bytes, 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void plainMemset(benchmark::State& state, std::size_t bytes) {
    std::vector<unsigned char> target(bytes, 0);
    unsigned char value = 0;
    for (auto _ : state) {
        std::memset(target.data(), ++value, bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

} // namespace bench_support
