#include "checker/grid_scan.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace checker::detail {
namespace {

// Memory the rows kept for footprints may take.
constexpr std::size_t kFootprintRowBytes = std::size_t{24} << 20;

std::size_t recordBytes(std::int32_t width) {
    return static_cast<std::size_t>(width) * 8;
}

// Bit i set when byte i of the 16 at `data` is `least` or more.
[[gnu::always_inline]] inline std::uint32_t bytesAtLeast16(const unsigned char* data,
                                                           unsigned char least) {
    if (least == 0)
        return 0xFFFF;
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
    // Zero where the byte is below `least`.
    const __m128i over = _mm_subs_epu8(bytes, _mm_set1_epi8(static_cast<char>(least - 1)));
    const auto below =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(over, _mm_setzero_si128())));
    return ~below & 0xFFFF;
#else
    std::uint32_t mask = 0;
    for (unsigned i = 0; i < 16; ++i)
        mask |= std::uint32_t{data[i] >= least} << i;
    return mask;
#endif
}

// Bit i set when the big-endian two-byte value of cell i of the 16 at `data`
// is `least` or more.
[[gnu::always_inline]] inline std::uint32_t codesAtLeast16(const unsigned char* data,
                                                           std::uint32_t least) {
    if (least == 0)
        return 0xFFFF;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    __m128i below[2]; // all ones in the cells below `least`
    if (least <= 256) {
        // Below when the high byte is 0 and the low byte below `least`: each
        // byte less its own limit (0 for the high byte, which comes first)
        // saturates to 0 when the cell is below.
        const __m128i limits = _mm_set1_epi16(static_cast<short>((least - 1) << 8));
        for (int i = 0; i < 2; ++i) {
            const __m128i codes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i));
            below[i] = _mm_cmpeq_epi16(_mm_subs_epu8(codes, limits), zero);
        }
    } else {
        const __m128i limit = _mm_set1_epi16(static_cast<short>(least - 1));
        for (int i = 0; i < 2; ++i) {
            __m128i codes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i));
            codes = _mm_or_si128(_mm_slli_epi16(codes, 8), _mm_srli_epi16(codes, 8));
            below[i] = _mm_cmpeq_epi16(_mm_subs_epu16(codes, limit), zero);
        }
    }
    const auto mask =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(below[0], below[1])));
    return ~mask & 0xFFFF;
#else
    std::uint32_t mask = 0;
    for (unsigned i = 0; i < 16; ++i)
        mask |= std::uint32_t{((std::uint32_t{data[2 * i]} << 8) | data[2 * i + 1]) >= least} << i;
    return mask;
#endif
}

// Calls visit(x) for each cell x of a row of `width` cells of `cellBytes`
// bytes whose value is `least` or more, in order: chunks of 64 cells are
// tested at once and passed over when none of their cells is.
template <std::size_t cellBytes, typename Visit>
void forCellsAtLeast(const unsigned char* data, std::size_t width, std::uint32_t least,
                     Visit&& visit) {
    const auto chunkMask = [&](std::size_t x) -> std::uint32_t {
        if constexpr (cellBytes == 1)
            return bytesAtLeast16(data + x, static_cast<unsigned char>(least));
        else
            return codesAtLeast16(data + 2 * x, least);
    };
    std::size_t x0 = 0;
    for (; x0 + kScanChunk <= width; x0 += kScanChunk) {
        std::uint64_t mask = 0;
        for (std::size_t part = 0; part < kScanChunk / 16; ++part)
            mask |= std::uint64_t{chunkMask(x0 + 16 * part)} << (16 * part);
        for (; mask != 0; mask &= mask - 1)
            visit(x0 + static_cast<std::size_t>(std::countr_zero(mask)));
    }
    for (; x0 < width; ++x0) {
        std::uint32_t value = data[cellBytes * x0];
        if constexpr (cellBytes == 2)
            value = (value << 8) | data[2 * x0 + 1];
        if (value >= least)
            visit(x0);
    }
}

