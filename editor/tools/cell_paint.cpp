#include "editor/tools/cell_paint.h"
#include "canvas/ui_words.h"

#include "model/palette_file.h"

namespace editor::tools {

CellPaint CellPaint::value(model::Layer layer, std::int32_t value) {
    CellPaint paint;
    paint.m_layer = layer;
    paint.m_value = value;
    return paint;
}

CellPaint CellPaint::object(const PaletteChoice& entry) {
    CellPaint paint;
    paint.m_object = true;
    paint.m_layer = model::Layer::Objects;
    paint.m_entry = entry;
    paint.m_cells.emplace_back(0, 0);
    for (const auto& [row, column] : footprintCells(entry.footprint))
        paint.m_cells.emplace_back(column, row);
    paint.m_size = footprintSize(entry.footprint);
    return paint;
}

void CellPaint::paint(model::LocationGrid& grid, std::int32_t x, std::int32_t y) const {
    if (m_object)
        placeEntry(grid, m_entry, x, y);
    else
        grid.setCellValue(m_layer, x, y, m_value);
}

std::optional<CellPaint> gesturePaint(const ToolContext& context, Qt::MouseButton button,
                                      const QString& toolName) {
    const bool erase = button == Qt::RightButton;
    switch (context.target()) {
    case PaintTarget::Blocked:
        return CellPaint::value(model::Layer::Blocks, erase ? 0 : 1);
    case PaintTarget::Guarded:
        return CellPaint::value(model::Layer::Guards, erase ? 0 : 1);
    case PaintTarget::ChosenEntry:
        break;
    }
    if (erase)
        return CellPaint::value(model::Layer::Objects, 0);
    const std::optional<PaletteChoice> entry = context.entry();
    if (!entry) {
        context.say(Words::tr("%1: выберите в палитре, что рисовать.").arg(toolName));
        return std::nullopt;
    }
    if (entry->level == 0) {
        if (entry->code < 0 || entry->code > 255) {
            ui::showMessage(context.window, badGroundCodeMessage(entry->code));
            return std::nullopt;
        }
        return CellPaint::value(model::Layer::Earths, static_cast<std::int32_t>(entry->code));
    }
    if (entry->level == 1)
        return CellPaint::object(*entry);
    context.say(Words::tr("%1: записи этой группы на карту не ставятся.").arg(toolName));
    return std::nullopt;
}

} // namespace editor::tools
