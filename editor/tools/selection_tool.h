#pragma once
// "Выделение": a drag selects the rectangle of cells it spans; Shift+click
// stretches the selection from its first cell to the clicked one (the shorter
// way round the world in each direction), however far that is; the right
// button selects nothing.

#include "canvas/ui_words.h"
#include "editor/tools/stroke_tool.h"

namespace editor::tools {

class SelectionTool : public StrokeTool {
public:
    using StrokeTool::StrokeTool;

    QString name() const override { return Words::tr("Выделение"); }
    void press(const canvas::ToolInput& input) override;
    void move(const canvas::ToolInput& input) override;
    void release(const canvas::ToolInput& input) override;
    void interrupt() override { m_dragging = false; }
    void pressedWithoutLocation() override {}

    // The selection stretched from `selection`'s first cell to `cell` in a
    // world of `world` cells.
    static model::CellRect stretched(const model::CellRect& selection, QPoint cell, QSize world);

private:
    bool m_dragging = false;
};

} // namespace editor::tools
