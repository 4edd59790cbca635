#pragma once
// Filling a connected area of one layer: the cells 4-connected to a start cell
// that hold the start cell's value, connected across the location's edges as
// the world wraps (columns 0 to MapWidth - 1, rows 0 to MapHeight - 1), all
// get a new value. The fill works row span by row span, so it needs no memory
// per cell, and it can be cancelled with every cell as it was.

#include "model/location_grid.h"

#include <cstdint>
#include <functional>

namespace model {

struct FillOutcome {
    std::uint64_t changed = 0; // cells that got the new value
    bool cancelled = false;    // then nothing changed
};

// Fills from cell (x, y) of `layer` with `value` (a code of the layer's
// range). `keepGoing`, when given, is asked now and then; false cancels.
// Nothing happens without a location, outside it, or when the cell already
// holds `value`.
FillOutcome floodFill(LocationGrid& grid, Layer layer, std::int32_t x, std::int32_t y,
                      std::int32_t value, const std::function<bool()>& keepGoing = {});

} // namespace model
