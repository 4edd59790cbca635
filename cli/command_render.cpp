#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/gui_application.h"
#include "cli/location_arguments.h"
#include "cli/progress_line.h"

#include "canvas/banded_drawing.h"
#include "canvas/map_renderer.h"
#include "canvas/picture_format.h"
#include "canvas/resource_catalogues.h"
#include "canvas/scaled_drawing.h"
#include "canvas/view_zoom.h"
#include "model/location_loader.h"
#include "support/cp1251.h"
#include "support/file_system.h"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <QImage>

namespace cli {
namespace {

const char* const kUsage =
    R"(usage: mapedit render [--root DIR] --map NAME [--location NAME] [--resources FOLDER]
                      [--view X,Y] [--cells COLS,ROWS] [--cell-size W,H]
                      [--cursor COL,ROW | --no-cursor] [--show LIST] [--whole]
                      [--allow-missing-pictures] [--zoom L | --scale S] --out FILE

Draws a location's view exactly as the editor's canvas does and writes it as a
picture of CellWidth x COLS by CellHeight x ROWS pixels, in the format FILE's
extension names: .png, .bmp, .ppm or .jpg (any case).
  --resources  the resource folder below DIR (default Resources)
  --view       the world cell in the view's top-left corner (default 0,0)
  --cells      cells across and down (default 10,10)
  --cell-size  pixels of one cell (default 32,32)
  --cursor     the cursor's cell in the view (default 0,0); --no-cursor hides it
  --show       the drawing switches that are on, from earth, objects, cells,
               contours, blocks, guards, actions, coords; or none
               (default earth,objects)
  --whole      the whole location: view 0,0, width x height cells, no cursor
  --allow-missing-pictures
               draw even when the catalogues cannot be loaded (their pictures
               are drawn as placeholders, and the reason is printed as a
               warning); without it nothing is written and the exit code is 1
  --zoom       the view zoomed to L pixels for each 32 of a cell (4, 8 and 16
               zoom out, 48 and 64 in; 32 is no zoom)
  --scale      the picture scaled down by S (0 < S <= 1): each side
               round(side x S) pixels, each pixel the average of the box of
               full-size pixels it stands for; the full-size picture is
               never held whole. Views of more than 2^28 pixels are averaged
               from the view drawn at a zoom (at least twice the output)
The picture is drawn on every core of the machine.
The file is written whole or not at all: an existing file stays as it was
when the write fails.
)";

constexpr long long kMaxSide = 16384;
constexpr long long kMaxBytes = 1ll << 30;
constexpr int kBadScale = 2;

// The scale as the user wrote it, or nothing when it is not a number in (0, 1].
std::optional<double> parseScale(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())))
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value) || !(value > 0.0 && value <= 1.0))
        return std::nullopt;
    return value;
}

std::pair<long long, long long> parsePair(const std::string& text, const std::string& what) {
    const auto comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
        throw Failure{what + " takes two numbers separated by one comma (X,Y), not \"" + text +
                      "\""};
    return {parseNumber(text.substr(0, comma), what), parseNumber(text.substr(comma + 1), what)};
}

std::int32_t toInt32(long long value, const std::string& what) {
    if (value < INT32_MIN || value > INT32_MAX)
        throw Failure{what + " is out of range"};
    return static_cast<std::int32_t>(value);
}

void applySwitches(const std::string& list, canvas::CanvasView& view) {
    view.DrawEarth = view.DrawObjects = view.DrawCells = view.DrawObjectsContour = false;
    view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = view.DrawCordinates = false;
    if (list == "none")
        return;
    const struct {
        const char* name;
        bool canvas::CanvasView::*flag;
    } switches[] = {
        {"earth", &canvas::CanvasView::DrawEarth},
        {"objects", &canvas::CanvasView::DrawObjects},
        {"cells", &canvas::CanvasView::DrawCells},
        {"contours", &canvas::CanvasView::DrawObjectsContour},
        {"blocks", &canvas::CanvasView::DrawBlockZone},
        {"guards", &canvas::CanvasView::DrawGuardZone},
        {"actions", &canvas::CanvasView::DrawActionZone},
        {"coords", &canvas::CanvasView::DrawCordinates},
    };
    std::size_t start = 0;
    for (int position = 1;; ++position) {
        const std::size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma - start);
        if (item.empty())
            throw Failure{"--show: switch " + std::to_string(position) + " of \"" + list +
                          "\" is empty"};
        if (item == "none")
            throw Failure{"--show: \"none\" stands alone, not in a list (\"" + list + "\")"};
        bool known = false;
        for (const auto& entry : switches) {
            if (item == entry.name) {
                view.*entry.flag = true;
                known = true;
            }
        }
        if (!known)
            throw Failure{"--show: unknown switch \"" + item +
                          "\" (known: earth, objects, cells, contours, blocks, guards, actions, "
                          "coords, or none)"};
        if (comma == std::string::npos)
            return;
        start = comma + 1;
    }
}