// The rows of the grid one window holds, [first, end), one record after
// another, beside the rows kept for the whole scan: the Blocks of the first
// rows (for footprints that wrap past the last row) and a last row the file
// holds only in part, its missing bytes empty.
class GridRows {
public:
    GridRows(std::int32_t width, const unsigned char* head, const unsigned char* tail,
             std::int64_t tailRow)
        : m_width(static_cast<std::size_t>(width)), m_record(recordBytes(width)), m_head(head),
          m_tail(tail), m_tailRow(tailRow) {}

    // The first rows' Blocks are in `head` from now on.
    void keepHead(std::int64_t rows) { m_headRows = rows; }
    void setWindow(const unsigned char* data, std::int64_t first, std::int64_t end) {
        m_data = data;
        m_first = first;
        m_end = end;
    }
    const unsigned char* row(std::int64_t y) const {
        if (y == m_tailRow)
            return m_tail;
        return m_data + static_cast<std::size_t>(y - m_first) * m_record;
    }
    // The Blocks of row y when they are at hand; null otherwise.
    const unsigned char* blocksOf(std::int64_t y) const {
        if ((y >= m_first && y < m_end) || y == m_tailRow)
            return row(y) + 6 * m_width;
        if (y < m_headRows)
            return m_head + static_cast<std::size_t>(y) * m_width;
        return nullptr;
    }

private:
    std::size_t m_width;
    std::size_t m_record;
    const unsigned char* m_head;
    std::int64_t m_headRows = 0;
    const unsigned char* m_tail;
    std::int64_t m_tailRow; // -1 when the file holds every row whole
    const unsigned char* m_data = nullptr;
    std::int64_t m_first = 0;
    std::int64_t m_end = 0;
};

// The first value a table flags (its size when none).
template <typename Table> std::uint32_t firstFlagged(const Table& table) {
    return static_cast<std::uint32_t>(
        std::find_if(table.begin(), table.end(), [](std::uint8_t f) { return f != 0; }) -
        table.begin());
}

// The big-endian two-byte value at `data`.
inline std::uint32_t twoBytes(const unsigned char* data) {
    return (std::uint32_t{data[0]} << 8) | data[1];
}

class RowChecker {
public:
    RowChecker(std::int32_t width, std::int32_t height, const ScanTables& tables,
               ScanTallies& tallies)
        : m_width(width), m_height(height), m_tables(tables), m_tallies(tallies),
          m_firstGround(firstFlagged(tables.ground)), m_firstObject(firstFlagged(tables.objects)),
          m_firstDoor(firstFlagged(tables.doors)),
          m_footprintRows(static_cast<std::size_t>(std::max(tables.footprintDepth, 0)) + 1),
          m_objects(tables.objects.size()),
          m_unreachedRow(static_cast<std::size_t>(std::max(width, 0)), 1) {
        // Each value's flags and footprint in one place, the footprints one
        // after another: one lookup per object, without a pointer to follow.
        for (std::size_t code = 0; code < m_objects.size(); ++code) {
            ObjectEntry& entry = m_objects[code];
            entry.flags = tables.objects[code];
            entry.firstCell = static_cast<std::uint32_t>(m_footprintCells.size());
            if (entry.flags & kObjectFootprint) {
                for (const auto& [dy, dx] : tables.footprints[code])
                    m_footprintCells.push_back({static_cast<std::uint32_t>(dy), dx});
                m_anyFootprint = true;
            }
            entry.cells = static_cast<std::uint32_t>(m_footprintCells.size()) - entry.firstCell;
        }
    }

