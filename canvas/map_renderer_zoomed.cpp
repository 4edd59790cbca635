// The cells of a zoomed view: the same layers in the same order as the
// unzoomed drawing in map_renderer.cpp, with the zoomed copies of the pictures.
#include "canvas/map_renderer.h"

#include "canvas/raster_ops.h"
#include "canvas/zoomed_outline.h"
#include "model/cell_codes.h"

namespace canvas {

void MapRenderer::gatherCells() {
    const std::size_t rows = m_rows.size();
    m_cells.resize(m_worldX.size() * rows);
    for (std::size_t j = 0; j < rows; ++j) {
        const ViewRow& row = m_rows[j];
        ViewCell* cell = m_cells.data() + j;
        for (const std::int32_t wx : m_worldX) {
            *cell = {mdlMain::DecodeCell(row.objects + 2 * wx),
                     mdlMain::DecodeCell(row.doors + 2 * wx), row.earths[wx], row.blocks[wx] != 0,
                     row.guards[wx] != 0};
            cell += rows;
        }
    }
}

void MapRenderer::drawZoomedGroundColumn(const PixelRows& surface, const CanvasView& view,
                                         int column) {
    const int w = m_zoom.x.to();
    const int h = m_zoom.y.to();
    const ViewCell* cells = viewColumn(column);
    const int x0 = column * w;
    for (std::size_t j = 0; j < m_rows.size(); ++j) {
        const int y0 = static_cast<int>(j) * h;
        if (view.DrawEarth)
            copyImage(surface, x0, y0, m_zoomed.tile(cells[j].earth));
        if (view.DrawCells)
            drawZoomedFrameEdges(surface, m_zoomed.cellFrame(), x0, y0, kCellFrame);
    }
}

void MapRenderer::drawZoomedContentColumn(const PixelRows& surface, const CanvasView& view,
                                          int column) {
    const int w = m_zoom.x.to();
    const int h = m_zoom.y.to();
    const bool small = m_zoom.belowHalf();
    CoordinateLabels* printer = view.DrawCordinates && !small ? &labels() : nullptr;
    const std::int32_t wx = m_worldX[static_cast<std::size_t>(column)];
    const ViewCell* cells = viewColumn(column);
    const int x0 = column * w;
    for (std::size_t j = 0; j < m_rows.size(); ++j) {
        const int y0 = static_cast<int>(j) * h;
        const std::int32_t object = cells[j].object;

        const ZoomedSprite* sprite = nullptr;
        if ((view.DrawObjects || view.DrawObjectsContour) && object > 0)
            sprite = &m_zoomed.sprite(object - 1);
        if (view.DrawObjects && sprite)
            applyMasked(surface, x0, y0, sprite->image, sprite->image.width(),
                        sprite->image.height());
        const bool block = view.DrawBlockZone && cells[j].blocked;
        const bool guard = view.DrawGuardZone && cells[j].guarded;
        const bool act = view.DrawActionZone && cells[j].action > 0;
        if (block || guard || act) {
            if (small)
                applyTint(surface, QRect(x0, y0, w, h), m_zoomed.tint(block, guard, act));
            else
                applyMasked(surface, x0, y0, m_zoomed.hatching(block, guard, act), w, h);
        }
        if (printer) {
            m_zoomedLabels.print(surface, *printer, m_zoom, wx, 0, x0, y0, kColumnLabel);
            m_zoomedLabels.print(surface, *printer, m_zoom, m_rows[j].worldY, 1, x0, y0, kRowLabel);
        }
        if (view.DrawObjectsContour && sprite)
            drawZoomedOutline(surface, sprite->contour, x0, y0, kObjectContour);
    }
}

void MapRenderer::drawZoomedCursor(const PixelRows& surface, const CanvasView& view) const {
    const std::int64_t x = view.cursorPixelX;
    const std::int64_t y = view.cursorPixelY;
    drawZoomedOutline(surface, zoomedOutline(m_zoom, x, y, x + view.CellWidth, y + view.CellHeight),
                      0, 0, kCursor);
}

} // namespace canvas
