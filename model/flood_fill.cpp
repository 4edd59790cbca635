#include "model/flood_fill.h"

#include "model/world_wrap.h"

#include <cstring>
#include <vector>

namespace model {
namespace {

// The cells of a grid a fill wrote, one bit each, so that a cancelled fill can
// put back exactly those.
class FilledCells {
public:
    FilledCells(std::int32_t width, std::int32_t height)
        : m_width(static_cast<std::size_t>(width)),
          m_words((m_width * static_cast<std::size_t>(height) + 63) / 64) {}

    void mark(std::int32_t y, std::int32_t x, std::int32_t length) {
        std::size_t bit = position(y, x);
        const std::size_t end = bit + static_cast<std::size_t>(length);
        for (; bit < end && bit % 64 != 0; ++bit)
            m_words[bit / 64] |= std::uint64_t{1} << (bit % 64);
        for (; bit + 64 <= end; bit += 64)
            m_words[bit / 64] = ~std::uint64_t{0};
        for (; bit < end; ++bit)
            m_words[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    bool isMarked(std::int32_t y, std::int32_t x) const {
        const std::size_t bit = position(y, x);
        return (m_words[bit / 64] >> (bit % 64) & 1) != 0;
    }

private:
    std::size_t position(std::int32_t y, std::int32_t x) const {
        return static_cast<std::size_t>(y) * m_width + static_cast<std::size_t>(x);
    }
    std::size_t m_width;
    std::vector<std::uint64_t> m_words;
};

// Row-slice flood fill: each span of matching cells is found by scanning its
// row's bytes, written with one span write per piece (a span that runs across
// the row's end is two pieces), and the rows above and below are scanned over
// it for matching runs to continue from.
class Filler {
public:
    Filler(LocationGrid& grid, Layer layer, const unsigned char* target, std::uint16_t value,
           const std::function<bool()>& keepGoing)
        : m_grid(grid), m_layer(layer), m_cell(bytesPerCell(layer)), m_width(grid.MapWidth()),
          m_height(grid.MapHeight()), m_value(value), m_keepGoing(keepGoing) {
        std::memcpy(m_target, target, static_cast<std::size_t>(m_cell));
        if (keepGoing)
            m_filled.emplace_back(m_width, m_height);
    }

    // False when cancelled, with every cell put back.
    bool run(std::int32_t x, std::int32_t y) {
        m_seeds.push_back({x, y});
        while (!m_seeds.empty()) {
            const Seed seed = m_seeds.back();
            m_seeds.pop_back();
            const unsigned char* row = m_grid.rowData(m_layer, seed.y);
            if (!matches(row, seed.x))
                continue;
            fillSpanAround(row, seed.x, seed.y);
            if (m_keepGoing && m_work >= kAskEvery) {
                m_work = 0;
                if (!m_keepGoing()) {
                    putBack();
                    return false;
                }
            }
        }
        return true;
    }

    std::uint64_t changed() const { return m_changed; }

private:
    struct Seed {
        std::int32_t x;
        std::int32_t y;
    };
    // Cells scanned or written between two questions to keepGoing: a few
    // milliseconds of work at most.
    static constexpr std::uint64_t kAskEvery = 1 << 16;

    bool matches(const unsigned char* row, std::int32_t x) const {
        const unsigned char* cell = row + static_cast<std::size_t>(x) * m_cell;
        return cell[0] == m_target[0] && (m_cell == 1 || cell[1] == m_target[1]);
    }
    // The first cell of [from, to) that does not match, or `to`.
    std::int32_t matchingUpTo(const unsigned char* row, std::int32_t from, std::int32_t to) const {
        while (from < to && matches(row, from))
            ++from;
        return from;
    }
    // The first cell of [from, to) that matches, or `to`.
    std::int32_t nextMatch(const unsigned char* row, std::int32_t from, std::int32_t to) const {
        while (from < to && !matches(row, from))
            ++from;
        return from;
    }
    // The first cell of the matching cells that end at `to` (exclusive),
    // looking no further left than `from`.
    std::int32_t matchingDownTo(const unsigned char* row, std::int32_t from,
                                std::int32_t to) const {
        while (to > from && matches(row, to - 1))
            --to;
        return to;
    }

    // Fills the matching cells of row y around x (x matches), at most the
    // whole row, and seeds the rows beside it.
    void fillSpanAround(const unsigned char* row, std::int32_t x, std::int32_t y) {
        const std::int32_t end = matchingUpTo(row, x, m_width);
        const std::int32_t begin = matchingDownTo(row, 0, x);
        if (begin == 0 && end == m_width) {
            fillPiece(y, 0, m_width);
            return;
        }
        fillPiece(y, begin, end);
        // Across the row's end: the cell past one edge of the world is the
        // first cell at the other.
        if (end == m_width)
            fillPiece(y, 0, matchingUpTo(row, 0, begin));
        else if (begin == 0)
            fillPiece(y, matchingDownTo(row, end, m_width), m_width);
    }

    void fillPiece(std::int32_t y, std::int32_t from, std::int32_t to) {
        if (from >= to)
            return;
        m_grid.fillSpan(m_layer, y, from, to - from, m_value);
        if (!m_filled.empty())
            m_filled.front().mark(y, from, to - from);
        m_changed += static_cast<std::uint64_t>(to - from);
        m_work += static_cast<std::uint64_t>(to - from);
        seedRow(wrapIntoWorld(std::int64_t{y} - 1, m_height), from, to);
        seedRow(wrapIntoWorld(std::int64_t{y} + 1, m_height), from, to);
    }

    // A seed at the first cell of each matching run of row y within [from, to).
    void seedRow(std::int32_t y, std::int32_t from, std::int32_t to) {
        const unsigned char* row = m_grid.rowData(m_layer, y);
        m_work += static_cast<std::uint64_t>(to - from);
        for (std::int32_t x = nextMatch(row, from, to); x < to;
             x = nextMatch(row, matchingUpTo(row, x, to), to))
            m_seeds.push_back({x, y});
    }

    // Puts the target value back into every cell filled so far.
    void putBack() {
        const FilledCells& filled = m_filled.front();
        std::uint16_t target = m_target[0];
        if (m_cell == 2)
            target = static_cast<std::uint16_t>(m_target[0] << 8 | m_target[1]);
        for (std::int32_t y = 0; y < m_height; ++y) {
            for (std::int32_t x = 0; x < m_width;) {
                if (!filled.isMarked(y, x)) {
                    ++x;
                    continue;
                }
                std::int32_t end = x + 1;
                while (end < m_width && filled.isMarked(y, end))
                    ++end;
                m_grid.fillSpan(m_layer, y, x, end - x, target);
                x = end;
            }
        }
        m_changed = 0;
    }

    LocationGrid& m_grid;
    Layer m_layer;
    int m_cell;
    std::int32_t m_width;
    std::int32_t m_height;
    unsigned char m_target[2] = {};
    std::uint16_t m_value;
    const std::function<bool()>& m_keepGoing;
    std::vector<FilledCells> m_filled; // only when the fill can be cancelled
    std::vector<Seed> m_seeds;
    std::uint64_t m_changed = 0;
    std::uint64_t m_work = 0;
};

} // namespace

FillOutcome floodFill(LocationGrid& grid, Layer layer, std::int32_t x, std::int32_t y,
                      std::int32_t value, const std::function<bool()>& keepGoing) {
    FillOutcome outcome;
    const std::int32_t width = grid.MapWidth();
    const std::int32_t height = grid.MapHeight();
    if (width < 1 || height < 1 || !grid.isComplete() || x < 0 || y < 0 || x >= width ||
        y >= height)
        return outcome;
    // Compared as stored: a value the cell holds already (once stored) would
    // leave every cell matching.
    const std::uint16_t stored = LocationGrid::storedValue(layer, value);
    const auto target = static_cast<std::uint16_t>(grid.cellValue(layer, x, y));
    if (target == stored)
        return outcome;
    const unsigned char* cell =
        grid.rowData(layer, y) + static_cast<std::size_t>(x) * bytesPerCell(layer);
    Filler filler(grid, layer, cell, stored, keepGoing);
    outcome.cancelled = !filler.run(x, y);
    outcome.changed = filler.changed();
    return outcome;
}

} // namespace model
