#pragma once
// The world canvas: the map view control placed on the main window and on the
// full-screen view. It is a view of a location document (the grid with its
// current cell, the map and location names, the resource catalogues, the edit
// history): its own, or one its host gives it. The canvas owns the view with
// its cursor, the drawing switches and a 10 ms redraw timer, and tells its
// host what happens through its signals. Public members carry the names the
// rest of the program uses for them; those of the location's data forward to
// the document.

#include "canvas/canvas_tool.h"
#include "canvas/canvas_view.h"
#include "canvas/map_renderer.h"
#include "canvas/property_bag.h"
#include "canvas/resource_catalogues.h"
#include "document/location_document.h"
#include "model/location_grid.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace canvas {
class MapSurface;
}

class WorldCanvas : public QWidget {
    Q_OBJECT

public:
    using Rows = model::LocationGrid::Rows;

    // A canvas with a document of its own.
    explicit WorldCanvas(QWidget* parent = nullptr);
    // A view of `document`, which outlives the canvas.
    WorldCanvas(document::LocationDocument& document, QWidget* parent);
    ~WorldCanvas() override;

    document::LocationDocument& document() { return *m_document; }

    // The persisted property set, read when the host window is created and
    // written when it saves its description.
    void ReadProperties(const canvas::PropertyBag& bag);
    void WriteProperties(canvas::PropertyBag& bag);

    // Whole layers.
    Rows Doors() const { return m_grid.layerRows(model::Layer::Doors); }
    Rows Earths() const { return m_grid.layerRows(model::Layer::Earths); }
    Rows Objects() const { return m_grid.layerRows(model::Layer::Objects); }
    Rows Predmets() const { return m_grid.layerRows(model::Layer::Predmets); }
    Rows Blocks() const { return m_grid.layerRows(model::Layer::Blocks); }
    Rows Guards() const { return m_grid.layerRows(model::Layer::Guards); }
    void setDoors(const Rows& rows) { m_grid.setLayerRows(model::Layer::Doors, rows); }
    void setEarths(const Rows& rows) { m_grid.setLayerRows(model::Layer::Earths, rows); }
    void setObjects(const Rows& rows) { m_grid.setLayerRows(model::Layer::Objects, rows); }
    void setPredmets(const Rows& rows) { m_grid.setLayerRows(model::Layer::Predmets, rows); }
    void setBlocks(const Rows& rows) { m_grid.setLayerRows(model::Layer::Blocks, rows); }
    void setGuards(const Rows& rows) { m_grid.setLayerRows(model::Layer::Guards, rows); }

    std::int32_t CurrentPositionX() const { return m_view.CurrentPositionX; }
    std::int32_t CurrentPositionY() const { return m_view.CurrentPositionY; }

    std::string MapPath() const { return m_mapPath; }
    void setMapPath(const std::string& path) { m_mapPath = path; }
    // An empty name reads as "main"; assigning one raises ChangeLocation.
    std::string LocationName() const;
    void setLocationName(const std::string& name);
    std::string ErrorMessage() const { return m_grid.ErrorMessage(); }

    std::int32_t MapWidth() const { return m_grid.MapWidth(); }
    std::int32_t MapHeight() const { return m_grid.MapHeight(); }
    void setMapWidth(std::int32_t width) { m_grid.setMapWidth(width); }
    void setMapHeight(std::int32_t height) { m_grid.setMapHeight(height); }

    // Writing one of these re-applies the layout.
    std::int32_t CellWidth() const { return m_view.CellWidth; }
    std::int32_t CellHeight() const { return m_view.CellHeight; }
    std::int32_t CanvasCellCountX() const { return m_view.CanvasCellCountX; }
    std::int32_t CanvasCellCountY() const { return m_view.CanvasCellCountY; }
    void setCellWidth(std::int32_t value);
    void setCellHeight(std::int32_t value);
    void setCanvasCellCountX(std::int32_t value);
    void setCanvasCellCountY(std::int32_t value);

    // The cursor's column and row in the view.
    std::int16_t CursorX() const;
    std::int16_t CursorY() const;
    void setCursorX(std::int16_t column);
    void setCursorY(std::int16_t row);

