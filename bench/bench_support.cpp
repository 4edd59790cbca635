#include "bench_support.h"

#include <cstring>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;
namespace fs = std::filesystem;

namespace bench_support {

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

int runQuietly(const std::string& program, const std::vector<std::string>& args) {
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
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