// The loader's messages are the editor's (Russian); the tool says what they
// mean in its own words, so it only notes which kind came.
class RenderLoadListener : public model::LoadListener {
public:
    void showMessage(model::MessageIcon icon, const std::string&, const std::string&) override {
        (icon == model::MessageIcon::Critical ? failed : warned) = true;
    }
    void locationNameChanged(const std::string&) override {}
    void mapLoaded() override {}
    void redrawRequested() override {}
    bool failed = false, warned = false;
};

} // namespace

int runRender(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    std::set<std::string> valued = locationOptions();
    valued.insert({"--resources", "--view", "--cells", "--cell-size", "--cursor", "--show", "--out",
                   "--zoom", "--scale"});
    const CommandLine line(args, valued, {"--no-cursor", "--whole", "--allow-missing-pictures"});
    if (!line.positional().empty())
        throw Failure{"unexpected argument \"" + line.positional().front() + "\""};
    const std::string out = line.required("--out");
    if (out.empty())
        throw Failure{"--out names no file"};
    if (!canvas::pictureFormatFor(out))
        throw Failure{"cannot write " + out + ": unknown picture format (use " +
                      canvas::kPictureExtensions + ")"};
    std::optional<double> scale;
    if (const auto text = line.value("--scale")) {
        scale = parseScale(*text);
        if (!scale) {
            std::cerr << "mapedit render: --scale takes a number above 0 and at most 1 (such as "
                         "0.25), not \""
                      << *text << "\"\n";
            return kBadScale;
        }
        if (line.has("--zoom"))
            throw Failure{"--scale and --zoom exclude each other"};
    }
    if (line.has("--cursor") && line.has("--no-cursor"))
        throw Failure{"--cursor and --no-cursor exclude each other"};

    canvas::CanvasView view;
    applySwitches(line.value("--show").value_or("earth,objects"), view);
    if (const auto size = line.value("--cell-size")) {
        const auto [w, h] = parsePair(*size, "--cell-size");
        if (w < 1 || h < 1)
            throw Failure{"--cell-size must be at least 1,1"};
        view.CellWidth = toInt32(w, "--cell-size");
        view.CellHeight = toInt32(h, "--cell-size");
    }
    if (const auto cells = line.value("--cells")) {
        const auto [x, y] = parsePair(*cells, "--cells");
        if (x < 1 || y < 1)
            throw Failure{"--cells must be at least 1,1"};
        view.CanvasCellCountX = toInt32(x, "--cells");
        view.CanvasCellCountY = toInt32(y, "--cells");
    }
    if (const auto position = line.value("--view")) {
        const auto [x, y] = parsePair(*position, "--view");
        view.CurrentPositionX = toInt32(x, "--view");
        view.CurrentPositionY = toInt32(y, "--view");
    }
    if (const auto cursor = line.value("--cursor")) {
        const auto [x, y] = parsePair(*cursor, "--cursor");
        if (x < 0 || y < 0 || x >= view.CanvasCellCountX || y >= view.CanvasCellCountY)
            throw Failure{"--cursor " + *cursor + " is outside the view of " +
                          std::to_string(view.CanvasCellCountX) + " x " +
                          std::to_string(view.CanvasCellCountY) + " cells (columns 0 to " +
                          std::to_string(view.CanvasCellCountX - 1) + ", rows 0 to " +
                          std::to_string(view.CanvasCellCountY - 1) + ")"};
        view.cursorPixelX = toInt32(x * view.CellWidth, "--cursor");
        view.cursorPixelY = toInt32(y * view.CellHeight, "--cursor");
    }
    view.drawCursor = !line.has("--no-cursor");
    if (const auto zoom = line.value("--zoom"))
        view.zoomPixels = toInt32(parseNumber(*zoom, "--zoom"), "--zoom");

    const LocationArguments location = openLocation(line);
    if (line.has("--whole")) {
        if (location.size.width == 0)
            throw Failure{"--whole: the location has no columns to draw (Width = 0)"};
        if (location.size.height == 0)
            throw Failure{"--whole: the location has no rows to draw (Height = 0)"};
        view.CurrentPositionX = view.CurrentPositionY = 0;
        view.CanvasCellCountX = location.size.width;
        view.CanvasCellCountY = location.size.height;
        view.drawCursor = false;
    }
    std::optional<canvas::ScaledPlan> plan;
    if (scale) {
        plan = canvas::planScaled(view, *scale);
        if (!plan)
            throw Failure{"--scale " + *line.value("--scale") +
                          " gives no picture that can be drawn for a view of " +
                          std::to_string(view.CanvasCellCountX) + " x " +
                          std::to_string(view.CanvasCellCountY) + " cells (at most " +
                          std::to_string(kMaxSide) + " pixels a side)"};
    }
    const QSize cell = canvas::zoomedCellSize(view);
    const long long width =
        plan ? plan->output.width() : static_cast<long long>(cell.width()) * view.CanvasCellCountX;
    const long long height = plan ? plan->output.height()
                                  : static_cast<long long>(cell.height()) * view.CanvasCellCountY;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
        width * height * 4 > kMaxBytes)
        throw Failure{"a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                      " pixels is refused: at most " + std::to_string(kMaxSide) +
                      " pixels a side and 1 GiB"};

    guiApplication();
    canvas::ResourceCatalogues catalogues;
    std::string resources = cp1251::fromUtf8(line.value("--resources").value_or("Resources"));
    const canvas::ResourceLoadResult loaded = catalogues.LoadResources(resources);
    for (const std::string& warning : loaded.warningsEnglish)
        std::cerr << "mapedit render: warning: " << cp1251::toUtf8(warning) << "\n";
    if (!loaded) {
        const std::string message = cp1251::toUtf8(loaded.englishMessage());
        if (!line.has("--allow-missing-pictures"))
            throw Failure{"the catalogues cannot be loaded: " + message +
                          " (--allow-missing-pictures draws placeholders instead)"};
        std::cerr << "mapedit render: warning: " << message << "\n";
    }

    model::LocationGrid grid;
    RenderLoadListener listener;
    const std::string gridFile = displayPath(location.files.grid);
    const model::LoadOutcome outcome =
        model::LoadMap(grid, location.map, location.location, listener, canvas::layersDrawn(view));
    if (outcome == model::LoadOutcome::Refused || listener.failed)
        throw Failure{"cannot read grid file " + gridFile};
    if (listener.warned) {
        std::error_code ec;
        std::cerr << "mapedit render: warning: grid file " << gridFile << " holds "
                  << fsys::fileSize(location.files.grid, ec) << " of the "
                  << location.expectedGridBytes
                  << " bytes the location needs; the missing cells are drawn empty\n";
    }

    ProgressLine progress;
    const auto drawing = [&progress](std::int64_t done, std::int64_t total) {
        progress.show("drawing", static_cast<std::uint64_t>(done),
                      static_cast<std::uint64_t>(total));
    };
    const int threads = canvas::drawingThreads();
    QImage picMap = plan ? canvas::drawScaled(grid, catalogues, view, *plan, threads, drawing)
                         : canvas::drawViewInBands(grid, catalogues, view, threads, drawing);
    if (picMap.isNull())
        throw Failure{"the view could not be drawn"};
    progress.show("writing " + out);
    std::string reason;
    const bool written = canvas::writePictureFile(picMap.convertToFormat(QImage::Format_RGB888),
                                                  canvas::nativePath(out), reason);
    progress.clear();
    if (!written)
        throw Failure{"cannot write " + out + ": " + reason};
    return 0;
}

} // namespace cli