    void checkRow(const GridRows& rows, std::int64_t y) {
        const unsigned char* record = rows.row(y);
        const auto w = static_cast<std::size_t>(m_width);
        const auto row = static_cast<std::int32_t>(y);
        const unsigned char* earths = record;
        const unsigned char* objects = record + w;
        const unsigned char* doors = record + 4 * w;
        // Cells below a layer's first flagged value are passed over unlooked-at.
        if (m_firstGround < m_tables.ground.size())
            forCellsAtLeast<1>(earths, w, m_firstGround, [&](std::size_t x) {
                m_tallies.ground.addIf(earths[x], m_tables.ground[earths[x]],
                                       static_cast<std::int32_t>(x), row);
            });
        if (m_firstObject < m_objects.size()) {
            if (m_anyFootprint) {
                findFootprintRows(rows, y);
                prefetchBlocks(rows, y + m_tables.footprintDepth + 1);
            }
            forCellsAtLeast<2>(objects, w, m_firstObject, [&](std::size_t x) {
                const std::uint32_t code = twoBytes(objects + 2 * x);
                const ObjectEntry entry = m_objects[code];
                if (entry.flags & kObjectUnknown)
                    m_tallies.unknownObjects.add(code, static_cast<std::int32_t>(x), row);
                if (entry.cells)
                    checkFootprint(code, entry, static_cast<std::int32_t>(x), row);
            });
        }
        if (m_firstDoor < m_tables.doors.size())
            forCellsAtLeast<2>(doors, w, m_firstDoor, [&](std::size_t x) {
                const std::uint32_t code = twoBytes(doors + 2 * x);
                m_tallies.doors.addIf(code, m_tables.doors[code] != 0, static_cast<std::int32_t>(x),
                                      row);
            });
    }

private:
    struct ObjectEntry {
        std::uint32_t firstCell = 0; // its footprint: m_footprintCells[firstCell, + cells)
        std::uint32_t cells = 0;     // none unless the footprint is checked
        std::uint8_t flags = 0;
    };
    struct FootprintCell {
        std::uint32_t dy;
        std::int32_t dx;
    };
    struct FootprintRow {
        const unsigned char* blocks; // m_unreachedRow when the row is not kept
        std::int32_t row;
    };

    // Asks for the Blocks of a row the footprints of the next row reach
    // first, so that they come from memory while this row is checked.
    void prefetchBlocks(const GridRows& rows, std::int64_t y) {
        if (y >= m_height)
            y -= m_height;
        const unsigned char* blocks = rows.blocksOf(y);
        if (!blocks)
            return;
        for (std::int32_t x = 0; x < m_width; x += 64)
            __builtin_prefetch(blocks + x);
    }

    // The Blocks rows the footprints of row y's objects reach, row y + dy
    // (wrapped into the world) at dy. A row no longer kept reads as blocked.
    void findFootprintRows(const GridRows& rows, std::int64_t y) {
        for (std::size_t dy = 0; dy < m_footprintRows.size(); ++dy) {
            std::int64_t row = y + static_cast<std::int64_t>(dy);
            if (row >= m_height)
                row -= m_height;
            const unsigned char* blocks = rows.blocksOf(row);
            m_footprintRows[dy] = {blocks ? blocks : m_unreachedRow.data(),
                                   static_cast<std::int32_t>(row)};
        }
    }

    void checkFootprint(std::uint32_t code, ObjectEntry entry, std::int32_t x, std::int32_t y) {
        const FootprintCell* cell = m_footprintCells.data() + entry.firstCell;
        for (const FootprintCell* cellsEnd = cell + entry.cells; cell != cellsEnd; ++cell) {
            const FootprintRow& footprintRow = m_footprintRows[cell->dy];
            std::int32_t column = x + cell->dx;
            if (column >= m_width)
                column -= m_width;
            if (footprintRow.blocks[column] == 0) {
                if (m_tallies.openFootprints.count(code) == 0)
                    m_tallies.firstOpenCell[code] = Cell{column, footprintRow.row};
                m_tallies.openFootprints.add(code, x, y);
                return;
            }
        }
    }

    std::int32_t m_width;
    std::int32_t m_height;
    const ScanTables& m_tables;
    ScanTallies& m_tallies;
    std::uint32_t m_firstGround;
    std::uint32_t m_firstObject;
    std::uint32_t m_firstDoor;
    std::vector<FootprintRow> m_footprintRows;
    std::vector<ObjectEntry> m_objects;
    std::vector<FootprintCell> m_footprintCells;
    std::vector<unsigned char> m_unreachedRow; // all blocked
    bool m_anyFootprint = false;
};

