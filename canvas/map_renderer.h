#pragma once
// The one drawing routine of the map view: composes the cells of the grid in
// view, with the pictures of the catalogues, into the map surface picMap. The
// canvas widget, the full-screen view, the command-line renderer and the
// tests all draw through it.
//
// The renderer keeps what it can reuse between redraws (ground pictures
// stretched to the cell size, rendered coordinate labels); one renderer
// serves one canvas.
//
// Zoom (CanvasView::zoomPixels, geometry in view_zoom.h): at L pixels for a
// normal 32-pixel cell the surface shows what the unzoomed view shows, scaled
// by L / 32, with each cell's corner on whole pixels. Zooming in (48, 64)
// every unzoomed pixel becomes a block of pixels (nearest neighbour), so the
// picture is exactly the unzoomed one enlarged. Zooming out (16, 8, 4) ground
// tiles and sprites are area-averaged copies (zoom_scaling.h), made once per
// zoom for the codes drawn and kept; outlines (cell frames, contours, the
// cursor) stay one pixel wide; coordinates are printed in a 3 x 5 digit font
// (zoomed_labels.h); below half the normal size (under 16) each hatching
// becomes a tint of the cell in its colours and coordinates, which would not
// fit, are left out. The cursor fields stay in unzoomed pixels.

#include "canvas/canvas_view.h"
#include "canvas/coordinate_labels.h"
#include "canvas/earth_tile_cache.h"
#include "canvas/map_colours.h"
#include "canvas/pixel_rows.h"
#include "canvas/resource_catalogues.h"
#include "canvas/view_zoom.h"
#include "canvas/zoomed_labels.h"
#include "canvas/zoomed_pictures.h"
#include "model/cell_patch.h"
#include "model/location_grid.h"

#include <QImage>
#include <QRgb>
#include <QSize>

#include <memory>
#include <vector>

namespace canvas {

// The layers of the grid whose cells DrawMap shows with the view's switches
// (the item layer never is).
model::LayerSet layersDrawn(const CanvasView& view);

class MapRenderer {
public:
    MapRenderer();
    ~MapRenderer();
    MapRenderer(const MapRenderer&) = delete;
    MapRenderer& operator=(const MapRenderer&) = delete;

    // The full redraw. picMap becomes CanvasCellCountX by CanvasCellCountY
    // cells of the zoomed cell size (CellWidth x CellHeight unzoomed), in
    // Format_RGB32 (a null image when that size is empty or too large), and
    // shows the background, then, when the grid holds a location, its ground
    // and grid, its objects, hatchings, coordinates and contours, the drag
    // arrows and the cursor, in that order.
    void DrawMap(QImage& picMap, const model::LocationGrid& grid,
                 const ResourceCatalogues& catalogues, const CanvasView& view);

    // The surface size for a view; empty when the view has no pixels or more
    // than a surface can hold.
    static QSize surfaceSize(const CanvasView& view);

private:
    // Row y of each layer, for the view row being drawn.
    struct ViewRow {
        const unsigned char* earths;
        const unsigned char* objects;
        const unsigned char* doors;
        const unsigned char* blocks;
        const unsigned char* guards;
        std::int32_t worldY;
    };

    // What a zoomed redraw reads of one cell, gathered for the whole view
    // column by column, so that drawing many small cells reads memory in
    // order whatever the location's size.
    struct ViewCell {
        std::int32_t object;
        std::int32_t action;
        std::uint8_t earth;
        bool blocked;
        bool guarded;
    };

    void prepareView(const model::LocationGrid& grid, const CanvasView& view);
    void gatherCells();
    const ViewCell* viewColumn(int column) const {
        return m_cells.data() + static_cast<std::size_t>(column) * m_rows.size();
    }
    int contentLag(const ResourceCatalogues& catalogues, const CanvasView& view, bool coordinates);
    void drawGroundColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                          const CanvasView& view, int column);
    void drawContentColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                           const CanvasView& view, int column);
    void drawMoveArrows(const PixelRows& surface, const ResourceCatalogues& catalogues,
                        const CanvasView& view) const;
    // The same at a zoom (map_renderer_zoomed.cpp).
    void drawZoomedGroundColumn(const PixelRows& surface, const CanvasView& view, int column);
    void drawZoomedContentColumn(const PixelRows& surface, const CanvasView& view, int column);
    void drawZoomedCursor(const PixelRows& surface, const CanvasView& view) const;
    CoordinateLabels& labels();

    EarthTileCache m_tiles;
    std::unique_ptr<CoordinateLabels> m_labels;
    // The zoom of the redraw under way, and what it draws with.
    ViewZoom m_zoom;
    ZoomedPictures m_zoomed;
    ZoomedLabels m_zoomedLabels;
    std::vector<std::int32_t> m_worldX;
    std::vector<ViewRow> m_rows;
    std::vector<ViewCell> m_cells;
};

} // namespace canvas
