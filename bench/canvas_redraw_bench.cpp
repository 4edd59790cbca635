// Cost of a full redraw of the map view, unzoomed and zoomed, beside one
// plain copy of a picture of the same size, of the first redraw at a new zoom,
// and of loading a large set of catalogues. Each redraw reports the plain
// copy's time measured in the same run (copy_ms) and how many such copies
// the redraw costs (x_copy).

#include "bench_support.h"
#include "canvas/map_renderer.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"
#include "support/application_folder.h"
#include "test_support/temp_folder.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::uint8_t kGroundCode = 1;
constexpr std::int32_t kSpriteCode = 2;

std::string bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// A ring-shaped 32 x 32 sprite and its mask, with a tinted background.
void writeSprite(const testing_support::TempFolder& root, const std::string& name, QRgb colour) {
    QImage picture(32, 32, QImage::Format_RGB32);
    QImage mask(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int d = (x - 16) * (x - 16) + (y - 16) * (y - 16);
            const bool opaque = d > 36 && d < 196;
            picture.setPixel(x, y, opaque ? colour : 0xFFFFFFFF);
            mask.setPixel(x, y, opaque ? 0xFF000000 : 0xFFFFFFFF);
        }
    }
    root.write("Resources/" + name + ".bmp", bmpBytes(picture));
    root.write("Resources/" + name + "_mask.bmp", bmpBytes(mask));
}

// A resource folder with `grounds` ground tiles and `objects` objects.
void writeResources(const testing_support::TempFolder& root, int grounds, int objects) {
    std::string level0 = "[DATA]\r\nCount=" + std::to_string(grounds - 1) + "\r\n";
    for (int i = 0; i < grounds; ++i) {
        QImage tile(32, 32, QImage::Format_RGB32);
        tile.fill(qRgb(i, 255 - i, (i * 7) & 0xFF));
        const std::string file = "ground" + std::to_string(i) + ".bmp";
        root.write("Resources/" + file, bmpBytes(tile));
        level0 += "[OBJ-" + std::to_string(i) + "]\r\nFileName=" + file + "\r\nName=Ground " +
                  std::to_string(i) + "\r\n";
    }
    std::string level1 = "[DATA]\r\nCount=" + std::to_string(objects - 1) + "\r\n";
    for (int i = 0; i < objects; ++i) {
        const std::string name = "object" + std::to_string(i);
        writeSprite(root, name, qRgb((i * 37) & 0xFF, (i * 11) & 0xFF, 90));
        level1 += "[OBJ-" + std::to_string(i) + "]\r\nFileName=" + name +
                  ".bmp\r\nMaskFileName=" + name + "_mask.bmp\r\nName=Object " + std::to_string(i) +
                  "\r\nBlock=1\r\n";
    }
    root.write("Resources/level0.ini", level0);
    root.write("Resources/level1.ini", level1);
}

class Resources {
public:
    Resources(int grounds, int objects) {
        writeResources(m_root, grounds, objects);
        appfolder::setNative(m_root.path().string());
    }

    canvas::ResourceCatalogues load() const {
        appfolder::setNative(m_root.path().string());
        canvas::ResourceCatalogues catalogues;
        std::string resourcesPath = "Resources";
        const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
        if (!result.ok)
            throw std::runtime_error(result.message());
        return catalogues;
    }

private:
    testing_support::TempFolder m_root;
};

const canvas::ResourceCatalogues& drawingResources() {
    static const Resources folder(4, 4);
    static const canvas::ResourceCatalogues catalogues = folder.load();
    return catalogues;
}

// A location with a sprite, a block, a guard mark and an action in every cell
// of the view that starts at (left, top) and is columns x rows large.
std::unique_ptr<model::LocationGrid> busyLocation(std::int32_t width, std::int32_t height,
                                                  std::int32_t left, std::int32_t top,
                                                  std::int32_t columns, std::int32_t rows) {
    auto grid = std::make_unique<model::LocationGrid>();
    grid->setMapWidth(width);
    grid->setMapHeight(height);
    grid->CreatMap(kGroundCode);
    if (!grid->ErrorMessage().empty())
        throw std::runtime_error(grid->ErrorMessage());
    for (std::int32_t j = 0; j < rows; ++j) {
        for (std::int32_t i = 0; i < columns; ++i) {
            const std::int32_t x = (left + i) % width;
            const std::int32_t y = (top + j) % height;
            grid->setCellValue(model::Layer::Objects, x, y, kSpriteCode);
            grid->setCellValue(model::Layer::Blocks, x, y, 1);
            grid->setCellValue(model::Layer::Guards, x, y, 1);
            grid->setCellValue(model::Layer::Doors, x, y, 1);
        }
    }
    return grid;
}

