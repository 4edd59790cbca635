// Comparing two 9999 x 9999 locations (800 MB grid files) with `mapedit diff`
// and merging three with the merge of the library, each against a plain
// sequential read of the same files in the same run.
//
// Targets: the comparison within 2x the read of both files, the merge
// (reading three, writing the merged file crash-safely) within 3x the read of
// the three. The merge writes 800 MB to the disk, so it is also shown against
// the least that takes: reading the three and writing one durably.

#include "bench_support.h"

#include "model/grid_merge.h"
#include "support/crash_safe_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kSide = 9999;
constexpr int kChangedCells = 1000;

struct Fixture {
    std::string base;   // the bench world's grid file, its configuration beside it
    std::string other;  // a copy differing in kChangedCells cells, with a configuration
    std::string ours;   // copies differing from base in other cells: even rows ...
    std::string theirs; // ... and odd rows
    std::string merged;
};

// Changes kChangedCells cells of a copy of `from`, on rows of `parity`.
void writeChangedCopy(const std::string& from, const fs::path& to, int parity, unsigned seed) {
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    const int fd = open(to.c_str(), O_RDWR);
    const std::uint64_t record = 8ull * kSide;
    for (int i = 0; i < kChangedCells; ++i) {
        const std::uint64_t x = (static_cast<std::uint64_t>(i) * 7919u + seed) % kSide;
        const std::uint64_t y = ((static_cast<std::uint64_t>(i) * 104729u + seed) % 5000) * 2 +
                                static_cast<std::uint64_t>(parity);
        // One byte of a cell of each layer in turn: earth, object, item, ...
        static constexpr std::uint64_t kSliceStart[] = {0, 1, 3, 4, 6, 7};
        static constexpr std::uint64_t kCellBytes[] = {1, 2, 1, 2, 1, 1};
        const int layer = i % 6;
        const std::uint64_t at = y * record + kSliceStart[layer] * kSide + x * kCellBytes[layer];
        unsigned char byte = 0;
        if (pread(fd, &byte, 1, static_cast<off_t>(at)) == 1) {
            byte = static_cast<unsigned char>(~byte);
            (void)!pwrite(fd, &byte, 1, static_cast<off_t>(at));
        }
    }
    close(fd);
    std::ofstream(to.parent_path() / (to.stem().string() + ".config"), std::ios::binary)
        << "[CONFIG]\r\nWidth=" << kSide << "\r\nHeight=" << kSide << "\r\n";
}

const Fixture& fixture() {
    static const Fixture f = [] {
        Fixture made;
        const std::string world = bench_support::worldWithLocation(kSide, kSide);
        made.base = bench_support::gridFileOf(world);
        const fs::path copies = fs::path(world) / "diff";
        made.other = (copies / "other.map").string();
        made.ours = (copies / "ours.map").string();
        made.theirs = (copies / "theirs.map").string();
        made.merged = (copies / "merged.map").string();
        writeChangedCopy(made.base, made.other, 1, 17);
        writeChangedCopy(made.base, made.ours, 0, 5);
        writeChangedCopy(made.base, made.theirs, 1, 11);
        return made;
    }();
    return f;
}

// Reads the files one after the other, 4 MB at a time.
void plainRead(benchmark::State& state, const std::vector<std::string>& files) {
    std::vector<char> buffer(std::size_t{4} << 20);
    std::uint64_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (const std::string& file : files) {
            const int fd = open(file.c_str(), O_RDONLY);
            ssize_t n = 0;
            while ((n = read(fd, buffer.data(), buffer.size())) > 0)
                total += static_cast<std::uint64_t>(n);
            close(fd);
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}

void BM_PlainReadTwo(benchmark::State& state) {
    plainRead(state, {fixture().base, fixture().other});
}

void BM_DiffCommand(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        const int rc = bench_support::runQuietly(MAPEDIT_CLI, {"diff", f.base, f.other});
        if (rc != 1)
            state.SkipWithError(("mapedit diff exited with " + std::to_string(rc)).c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2 * 8 * kSide *
                            (kSide + 1));
}

void BM_PlainReadThree(benchmark::State& state) {
    plainRead(state, {fixture().base, fixture().ours, fixture().theirs});
}

// The least a crash-safe merge does: reads the three files block by block and
// writes one of them into a new file, flushed to the disk and renamed.
void BM_PlainReadThreeWriteOneDurable(benchmark::State& state) {
    const Fixture& f = fixture();
    const std::string target = f.merged + ".plain";
    std::vector<char> buffer(std::size_t{4} << 20);
    for (auto _ : state) {
        const int in[3] = {open(f.base.c_str(), O_RDONLY), open(f.ours.c_str(), O_RDONLY),
                           open(f.theirs.c_str(), O_RDONLY)};
        const int out = open((target + ".new").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (ssize_t n = 1; n > 0;) {
            for (int fd : in)
                n = read(fd, buffer.data(), buffer.size());
            if (n > 0 && write(out, buffer.data(), static_cast<std::size_t>(n)) != n)
                break;
        }
        fdatasync(out);
        close(out);
        for (int fd : in)
            close(fd);
        std::rename((target + ".new").c_str(), target.c_str());
    }
    std::remove(target.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 3 * 8 * kSide *
                            (kSide + 1));
}

void BM_Merge(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        std::error_code ec;
        fsys::File base, ours, theirs;
        fsys::CrashSafeWriter out;
        model::MergeCounts counts;
        const bool done =
            base.openNative(f.base, fsys::File::Mode::Read, ec) &&
            ours.openNative(f.ours, fsys::File::Mode::Read, ec) &&
            theirs.openNative(f.theirs, fsys::File::Mode::Read, ec) &&
            out.beginNative(f.merged, ec) && out.reserve(8ull * kSide * (kSide + 1), ec) &&
            model::mergeGridFiles(base, ours, theirs, kSide, kSide, out, {}, counts, ec) &&
            out.commit(ec);
        if (!done)
            state.SkipWithError(ec.message().c_str());
        else if (counts.taken.total() != kChangedCells || counts.conflicts.total() != 0)
            state.SkipWithError("the merge took other cells than their changes");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 3 * 8 * kSide *
                            (kSide + 1));
}

} // namespace

BENCHMARK(BM_PlainReadTwo)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_DiffCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainReadThree)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_PlainReadThreeWriteOneDurable)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(BM_Merge)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
