#pragma once
// "Заливка": a click fills the connected area of the clicked cell's value in
// the ground layer (with the chosen ground tile) or in a mark's layer (1, or
// 0 with the right button). Objects are not filled. A fill that takes long
// shows its progress and can be cancelled, leaving every cell as it was.

#include "canvas/ui_words.h"
#include "editor/tools/stroke_tool.h"
#include "model/location_grid.h"

#include <optional>
#include <utility>

namespace editor::tools {

class FillTool : public StrokeTool {
public:
    using StrokeTool::StrokeTool;

    QString name() const override { return Words::tr("Заливка"); }
    void press(const canvas::ToolInput& input) override;
    void move(const canvas::ToolInput&) override {}
    void release(const canvas::ToolInput& input) override;

    // How long a fill runs before its progress shows (half a second).
    static void setProgressDelay(int milliseconds);

private:
    // The layer and value the fill writes; none, with the designer told why,
    // when the choice cannot be filled.
    std::optional<std::pair<model::Layer, std::int32_t>> fillValue();
    // Fills from the first cell; false when the designer cancelled.
    bool fill(model::Layer layer, std::int32_t value);

    bool m_pressed = false;
};

} // namespace editor::tools
