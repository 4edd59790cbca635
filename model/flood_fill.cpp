#include "model/flood_fill.h"

#include "model/world_wrap.h"

#include <vector>

namespace model {
namespace {

// A run of cells of one row, `length` long from column `x`, wrapping at the
// row's end.
struct Span {
    std::int32_t x;
    std::int32_t y;
    std::int32_t length;
};

class Filler {
public:
    Filler(LocationGrid& grid, Layer layer, std::int32_t target, std::int32_t value)
        : m_grid(grid), m_layer(layer), m_width(grid.MapWidth()), m_height(grid.MapHeight()),
          m_target(target), m_value(value) {}

    bool run(std::int32_t x, std::int32_t y, const std::function<bool()>& keepGoing) {
        m_seeds.push_back({x, y, 1});
        std::uint64_t sinceAsked = 0;
        while (!m_seeds.empty()) {
            const Span seed = m_seeds.back();
            m_seeds.pop_back();
            if (!matches(seed.x, seed.y))
                continue;
            const Span span = fillSpanAround(seed.x, seed.y);
            seedRow(span, wrapIntoWorld(span.y - 1, m_height));
            seedRow(span, wrapIntoWorld(span.y + 1, m_height));
            sinceAsked += static_cast<std::uint64_t>(span.length);
            if (keepGoing && sinceAsked >= kAskEvery) {
                sinceAsked = 0;
                if (!keepGoing()) {
                    undo();
                    return false;
                }
            }
        }
        return true;
    }

    std::uint64_t changed() const { return m_changed; }

private:
    static constexpr std::uint64_t kAskEvery = 1 << 16;

    bool matches(std::int32_t x, std::int32_t y) const {
        return m_grid.cellValue(m_layer, x, y) == m_target;
    }

    // The cells of row y around x that match, filled; at most the whole row.
    Span fillSpanAround(std::int32_t x, std::int32_t y) {
        std::int32_t left = 0; // cells left of x in the span
        while (left + 1 < m_width && matches(wrapIntoWorld(std::int64_t{x} - left - 1, m_width), y))
            ++left;
        std::int32_t length = left + 1;
        while (length < m_width &&
               matches(wrapIntoWorld(std::int64_t{x} + length - left, m_width), y))
            ++length;
        const Span span{wrapIntoWorld(std::int64_t{x} - left, m_width), y, length};
        for (std::int32_t i = 0; i < span.length; ++i)
            m_grid.setCellValue(m_layer, wrapIntoWorld(std::int64_t{span.x} + i, m_width), y,
                                m_value);
        m_done.push_back(span);
        m_changed += static_cast<std::uint64_t>(span.length);
        return span;
    }

    // A seed for each run of matching cells of row y beside `span`.
    void seedRow(const Span& span, std::int32_t y) {
        bool inRun = false;
        for (std::int32_t i = 0; i < span.length; ++i) {
            const std::int32_t x = wrapIntoWorld(std::int64_t{span.x} + i, m_width);
            const bool match = matches(x, y);
            if (match && !inRun)
                m_seeds.push_back({x, y, 1});
            inRun = match;
        }
    }

    // Puts the target value back into every span filled so far.
    void undo() {
        for (auto span = m_done.rbegin(); span != m_done.rend(); ++span)
            for (std::int32_t i = 0; i < span->length; ++i)
                m_grid.setCellValue(m_layer, wrapIntoWorld(std::int64_t{span->x} + i, m_width),
                                    span->y, m_target);
        m_changed = 0;
    }

    LocationGrid& m_grid;
    Layer m_layer;
    std::int32_t m_width;
    std::int32_t m_height;
    std::int32_t m_target;
    std::int32_t m_value;
    std::vector<Span> m_seeds;
    std::vector<Span> m_done;
    std::uint64_t m_changed = 0;
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
    const std::int32_t target = grid.cellValue(layer, x, y);
    if (target == value)
        return outcome;
    Filler filler(grid, layer, target, value);
    outcome.cancelled = !filler.run(x, y, keepGoing);
    outcome.changed = filler.changed();
    return outcome;
}

} // namespace model
