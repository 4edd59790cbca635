#pragma once
// What a redraw of the map surface depends on besides the grid and the
// catalogues: the part of the world in view, the cell size, the cursor with
// the drag directions, the zoom and the drawing switches. Members carry the
// names of the canvas properties they come from.

#include <cstdint>

namespace canvas {

struct CanvasView {
    // World cell shown in view cell (0, 0).
    std::int32_t CurrentPositionX = 0;
    std::int32_t CurrentPositionY = 0;
    // Cells across and down, and their size in pixels.
    std::int32_t CanvasCellCountX = 10;
    std::int32_t CanvasCellCountY = 10;
    std::int32_t CellWidth = 32;
    std::int32_t CellHeight = 32;
    // The zoom, as the pixels a cell of the normal size (32) takes: 4, 8 and
    // 16 zoom out, 48 and 64 zoom in; 0 (or 32, or anything below 1) draws
    // the view as it is. The picture is the unzoomed one scaled by
    // zoomPixels / 32; view_zoom.h tells how cells and pixels then relate.
    std::int32_t zoomPixels = 0;

    // The cursor as the canvas stores it: the pixel offset of the cursor
    // cell's top-left corner in the unzoomed map surface (column x CellWidth,
    // row x CellHeight), whatever the zoom.
    std::int32_t cursorPixelX = 0;
    std::int32_t cursorPixelY = 0;
    bool drawCursor = true;
    // The running drag: MoveDirectionX -1 none, 2 right, 3 left;
    // MoveDirectionY -1 none, 0 up, 1 down.
    std::int16_t MoveDirectionX = -1;
    std::int16_t MoveDirectionY = -1;

    bool DrawEarth = true;
    bool DrawObjects = true;
    bool DrawCells = false;
    bool DrawObjectsContour = false;
    bool DrawBlockZone = false;
    bool DrawGuardZone = false;
    bool DrawActionZone = false;
    bool DrawCordinates = false;
};

} // namespace canvas
