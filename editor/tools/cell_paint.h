#pragma once
// What one gesture of a painting tool writes into every cell it paints: a
// value of one layer, or a palette object with its footprint.

#include "editor/entry_placement.h"
#include "editor/tools/tool_context.h"
#include "model/location_grid.h"

#include <QPoint>
#include <QSize>

#include <optional>
#include <vector>

namespace editor::tools {

class CellPaint {
public:
    static CellPaint value(model::Layer layer, std::int32_t value);
    static CellPaint object(const PaletteChoice& entry);

    bool isObject() const { return m_object; }
    model::Layer layer() const { return m_layer; }
    std::int32_t value() const { return m_value; }
    // An object's cells as (column, row) offsets from where it is placed:
    // its own cell first, then its footprint's.
    const std::vector<QPoint>& objectCells() const { return m_cells; }
    // The box of the object's footprint (1 x 1 without one).
    QSize objectSize() const { return m_size; }

    // Paints cell (x, y) of the location.
    void paint(model::LocationGrid& grid, std::int32_t x, std::int32_t y) const;

private:
    bool m_object = false;
    model::Layer m_layer = model::Layer::Earths;
    std::int32_t m_value = 0;
    PaletteChoice m_entry;
    std::vector<QPoint> m_cells;
    QSize m_size{1, 1};
};

// What a gesture of `button` paints with the window's choice: the left button
// paints, the right one erases. Nothing, with the designer told why, when the
// choice paints nothing (no entry chosen, a ground code that does not fit).
std::optional<CellPaint> gesturePaint(const ToolContext& context, Qt::MouseButton button,
                                      const QString& toolName);

} // namespace editor::tools
