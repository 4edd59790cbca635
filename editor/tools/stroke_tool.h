#pragma once
// The base of the editing tools: remembers where a stroke began and turns the
// canvas's stroke cells into world cells, lines and rectangles, across the
// world's edges.

#include "canvas/canvas_tool.h"
#include "editor/tools/tool_context.h"

#include <QString>

#include <vector>

namespace editor::tools {

class StrokeTool : public canvas::CanvasTool {
public:
    explicit StrokeTool(ToolContext& context) : m_context(context) {}

    // The tool's name: its caption, and the name of its undo step.
    virtual QString name() const = 0;

    void pressedWithoutLocation() override;

    // The cells of a straight line from `from` to `to` (stroke cells), `from`
    // left out, `to` last; each one a side or a corner away from the one
    // before.
    static std::vector<QPoint> lineCells(QPoint from, QPoint to);

protected:
    // Remembers the stroke's first cell and button.
    void start(const canvas::ToolInput& input);
    // The world cell of a stroke cell.
    QPoint worldOf(QPoint stroke) const;
    // The rectangle from the first cell to stroke cell `to` as world cells:
    // its top-left cell in the world, no wider or taller than the world.
    model::CellRect rectangleTo(QPoint to) const;
    // Opens the gesture's undo step and puts the cursor on its first cell, so
    // that the inspector shows it.
    void beginEdit();
    void endEdit();
    void cancelEdit();
    bool editOpen() const { return m_editOpen; }

    ToolContext& m_context;
    canvas::ToolCell m_first;
    Qt::MouseButton m_button = Qt::LeftButton;

private:
    bool m_editOpen = false;
};

} // namespace editor::tools
