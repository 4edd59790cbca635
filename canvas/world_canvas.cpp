#include "canvas/world_canvas.h"

#include "canvas/map_surface.h"
#include "canvas/message_box.h"
#include "canvas/resource_load_report.h"
#include "canvas/view_zoom.h"
#include "model/location_files.h"
#include "model/location_loader.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixel sizes a widget can take.
int widgetExtent(std::int64_t pixels) {
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, QWIDGETSIZE_MAX));
}

// The loader's messages and notifications, turned into the canvas's signals
// and message boxes.
class CanvasLoadListener : public model::LoadListener {
public:
    CanvasLoadListener(WorldCanvas& canvas, std::string& name, std::function<void()> mapLoaded)
        : m_canvas(canvas), m_name(name), m_mapLoaded(std::move(mapLoaded)) {}

    void showMessage(model::MessageIcon icon, const std::string& title,
                     const std::string& text) override {
        ui::Message message;
        message.icon = icon == model::MessageIcon::Critical  ? ui::MessageIcon::Critical
                       : icon == model::MessageIcon::Warning ? ui::MessageIcon::Warning
                                                             : ui::MessageIcon::Information;
        message.title = title;
        message.text = text;
        ui::showMessage(&m_canvas, message);
    }
    void locationNameChanged(const std::string& name) override {
        m_name = name;
        emit m_canvas.ChangeLocation();
    }
    void mapLoaded() override { m_mapLoaded(); }
    void redrawRequested() override { m_canvas.Refresh(); }

private:
    WorldCanvas& m_canvas;
    std::string& m_name;
    std::function<void()> m_mapLoaded;
};

} // namespace

WorldCanvas::WorldCanvas(QWidget* parent) : WorldCanvas(*new document::LocationDocument(), parent) {
    // The document made above belongs to this canvas.
    m_ownDocument.reset(m_document);
}

WorldCanvas::WorldCanvas(document::LocationDocument& document, QWidget* parent)
    : QWidget(parent), m_document(&document), m_grid(document.grid()),
      m_catalogues(document.catalogues()), m_mapPath(document.mapPath()),
      m_locationName(document.locationName()), m_resourcesPath(document.resourcesPath()) {
    setObjectName("WorldCanvas");
    m_surface = new canvas::MapSurface(*this);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, [this] { DrawMap(); });
    m_scrollTimer.setInterval(50);
    connect(&m_scrollTimer, &QTimer::timeout, this, &WorldCanvas::scrollTowardMouse);
    // Edits show at the next painting, however many come before it; a stroke
    // still open announces its cells as it goes.
    connect(&document, &document::LocationDocument::cellsChanged, this,
            [this] { requestRedraw(); });
    connect(&document, &document::LocationDocument::selectionChanged, m_surface,
            qOverload<>(&QWidget::update));
    connect(&document, &document::LocationDocument::locationReplaced, this, [this] {
        if (m_stroke && m_tool) {
            endStroke();
            m_tool->interrupt();
        }
    });
    // Created with every size at 0, then given the persisted defaults.
    m_view.CellWidth = m_view.CellHeight = 0;
    m_view.CanvasCellCountX = m_view.CanvasCellCountY = 0;
    ResizeCanvas();
    m_view.MoveDirectionX = m_view.MoveDirectionY = -1;
    ReadProperties(canvas::PropertyBag());
}

WorldCanvas::~WorldCanvas() = default;

QWidget* WorldCanvas::mapSurface() const {
    return m_surface;
}

