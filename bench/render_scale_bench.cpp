// `mapedit render` of whole locations: the full-size picture of a 200 x 200
// location of 32-pixel tiles (ground in every cell, objects in a quarter) as
// a PNG, its drawing and its encoding at several compression levels apart
// (time and file size; the PNG share is encode / whole run), and the
// --scale picture 4096 pixels a side of a 9999 x 9999 location (time, and
// the process's peak memory beside the grid file). The baseline is a plain
// copy of as many 32-bit pixels as the full-size picture has.

#include "bench_support.h"
#include "canvas/banded_drawing.h"
#include "canvas/resource_catalogues.h"
#include "model/location_loader.h"
#include "support/application_folder.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include "canvas/png_encoding.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string renderWorld(std::int32_t width, std::int32_t height) {
    return bench_support::sampleResourceWorld(MAPEDIT_DATA, width, height);
}

// Runs mapedit to its end; returns its exit code and its peak resident bytes.
std::pair<int, std::uint64_t> runMeasured(const std::vector<std::string>& args) {
    const bench_support::QuietRun run = bench_support::runQuietlyMeasured(MAPEDIT_CLI, args);
    return {run.exitCode, run.peakResidentBytes};
}

std::vector<std::string> renderArgs(const std::string& world, const std::string& out) {
    return {"render", "--root", world, "--map", "Bench", "--whole", "--out", out};
}

void BM_PlainCopyOfTheWholePicture(benchmark::State& state) {
    bench_support::plainPictureCopy(state, 200 * 32, 200 * 32);
}

void BM_RenderWholeToPng(benchmark::State& state) {
    const std::string world = renderWorld(200, 200);
    const std::string out = world + "/whole.png";
    for (auto _ : state)
        if (runMeasured(renderArgs(world, out)).first != 0)
            state.SkipWithError("mapedit render failed");
    state.counters["file_MB"] = static_cast<double>(fs::file_size(out)) / 1e6;
}

// The loaded location and catalogues of the 200 x 200 world, in this process.
struct Loaded {
    model::LocationGrid grid;
    canvas::ResourceCatalogues catalogues;
    canvas::CanvasView view;
};

Loaded& loaded() {
    static Loaded* instance = [] {
        auto* l = new Loaded;
        const std::string world = renderWorld(200, 200);
        appfolder::setNative(world);
        std::string resources = "Resources";
        if (!l->catalogues.LoadResources(resources))
            throw std::runtime_error("the catalogues cannot be loaded");
        struct Quiet : model::LoadListener {
            void showMessage(model::MessageIcon, const std::string&, const std::string&) override {}
            void locationNameChanged(const std::string&) override {}
            void mapLoaded() override {}
            void redrawRequested() override {}
        } listener;
        model::LoadMap(l->grid, "Bench", "main", listener);
        l->view.CanvasCellCountX = l->view.CanvasCellCountY = 200;
        l->view.drawCursor = false;
        return l;
    }();
    return *instance;
}

void BM_DrawWholeInBands(benchmark::State& state) {
    Loaded& l = loaded();
    const int threads =
        state.range(0) ? static_cast<int>(state.range(0)) : canvas::drawingThreads();
    for (auto _ : state) {
        const QImage picture = canvas::drawViewInBands(l.grid, l.catalogues, l.view, threads);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["threads"] = threads;
}

// Encoding the drawn picture as the render command does (RGB888), at zlib
// level state.range(0) (the writer's compression option, 0 to 9).
void BM_EncodePng(benchmark::State& state) {
    Loaded& l = loaded();
    const QImage picture = canvas::drawViewInBands(l.grid, l.catalogues, l.view, 1)
                               .convertToFormat(QImage::Format_RGB888);
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "PNG");
        writer.setCompression(static_cast<int>(state.range(0)));
        if (!writer.write(picture))
            state.SkipWithError("the encoder failed");
        bytes = encoded.size();
    }
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

// The striped encoder at zlib level range(0) with row filter range(1), on
// range(2) threads (0: every core).
void BM_EncodePngStriped(benchmark::State& state) {
    Loaded& l = loaded();
    const QImage picture = canvas::drawViewInBands(l.grid, l.catalogues, l.view, 1)
                               .convertToFormat(QImage::Format_RGB888);
    canvas::PngEncoding encoding;
    encoding.level = static_cast<int>(state.range(0));
    encoding.filter = static_cast<canvas::PngRowFilter>(state.range(1));
    encoding.threads = state.range(2) ? static_cast<int>(state.range(2)) : canvas::drawingThreads();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = canvas::encodePng(picture, encoding).size();
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["threads"] = encoding.threads;
}

void BM_RenderScaled9999To4096(benchmark::State& state) {
    const std::string world = renderWorld(9999, 9999);
    const std::string out = world + "/scaled.png";
    std::vector<std::string> args = renderArgs(world, out);
    args.insert(args.end(), {"--scale", std::to_string(4096.0 / (9999 * 32))});
    std::uint64_t peak = 0;
    for (auto _ : state) {
        const auto [code, resident] = runMeasured(args);
        if (code != 0)
            state.SkipWithError("mapedit render --scale failed");
        peak = std::max(peak, resident);
    }
    const auto gridBytes = static_cast<double>(fs::file_size(world + "/Maps/Bench/main.map"));
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["grid_MB"] = gridBytes / 1e6;
    state.counters["peak_over_grid"] = static_cast<double>(peak) / gridBytes;
    state.counters["file_MB"] = static_cast<double>(fs::file_size(out)) / 1e6;
}

} // namespace

BENCHMARK(BM_PlainCopyOfTheWholePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderWholeToPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DrawWholeInBands)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePng)
    ->Arg(-1)
    ->Arg(0)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Arg(80)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_EncodePngStriped)
    ->ArgsProduct({{1, 2, 3}, {0, 1, 2, 4}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_RenderScaled9999To4096)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
