#include "checker/grid_scan.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
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

// Calls visitChunk(x0, mask) for each whole chunk of 64 cells from x0 of a
// row of `width` cells of `cellBytes` bytes, bit i of the mask set when cell
// x0 + i is `least` or more, and visit(x) for each such cell past the last
// whole chunk, in order. Chunks with no such cell are passed over.
template <std::size_t cellBytes, typename VisitChunk, typename Visit>
void forChunksAtLeast(const unsigned char* data, std::size_t width, std::uint32_t least,
                      VisitChunk&& visitChunk, Visit&& visit) {
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
        if (mask != 0)
            visitChunk(x0, mask);
    }
    for (; x0 < width; ++x0) {
        std::uint32_t value = data[cellBytes * x0];
        if constexpr (cellBytes == 2)
            value = (value << 8) | data[2 * x0 + 1];
        if (value >= least)
            visit(x0);
    }
}

// Calls visit(x) for each cell of a chunk from x0 whose bit is set in `mask`, in order.
template <typename Visit>
[[gnu::always_inline]] inline void forEachBit(std::size_t x0, std::uint64_t mask, Visit&& visit) {
    for (; mask != 0; mask &= mask - 1)
        visit(x0 + static_cast<std::size_t>(std::countr_zero(mask)));
}

// Calls visit(x) for each cell x of a row of `width` cells of `cellBytes`
// bytes whose value is `least` or more, in order.
template <std::size_t cellBytes, typename Visit>
void forCellsAtLeast(const unsigned char* data, std::size_t width, std::uint32_t least,
                     Visit&& visit) {
    forChunksAtLeast<cellBytes>(
        data, width, least,
        [&](std::size_t x0, std::uint64_t mask) { forEachBit(x0, mask, visit); }, visit);
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
    // Whether rows [y, end) all lie in the window, one record after another.
    bool inWindow(std::int64_t y, std::int64_t end) const { return y >= m_first && end <= m_end; }
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
          m_objects(tables.objects.size()), m_lean(tables.objects.size()),
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
            m_lean[code] = leanEntry(entry);
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
            const auto checkObject = [&](std::size_t x) {
                const std::uint32_t code = twoBytes(objects + 2 * x);
                const ObjectEntry entry = m_objects[code];
                if (entry.flags & kObjectUnknown)
                    m_tallies.unknownObjects.add(code, static_cast<std::int32_t>(x), row);
                if (entry.cells)
                    checkFootprint(code, entry, static_cast<std::int32_t>(x), row);
            };
            // Where the rows the footprints reach follow this one in the
            // window, a known object with a one-cell footprint that is
            // blocked needs one test; every other object is checked in full.
            const bool leanRow = m_leanAny && y + m_tables.footprintDepth < m_height &&
                                 rows.inWindow(y, y + m_tables.footprintDepth + 1);
            const unsigned char* blocks = record + 6 * w;
            forChunksAtLeast<2>(
                objects, w, m_firstObject,
                [&](std::size_t x0, std::uint64_t mask) {
                    if (!leanRow || x0 + kScanChunk + m_leanReach > w)
                        return forEachBit(x0, mask, checkObject);
                    forEachBit(x0, mask, [&](std::size_t x) {
                        const LeanEntry lean = m_lean[twoBytes(objects + 2 * x)];
                        if (lean.full || blocks[x + lean.offset] == 0) [[unlikely]]
                            checkObject(x);
                    });
                },
                checkObject);
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
    // The short way of checking an object of a value: when `full` is 0, the
    // value is known and its footprint is the one cell at `offset` bytes past
    // the object's own Blocks cell, in a window's rows.
    struct LeanEntry {
        std::uint32_t offset = 0;
        std::uint32_t full = 1;
    };
    struct FootprintCell {
        std::uint32_t dy;
        std::int32_t dx;
    };
    struct FootprintRow {
        const unsigned char* blocks; // m_unreachedRow when the row is not kept
        std::int32_t row;
    };

    LeanEntry leanEntry(const ObjectEntry& entry) {
        if ((entry.flags & kObjectUnknown) || entry.cells != 1)
            return {};
        const FootprintCell& cell = m_footprintCells[entry.firstCell];
        m_leanAny = true;
        m_leanReach = std::max(m_leanReach, static_cast<std::size_t>(cell.dx));
        return {static_cast<std::uint32_t>(cell.dy * recordBytes(m_width) +
                                           static_cast<std::size_t>(cell.dx)),
                0};
    }

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
    std::vector<LeanEntry> m_lean;
    bool m_leanAny = false;
    std::size_t m_leanReach = 0;               // the largest column offset of the lean footprints
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

// The order in which the two lanes of a scan take their windows: lane 0 the
// even ones on the calling thread, lane 1 the odd ones on a thread of its
// own. Lane 1 reads window k only once lane 0 has checked window k - 3 and
// reported its progress: a file cut short from the progress callback is seen
// short by every window from three on, and lane 1 never runs far ahead.
class LanePace {
public:
    // Waits until window k may be read; false when the scan stops first.
    bool mayRead(std::int64_t k) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stop || m_released || k <= m_reported + 3; });
        return !m_stop;
    }
    // Lane 0 has checked and reported windows up to k.
    void reported(std::int64_t k) {
        {
            const std::lock_guard lock(m_mutex);
            m_reported = k;
        }
        m_changed.notify_all();
    }
    // Lane 0 is done; lane 1 goes on alone unless the scan stops.
    void release(bool stop) {
        {
            const std::lock_guard lock(m_mutex);
            m_released = true;
            m_stop = m_stop || stop;
        }
        m_changed.notify_all();
    }
    void stop() { release(true); }
    bool stopped() {
        const std::lock_guard lock(m_mutex);
        return m_stop;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::int64_t m_reported = -1;
    bool m_released = false;
    bool m_stop = false;
};

