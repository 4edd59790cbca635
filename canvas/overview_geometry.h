#pragma once
// Where the world lies in the overview widget: its columns x rows cells shown
// as large as the widget allows with square cells, centred; which cell a
// pixel of the widget shows; and the rectangle of the map view, which may
// wrap round the world's edges, as the pieces within the world.

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

namespace canvas {

// A part of a rectangle of cells that lies within the world. The sides that
// are the rectangle's own are marked; the others are where the world's edge
// cut it (the rectangle goes on at the opposite edge).
struct WrappedPiece {
    QRect cells;
    bool left = true;
    bool top = true;
    bool right = true;
    bool bottom = true;

    bool operator==(const WrappedPiece&) const = default;
};

// The pieces of `cells` (any position; a width or height beyond the world's
// covers all of it) in a world of `world` cells that wraps at both edges.
// At most four pieces; none when the rectangle or the world is empty.
std::vector<WrappedPiece> wrappedPieces(QRect cells, QSize world);

class OverviewGeometry {
public:
    OverviewGeometry(QSize area, QSize world);

    // No cell to show: an empty world or an area without pixels.
    bool isEmpty() const { return m_cellSide <= 0; }
    // Where the world lies, in the area's pixels.
    QRectF worldArea() const { return m_worldArea; }
    // Pixels a cell side.
    double cellSide() const { return m_cellSide; }

    // The cell the centre of pixel `pixel` shows; none outside the world.
    std::optional<QPoint> cellAt(QPoint pixel) const;
    // The same, for pixels outside the world the nearest cell at its edge.
    QPoint nearestCellTo(QPoint pixel) const;
    // The pixels that show any part of `cells` (cells within the world),
    // at least one pixel across and down.
    QRect pixelsOf(QRect cells) const;

private:
    QSize m_world;
    QRectF m_worldArea;
    double m_cellSide = 0;
};

} // namespace canvas
