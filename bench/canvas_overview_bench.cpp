// The overview of a 9999 x 9999 location: building it whole, building it in
// slices on the event loop (with the longest time the loop waits meanwhile),
// and repainting it after one edit, beside plain copies of images of the
// overview's size and of one pixel a cell; and the peak memory with the
// location and its overview held.

#include "bench_support.h"
#include "canvas/location_overview.h"
#include "canvas/overview_builder.h"
#include "canvas/overview_colours.h"
#include "canvas/overview_picture.h"
#include "canvas/overview_widget.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

constexpr std::int32_t kSide = 9999;

// Ground codes vary from cell to cell and about one cell in eight holds an
// object, so neither table lookups nor the choice between object and ground
// are the same every time. Every byte of every layer is written, as a load
// from the grid file does, so the whole grid is in memory.
std::unique_ptr<model::LocationGrid> busyLocation() {
    auto grid = std::make_unique<model::LocationGrid>();
    grid->setMapWidth(kSide);
    grid->setMapHeight(kSide);
    grid->CreatMap(0);
    if (!grid->ErrorMessage().empty())
        throw std::runtime_error(grid->ErrorMessage());
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (std::int32_t y = 0; y <= kSide; ++y) {
        unsigned char* earths = grid->rowData(model::Layer::Earths, y);
        unsigned char* objects = grid->rowData(model::Layer::Objects, y);
        for (std::int32_t x = 0; x < kSide; ++x) {
            const std::uint32_t r = next();
            earths[x] = static_cast<unsigned char>(r & 0xFF);
            const std::uint32_t code = (r >> 8 & 7) == 0 ? 1 + (r >> 11) % 1000 : 0;
            objects[2 * x] = static_cast<unsigned char>(code >> 8);
            objects[2 * x + 1] = static_cast<unsigned char>(code & 0xFF);
        }
        for (const model::Layer layer : {model::Layer::Doors, model::Layer::Predmets,
                                         model::Layer::Blocks, model::Layer::Guards})
            std::memset(grid->rowData(layer, y), y & 1, grid->rowBytes(layer));
    }
    return grid;
}

// Built once, before any measurement.
const model::LocationGrid& location() {
    static const auto grid = busyLocation();
    return *grid;
}

const canvas::ResourceCatalogues& catalogues() {
    static const canvas::ResourceCatalogues placeholders;
    return placeholders;
}

const canvas::OverviewColours& colours() {
    static const canvas::OverviewColours taken = [] {
        canvas::OverviewColours c;
        c.follow(catalogues());
        return c;
    }();
    return taken;
}

double milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::uint64_t gridFileBytes() {
    return 8ull * kSide * (static_cast<std::uint64_t>(kSide) + 1);
}

void reportMemory(benchmark::State& state) {
    const double peak = static_cast<double>(bench_support::peakResidentBytes());
    const double target = 1.1 * static_cast<double>(gridFileBytes()) + 100.0 * (1 << 20);
    state.counters["peak_MB"] = peak / (1 << 20);
    state.counters["peak_of_target"] = peak / target;
}

void BM_OverviewBuild_Whole_9999(benchmark::State& state) {
    const model::LocationGrid& grid = location();
    canvas::OverviewPicture picture;
    for (auto _ : state) {
        picture.build(grid, colours());
        benchmark::DoNotOptimize(picture.image().constBits());
    }
    state.counters["picture_px"] = picture.image().width();
    state.SetItemsProcessed(state.iterations() * std::int64_t{kSide} * kSide);
}

// What the editor does after a load: the location's overview built in slices
// while the event loop goes on. A timer of its own ticks whenever the loop is
// free; the longest gap between two ticks is the longest the user waits.
void BM_OverviewBuild_Sliced_9999(benchmark::State& state) {
    const model::LocationGrid& grid = location();
    canvas::LocationOverview overview;
    QEventLoop loop;
    QObject::connect(&overview, &canvas::LocationOverview::pictureReplaced, &loop, [&] {
        if (overview.picture())
            loop.quit();
    });
    QTimer probe;
    probe.setInterval(0);
    auto lastTick = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration longest{};
    std::int64_t ticks = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const auto now = std::chrono::steady_clock::now();
        longest = std::max(longest, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    std::chrono::steady_clock::duration slowest{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        overview.showLocation(grid, catalogues());
        lastTick = std::chrono::steady_clock::now();
        probe.start();
        loop.exec();
        probe.stop();
        slowest = std::max(slowest, std::chrono::steady_clock::now() - start);
    }
    state.counters["longest_stall_ms"] = milliseconds(longest);
    state.counters["slowest_ready_ms"] = milliseconds(slowest);
    state.counters["loop_turns"] =
        static_cast<double>(ticks) / static_cast<double>(state.iterations());
    reportMemory(state);
}

// One edit: a cell's object changes and the overview repaints its block.
void BM_OverviewUpdate_OneEdit_9999(benchmark::State& state) {
    auto& grid = const_cast<model::LocationGrid&>(location());
    canvas::OverviewPicture picture;
    picture.build(grid, colours());
    std::uint64_t i = 0;
    for (auto _ : state) {
        const auto x = static_cast<std::int32_t>(i * 7919 % kSide);
        const auto y = static_cast<std::int32_t>(i * 104729 % kSide);
        grid.setCellValue(model::Layer::Objects, x, y, static_cast<std::int32_t>(1 + i % 1000));
        const QRect pixels = picture.update(grid, colours(), QRect(x, y, 1, 1));
        benchmark::DoNotOptimize(pixels);
        ++i;
    }
}

// One paint of the overview widget at its usual size, the view's rectangle
// on it: what each step of a drag over the overview costs.
void BM_OverviewWidgetPaint_256(benchmark::State& state) {
    canvas::LocationOverview overview;
    overview.showLocation(location(), catalogues());
    overview.builder().finish();
    canvas::OverviewWidget widget;
    widget.setOverview(&overview);
    widget.resize(256, 256);
    widget.setViewCells(QRect(kSide - 30, 100, 60, 34));
    QImage surface(widget.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        widget.render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}

// An image of the overview's size (9999 cells in blocks of 5).
void BM_PlainCopy_OverviewImage_2000x2000(benchmark::State& state) {
    bench_support::plainPictureCopy(state, 2000, 2000);
}

// An image of one pixel a cell, which the overview does not keep.
void BM_PlainCopy_CellImage_9999x9999(benchmark::State& state) {
    bench_support::plainPictureCopy(state, kSide, kSide);
}

} // namespace

// The sliced build first: its peak memory is the location and its overview's.
BENCHMARK(BM_OverviewBuild_Sliced_9999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OverviewBuild_Whole_9999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewUpdate_OneEdit_9999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverviewWidgetPaint_256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy_OverviewImage_2000x2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy_CellImage_9999x9999)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    location();
    colours();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
