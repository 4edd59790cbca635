#include "canvas/banded_drawing.h"

#include "canvas/coordinate_labels.h"
#include "canvas/view_zoom.h"
#include "canvas/world_wrap.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

namespace canvas {
namespace {

// Unzoomed pixels below a cell's top edge that its drawing can reach.
int downReach(const ResourceCatalogues& catalogues, const CanvasView& view) {
    int reach = view.CellHeight;
    if (view.DrawObjects || view.DrawObjectsContour)
        reach = std::max(reach, catalogues.objectDownReach());
    if (view.DrawCordinates)
        reach = std::max(reach, 3 * CoordinateLabels().lineHeight());
    return reach;
}

} // namespace

int drawingThreads() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

BandDrawer::BandDrawer(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                       const CanvasView& view)
    : m_grid(grid), m_catalogues(catalogues), m_view(view) {
    const int height = std::max(1, view.CellHeight);
    // One row more than the reach asks: arrows and outlines end one pixel past it.
    m_reachRows = (downReach(catalogues, view) + height - 1) / height + 1;
}

const QImage& BandDrawer::draw(int first, int end) {
    const int start = std::max(0, first - m_reachRows);
    CanvasView band = m_view;
    // Rows wrap as the renderer wraps them, so the band's top row stays a
    // valid position however far the view starts.
    const std::int32_t rows = std::max(m_grid.MapHeight(), 1);
    band.CurrentPositionY = wrapIntoWorld(std::int64_t{m_view.CurrentPositionY} + start, rows);
    band.CanvasCellCountY = end - start;
    band.cursorPixelY = m_view.cursorPixelY - start * m_view.CellHeight;
    m_renderer.DrawMap(m_drawn, m_grid, m_catalogues, band);
    if (m_drawn.isNull() || start == first)
        return m_drawn;
    const int cellHeight = zoomedCellSize(m_view).height();
    const qsizetype line = m_drawn.bytesPerLine();
    // The rows of the band proper, without a copy: the image reads m_drawn.
    m_band = QImage(m_drawn.constBits() + line * (first - start) * cellHeight, m_drawn.width(),
                    (end - first) * cellHeight, line, QImage::Format_RGB32);
    return m_band;
}

void forEachBand(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                 const CanvasView& view, int bands, int threads,
                 const std::function<void(BandDrawer&, int band)>& work,
                 const DrawingProgress& progress) {
    std::atomic<int> next{0};
    std::mutex reporting;
    std::int64_t done = 0;
    std::exception_ptr failure;
    const auto run = [&] {
        try {
            BandDrawer drawer(grid, catalogues, view);
            for (int band = next++; band < bands; band = next++) {
                work(drawer, band);
                if (progress) {
                    const std::lock_guard lock(reporting);
                    progress(++done, bands);
                }
            }
        } catch (...) {
            const std::lock_guard lock(reporting);
            if (!failure)
                failure = std::current_exception();
            next = bands;
        }
    };
    const int helpers = std::clamp(threads, 1, std::max(bands, 1)) - 1;
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(helpers));
    for (int i = 0; i < helpers; ++i)
        pool.emplace_back(run);
    run();
    for (std::thread& thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

QImage drawViewInBands(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                       const CanvasView& view, int threads, const DrawingProgress& progress) {
    const QSize size = MapRenderer::surfaceSize(view);
    if (size.isEmpty())
        return {};
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const int cellHeight = zoomedCellSize(view).height();
    const int total = view.CanvasCellCountY;
    // Enough bands to keep every thread busy to the end, each several times
    // taller than the rows drawn above it again.
    const int reach = BandDrawer(grid, catalogues, view).reachRows();
    const int perBand =
        std::min(total, std::max((total + 8 * threads - 1) / (8 * threads), 4 * reach));
    const int bands = (total + perBand - 1) / perBand;
    uchar* const pixels = picture.bits();
    const qsizetype line = picture.bytesPerLine();
    forEachBand(
        grid, catalogues, view, bands, threads,
        [&](BandDrawer& drawer, int band) {
            const int first = band * perBand;
            const int end = std::min(total, first + perBand);
            const QImage& drawn = drawer.draw(first, end);
            if (drawn.isNull())
                throw std::bad_alloc();
            const qsizetype top = qsizetype{first} * cellHeight;
            for (int y = 0; y < drawn.height(); ++y)
                std::memcpy(pixels + (top + y) * line, drawn.constScanLine(y),
                            static_cast<std::size_t>(size.width()) * 4);
        },
        progress);
    return picture;
}

} // namespace canvas
