#pragma once
// The editing tools of the main window, made once and kept while it lives.

#include "editor/tools/brush_tool.h"
#include "editor/tools/fill_tool.h"
#include "editor/tools/rectangle_tool.h"
#include "editor/tools/selection_tool.h"

namespace editor::tools {

class ToolBox {
public:
    explicit ToolBox(ToolContext context)
        : m_context(std::move(context)), brush(m_context), rectangle(m_context), fill(m_context),
          selection(m_context) {}
    ToolBox(const ToolBox&) = delete;
    ToolBox& operator=(const ToolBox&) = delete;

private:
    ToolContext m_context;

public:
    BrushTool brush;
    RectangleTool rectangle;
    FillTool fill;
    SelectionTool selection;
};

} // namespace editor::tools