// Where the grid's rows are in the file, and which the scan looks at.
struct GridLayout {
    std::size_t record = 0;     // bytes of a row
    std::int64_t rows = 0;      // rows looked at: the grid's, as far as the file holds them
    std::int64_t wholeRows = 0; // rows the file holds whole
    std::int64_t windowRows = 0;
    std::int32_t depth = 0; // rows below a row its footprints reach
};

// Rows [first, end) of the grid read into memory; rows [first, checkEnd) are
// checked with it, the rest are there for the footprints of those rows.
struct Window {
    std::int64_t first = 0;
    std::int64_t end = 0;
    std::int64_t checkEnd = 0;
    std::unique_ptr<unsigned char[]> buffer;
    std::size_t bufferBytes = 0;
    bool fileEnded = false; // the file ended before these rows did: nothing follows
    std::error_code error;  // why it ended, when a read failed
};

// Reads the windows, one after another, on the thread that asks.
class WindowSource {
public:
    WindowSource(fsys::File& file, const GridLayout& layout) : m_file(file), m_layout(layout) {}

    // The window of the rows from `first` on, read into the buffer of
    // `reuse` (a window done with) when it is large enough.
    Window read(std::int64_t first, Window reuse) const {
        Window window;
        window.first = first;
        window.checkEnd = std::min(first + m_layout.windowRows, m_layout.rows);
        window.end =
            std::max(std::min(window.checkEnd + m_layout.depth, m_layout.wholeRows), first);
        const std::size_t bytes = static_cast<std::size_t>(window.end - first) * m_layout.record;
        if (reuse.buffer && reuse.bufferBytes >= bytes) {
            window.buffer = std::move(reuse.buffer);
            window.bufferBytes = reuse.bufferBytes;
        } else {
            window.buffer =
                std::make_unique_for_overwrite<unsigned char[]>(std::max<std::size_t>(bytes, 1));
            window.bufferBytes = bytes;
        }
        std::size_t got = 0;
        const std::uint64_t offset = static_cast<std::uint64_t>(first) * m_layout.record;
        if (!m_file.readAt(offset, window.buffer.get(), bytes, got, window.error) || got < bytes) {
            // The file is shorter than when the scan began: it ends here.
            window.end = first + static_cast<std::int64_t>(got / m_layout.record);
            window.checkEnd = std::min(window.checkEnd, window.end);
            window.fileEnded = true;
        }
        return window;
    }

private:
    fsys::File& m_file;
    const GridLayout& m_layout;
};

// Reads the next window on a thread of its own while the rows of the one
// before it are checked; a window done with is handed back for its buffer.
class WindowAhead {
public:
    WindowAhead(const WindowSource& source, std::int64_t rows, std::int64_t windowRows)
        : m_source(source), m_rows(rows), m_windowRows(windowRows), m_thread([this] { run(); }) {}
    ~WindowAhead() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    Window next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_ready.has_value(); });
        Window window = std::move(*m_ready);
        m_ready.reset();
        m_changed.notify_all();
        return window;
    }
    void done(Window window) {
        {
            const std::lock_guard lock(m_mutex);
            m_done = std::move(window);
        }
        m_changed.notify_all();
    }

private:
    void run() {
        for (std::int64_t first = 0; first < m_rows; first += m_windowRows) {
            Window reuse;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || !m_ready.has_value(); });
                if (m_stop)
                    return;
                reuse = std::move(m_done);
                m_done = Window{};
            }
            Window window = m_source.read(first, std::move(reuse));
            const bool ended = window.fileEnded;
            {
                const std::lock_guard lock(m_mutex);
                m_ready = std::move(window);
            }
            m_changed.notify_all();
            if (ended)
                return;
        }
    }

    const WindowSource& m_source;
    const std::int64_t m_rows;
    const std::int64_t m_windowRows;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Window> m_ready;
    Window m_done;
    bool m_stop = false;
    std::thread m_thread; // last: it starts once the rest is ready
};

} // namespace

