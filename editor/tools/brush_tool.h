#pragma once
// "Кисть": paints every cell the mouse passes over while a button is held,
// the cells between two reports of the mouse included. Objects go into the
// cells where they overlap no object the stroke placed before.

#include "canvas/ui_words.h"
#include "editor/tools/cell_paint.h"
#include "editor/tools/stroke_tool.h"

#include <optional>
#include <set>
#include <utility>

namespace editor::tools {

class BrushTool : public StrokeTool {
public:
    using StrokeTool::StrokeTool;

    QString name() const override { return Words::tr("Кисть"); }
    void press(const canvas::ToolInput& input) override;
    void move(const canvas::ToolInput& input) override;
    void release(const canvas::ToolInput& input) override;
    void interrupt() override;

private:
    void paintAt(QPoint stroke);

    std::optional<CellPaint> m_paint;
    QPoint m_last;
    // The world cells the objects of this stroke take.
    std::set<std::pair<std::int32_t, std::int32_t>> m_taken;
};

} // namespace editor::tools
