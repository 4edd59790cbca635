#pragma once
// A tool that takes over the mouse on the world canvas. While one is set, the
// canvas hands it the press, every change of the cell under the mouse while
// the button is held, and the release, instead of moving its cursor and view;
// and it lets the tool paint over the drawn map (previews, never into the
// grid).

#include "model/cell_patch.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

namespace canvas {

// A cell the mouse is over during a stroke.
struct ToolCell {
    // Counted from the view's top-left cell at the press and never wrapped: a
    // drag across the world's edges (or while the view scrolls) keeps
    // counting, so the cells between two reports lie on a straight line.
    QPoint stroke;
    // The same cell in the world: wrapped into the location.
    QPoint world;
};

struct ToolInput {
    ToolCell cell;
    // The button that began the stroke: Qt::LeftButton or Qt::RightButton.
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
};

// World cells as the canvas shows them: where a rectangle of cells stands in
// surface pixels.
class OverlayView {
public:
    OverlayView() = default;
    // `origin`: the world cell in the view's top-left corner; `cellPixels`:
    // one cell's size on the surface; `viewCells`: the cells across and down;
    // `world`: the location's size.
    OverlayView(QPoint origin, QSize cellPixels, QSize viewCells, QSize world)
        : m_origin(origin), m_cell(cellPixels), m_view(viewCells), m_world(world) {}

    // Every place where the view shows `cells` (a rectangle whose top-left
    // cell lies in the world, running on across its edges as the world
    // wraps), as surface pixels; a place may lie partly outside the surface.
    // A view wider or taller than the world shows a rectangle more than once.
    std::vector<QRect> pixelRects(const model::CellRect& cells) const;

private:
    QPoint m_origin;
    QSize m_cell;
    QSize m_view;
    QSize m_world;
};

class CanvasTool {
public:
    virtual ~CanvasTool() = default;

    virtual void press(const ToolInput& input) = 0;
    // The cell under the mouse changed while the button is held, by a move of
    // the mouse or of the view under it.
    virtual void move(const ToolInput& input) = 0;
    virtual void release(const ToolInput& input) = 0;
    // The stroke ends without a release (the tool is put away, or the
    // location replaced).
    virtual void interrupt() {}
    // A button went down on a canvas without a location.
    virtual void pressedWithoutLocation() {}
    // Paints over the drawn map, in surface pixels.
    virtual void paintOverlay(QPainter& painter, const OverlayView& view) {
        (void)painter;
        (void)view;
    }
};

} // namespace canvas
