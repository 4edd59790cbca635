#pragma once
// The picture of a view drawn in horizontal bands of cell rows, each band on
// its own renderer, so that bands can be drawn on several threads at once and
// a picture far larger than memory can be consumed band by band.
//
// A band holds exactly the pixels MapRenderer::DrawMap gives those rows when
// it draws the whole view: it is drawn as a view that starts enough rows
// higher for every sprite, contour, label, arrow and cursor reaching into it
// from above, and the rows above are then dropped. Contents only reach right
// and down from their cell, and all columns are in every band.
//
// The catalogues and the grid are only read while bands are drawn; each
// drawer owns the renderer (and its caches) it draws with.

#include "canvas/canvas_view.h"
#include "canvas/map_renderer.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"

#include <QImage>

#include <atomic>
#include <cstdint>
#include <functional>

namespace canvas {

// The threads the drawing uses: one for every core (at least one).
int drawingThreads();

class BandDrawer {
public:
    BandDrawer(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
               const CanvasView& view);

    // View cell rows [first, end) as drawn in the whole view: an image of the
    // surface's width and (end - first) zoomed cell heights, its top row the
    // top of view row `first`. A null image when the view cannot be drawn.
    // The image is reused by the next call.
    const QImage& draw(int first, int end);

    // Cell rows above a band that can reach into it.
    int reachRows() const { return m_reachRows; }

private:
    const model::LocationGrid& m_grid;
    const ResourceCatalogues& m_catalogues;
    CanvasView m_view;
    int m_reachRows = 1;
    MapRenderer m_renderer;
    QImage m_drawn;
    QImage m_band;
};

// How far a banded drawing is, reported from any of its threads (one at a
// time): `done` of `total` units.
using DrawingProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// Runs work(drawer, band) for every band 0..bands-1 on `threads` threads, each
// with a drawer of its own; bands are handed out in order. Progress, when
// given, is told after each band.
void forEachBand(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                 const CanvasView& view, int bands, int threads,
                 const std::function<void(BandDrawer&, int band)>& work,
                 const DrawingProgress& progress = {});

// The whole view, as MapRenderer::DrawMap draws it (Format_RGB32), drawn in
// bands on `threads` threads; null when DrawMap would give a null picture.
QImage drawViewInBands(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                       const CanvasView& view, int threads, const DrawingProgress& progress = {});

} // namespace canvas
