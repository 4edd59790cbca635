#pragma once
// Putting a palette entry into a cell: the one placement the place command
// and the painting tools share, so both write the same bytes.

#include "canvas/message_box.h"
#include "model/location_grid.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace editor {

// The palette entry the designer chose, as the palette shows it.
struct PaletteChoice {
    std::int64_t level = 0; // 0 ground, 1 object; others place nothing
    std::int64_t code = 0;
    std::string footprint; // the entry's "Block" pattern
    QString name;          // its line in the list
};

enum class PlaceOutcome {
    Placed,
    BadGroundCode, // a ground code outside 0..255: nothing written
    NotPlaceable,  // a level that places nothing
};

// Writes `entry` into cell (x, y) of `grid` (a cell of the location): a ground
// tile into Earths, or an object as code + 1 into Objects with Blocks = 1 in
// every cell of its footprint, wrapped into the world.
PlaceOutcome placeEntry(model::LocationGrid& grid, const PaletteChoice& entry, std::int32_t x,
                        std::int32_t y);

// The warning for a ground code that does not fit a cell.
ui::Message badGroundCodeMessage(std::int64_t code);

// The box an object's footprint spans: its rows by its widest row (blanks
// around a row not counted); 1 x 1 for an empty pattern.
QSize footprintSize(const std::string& pattern);

} // namespace editor