canvas::CanvasView busyView(std::int32_t left, std::int32_t top, std::int32_t columns,
                            std::int32_t rows, bool coordinates) {
    canvas::CanvasView view;
    view.CurrentPositionX = left;
    view.CurrentPositionY = top;
    view.CanvasCellCountX = columns;
    view.CanvasCellCountY = rows;
    view.DrawEarth = view.DrawObjects = view.DrawCells = view.DrawObjectsContour = true;
    view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = true;
    view.DrawCordinates = coordinates;
    view.cursorPixelX = 3 * view.CellWidth;
    view.cursorPixelY = 2 * view.CellHeight;
    return view;
}

// The largest view benchmarked, in the middle of the location: 1920 x 1080
// pixels at 4 pixels a cell.
constexpr std::int32_t kMostColumns = 480;
constexpr std::int32_t kMostRows = 270;

std::int32_t middleStart(std::int32_t mapSize, std::int32_t cells) {
    return mapSize / 2 - cells / 2 > 0 ? mapSize / 2 - cells / 2 : 0;
}

// The locations are built once, before any measurement, so that the system's
// work on a freshly filled large block of memory does not fall into one.
const model::LocationGrid& location(std::int32_t mapSize) {
    static const auto small = busyLocation(120, 120, middleStart(120, kMostColumns),
                                           middleStart(120, kMostRows), kMostColumns, kMostRows);
    static const auto large = busyLocation(9999, 9999, middleStart(9999, kMostColumns),
                                           middleStart(9999, kMostRows), kMostColumns, kMostRows);
    return mapSize == 120 ? *small : *large;
}

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median time of one plain copy of a picture of `size`, measured once
// for each size in this run.
double plainCopyMilliseconds(const QSize& size) {
    static std::map<std::pair<int, int>, double> measured;
    const auto key = std::make_pair(size.width(), size.height());
    if (const auto found = measured.find(key); found != measured.end())
        return found->second;
    QImage source(size, QImage::Format_RGB32);
    source.fill(0xFF336699);
    QImage target(size, QImage::Format_RGB32);
    target.fill(0);
    const auto bytes = static_cast<std::size_t>(source.sizeInBytes());
    std::vector<double> times;
    for (int i = 0; i < 101; ++i) {
        const Clock::time_point start = Clock::now();
        std::memcpy(target.bits(), source.constBits(), bytes);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
        times.push_back(millisecondsSince(start));
    }
    std::nth_element(times.begin(), times.begin() + 50, times.end());
    return measured[key] = times[50];
}

// Reports the plain copy of a picture of the surface's size beside the
// redraws that took `milliseconds` together.
void reportAgainstCopy(benchmark::State& state, const QImage& surface, double milliseconds) {
    const double copy = plainCopyMilliseconds(surface.size());
    const double each = milliseconds / static_cast<double>(state.iterations());
    state.counters["copy_ms"] = copy;
    state.counters["x_copy"] = each / copy;
}

void redraw(benchmark::State& state, std::int32_t mapSize, std::int32_t columns, std::int32_t rows,
            bool coordinates, std::int32_t zoom = 0) {
    const canvas::ResourceCatalogues& catalogues = drawingResources();
    const model::LocationGrid& grid = location(mapSize);
    // The view is centred on the busy part of the location.
    canvas::CanvasView view = busyView(middleStart(mapSize, columns), middleStart(mapSize, rows),
                                       columns, rows, coordinates);
    view.zoomPixels = zoom;
    canvas::MapRenderer renderer;
    QImage picMap;
    renderer.DrawMap(picMap, grid, catalogues, view); // the copies for the zoom
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        renderer.DrawMap(picMap, grid, catalogues, view);
        benchmark::DoNotOptimize(picMap.constBits());
        benchmark::ClobberMemory();
    }
    reportAgainstCopy(state, picMap, millisecondsSince(start));
    state.SetItemsProcessed(state.iterations() * columns * rows);
}

// Cells across and down of a 1920 x 1080 view at `zoom` pixels a cell.
std::int32_t cellsFor(std::int32_t pixels, std::int32_t zoom) {
    return (pixels + zoom - 1) / zoom;
}

void BM_Redraw_10x10(benchmark::State& state) {
    redraw(state, 120, 10, 10, false);
}

void BM_Redraw_1920x1080(benchmark::State& state) {
    redraw(state, 120, 60, 34, false);
}

void BM_Redraw_1920x1080_Coordinates(benchmark::State& state) {
    redraw(state, 120, 60, 34, true);
}

void BM_Redraw_1920x1080_Map9999(benchmark::State& state) {
    redraw(state, 9999, 60, 34, false);
}

void BM_Redraw_3840x2160(benchmark::State& state) {
    redraw(state, 120, 120, 68, false);
}

