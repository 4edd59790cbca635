#include "canvas/overview_builder.h"

#include <algorithm>

namespace canvas {
namespace {

// About this many cells are read between two looks at the clock.
constexpr std::int64_t kCellsAStep = 32768;

} // namespace

OverviewBuilder::OverviewBuilder(QObject* parent) : QObject(parent) {
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { runSlice(); });
}

void OverviewBuilder::start(const model::LocationGrid& grid, const OverviewColours& colours,
                            std::int32_t reduction) {
    m_grid = &grid;
    m_colours = colours;
    m_reduction = reduction;
    restart();
    m_timer.start();
}

void OverviewBuilder::cancel() {
    m_timer.stop();
    m_grid = nullptr;
    m_earths = nullptr;
    m_building = OverviewPicture();
}

void OverviewBuilder::restart() {
    m_building.reset(*m_grid, m_reduction);
    m_earths = m_grid->layerBytes(model::Layer::Earths).data();
    m_blockRow = 0;
    m_blockColumn = 0;
    m_percent = -1;
    reportProgress();
}

bool OverviewBuilder::gridKeptItsSize() const {
    return OverviewPicture::worldSize(*m_grid) == m_building.world() &&
           m_grid->layerBytes(model::Layer::Earths).data() == m_earths;
}

void OverviewBuilder::cellsChanged(QRect cells) {
    if (!isBuilding() || !gridKeptItsSize())
        return;
    // Only the blocks painted so far: whole rows above the next block, and
    // the start of its row.
    const QRect pixels = m_building.pixelsOf(cells);
    if (pixels.isEmpty())
        return;
    const int width = m_building.image().width();
    const QRect rowsDone(0, 0, width, m_blockRow);
    const QRect rowStarted(0, m_blockRow, m_blockColumn, 1);
    m_building.paintBlocks(*m_grid, m_colours, pixels & rowsDone);
    m_building.paintBlocks(*m_grid, m_colours, pixels & rowStarted);
}

bool OverviewBuilder::runSlice() {
    if (!isBuilding())
        return false;
    // A slot told of the progress may start another build or cancel this one.
    if (!gridKeptItsSize()) {
        restart();
        if (!isBuilding())
            return false;
    }
    const auto end = std::chrono::steady_clock::now() + m_budget;
    const int rows = m_building.image().height();
    while (m_blockRow < rows) {
        paintStep();
        if (std::chrono::steady_clock::now() >= end)
            break;
    }
    if (m_blockRow >= rows) {
        complete();
        return false;
    }
    reportProgress();
    return isBuilding();
}

void OverviewBuilder::finish() {
    while (runSlice()) {
    }
}

void OverviewBuilder::paintStep() {
    const std::int64_t k = m_building.reduction();
    const std::int64_t cellsABlock = k * std::min<std::int64_t>(k, m_building.world().height());
    const int width = m_building.image().width();
    const auto run = static_cast<int>(
        std::clamp<std::int64_t>(kCellsAStep / cellsABlock, 1, width - m_blockColumn));
    m_building.paintBlocks(*m_grid, m_colours, QRect(m_blockColumn, m_blockRow, run, 1));
    m_blockColumn += run;
    if (m_blockColumn >= width) {
        m_blockColumn = 0;
        ++m_blockRow;
    }
}

void OverviewBuilder::complete() {
    m_timer.stop();
    m_picture = std::move(m_building);
    m_building = OverviewPicture();
    m_grid = nullptr;
    m_earths = nullptr;
    if (m_percent != 100) {
        m_percent = 100;
        emit progress(100);
    }
    emit ready();
}

std::int64_t OverviewBuilder::blocksTotal() const {
    if (!isBuilding())
        return 0;
    return std::int64_t{m_building.image().width()} * m_building.image().height();
}

std::int64_t OverviewBuilder::blocksDone() const {
    if (!isBuilding())
        return 0;
    return std::int64_t{m_blockRow} * m_building.image().width() + m_blockColumn;
}

void OverviewBuilder::reportProgress() {
    const std::int64_t total = blocksTotal();
    const int percent = total > 0 ? static_cast<int>(blocksDone() * 100 / total) : 0;
    if (percent == m_percent)
        return;
    m_percent = percent;
    emit progress(percent);
}

OverviewPicture OverviewBuilder::takePicture() {
    OverviewPicture picture = std::move(m_picture);
    m_picture = OverviewPicture();
    return picture;
}

} // namespace canvas
