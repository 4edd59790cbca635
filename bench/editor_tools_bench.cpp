// The brush as a designer drives it: mouse reports over the map surface of the
// main window, each painting a cell of ground with its undo record, and the
// redraws they cause, beside a plain memset of the same bytes.

#include "bench_support.h"

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "support/application_folder.h"
#include "test_support/temp_folder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <vector>

namespace {

const testing_support::TempFolder& world() {
    static testing_support::TempFolder folder;
    static bool made = false;
    if (!made) {
        std::filesystem::copy(MAPEDIT_DATA, folder.path(),
                              std::filesystem::copy_options::recursive);
        made = true;
    }
    return folder;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A path over the view's cells, row after row, turning at each end: every
// report one cell on from the last.
std::vector<QPoint> serpentine(int columns, int rows) {
    std::vector<QPoint> cells;
    for (int row = 0; row < rows; ++row)
        for (int i = 0; i < columns; ++i)
            cells.emplace_back(row % 2 ? columns - 1 - i : i, row);
    return cells;
}

// One stroke per iteration over the view's cells; the strokes take turns
// between two ground tiles so that every reported cell changes. The events
// are handled as the event loop would; the redraws they ask for happen when
// the loop next runs, after the stroke.
void BM_BrushStrokeThroughTheWindow(benchmark::State& state) {
    appfolder::setNative(world().path().string());
    frmMain window;
    window.show();
    window.openMap("Default");
    window.actBrushTool->trigger();
    window.lstGroups->setCurrentRow(0); // the ground tiles
    QWidget* surface = window.WorldCanvas1->mapSurface();
    const QSize view = window.WorldCanvas1->viewCells().size();
    const std::vector<QPoint> path = serpentine(view.width(), view.height());
    const int cell = window.WorldCanvas1->cellPixels().width();
    const auto pixel = [cell](QPoint c) { return c * cell + QPoint(cell / 3, cell / 3); };
    PaintCounter counter;
    surface->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    int turn = 0;
    for (auto _ : state) {
        window.lstObjects->setCurrentRow(3 + turn++ % 2);
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, pixel(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i)
            QTest::mouseMove(surface, pixel(path[i]));
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, pixel(path.back()));
        QApplication::processEvents();
    }
    const double strokes = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(path.size()));
    state.counters["cells_per_stroke"] = static_cast<double>(path.size());
    state.counters["paints_per_stroke"] = counter.paints / strokes;
    state.counters["undo_steps"] = window.history().stack().count();
    surface->removeEventFilter(&counter);
}

// The baseline: a plain memset of the bytes one stroke writes.
void BM_MemsetOfTheStrokesBytes(benchmark::State& state) {
    bench_support::plainMemset(state, static_cast<std::size_t>(state.range(0)));
}

} // namespace

BENCHMARK(BM_BrushStrokeThroughTheWindow)->Unit(benchmark::kMicrosecond);
// The first-start view shows 10 x 10 cells.
BENCHMARK(BM_MemsetOfTheStrokesBytes)->Arg(100)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