void BM_Redraw_3840x2160_Coordinates(benchmark::State& state) {
    redraw(state, 120, 120, 68, true);
}

void BM_Redraw_1920x1080_Zoom(benchmark::State& state) {
    const auto zoom = static_cast<std::int32_t>(state.range(0));
    redraw(state, 120, cellsFor(1920, zoom), cellsFor(1080, zoom), false, zoom);
}

void BM_Redraw_1920x1080_Map9999_Zoom(benchmark::State& state) {
    const auto zoom = static_cast<std::int32_t>(state.range(0));
    redraw(state, 9999, cellsFor(1920, zoom), cellsFor(1080, zoom), false, zoom);
}

void BM_Redraw_1920x1080_Coordinates_Zoom(benchmark::State& state) {
    const auto zoom = static_cast<std::int32_t>(state.range(0));
    redraw(state, 120, cellsFor(1920, zoom), cellsFor(1080, zoom), true, zoom);
}

// A location of `width` x `height` cells with a sprite, a block, a guard mark
// and an action in every cell, its ground codes running through all 256 and
// its object codes through the first `objects`.
std::unique_ptr<model::LocationGrid> variedLocation(std::int32_t width, std::int32_t height,
                                                    std::int32_t objects) {
    auto grid = std::make_unique<model::LocationGrid>();
    grid->setMapWidth(width);
    grid->setMapHeight(height);
    grid->CreatMap(0);
    if (!grid->ErrorMessage().empty())
        throw std::runtime_error(grid->ErrorMessage());
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            grid->setCellValue(model::Layer::Earths, x, y, (x * 7 + y * 3) % 256);
            grid->setCellValue(model::Layer::Objects, x, y, 1 + (x * 13 + y * 31) % objects);
            grid->setCellValue(model::Layer::Blocks, x, y, 1);
            grid->setCellValue(model::Layer::Guards, x, y, 1);
            grid->setCellValue(model::Layer::Doors, x, y, 1);
        }
    }
    return grid;
}

// The first complete redraw of a 1920 x 1080 view at a new zoom, after
// redraws at 32 pixels a cell, with catalogues of 256 ground tiles and 1000
// objects: the zoomed copies of the codes in view are made in it.
void BM_ZoomStep_1920x1080_256Grounds_1000Objects(benchmark::State& state) {
    static const Resources folder(256, 1000);
    static const canvas::ResourceCatalogues catalogues = folder.load();
    static const auto grid = variedLocation(500, 300, 1000);
    const auto zoom = static_cast<std::int32_t>(state.range(0));
    canvas::CanvasView normal = busyView(0, 0, 60, 34, false);
    canvas::CanvasView zoomed = busyView(0, 0, cellsFor(1920, zoom), cellsFor(1080, zoom), false);
    zoomed.zoomPixels = zoom;
    double milliseconds = 0;
    QImage picMap;
    for (auto _ : state) {
        state.PauseTiming();
        canvas::MapRenderer renderer;
        renderer.DrawMap(picMap, *grid, catalogues, normal);
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        renderer.DrawMap(picMap, *grid, catalogues, zoomed);
        benchmark::DoNotOptimize(picMap.constBits());
        benchmark::ClobberMemory();
        milliseconds += millisecondsSince(start);
    }
    reportAgainstCopy(state, picMap, milliseconds);
}

// The baseline: one plain copy of a full-screen image into another.
void BM_PlainCopy_1920x1080(benchmark::State& state) {
    bench_support::plainPictureCopy(state, 1920, 1080);
}

void BM_PlainCopy_3840x2160(benchmark::State& state) {
    bench_support::plainPictureCopy(state, 3840, 2160);
}

void BM_LoadResources_256Grounds_1000Objects(benchmark::State& state) {
    const Resources folder(256, 1000);
    for (auto _ : state) {
        const canvas::ResourceCatalogues catalogues = folder.load();
        benchmark::DoNotOptimize(catalogues.objectBufferCount());
    }
}

} // namespace

BENCHMARK(BM_PlainCopy_1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080_Map9999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080_Coordinates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_3840x2160)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_3840x2160_Coordinates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy_3840x2160)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080_Zoom)
    ->ArgName("zoom")
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Arg(32)
    ->Arg(48)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080_Map9999_Zoom)
    ->ArgName("zoom")
    ->Arg(4)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_1920x1080_Coordinates_Zoom)
    ->ArgName("zoom")
    ->Arg(16)
    ->Arg(48)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomStep_1920x1080_256Grounds_1000Objects)
    ->ArgName("zoom")
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Arg(48)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadResources_256Grounds_1000Objects)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Coordinates are drawn with the toolkit's fonts, which need an application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    drawingResources();
    location(120);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
