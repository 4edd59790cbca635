// The editor as a designer feels it: start-up with the sample map open, and a
// placement of an object with a 3 x 3 footprint with its redraw.

#include "bench_support.h"

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "support/application_folder.h"
#include "test_support/temp_folder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <malloc.h>
#include <QApplication>
#include <QListWidget>
#include <QUndoStack>

namespace {

// A copy of the sample world with one object whose footprint is 3 x 3.
const testing_support::TempFolder& world() {
    static testing_support::TempFolder folder;
    static bool made = false;
    if (!made) {
        std::filesystem::copy(MAPEDIT_DATA, folder.path(),
                              std::filesystem::copy_options::recursive);
        folder.write("Resources/editor.ini",
                     "[CATAGORIES]\r\nCount=0\r\nCategory0=B\r\n[CATEGORY-0]\r\nCount=0\r\n"
                     "Level=1\r\nDefaultSource=bench.ini\r\nData0=OBJ-3\r\n");
        folder.write("Resources/bench.ini", "[OBJ-3]\r\nName=B\r\nBlock=111,111,111\r\n");
        made = true;
    }
    return folder;
}

void BM_StartupWithSampleMap(benchmark::State& state) {
    const std::string root = world().path().string();
    const std::string picture = root + "/startup.png";
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        if (bench_support::runQuietly(
                MAPEDIT_EDITOR, {"--root", root, "--map", "Default", "--screenshot", picture}) != 0)
            state.SkipWithError("the editor did not start");
    }
}

void BM_PlaceObjectWithFootprint(benchmark::State& state) {
    appfolder::setNative(world().path().string());
    frmMain window;
    window.openMap("Default");
    window.lstGroups->setCurrentRow(0);
    window.lstObjects->setCurrentRow(0);
    for (auto _ : state)
        window.placeSelectedEntry();
}

// Undo and redo of one placement with its 3 x 3 footprint, each with the
// redraw that shows it.
void BM_UndoRedoPlacement(benchmark::State& state) {
    appfolder::setNative(world().path().string());
    frmMain window;
    window.openMap("Default");
    window.lstGroups->setCurrentRow(0);
    window.lstObjects->setCurrentRow(0);
    window.placeSelectedEntry();
    QUndoStack& stack = window.history().stack();
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// Resizing the main window from its first-start size to fill a 1920 x 1080
// screen, to the first complete frame at the new size (the canvas is drawn
// as part of the resize).
void BM_ResizeWindowTo1920x1080(benchmark::State& state) {
    appfolder::setNative(world().path().string());
    frmMain window;
    window.show();
    window.openMap("Default");
    const QSize big = QSize(1920, 1080) - (window.size() - window.centralWidget()->size());
    for (auto _ : state) {
        state.PauseTiming();
        window.setClientSize(frmMain::firstStartClientSize());
        state.ResumeTiming();
        window.setClientSize(big);
        benchmark::DoNotOptimize(window.WorldCanvas1->picMap().constBits());
    }
    state.counters["map_pixels"] = window.WorldCanvas1->picMap().width() *
                                   static_cast<double>(window.WorldCanvas1->picMap().height());
}

// The baseline: one plain copy of a 1920 x 1080 picture.
void BM_CopyPicture1920x1080(benchmark::State& state) {
    bench_support::plainPictureCopy(state, 1920, 1080);
}

// Memory the history holds per single-cell step, over 100,000 steps.
void BM_HistoryMemoryPerStep(benchmark::State& state) {
    appfolder::setNative(world().path().string());
    constexpr int kSteps = 100000;
    double perStep = 0;
    for (auto _ : state) {
        frmMain window;
        window.openMap("Default");
        WorldCanvas& canvas = *window.WorldCanvas1;
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < kSteps; ++i)
            canvas.setCurrentEarth(static_cast<std::uint8_t>(i % 2 ? 3 : 4));
        const std::size_t after = mallinfo2().uordblks;
        perStep = static_cast<double>(after - before) / kSteps;
        if (window.history().stack().count() != kSteps)
            state.SkipWithError("not one step per edit");
    }
    state.counters["bytes_per_step"] = perStep;
    state.counters["MB_per_100k_steps"] = perStep * kSteps / (1 << 20);
}

} // namespace

BENCHMARK(BM_UndoRedoPlacement)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryMemoryPerStep)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StartupWithSampleMap)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PlaceObjectWithFootprint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResizeWindowTo1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPicture1920x1080)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
