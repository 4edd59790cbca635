// Region edits as a designer makes them, through the location document with
// its undo records: a brush stroke of single cells, a filled rectangle, a flood
// fill of a whole large location, copy and paste of a block of all six layers,
// and undo and redo of each. Each stands beside a plain memset or memcpy of the
// same bytes in the same run.

#include "bench_support.h"

#include "document/edit_history.h"
#include "document/location_document.h"
#include "model/cell_patch.h"
#include "model/flood_fill.h"

#include <benchmark/benchmark.h>
#include <QApplication>

#include <algorithm>
#include <malloc.h>
#include <memory>
#include <random>
#include <vector>

using document::LocationDocument;
using model::Layer;

namespace {

constexpr int kBlock = 1000;      // side of the rectangles and patches
constexpr int kLarge = 9999;      // side of the location filled whole
constexpr int kStrokeDabs = 1000; // dabs of 3 x 3 cells in one brush stroke
constexpr int kStrokeCells = 9 * kStrokeDabs;

std::unique_ptr<LocationDocument> emptyDocument(int width, int height, std::uint8_t earth) {
    auto doc = std::make_unique<LocationDocument>();
    doc->grid().setMapWidth(width);
    doc->grid().setMapHeight(height);
    doc->grid().CreatMap(earth);
    return doc;
}

// A document of 2000 x 2000 cells whose six layers hold random bytes, with no
// history yet.
std::unique_ptr<LocationDocument> randomDocument(unsigned seed) {
    model::LocationGrid source;
    source.setMapWidth(2 * kBlock);
    source.setMapHeight(2 * kBlock);
    source.CreatMap(0);
    std::mt19937 random(seed);
    for (const Layer layer : model::kAllLayers) {
        std::vector<unsigned char> row(source.rowBytes(layer));
        for (std::int32_t y = 0; y < source.rowCount(layer); ++y) {
            for (auto& byte : row)
                byte = static_cast<unsigned char>(random());
            source.writeSpan(layer, y, 0, row.data(), source.MapWidth());
        }
    }
    auto doc = std::make_unique<LocationDocument>();
    doc->grid().adoptCells(std::move(source)); // a new grid: the history starts empty
    return doc;
}

// Each iteration undoes the one step, or redoes it when it is undone.
void undoOrRedo(benchmark::State& state, LocationDocument& doc) {
    QUndoStack& stack = doc.history().stack();
    for (auto _ : state) {
        if (stack.canUndo())
            stack.undo();
        else
            stack.redo();
    }
}

// One stroke: dabs of 3 x 3 cells moving one cell at a time along a slope, so
// most cells are written more than once.
void stroke(LocationDocument& doc, std::uint8_t ground) {
    const document::EditStep step(doc, "Кисть");
    for (int dab = 0; dab < kStrokeDabs; ++dab)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                doc.grid().setCellValue(Layer::Earths, 500 + dab + dx, 500 + dab / 3 + dy, ground);
}

void BM_Brush_9000Cells(benchmark::State& state) {
    auto doc = emptyDocument(2 * kBlock, 2 * kBlock, 0);
    std::uint8_t ground = 0;
    for (auto _ : state)
        stroke(*doc, ++ground);
    state.SetItemsProcessed(state.iterations() * kStrokeCells);
    state.counters["record_bytes_per_step"] =
        static_cast<double>(doc->history().recordBytes()) / state.iterations();
}

void BM_Brush_UndoRedo(benchmark::State& state) {
    auto doc = emptyDocument(2 * kBlock, 2 * kBlock, 0);
    stroke(*doc, 7);
    undoOrRedo(state, *doc);
}

void BM_FillRect_Ground_1000x1000(benchmark::State& state) {
    auto doc = emptyDocument(2 * kBlock, 2 * kBlock, 0);
    std::uint16_t ground = 0;
    for (auto _ : state) {
        const document::EditStep step(*doc, "Прямоугольник");
        // Across both edges of the world.
        model::fillCells(doc->grid(), model::CellRect{1500, 1500, kBlock, kBlock}, Layer::Earths,
                         ++ground % 256);
    }
    state.SetBytesProcessed(state.iterations() * kBlock * kBlock);
    state.counters["record_bytes_per_step"] =
        static_cast<double>(doc->history().recordBytes()) / state.iterations();
}

void BM_FillRect_UndoRedo(benchmark::State& state) {
    auto doc = emptyDocument(2 * kBlock, 2 * kBlock, 0);
    {
        const document::EditStep step(*doc, "Прямоугольник");
        model::fillCells(doc->grid(), model::CellRect{1500, 1500, kBlock, kBlock}, Layer::Earths,
                         9);
    }
    undoOrRedo(state, *doc);
}

LocationDocument& largeDocument() {
    static auto doc = emptyDocument(kLarge, kLarge, 1);
    return *doc;
}

// Heap bytes in use: the arena's and the mapped blocks'.
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The fill as the editor runs it: cancellable, asked now and then whether to
// go on. Each time it asks, the heap in use is sampled, so the extra memory
// of the fill (its own and the undo record's) is its peak over the start.
void BM_FloodFill_Uniform_9999x9999(benchmark::State& state) {
    LocationDocument& doc = largeDocument();
    doc.history().stack().clear();
    std::int32_t ground = 1;
    std::size_t recordBytes = 0;
    std::size_t peakExtra = 0;
    for (auto _ : state) {
        ground = ground == 1 ? 2 : 1;
        const std::size_t before = doc.history().recordBytes();
        const std::size_t heapBefore = heapInUse();
        {
            const document::EditStep step(doc, "Заливка");
            const model::FillOutcome outcome =
                model::floodFill(doc.grid(), Layer::Earths, 5000, 5000, ground, [&] {
                    const std::size_t now = heapInUse();
                    peakExtra = std::max(peakExtra, now > heapBefore ? now - heapBefore : 0);
                    return true;
                });
            if (outcome.changed != std::uint64_t{kLarge} * kLarge)
                state.SkipWithError("the fill missed cells");
        }
        state.PauseTiming();
        recordBytes = doc.history().recordBytes() - before;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{kLarge} * kLarge);
    state.counters["record_bytes"] = static_cast<double>(recordBytes);
    state.counters["peak_extra_bytes_per_cell"] =
        static_cast<double>(peakExtra) / (double{kLarge} * kLarge);
}

void BM_FloodFill_UndoRedo(benchmark::State& state) {
    LocationDocument& doc = largeDocument();
    doc.history().stack().clear();
    {
        const document::EditStep step(doc, "Заливка");
        model::floodFill(doc.grid(), Layer::Earths, 0, 0, 3);
    }
    undoOrRedo(state, doc);
    doc.history().stack().clear();
}

void BM_Copy_AllLayers_1000x1000(benchmark::State& state) {
    auto doc = randomDocument(1);
    for (auto _ : state) {
        const model::CellPatch patch = model::CellPatch::copy(
            doc->grid(), model::CellRect{1500, 1500, kBlock, kBlock}, model::allLayers());
        benchmark::DoNotOptimize(patch.width());
    }
    state.SetBytesProcessed(state.iterations() * 8 * kBlock * kBlock);
}

void BM_Paste_AllLayers_1000x1000(benchmark::State& state) {
    auto doc = randomDocument(2);
    const auto source = randomDocument(3);
    const model::CellPatch patches[2] = {
        model::CellPatch::copy(source->grid(), model::CellRect{0, 0, kBlock, kBlock},
                               model::allLayers()),
        model::CellPatch::copy(source->grid(), model::CellRect{kBlock, kBlock, kBlock, kBlock},
                               model::allLayers())};
    std::size_t recordBytes = 0;
    int which = 0;
    for (auto _ : state) {
        {
            const document::EditStep step(*doc, "Вставка");
            patches[which ^= 1].pasteInto(doc->grid(), 1500, 1500);
        }
        // Each step keeps 8 MB of changed cells: the history goes between runs.
        state.PauseTiming();
        recordBytes = doc->history().recordBytes();
        doc->history().stack().clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * 8 * kBlock * kBlock);
    state.counters["record_bytes"] = static_cast<double>(recordBytes);
}

void BM_Paste_UndoRedo(benchmark::State& state) {
    auto doc = randomDocument(4);
    const auto source = randomDocument(5);
    {
        const document::EditStep step(*doc, "Вставка");
        model::CellPatch::copy(source->grid(), model::CellRect{0, 0, kBlock, kBlock},
                               model::allLayers())
            .pasteInto(doc->grid(), 1500, 1500);
    }
    undoOrRedo(state, *doc);
}

// The baselines: the same bytes set or copied plainly.
void BM_PlainMemset(benchmark::State& state) {
    bench_support::plainMemset(state, static_cast<std::size_t>(state.range(0)));
}

void BM_PlainMemcpy(benchmark::State& state) {
    bench_support::plainMemcpy(state, static_cast<std::size_t>(state.range(0)));
}

} // namespace

BENCHMARK(BM_Brush_9000Cells)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Brush_UndoRedo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainMemset)->Arg(kStrokeCells)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillRect_Ground_1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillRect_UndoRedo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainMemset)->Arg(kBlock* kBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Copy_AllLayers_1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste_AllLayers_1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste_UndoRedo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainMemcpy)->Arg(8 * kBlock * kBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_Uniform_9999x9999)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_FloodFill_UndoRedo)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_PlainMemset)->Arg(kLarge* kLarge)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