std::int32_t deepestCheckableFootprint(std::int32_t width) {
    const std::size_t record = recordBytes(std::max(width, 1));
    return static_cast<std::int32_t>(std::min<std::size_t>(kFootprintRowBytes / record, 1 << 20));
}

ScanOutcome scanGrid(fsys::File& file, std::int32_t width, std::int32_t height,
                     const ScanTables& tables, ScanTallies& tallies,
                     const std::function<bool(std::uint64_t)>& progress) {
    GridLayout layout;
    layout.record = recordBytes(width);
    if (layout.record == 0)
        return {};
    // The rows the file holds, a last one in part: rows past its end are
    // empty cells and not looked at. A file that does not hold one whole row
    // is not scanned at all (its configuration may claim a row of gigabytes),
    // so memory follows the file, not the claim.
    std::error_code sizeError;
    const std::uint64_t fileBytes = file.size(sizeError);
    if (sizeError || fileBytes < layout.record)
        return {};
    layout.rows = std::min<std::int64_t>(
        std::int64_t{height} + 1,
        static_cast<std::int64_t>((fileBytes + layout.record - 1) / layout.record));
    layout.wholeRows = std::min(layout.rows, static_cast<std::int64_t>(fileBytes / layout.record));
    // Footprints wrap only when the world has rows to wrap over.
    layout.depth = height > 0 ? std::min(tables.footprintDepth, height) : 0;
    layout.windowRows =
        static_cast<std::int64_t>(std::max<std::size_t>(1, kBlockBytes / layout.record));

    // A last row held in part, its missing bytes empty.
    std::vector<unsigned char> tail;
    const std::int64_t tailRow = layout.wholeRows < layout.rows ? layout.wholeRows : -1;
    if (tailRow >= 0) {
        tail.assign(layout.record, 0);
        std::size_t got = 0;
        std::error_code ec;
        file.readAt(static_cast<std::uint64_t>(tailRow) * layout.record, tail.data(), layout.record,
                    got, ec);
    }
    // The Blocks of the first rows, for footprints that reach past the last
    // row (the last row's own cells included: row H wraps to row 0).
    const bool footprints = std::any_of(tables.objects.begin(), tables.objects.end(),
                                        [](std::uint8_t f) { return f & kObjectFootprint; });
    const std::int64_t headRows =
        footprints ? std::min<std::int64_t>(std::int64_t{layout.depth} + 1, layout.rows) : 0;
    std::vector<unsigned char> head(static_cast<std::size_t>(headRows) *
                                    static_cast<std::size_t>(width));
    GridRows gridRows(width, head.data(), tail.data(), tailRow);
    RowChecker checker(width, std::max(height, 1), tables, tallies);

    const WindowSource source(file, layout);
    // A grid of one window has nothing to read while it is checked.
    std::optional<WindowAhead> ahead;
    if (layout.rows > layout.windowRows)
        ahead.emplace(source, layout.rows, layout.windowRows);
    ScanOutcome outcome;
    for (std::int64_t first = 0; first < layout.rows;) {
        Window window = ahead ? ahead->next() : source.read(first, Window{});
        gridRows.setWindow(window.buffer.get(), window.first, window.end);
        if (window.first == 0) {
            for (std::int64_t y = 0; y < headRows; ++y)
                std::memcpy(head.data() + static_cast<std::size_t>(y) * width, gridRows.blocksOf(y),
                            static_cast<std::size_t>(width));
            gridRows.keepHead(headRows);
        }
        for (std::int64_t y = window.first; y < window.checkEnd; ++y)
            checker.checkRow(gridRows, y);
        outcome.bytesRead = std::min<std::uint64_t>(
            fileBytes, static_cast<std::uint64_t>(window.checkEnd) * layout.record);
        outcome.error = window.error;
        first = window.checkEnd;
        const bool ended = window.fileEnded;
        if (ahead)
            ahead->done(std::move(window));
        if (ended)
            break;
        if (progress && !progress(outcome.bytesRead)) {
            outcome.cancelled = true;
            break;
        }
    }
    return outcome;
}

} // namespace checker::detail