void WorldCanvas::ReadProperties(const canvas::PropertyBag& bag) {
    setDrawing(bag.readBool("Drawing", false));
    m_view.CurrentPositionX = bag.readInt("CurrentPositionX", 0);
    m_view.CurrentPositionY = bag.readInt("CurrentPositionY", 0);
    m_mapPath = bag.readText("MapPath", "");
    m_locationName = bag.readText("LocationName", "");
    m_grid.setMapWidth(bag.readInt("MapWidth", -1));
    m_grid.setMapHeight(bag.readInt("MapHeight", -1));
    m_view.CellWidth = bag.readInt("CellWidth", 32);
    m_view.CellHeight = bag.readInt("CellHeight", 32);
    m_view.CanvasCellCountX = bag.readInt("CanvasCellCountX", 10);
    m_view.CanvasCellCountY = bag.readInt("CanvasCellCountY", 10);
    m_view.cursorPixelX = static_cast<std::int16_t>(bag.readInt("CursorX", 0));
    m_view.cursorPixelY = static_cast<std::int16_t>(bag.readInt("CursorY", 0));
    m_padding = static_cast<std::int16_t>(bag.readInt("Padding", 0));
    m_view.DrawCordinates = bag.readBool("DrawCordinates", false);
    m_view.DrawCells = bag.readBool("DrawCells", false);
    m_view.DrawEarth = bag.readBool("DrawEarth", true);
    m_view.DrawObjects = bag.readBool("DrawObjects", true);
    m_view.DrawObjectsContour = bag.readBool("DrawObjectsContour", false);
    m_view.DrawBlockZone = bag.readBool("DrawBlockZone", false);
    m_view.DrawGuardZone = bag.readBool("DrawGuardZone", false);
    m_view.DrawActionZone = bag.readBool("DrawActionZone", false);
    m_roundWorld = bag.readBool("RoundWorld", true);
    m_resourcesPath = bag.readText("ResourcesPath", "");
}

void WorldCanvas::WriteProperties(canvas::PropertyBag& bag) {
    bag.write("Drawing", Drawing(), false);
    bag.write("CurrentPositionX", m_view.CurrentPositionX, 0);
    bag.write("CurrentPositionY", m_view.CurrentPositionY, 0);
    bag.write("MapPath", m_mapPath, std::string());
    bag.write("LocationName", m_locationName, std::string());
    bag.write("MapWidth", m_grid.MapWidth(), -1);
    bag.write("MapHeight", m_grid.MapHeight(), -1);
    bag.write("CellWidth", m_view.CellWidth, 32);
    bag.write("CellHeight", m_view.CellHeight, 32);
    bag.write("CanvasCellCountX", m_view.CanvasCellCountX, 10);
    bag.write("CanvasCellCountY", m_view.CanvasCellCountY, 10);
    bag.write("CursorX", static_cast<std::int32_t>(static_cast<std::int16_t>(m_view.cursorPixelX)),
              0);
    bag.write("CursorY", static_cast<std::int32_t>(static_cast<std::int16_t>(m_view.cursorPixelY)),
              0);
    bag.write("Padding", static_cast<std::int32_t>(m_padding), 0);
    bag.write("DrawCordinates", m_view.DrawCordinates, false);
    bag.write("DrawCells", m_view.DrawCells, false);
    bag.write("DrawEarth", m_view.DrawEarth, true);
    bag.write("DrawObjects", m_view.DrawObjects, true);
    bag.write("DrawObjectsContour", m_view.DrawObjectsContour, false);
    bag.write("DrawBlockZone", m_view.DrawBlockZone, false);
    bag.write("DrawGuardZone", m_view.DrawGuardZone, false);
    bag.write("DrawActionZone", m_view.DrawActionZone, false);
    bag.write("RoundWorld", m_roundWorld, true);
    bag.write("ResourcesPath", m_resourcesPath, std::string());
}

std::string WorldCanvas::LocationName() const {
    return m_locationName.empty() ? std::string("main") : m_locationName;
}

void WorldCanvas::setLocationName(const std::string& name) {
    m_locationName = name;
    emit ChangeLocation();
}

void WorldCanvas::setCellWidth(std::int32_t value) {
    m_view.CellWidth = value;
    ResizeCanvas();
}

void WorldCanvas::setCellHeight(std::int32_t value) {
    m_view.CellHeight = value;
    ResizeCanvas();
}

void WorldCanvas::setCanvasCellCountX(std::int32_t value) {
    m_view.CanvasCellCountX = value;
    ResizeCanvas();
}

void WorldCanvas::setCanvasCellCountY(std::int32_t value) {
    m_view.CanvasCellCountY = value;
    ResizeCanvas();
}

namespace {

// The stored pixel offset of the cursor as a cell number: offset / size,
// rounded half to even.
std::int16_t cursorCell(std::int32_t pixels, std::int32_t cellSize) {
    if (cellSize == 0)
        return 0;
    const double cells = std::nearbyint(static_cast<double>(pixels) / cellSize);
    return static_cast<std::int16_t>(std::clamp(cells, -32768.0, 32767.0));
}

// The pixel offset for a cursor cell, kept within the view's last cell.
std::int32_t cursorPixels(std::int16_t cell, std::int32_t cellSize, std::int32_t cellCount) {
    const std::int64_t pixels = static_cast<std::int64_t>(cell) * cellSize;
    const std::int64_t last = (static_cast<std::int64_t>(cellCount) - 1) * cellSize;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::min(pixels, last), INT32_MIN, INT32_MAX));
}

} // namespace

