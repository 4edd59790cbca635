#pragma once
// Writing one value into every cell of a rectangle of a layer, across the
// world's edges: the one place the rectangle tool writes plain values.

#include "model/cell_patch.h"

namespace editor::tools {

// Writes `value` into `layer` in every cell of `cells` (top-left cell in the
// world, no larger than it), wrapping.
void fillRectangle(model::LocationGrid& grid, const model::CellRect& cells, model::Layer layer,
                   std::int32_t value);

} // namespace editor::tools
