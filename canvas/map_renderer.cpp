#include "canvas/map_renderer.h"

#include "canvas/raster_ops.h"
#include "canvas/world_wrap.h"
#include "model/cell_codes.h"

#include <algorithm>

namespace canvas {
namespace {

constexpr std::int64_t kMaxSurfaceSide = 32768;
constexpr std::int64_t kMaxSurfaceBytes = std::int64_t{1} << 30;

constexpr int kArrowUp = 0;
constexpr int kArrowDown = 1;
constexpr int kArrowRight = 2;
constexpr int kArrowLeft = 3;

bool holdsLocation(const model::LocationGrid& grid) {
    return grid.MapWidth() > 0 && grid.isComplete();
}

} // namespace

MapRenderer::MapRenderer() = default;
MapRenderer::~MapRenderer() = default;

QSize MapRenderer::surfaceSize(const CanvasView& view) {
    const QSize cell = zoomedCellSize(view);
    const std::int64_t width = std::int64_t{cell.width()} * view.CanvasCellCountX;
    const std::int64_t height = std::int64_t{cell.height()} * view.CanvasCellCountY;
    if (cell.width() <= 0 || cell.height() <= 0 || view.CanvasCellCountX <= 0 ||
        view.CanvasCellCountY <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        width * height * 4 > kMaxSurfaceBytes)
        return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}

void MapRenderer::DrawMap(QImage& picMap, const model::LocationGrid& grid,
                          const ResourceCatalogues& catalogues, const CanvasView& view) {
    const QSize size = surfaceSize(view);
    if (size.isEmpty()) {
        picMap = QImage();
        return;
    }
    if (picMap.size() != size || picMap.format() != QImage::Format_RGB32)
        picMap = QImage(size, QImage::Format_RGB32);
    const PixelRows surface = PixelRows::of(picMap);
    const bool location = holdsLocation(grid);
    // Ground tiles cover every pixel, so the background would not show.
    if (!location || !view.DrawEarth)
        fillSurface(surface, kMapBackground);
    if (!location)
        return;

    prepareView(grid, view);
    m_zoom = viewZoom(view);
    const bool zoomed = m_zoom.scales();
    if (zoomed) {
        m_zoomed.use(catalogues, m_zoom);
        gatherCells();
    }
    // The ground and grid of all cells come before anything else. Doing the
    // contents of a column as soon as no later ground can reach them gives
    // the same pixels while the column is still in the cache.
    const bool ground = view.DrawEarth || view.DrawCells;
    const bool coordinates = view.DrawCordinates && !(zoomed && m_zoom.belowHalf());
    const bool contents = view.DrawObjects || view.DrawBlockZone || view.DrawGuardZone ||
                          view.DrawActionZone || coordinates || view.DrawObjectsContour;
    const int lag = contents ? contentLag(catalogues, view, coordinates) : 0;
    for (int column = 0; column < view.CanvasCellCountX + lag; ++column) {
        if (ground && column < view.CanvasCellCountX) {
            if (zoomed)
                drawZoomedGroundColumn(surface, view, column);
            else
                drawGroundColumn(surface, catalogues, view, column);
        }
        if (contents && column >= lag) {
            if (zoomed)
                drawZoomedContentColumn(surface, view, column - lag);
            else
                drawContentColumn(surface, catalogues, view, column - lag);
        }
    }
    if (view.MoveDirectionX >= 0 || view.MoveDirectionY >= 0)
        drawMoveArrows(surface, catalogues, view);
    if (view.drawCursor && zoomed)
        drawZoomedCursor(surface, view);
    else if (view.drawCursor)
        drawOutline(surface, view.cursorPixelX, view.cursorPixelY,
                    view.cursorPixelX + view.CellWidth, view.cursorPixelY + view.CellHeight,
                    kCursor);
}

model::LayerSet layersDrawn(const CanvasView& view) {
    model::LayerSet layers;
    layers.set(model::layerIndex(model::Layer::Earths), view.DrawEarth);
    layers.set(model::layerIndex(model::Layer::Objects),
               view.DrawObjects || view.DrawObjectsContour);
    layers.set(model::layerIndex(model::Layer::Blocks), view.DrawBlockZone);
    layers.set(model::layerIndex(model::Layer::Guards), view.DrawGuardZone);
    layers.set(model::layerIndex(model::Layer::Doors), view.DrawActionZone);
    return layers;
}

void MapRenderer::prepareView(const model::LocationGrid& grid, const CanvasView& view) {
    // Rows wrap with MapHeight, as the cursor does; a location of one row
    // (MapHeight 0) shows that row everywhere.
    const std::int32_t columns = grid.MapWidth();
    const std::int32_t rows = std::max(grid.MapHeight(), 1);
    m_worldX.resize(static_cast<std::size_t>(view.CanvasCellCountX));
    for (std::int32_t i = 0; i < view.CanvasCellCountX; ++i)
        m_worldX[static_cast<std::size_t>(i)] =
            wrapIntoWorld(std::int64_t{view.CurrentPositionX} + i, columns);
    m_rows.resize(static_cast<std::size_t>(view.CanvasCellCountY));
    for (std::int32_t j = 0; j < view.CanvasCellCountY; ++j) {
        const std::int32_t y = wrapIntoWorld(std::int64_t{view.CurrentPositionY} + j, rows);
        m_rows[static_cast<std::size_t>(j)] =
            ViewRow{grid.rowData(model::Layer::Earths, y), grid.rowData(model::Layer::Objects, y),
                    grid.rowData(model::Layer::Doors, y),  grid.rowData(model::Layer::Blocks, y),
                    grid.rowData(model::Layer::Guards, y), y};
    }
}

// The contents of column i reach at most `reach` pixels right of its left
// edge; the ground of column c starts at c x the cell's width. So the
// contents of column i may be drawn once the ground of column i + lag is done.
int MapRenderer::contentLag(const ResourceCatalogues& catalogues, const CanvasView& view,
                            bool coordinates) {
    std::int64_t width = view.CellWidth;
    std::int64_t reach = width;
    if (view.DrawObjects || view.DrawObjectsContour)
        reach = std::max<std::int64_t>(reach, catalogues.objectReach());
    if (coordinates)
        reach = std::max<std::int64_t>(reach, labels().rightReach(view.CellWidth));
    if (m_zoom.scales()) {
        width = m_zoom.x.to();
        reach = m_zoom.x.viewLength(reach);
    }
    const std::int64_t columns = (reach + width - 1) / width;
    return static_cast<int>(std::min<std::int64_t>(columns - 1, view.CanvasCellCountX));
}

void MapRenderer::drawGroundColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                                   const CanvasView& view, int column) {
    const int w = view.CellWidth;
    const int h = view.CellHeight;
    const std::int32_t wx = m_worldX[static_cast<std::size_t>(column)];
    const int x0 = column * w;
    for (std::size_t j = 0; j < m_rows.size(); ++j) {
        const int y0 = static_cast<int>(j) * h;
        if (view.DrawEarth)
            copyImage(surface, x0, y0,
                      ConstPixelRows::of(m_tiles.tile(catalogues, m_rows[j].earths[wx], w, h)));
        if (view.DrawCells)
            drawOutline(surface, x0, y0, x0 + w, y0 + h, kCellFrame);
    }
}

