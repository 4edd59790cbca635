#pragma once
// Builds the overview picture of a location in slices on the thread of the
// event loop: each slice paints blocks until its time budget is spent, and the
// events waiting meanwhile run between slices. The grid is only read within a
// slice, so edits between slices need no lock: what an edit changes in blocks
// already painted is painted again when the builder is told (cellsChanged),
// and blocks not painted yet read the cells as they are by then.
//
// The picture being built is the builder's own until it is complete; the last
// complete picture stays as it was until then, and a cancelled build leaves
// it, and everything else, untouched.

#include "canvas/overview_colours.h"
#include "canvas/overview_picture.h"
#include "model/location_grid.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <chrono>
#include <cstdint>

namespace canvas {

class OverviewBuilder : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::microseconds kDefaultSliceBudget{8000};

    explicit OverviewBuilder(QObject* parent = nullptr);

    // How long one slice paints at most (beyond it by one step of a few
    // thousand cells); 0 paints one step a slice.
    void setSliceBudget(std::chrono::microseconds budget) { m_budget = budget; }
    std::chrono::microseconds sliceBudget() const { return m_budget; }

    // Starts building the overview of `grid` with these colours (copied),
    // `reduction` cells a pixel side (0: chosen for the world's size). A
    // build in progress is dropped. The grid must stay until the build ends
    // or is cancelled; its cells may change between slices (tell
    // cellsChanged). Should its size change meanwhile, the build starts over
    // on the grid as it then is.
    void start(const model::LocationGrid& grid, const OverviewColours& colours,
               std::int32_t reduction = 0);
    // Drops the build in progress, if any: no signal follows, and picture()
    // stays as it was.
    void cancel();
    bool isBuilding() const { return m_grid != nullptr; }

    // Cells of the grid being built changed: the blocks among them painted
    // already are painted again.
    void cellsChanged(QRect cells);

    // One slice, as the builder's timer runs it; returns whether the build
    // goes on after it.
    bool runSlice();
    // Runs the rest of the build at once.
    void finish();

    // Blocks (picture pixels) of the build in progress, and how many of them
    // are painted.
    std::int64_t blocksTotal() const;
    std::int64_t blocksDone() const;

    // The last complete picture; null before the first.
    const OverviewPicture& picture() const { return m_picture; }
    // Hands the last complete picture over; the builder keeps a null one.
    OverviewPicture takePicture();

signals:
    // The share of the build in progress painted, 0 to 100, when it changed.
    void progress(int percent);
    // A build is complete: picture() is its picture.
    void ready();

private:
    bool gridKeptItsSize() const;
    void restart();
    // Paints the next run of blocks of the current block row.
    void paintStep();
    void complete();
    void reportProgress();

    QTimer m_timer;
    std::chrono::microseconds m_budget = kDefaultSliceBudget;
    const model::LocationGrid* m_grid = nullptr;
    const unsigned char* m_earths = nullptr;
    OverviewColours m_colours;
    std::int32_t m_reduction = 0;
    OverviewPicture m_building;
    // The next block to paint.
    int m_blockRow = 0;
    int m_blockColumn = 0;
    int m_percent = -1;
    OverviewPicture m_picture;
};

} // namespace canvas