    // Produced by every move; setting one only stores it.
    std::int32_t WorldCursorX() const { return m_grid.WorldCursorX(); }
    std::int32_t WorldCursorY() const { return m_grid.WorldCursorY(); }
    void setWorldCursorX(std::int32_t x) { m_grid.setWorldCursor(x, m_grid.WorldCursorY()); }
    void setWorldCursorY(std::int32_t y) { m_grid.setWorldCursor(m_grid.WorldCursorX(), y); }
    std::int32_t CharCursorX() const { return m_charCursorX; }
    std::int32_t CharCursorY() const { return m_charCursorY; }
    std::int32_t DblCharCursorX() const { return m_dblCharCursorX; }
    std::int32_t DblCharCursorY() const { return m_dblCharCursorY; }
    void setCharCursorX(std::int32_t v) { m_charCursorX = v; }
    void setCharCursorY(std::int32_t v) { m_charCursorY = v; }
    void setDblCharCursorX(std::int32_t v) { m_dblCharCursorX = v; }
    void setDblCharCursorY(std::int32_t v) { m_dblCharCursorY = v; }

    // Sizes the canvas to `surface` pixels of map (plus its padding): the
    // cell counts become the cells that cover them, a last column and row
    // partly visible, and the canvas shows exactly that many pixels. An exact
    // fit gives the layout the cell-count properties give.
    void fitSurface(QSize surface);

    // The zoom: the pixels a cell of the normal 32 takes (4, 8, 16, 32, 48 or
    // 64); cells, clicks and the cursor stay cells at every level. A canvas
    // fitted to a size keeps it and shows more or fewer cells.
    static const std::vector<std::int32_t>& zoomLevels();
    std::int32_t Zoom() const;
    void setZoom(std::int32_t level);
    // The pixels one cell takes at the zoom.
    QSize cellPixels() const;
    // `steps` levels larger (or smaller, for negative steps), within the
    // levels there are; the world cell under `surfacePixel` stays under it.
    void zoomBy(int steps, QPointF surfacePixel);

    // Reading re-applies the layout; writing only stores.
    std::int16_t Padding();
    void setPadding(std::int16_t padding) { m_padding = padding; }

    bool Drawing() const { return m_timer.isActive(); }
    void setDrawing(bool on);
    bool DrawOnlyMove() const { return m_drawOnlyMove; }
    void setDrawOnlyMove(bool on);

    bool DrawCordinates() const { return m_view.DrawCordinates; }
    bool DrawCells() const { return m_view.DrawCells; }
    bool DrawEarth() const { return m_view.DrawEarth; }
    bool DrawObjects() const { return m_view.DrawObjects; }
    bool DrawObjectsContour() const { return m_view.DrawObjectsContour; }
    bool DrawBlockZone() const { return m_view.DrawBlockZone; }
    bool DrawGuardZone() const { return m_view.DrawGuardZone; }
    bool DrawActionZone() const { return m_view.DrawActionZone; }
    void setDrawCordinates(bool on) { m_view.DrawCordinates = on; }
    void setDrawCells(bool on) { m_view.DrawCells = on; }
    void setDrawEarth(bool on) { m_view.DrawEarth = on; }
    void setDrawObjects(bool on) { m_view.DrawObjects = on; }
    void setDrawObjectsContour(bool on) { m_view.DrawObjectsContour = on; }
    void setDrawBlockZone(bool on) { m_view.DrawBlockZone = on; }
    void setDrawGuardZone(bool on) { m_view.DrawGuardZone = on; }
    void setDrawActionZone(bool on) { m_view.DrawActionZone = on; }
    // Whether the cursor's outline is drawn (on by default).
    bool DrawCursor() const { return m_view.drawCursor; }
    void setDrawCursor(bool on) { m_view.drawCursor = on; }

    // The cell under the cursor; setting a value writes the cell.
    std::int32_t CurrentDoor() const { return m_grid.CurrentDoor(); }
    std::uint8_t CurrentEarth() const { return m_grid.CurrentEarth(); }
    std::int32_t CurrentObject() const { return m_grid.CurrentObject(); }
    std::uint8_t CurrentPredmet() const { return m_grid.CurrentPredmet(); }
    std::uint8_t CurrentBlocks() const { return m_grid.CurrentBlocks(); }
    std::uint8_t CurrentGuard() const { return m_grid.CurrentGuard(); }
    void setCurrentDoor(std::int32_t v) { m_grid.setCurrentDoor(v); }
    void setCurrentEarth(std::uint8_t v) { m_grid.setCurrentEarth(v); }
    void setCurrentObject(std::int32_t v) { m_grid.setCurrentObject(v); }
    void setCurrentPredmet(std::uint8_t v) { m_grid.setCurrentPredmet(v); }
    void setCurrentBlocks(std::uint8_t v) { m_grid.setCurrentBlocks(v); }
    void setCurrentGuard(std::uint8_t v) { m_grid.setCurrentGuard(v); }