void MapRenderer::drawContentColumn(const PixelRows& surface, const ResourceCatalogues& catalogues,
                                    const CanvasView& view, int column) {
    const int w = view.CellWidth;
    const int h = view.CellHeight;
    const BuiltinImages& builtin = catalogues.builtin();
    CoordinateLabels* printer = view.DrawCordinates ? &labels() : nullptr;
    const std::int32_t wx = m_worldX[static_cast<std::size_t>(column)];
    const int x0 = column * w;
    for (std::size_t j = 0; j < m_rows.size(); ++j) {
        const ViewRow& row = m_rows[j];
        const int y0 = static_cast<int>(j) * h;
        const std::int32_t object = mdlMain::DecodeCell(row.objects + 2 * wx);
        const std::int32_t action = mdlMain::DecodeCell(row.doors + 2 * wx);

        if (view.DrawObjects && object > 0) {
            const MaskedImage& sprite = catalogues.objectSprite(object - 1);
            applyMasked(surface, x0, y0, sprite, sprite.width(), sprite.height());
        }
        const MaskedImage& hatching = builtin.hatching(view.DrawBlockZone && row.blocks[wx] != 0,
                                                       view.DrawGuardZone && row.guards[wx] != 0,
                                                       view.DrawActionZone && action > 0);
        if (!hatching.isNull())
            applyMaskedTiled(surface, QRect(x0, y0, w, h), hatching);
        if (printer) {
            printer->print(surface, wx, x0, w, y0, kColumnLabel);
            printer->print(surface, row.worldY, x0, w, y0 + printer->lineHeight(), kRowLabel);
        }
        if (view.DrawObjectsContour && object > 0) {
            const QSize sprite = catalogues.objectSpriteSize(object - 1);
            drawOutline(surface, x0, y0, x0 + sprite.width(), y0 + sprite.height(), kObjectContour);
        }
    }
}

void MapRenderer::drawMoveArrows(const PixelRows& surface, const ResourceCatalogues& catalogues,
                                 const CanvasView& view) const {
    const int cx = view.cursorPixelX;
    const int cy = view.cursorPixelY;
    const auto drawArrow = [&](int direction, int x, int y) {
        if (x < 0 || y < 0)
            return;
        if (m_zoom.scales()) {
            const MaskedImage& arrow = m_zoomed.arrow(direction);
            const std::int64_t zx = m_zoom.x.viewBegin(x);
            const std::int64_t zy = m_zoom.y.viewBegin(y);
            if (zx < surface.width && zy < surface.height)
                applyMasked(surface, static_cast<int>(zx), static_cast<int>(zy), arrow,
                            arrow.width(), arrow.height());
            return;
        }
        applyMasked(surface, x, y, catalogues.builtin().arrow(direction), view.CellWidth,
                    view.CellHeight);
    };
    if (view.MoveDirectionX == kArrowRight)
        drawArrow(kArrowRight, cx + view.CellWidth, cy);
    else if (view.MoveDirectionX == kArrowLeft)
        drawArrow(kArrowLeft, cx - view.CellWidth, cy);
    if (view.MoveDirectionY == kArrowUp)
        drawArrow(kArrowUp, cx, cy - view.CellHeight);
    else if (view.MoveDirectionY == kArrowDown)
        drawArrow(kArrowDown, cx, cy + view.CellHeight);
}

CoordinateLabels& MapRenderer::labels() {
    if (!m_labels)
        m_labels = std::make_unique<CoordinateLabels>();
    return *m_labels;
}

} // namespace canvas