std::int16_t WorldCanvas::CursorX() const {
    return cursorCell(m_view.cursorPixelX, m_view.CellWidth);
}

std::int16_t WorldCanvas::CursorY() const {
    return cursorCell(m_view.cursorPixelY, m_view.CellHeight);
}

void WorldCanvas::setCursorX(std::int16_t column) {
    m_view.cursorPixelX = cursorPixels(column, m_view.CellWidth, m_view.CanvasCellCountX);
}

void WorldCanvas::setCursorY(std::int16_t row) {
    m_view.cursorPixelY = cursorPixels(row, m_view.CellHeight, m_view.CanvasCellCountY);
}

std::int16_t WorldCanvas::Padding() {
    ResizeCanvas();
    return m_padding;
}

void WorldCanvas::setDrawing(bool on) {
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void WorldCanvas::setDrawOnlyMove(bool on) {
    m_drawOnlyMove = on;
    if (on)
        setDrawing(false);
}

const std::vector<std::int32_t>& WorldCanvas::zoomLevels() {
    static const std::vector<std::int32_t> levels = {4, 8, 16, canvas::kNormalZoom, 48, 64};
    return levels;
}

std::int32_t WorldCanvas::Zoom() const {
    return m_view.zoomPixels >= 1 ? m_view.zoomPixels : canvas::kNormalZoom;
}

QSize WorldCanvas::cellPixels() const {
    return canvas::zoomedCellSize(m_view);
}

void WorldCanvas::setZoom(std::int32_t level) {
    if (level == Zoom())
        return;
    m_view.zoomPixels = level == canvas::kNormalZoom ? 0 : level;
    if (m_fitTarget.isValid()) {
        fitSurface(m_fitTarget);
    } else {
        ResizeCanvas();
        Refresh();
    }
    emit zoomChanged(Zoom());
}

void WorldCanvas::fitSurface(QSize surface) {
    const auto cover = [](int pixels, std::int32_t cell) {
        return cell > 0 ? std::max<std::int32_t>(1, (pixels + cell - 1) / cell) : 0;
    };
    const QSize cell = cellPixels();
    m_view.CanvasCellCountX = cover(surface.width(), cell.width());
    m_view.CanvasCellCountY = cover(surface.height(), cell.height());
    m_fittedSurface = surface;
    m_fitTarget = surface;
    ResizeCanvas();
    m_fittedSurface = QSize();
    // The cursor stays on a cell of the view.
    const QPoint cursor(m_view.cursorPixelX, m_view.cursorPixelY);
    m_view.cursorPixelX = std::max(
        0, std::min(m_view.cursorPixelX, (m_view.CanvasCellCountX - 1) * m_view.CellWidth));
    m_view.cursorPixelY = std::max(
        0, std::min(m_view.cursorPixelY, (m_view.CanvasCellCountY - 1) * m_view.CellHeight));
    if (cursor != QPoint(m_view.cursorPixelX, m_view.cursorPixelY) && hasLocation()) {
        UpdateCursor();
        emit CursorChangePosition();
    }
    Refresh();
}

void WorldCanvas::ResizeCanvas() {
    const QSize cell = cellPixels();
    std::int64_t width = static_cast<std::int64_t>(cell.width()) * m_view.CanvasCellCountX;
    std::int64_t height = static_cast<std::int64_t>(cell.height()) * m_view.CanvasCellCountY;
    if (m_fittedSurface.isValid()) {
        width = std::min<std::int64_t>(width, m_fittedSurface.width());
        height = std::min<std::int64_t>(height, m_fittedSurface.height());
    }
    m_surface->setGeometry(m_padding, m_padding, widgetExtent(width), widgetExtent(height));
    setFixedSize(widgetExtent(width + 2 * m_padding), widgetExtent(height + 2 * m_padding));
}

void WorldCanvas::DrawMap() {
    m_redrawPending = false;
    m_renderer.DrawMap(m_picMap, m_grid, m_catalogues, m_view);
    m_surface->update();
}

void WorldCanvas::requestRedraw() {
    m_redrawPending = true;
    m_surface->update();
}

void WorldCanvas::Refresh() {
    DrawMap();
}

canvas::ResourceLoadResult WorldCanvas::LoadResources() {
    return m_catalogues.LoadResources(m_resourcesPath);
}

bool WorldCanvas::LoadMap(const std::string& sLocationName) {
    CanvasLoadListener listener(*this, m_locationName, [this] {
        followNewGrid();
        emit MapLoad();
    });
    return model::LoadMap(m_grid, m_mapPath, sLocationName, listener) !=
               model::LoadOutcome::Refused &&
           hasLocation();
}

void WorldCanvas::unloadLocation() {
    m_grid.clear();
    m_locationName.clear();
    m_view.CurrentPositionX = m_view.CurrentPositionY = 0;
    m_view.cursorPixelX = m_view.cursorPixelY = 0;
    m_charCursorX = m_charCursorY = m_dblCharCursorX = m_dblCharCursorY = 0;
    emit ChangeLocation();
    emit MapLoad();
    Refresh();
}

void WorldCanvas::adoptLocation(model::LocationGrid&& grid, const std::string& name) {
    m_grid.adoptCells(std::move(grid));
    m_locationName = name;
    emit ChangeLocation();
    ResetCursors();
    emit MapLoad();
}

std::string WorldCanvas::GetFileType(std::int32_t n) {
    return model::GetFileType(n);
}

bool WorldCanvas::hasLocation() const {
    return m_document->hasLocation();
}

void WorldCanvas::Clone(WorldCanvas& other) {
    // Values are taken over directly, without the effects of the setters.
    m_view.CanvasCellCountX = other.CanvasCellCountX();
    m_view.CanvasCellCountY = other.CanvasCellCountY();
    m_view.CellHeight = other.CellHeight();
    m_view.CellWidth = other.CellWidth();
    m_view.zoomPixels = other.m_view.zoomPixels;
    m_view.CurrentPositionX = other.CurrentPositionX();
    m_view.CurrentPositionY = other.CurrentPositionY();
    m_view.cursorPixelX = static_cast<std::int32_t>(other.CursorX()) * m_view.CellWidth;
    m_view.cursorPixelY = static_cast<std::int32_t>(other.CursorY()) * m_view.CellHeight;
    m_view.DrawBlockZone = other.DrawBlockZone();
    m_view.DrawCells = other.DrawCells();
    m_view.DrawCordinates = other.DrawCordinates();
    m_view.DrawEarth = other.DrawEarth();
    m_view.DrawGuardZone = other.DrawGuardZone();
    m_view.DrawActionZone = other.DrawActionZone();
    setDrawing(other.Drawing());
    m_view.DrawObjects = other.DrawObjects();
    m_view.DrawObjectsContour = other.DrawObjectsContour();
    m_drawOnlyMove = other.DrawOnlyMove();
    m_locationName = other.LocationName();
    m_grid.setMapHeight(other.MapHeight());
    m_mapPath = other.MapPath();
    m_grid.setMapWidth(other.MapWidth());
    m_padding = other.Padding();
    m_resourcesPath = other.ResourcesPath();
    m_roundWorld = other.RoundWorld();
    m_grid.setWorldCursor(other.WorldCursorX(), other.WorldCursorY());

    // The copy's catalogues are those the designer was warned of when they
    // were loaded for the main canvas: only a failure is told again.
    if (const canvas::ResourceLoadResult loaded = LoadResources(); !loaded)
        ui::reportResourceLoad(this, loaded);
    // The location comes from its files; the other canvas's layers are
    // copied only when the files cannot give it, so a large location is not
    // held three times on the way.
    CanvasLoadListener listener(*this, m_locationName, [this] { emit MapLoad(); });
    if (model::LoadMap(m_grid, m_mapPath, m_locationName, listener) ==
        model::LoadOutcome::Refused) {
        m_grid.copyLayersFrom(other.grid());
    }
    Refresh();
}

void WorldCanvas::ResetCursors() {
    m_view.cursorPixelX = m_view.cursorPixelY = 0;
    m_grid.setWorldCursor(0, 0);
    m_view.CurrentPositionX = m_view.CurrentPositionY = 0;
    UpdateCursor();
    Refresh();
}
