#pragma once
// The world coordinates printed in the cells: "Arial" at 7 points (a metric
// twin where Arial is not installed), transparent background. Each number's
// text is rendered once and kept, so printing it in many cells is a blend of
// its coverage into the surface.

#include "canvas/pixel_rows.h"

#include <QFont>
#include <QImage>
#include <QRgb>

#include <cstdint>
#include <unordered_map>

namespace canvas {

class CoordinateLabels {
public:
    // Needs the application's font database (a QGuiApplication).
    CoordinateLabels();

    // Prints `number` with its top at `top`, right-aligned in the cell that
    // starts at `cellLeft` and is `cellWidth` wide: the bare digits end 4
    // pixels and one blank's width before the cell's right edge (the text is
    // the number with a blank on either side).
    void print(const PixelRows& surface, std::int32_t number, int cellLeft, int cellWidth, int top,
               QRgb colour);

    // The text of `number` as print() lays it in a cell `cellWidth` wide: its
    // coverage (Format_Alpha8; a pixel from 128 on is part of a stroke) and
    // the coverage's left edge relative to the cell's left edge. The
    // reference holds until the next label is made.
    struct Placement {
        const QImage& coverage;
        int left;
    };
    Placement placement(std::int32_t number, int cellWidth);

    // How far right of a cell's left edge the labels of a cell `cellWidth`
    // wide can reach.
    int rightReach(int cellWidth) const;

    // The height of one text line: the second label goes this far below the first.
    int lineHeight() const { return m_lineHeight; }
    const QFont& font() const { return m_font; }

private:
    struct Label {
        QImage coverage; // Format_Alpha8
        int digitsWidth = 0;
    };
    const Label& label(std::int32_t number);

    QFont m_font;
    int m_lineHeight = 0;
    int m_blankWidth = 0;
    int m_ascent = 0;
    std::unordered_map<std::int32_t, Label> m_labels;
};

} // namespace canvas
