#pragma once
// The one drawing routine of the map view: composes the cells of the grid in
// view, with the pictures of the catalogues, into the map surface picMap. The
// canvas widget, the full-screen view, the command-line renderer and the
// tests all draw through it.
//
// The renderer keeps what it can reuse between redraws (ground pictures
// stretched to the cell size, rendered coordinate labels); one renderer
// serves one canvas.

#include "canvas/canvas_view.h"
#include "canvas/coordinate_labels.h"
#include "canvas/earth_tile_cache.h"
#include "canvas/pixel_rows.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"

#include <QImage>
#include <QRgb>
#include <QSize>

#include <memory>
#include <vector>

namespace canvas {

constexpr QRgb kMapBackground = 0xFF404040;

class MapRenderer {
public:
    MapRenderer();
    ~MapRenderer();
    MapRenderer(const MapRenderer&) = delete;
    MapRenderer& operator=(const MapRenderer&) = delete;

    // The full redraw. picMap becomes CellWidth x CanvasCellCountX by
    // CellHeight x CanvasCellCountY pixels of Format_RGB32 (a null image when
    // that size is empty or too large) and shows the background, then, when
    // the grid holds a location, its ground and grid, its objects, hatchings,
    // coordinates and contours, the drag arrows and the cursor, in that order.
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

    void prepareView(const model::LocationGrid& grid, const CanvasView& view);
    int contentLag(const ResourceCatalogues& catalogues, const CanvasView& view);
    void drawGroundColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                          const CanvasView& view, int column);
    void drawContentColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                           const CanvasView& view, int column);
    void drawMoveArrows(const PixelRows& surface, const ResourceCatalogues& catalogues,
                        const CanvasView& view) const;
    CoordinateLabels& labels();

    EarthTileCache m_tiles;
    std::unique_ptr<CoordinateLabels> m_labels;
    std::vector<std::int32_t> m_worldX;
    std::vector<ViewRow> m_rows;
};

} // namespace canvas