// Where a scan's lanes found the file's end, when it came early.
struct ScanEnd {
    std::mutex mutex;
    std::int64_t row = std::numeric_limits<std::int64_t>::max();
    std::error_code error;

    void endedAt(std::int64_t at, const std::error_code& why) {
        const std::lock_guard lock(mutex);
        if (at < row) {
            row = at;
            error = why;
        }
    }
    bool before(std::int64_t first) {
        const std::lock_guard lock(mutex);
        return row <= first;
    }
};

// The earlier of two cells in the order the scan meets them.
bool metBefore(const Cell& a, const Cell& b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
}

// Adds the tallies of one lane to those of the other: first cells are kept
// in the order the rows come in the grid.
void mergeTallies(ScanTallies& into, const ScanTallies& from) {
    for (std::uint32_t code = 0; code < from.openFootprints.codes(); ++code) {
        if (from.openFootprints.count(code) == 0)
            continue;
        if (into.openFootprints.count(code) == 0 ||
            metBefore(from.openFootprints.firstCells(code).front(),
                      into.openFootprints.firstCells(code).front()))
            into.firstOpenCell[code] = from.firstOpenCell.at(code);
    }
    into.ground.merge(from.ground);
    into.unknownObjects.merge(from.unknownObjects);
    into.doors.merge(from.doors);
    into.openFootprints.merge(from.openFootprints);
}

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
    if (headRows > 0) {
        std::vector<unsigned char> records(static_cast<std::size_t>(headRows) * layout.record);
        std::size_t got = 0;
        std::error_code ec;
        file.readAt(0, records.data(), records.size(), got, ec);
        for (std::int64_t y = 0; y < headRows; ++y) {
            const unsigned char* record =
                y == tailRow ? tail.data()
                : static_cast<std::size_t>(y + 1) * layout.record <= got
                    ? records.data() + static_cast<std::size_t>(y) * layout.record
                    : nullptr;
            if (record)
                std::memcpy(head.data() + static_cast<std::size_t>(y) * width, record + 6 * width,
                            static_cast<std::size_t>(width));
        }
    }

    // Two lanes check every other window each, reading it themselves, each
    // into tallies of its own; a grid of one window has one lane.
    const WindowSource source(file, layout);
    const int lanes = layout.rows > layout.windowRows ? 2 : 1;
    LanePace pace;
    ScanEnd end;
    std::uint64_t reportedBytes = 0;
    bool cancelled = false;
    const auto runLane = [&](int lane, ScanTallies& laneTallies) {
        RowChecker checker(width, std::max(height, 1), tables, laneTallies);
        GridRows gridRows(width, head.data(), tail.data(), tailRow);
        gridRows.keepHead(headRows);
        Window reuse;
        for (std::int64_t k = lane; k * layout.windowRows < layout.rows; k += lanes) {
            const std::int64_t first = k * layout.windowRows;
            if ((lane > 0 && !pace.mayRead(k)) || (lane == 0 && pace.stopped()) ||
                end.before(first))
                return;
            Window window = source.read(first, std::move(reuse));
            gridRows.setWindow(window.buffer.get(), window.first, window.end);
            for (std::int64_t y = window.first; y < window.checkEnd; ++y)
                checker.checkRow(gridRows, y);
            if (window.fileEnded) {
                end.endedAt(window.checkEnd, window.error);
                return;
            }
            if (lane == 0) {
                reportedBytes = std::min<std::uint64_t>(
                    fileBytes, static_cast<std::uint64_t>(window.checkEnd) * layout.record);
                if (progress && !progress(reportedBytes)) {
                    cancelled = true;
                    pace.stop();
                    return;
                }
                pace.reported(k);
            }
            reuse = std::move(window);
        }
    };
    if (lanes == 1) {
        runLane(0, tallies);
    } else {
        const auto laneTallies = std::make_unique<ScanTallies>();
        std::thread second([&] { runLane(1, *laneTallies); });
        runLane(0, tallies);
        pace.release(false);
        second.join();
        mergeTallies(tallies, *laneTallies);
    }

    ScanOutcome outcome;
    outcome.cancelled = cancelled;
    outcome.error = end.error;
    const std::int64_t rowsRead = std::min(end.row, layout.rows);
    outcome.bytesRead =
        std::min<std::uint64_t>(fileBytes, static_cast<std::uint64_t>(rowsRead) * layout.record);
    // The last window may have been the other lane's.
    if (!cancelled && progress && outcome.bytesRead > reportedBytes)
        progress(outcome.bytesRead);
    return outcome;
}

} // namespace checker::detail