    bool RoundWorld() const { return m_roundWorld; }
    void setRoundWorld(bool on) { m_roundWorld = on; }
    std::string ResourcesPath() const { return m_resourcesPath; }
    void setResourcesPath(const std::string& path) { m_resourcesPath = path; }

    void CreatMap(std::uint8_t btEarth) { m_grid.CreatMap(btEarth); }
    // Loads the catalogues of the resource folder; a failure is returned for
    // the caller to report.
    canvas::ResourceLoadResult LoadResources();
    // Returns whether the canvas now holds a location: false when the load was
    // refused (the previous location stays) or the grid could not be built.
    bool LoadMap(const std::string& sLocationName = "main");
    // Leaves the canvas without a location, as before any was loaded: the
    // grid goes, the size reads -1 x -1, the name is cleared and the view
    // shows the background. Raises ChangeLocation and MapLoad.
    void unloadLocation();
    // Makes `grid` (a new location built elsewhere) the canvas's location
    // `name`: the cursor and the view go to the origin, ChangeLocation and
    // MapLoad are raised and the view is drawn.
    void adoptLocation(model::LocationGrid&& grid, const std::string& name);
    void Refresh();
    std::string GetEarths(std::int32_t i) const { return m_grid.GetEarths(i); }
    std::string GetObjects(std::int32_t i) const { return m_grid.GetObjects(i); }
    std::string GetPredmets(std::int32_t i) const { return m_grid.GetPredmets(i); }
    std::string GetDoors(std::int32_t i) const { return m_grid.GetDoors(i); }
    std::string GetBlocks(std::int32_t i) const { return m_grid.GetBlocks(i); }
    std::string GetGuards(std::int32_t i) const { return m_grid.GetGuards(i); }
    void ChangeBloks(std::int32_t y, std::int32_t x, std::uint8_t value) {
        m_grid.ChangeBloks(y, x, value);
    }
    static std::string GetFileType(std::int32_t n);
    void Clone(WorldCanvas& other);
    void ResetCursors();

    // For the host and the tests: the drawn map surface, the grid, the
    // catalogues and the drag directions.
    const QImage& picMap() const { return m_picMap; }
    QWidget* mapSurface() const;
    const model::LocationGrid& grid() const { return m_grid; }
    const canvas::ResourceCatalogues& catalogues() const { return m_catalogues; }
    std::int16_t MoveDirectionX() const { return m_view.MoveDirectionX; }
    std::int16_t MoveDirectionY() const { return m_view.MoveDirectionY; }
    // Whether a location is there to move over: input does nothing without.
    bool hasLocation() const;

    // The world cell shown at a pixel of the map surface (wrapped into the
    // world); nothing without a location.
    std::optional<QPoint> worldCellAt(QPointF surfacePixel) const;
    // Scrolls the view so that world cell `cell` is under the cursor, as a
    // move would (CursorChangePosition follows).
    void showWorldCell(QPoint cell);
    // Scrolls the view so that world cell `cell` is at its centre, as a move
    // would; the cursor keeps its place in the view.
    void centreOnWorldCell(QPoint cell);
    // The world cells in view: the view's origin and its cell counts.
    QRect viewCells() const;

    // The tool the mouse works with (not owned); none gives the canvas's own
    // handling: a click moves the cursor, a left drag scrolls the world. A
    // stroke under way when the tool changes is interrupted.
    void setTool(canvas::CanvasTool* tool);
    canvas::CanvasTool* tool() const { return m_tool; }
    // Whether a tool's stroke is under way (a button held).
    bool strokeActive() const { return m_stroke.has_value(); }
    // Puts the cursor on world cell `cell`: on its place in the view when the
    // view shows it, else the view scrolls as showWorldCell does.
    // CursorChangePosition follows.
    void placeCursorAt(QPoint cell);
    // The view as an overlay sees it.
    canvas::OverlayView overlayView() const;
    // The picture is drawn again before the surface is next painted: many
    // requests before then cost one drawing.
    void requestRedraw();

