#pragma once
// The cells one edit changed, kept small: runs of cells of one row of one
// layer, each holding the XOR of the cells' stored bytes before and after the
// edit. Applying the record to the grid flips every cell between its two
// values, so one record serves undo and redo, and a cell changed twice within
// the edit is simply recorded twice (the XORs compose). A run whose cells all
// changed by the same XOR holds no bytes of its own.

#include "model/location_grid.h"

#include <cstdint>
#include <vector>

namespace document {

class EditRecord {
public:
    bool isEmpty() const { return m_runs.empty(); }

    // One cell's raw value (one byte, or two bytes big-endian) went from
    // `before` to `after`.
    void addCell(model::Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                 std::uint16_t after);
    // The `length` cells of row y from column x went from the stored bytes
    // `before` to `after`; unchanged stretches inside are left out.
    void addSpan(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                 const unsigned char* before, const unsigned char* after);

    // Flips the recorded cells of the grid between their two values, run by
    // run, through span writes.
    void apply(model::LocationGrid& grid) const;

    // Closes a complete record: puts its runs in row order, merges runs that
    // overlap or touch (a stroke's cells, a cell written twice) and gives back
    // the spare room.
    void finish();
    // Heap bytes the record holds.
    std::size_t heapBytes() const;

private:
    struct Run {
        std::int32_t y = 0;
        std::int32_t x = 0;
        std::int32_t length = 0; // cells
        std::uint8_t layer = 0;
        bool uniform = false;      // every cell's XOR is `pattern`
        std::uint16_t pattern = 0; // raw, as a two-byte cell holds it (low byte for one-byte cells)
        std::size_t offset = 0;    // the run's XOR bytes in m_bytes unless uniform
    };

    // Cuts the XORs of `length` cells of row y from column x, placed at the
    // end of m_bytes from `at` on, into runs of changed cells.
    void cutRuns(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                 std::size_t at);
    // Adds the cells [from, to) of a span whose XOR bytes start at m_bytes[at];
    // returns where the next run's bytes go.
    std::size_t addSegment(model::Layer layer, std::int32_t y, std::int32_t x, std::size_t at,
                           std::int32_t from, std::int32_t to, std::size_t writeAt);
    void giveBytes(Run& run);
    // XORs the run's flips into `cells`, which hold the cells from column x0.
    void flipInto(const Run& run, std::int32_t x0, unsigned char* cells) const;
    // Whether two runs of one row (in row order) overlap or touch.
    bool hasTouchingRuns() const;

    std::vector<Run> m_runs;
    std::vector<unsigned char> m_bytes;
};

} // namespace document
