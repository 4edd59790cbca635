#pragma once
// "Прямоугольник": a drag shows a rectangle; on release every cell of it gets
// the paint, or objects stand in it in a grid of their footprint's box from
// its top-left cell.

#include "canvas/ui_words.h"
#include "editor/tools/cell_paint.h"
#include "editor/tools/stroke_tool.h"

#include <optional>

namespace editor::tools {

class RectangleTool : public StrokeTool {
public:
    using StrokeTool::StrokeTool;

    QString name() const override { return Words::tr("Прямоугольник"); }
    void press(const canvas::ToolInput& input) override;
    void move(const canvas::ToolInput& input) override;
    void release(const canvas::ToolInput& input) override;
    void interrupt() override;
    void paintOverlay(QPainter& painter, const canvas::OverlayView& view) override;

    // The rectangle being dragged, while a drag is under way.
    std::optional<model::CellRect> dragged() const;

private:
    void paintRectangle(const model::CellRect& cells);

    std::optional<CellPaint> m_paint;
    QPoint m_last;
};

} // namespace editor::tools