    // Reads the current cell's values again (after its cell changed under it).
    void reloadCurrentCell() {
        if (hasLocation())
            m_grid.reloadCurrentCell();
    }

signals:
    void Click();
    void KeyDown();
    void KeyUp();
    void KeyPress();
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void CursorChangePosition();
    void MapLoad();
    void ChangeLocation();
    // The mouse is over world cell `cell` of the location; `inside` false when
    // it left the map (or no location is there).
    void mouseCellChanged(QPoint cell, bool inside);
    // The zoom changed to `level`.
    void zoomChanged(std::int32_t level);

private:
    friend class canvas::MapSurface;

    void ResizeCanvas();
    void DrawMap();
    void UpdateCursor();
    // After the grid was replaced: the view position and the cursor are kept
    // inside the new world, and the cursor cell's values are read.
    void followNewGrid();
    void moveView(std::int64_t dx, std::int64_t dy);
    // Puts the cursor on a cell of the view, as a click does.
    void putCursorOnViewCell(std::int64_t column, std::int64_t row);

    // Input from the map surface.
    void surfaceKeyDown(int key);
    void surfaceMouseDown(short button, short shift, float x, float y);
    void surfaceMouseMove(short button, short shift, float x, float y);
    void surfaceMouseUp(short button, short shift, float x, float y, bool inside);
    // One wheel notch (120) scrolls by one cell: vertically, or sideways with
    // Shift or a sideways wheel; the world wraps as for the arrow keys.
    // With Ctrl, a notch zooms one level instead, around the mouse.
    void surfaceWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPointF at);
    void surfaceMouseLeft();
    // Draws the picture when a redraw was requested.
    void drawPendingPicture();
    // Paints the selection's frame and the tool's overlay over the picture.
    void paintOverlays(QPainter& painter);

    // A tool's stroke: the button that began it, the cells the view scrolled
    // by since the press, the last cell reported and the mouse's last place.
    struct Stroke {
        Qt::MouseButton button = Qt::LeftButton;
        Qt::KeyboardModifiers modifiers;
        QPoint scrolled;
        QPoint lastCell;
        QPointF mouse;
    };
    void toolPress(short button, short shift, QPointF at);
    void toolMove(short buttons, short shift, QPointF at);
    void toolRelease(short button, short shift, QPointF at);
    void endStroke();
    void scrollTowardMouse();
    // The tool's view of the cell under surface pixel `at`, kept to the cells
    // in view.
    canvas::ToolInput toolInput(QPointF at) const;

    // The document and, for a canvas with a document of its own, its owner.
    std::unique_ptr<document::LocationDocument> m_ownDocument;
    document::LocationDocument* m_document;
    // The document's data under the names the canvas has always used.
    model::LocationGrid& m_grid;
    canvas::ResourceCatalogues& m_catalogues;
    std::string& m_mapPath;
    std::string& m_locationName;
    std::string& m_resourcesPath;
    canvas::MapRenderer m_renderer;
    canvas::CanvasView m_view;
    QImage m_picMap;
    QTimer m_timer;
    canvas::MapSurface* m_surface = nullptr;

    std::int16_t m_padding = 0;
    // The pixels of map shown when the canvas was fitted to a size; empty
    // while the cell counts give the size.
    QSize m_fittedSurface;
    // The size the canvas was last fitted to, kept for a change of zoom.
    QSize m_fitTarget;
    bool m_drawOnlyMove = false;
    bool m_roundWorld = true;
    std::int32_t m_charCursorX = 0;
    std::int32_t m_charCursorY = 0;
    std::int32_t m_dblCharCursorX = 0;
    std::int32_t m_dblCharCursorY = 0;
    // Wheel turns smaller than a notch, kept until they add up to one.
    QPoint m_wheelRest;
    int m_zoomRest = 0;
    std::optional<QPoint> m_mouseCell;
    canvas::CanvasTool* m_tool = nullptr;
    std::optional<Stroke> m_stroke;
    // Scrolls the view toward the mouse while a stroke's mouse is outside.
    QTimer m_scrollTimer;
    bool m_redrawPending = false;
};
