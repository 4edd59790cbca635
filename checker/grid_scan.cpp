#include "checker/grid_scan.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace checker::detail {
namespace {

// Memory the rows kept for footprints may take.
constexpr std::size_t kFootprintRowBytes = std::size_t{40} << 20;

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

// The rows read so far, kept in a ring: row y in slot y % capacity. The
// first rows' Blocks stay apart for footprints that wrap past the last row.
class RowRing {
public:
    // Room for `ringRows` rows, and the Blocks of the first `headRows` rows.
    RowRing(std::int32_t width, std::int64_t ringRows, std::int64_t headRows)
        : m_width(static_cast<std::size_t>(width)), m_record(recordBytes(width)),
          m_capacity(static_cast<std::size_t>(ringRows)),
          m_rows(std::make_unique_for_overwrite<unsigned char[]>(m_capacity * m_record)),
          m_head(static_cast<std::size_t>(headRows) * m_width), m_headRows(headRows) {}

    std::size_t capacity() const { return m_capacity; }
    unsigned char* slot(std::int64_t y) {
        return m_rows.get() +
               static_cast<std::size_t>(y % static_cast<std::int64_t>(m_capacity)) * m_record;
    }
    const unsigned char* row(std::int64_t y) const {
        return m_rows.get() +
               static_cast<std::size_t>(y % static_cast<std::int64_t>(m_capacity)) * m_record;
    }
    // Keeps the Blocks of the first rows once they are read.
    void keepHead(std::int64_t first, std::int64_t end) {
        for (std::int64_t y = first; y < end && y < m_headRows; ++y)
            std::memcpy(m_head.data() + static_cast<std::size_t>(y) * m_width, blocks(row(y)),
                        m_width);
    }
    const unsigned char* blocks(const unsigned char* record) const { return record + 6 * m_width; }
    // The Blocks row y when it is still kept: in the ring (rows low..end) or
    // among the first rows; null otherwise.
    const unsigned char* blocksOf(std::int64_t y, std::int64_t low, std::int64_t end) const {
        if (y >= low && y < end)
            return blocks(row(y));
        if (y < m_headRows && y < end)
            return m_head.data() + static_cast<std::size_t>(y) * m_width;
        return nullptr;
    }

private:
    std::size_t m_width;
    std::size_t m_record;
    std::size_t m_capacity;
    std::unique_ptr<unsigned char[]> m_rows;
    std::vector<unsigned char> m_head;
    std::int64_t m_headRows;
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

    void checkRow(const RowRing& ring, std::int64_t y, std::int64_t low, std::int64_t end) {
        const unsigned char* record = ring.row(y);
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
                findFootprintRows(ring, y, low, end);
                prefetchBlocks(ring, y + m_tables.footprintDepth + 1, low, end);
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
    void prefetchBlocks(const RowRing& ring, std::int64_t y, std::int64_t low, std::int64_t end) {
        if (y >= m_height)
            y -= m_height;
        const unsigned char* blocks = ring.blocksOf(y, low, end);
        if (!blocks)
            return;
        for (std::int32_t x = 0; x < m_width; x += 64)
            __builtin_prefetch(blocks + x);
    }

    // The Blocks rows the footprints of row y's objects reach, row y + dy
    // (wrapped into the world) at dy. A row no longer kept reads as blocked.
    void findFootprintRows(const RowRing& ring, std::int64_t y, std::int64_t low,
                           std::int64_t end) {
        for (std::size_t dy = 0; dy < m_footprintRows.size(); ++dy) {
            std::int64_t row = y + static_cast<std::int64_t>(dy);
            if (row >= m_height)
                row -= m_height;
            const unsigned char* blocks = ring.blocksOf(row, low, end);
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

// Reads the grid's row blocks into the ring one after another.
class BlockSource {
public:
    struct Block {
        std::int64_t end = 0;        // rows read with this block and before
        std::uint64_t bytesRead = 0; // bytes read with this block and before
        bool last = false;           // no block follows
        std::error_code error;       // why the file could not be read further
    };

    BlockSource(fsys::File& file, RowRing& ring, std::int64_t rows, std::int64_t blockRows,
                std::size_t record)
        : m_file(file), m_ring(ring), m_rows(rows), m_blockRows(blockRows), m_record(record) {}

    // The rows the next block holds: never past the ring's end.
    std::int64_t nextCount() const {
        const auto capacity = static_cast<std::int64_t>(m_ring.capacity());
        const std::int64_t slotEnd = m_end + capacity - m_end % capacity;
        return std::min({m_rows - m_end, m_blockRows, slotEnd - m_end});
    }
    std::int64_t end() const { return m_end; }

    Block read() {
        const std::int64_t count = nextCount();
        Block block;
        std::size_t got = 0;
        const bool read = m_file.read(m_ring.slot(m_end),
                                      static_cast<std::size_t>(count) * m_record, got, block.error);
        if (read) {
            m_bytes += got;
            auto full = static_cast<std::int64_t>(got / m_record);
            if (got < static_cast<std::size_t>(count) * m_record) {
                block.last = true;
                if (got % m_record) { // a partial last record: its missing bytes read as empty
                    std::memset(m_ring.slot(m_end) + got, 0, m_record - got % m_record);
                    ++full;
                }
            }
            m_ring.keepHead(m_end, m_end + full);
            m_end += full;
        }
        block.last = block.last || !read || m_end >= m_rows;
        block.end = m_end;
        block.bytesRead = m_bytes;
        return block;
    }

private:
    fsys::File& m_file;
    RowRing& m_ring;
    const std::int64_t m_rows;
    const std::int64_t m_blockRows;
    const std::size_t m_record;
    std::int64_t m_end = 0;
    std::uint64_t m_bytes = 0;
};

// Reads each block when it is asked for.
class SameThreadReader {
public:
    using Block = BlockSource::Block;
    explicit SameThreadReader(const BlockSource& source) : m_source(source) {}
    Block next() { return m_source.read(); }
    void release(std::int64_t) {}
    void stop() {}

private:
    BlockSource m_source;
};

// Reads the blocks on a thread of its own, so that the next block is read
// while the rows before it are checked. A block is read only into slots
// whose rows the checking is done with.
class ThreadReader {
public:
    using Block = BlockSource::Block;
    explicit ThreadReader(const BlockSource& source, std::int64_t capacity)
        : m_source(source), m_capacity(capacity), m_thread([this] { run(); }) {}
    ~ThreadReader() { stop(); }

    // Waits for the next block.
    Block next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_blocks.empty(); });
        const Block block = m_blocks.front();
        m_blocks.pop_front();
        return block;
    }
    // The rows below `row` are no longer looked at.
    void release(std::int64_t row) {
        {
            const std::lock_guard lock(m_mutex);
            m_released = row;
        }
        m_changed.notify_all();
    }
    void stop() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void run() {
        for (bool last = false; !last;) {
            const std::int64_t reach = m_source.end() + m_source.nextCount();
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || reach - m_capacity <= m_released; });
                if (m_stop)
                    return;
            }
            const Block block = m_source.read();
            last = block.last;
            {
                const std::lock_guard lock(m_mutex);
                m_blocks.push_back(block);
            }
            m_changed.notify_all();
        }
    }

    BlockSource m_source;
    const std::int64_t m_capacity;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Block> m_blocks;
    std::int64_t m_released = 0;
    bool m_stop = false;
    std::thread m_thread; // last: it starts once the rest is ready
};

template <typename Reader>
ScanOutcome checkBlocks(Reader& reader, RowChecker& checker, const RowRing& ring,
                        std::int32_t depth, const std::function<bool(std::uint64_t)>& progress) {
    ScanOutcome outcome;
    std::int64_t checked = 0; // rows checked
    for (bool last = false; !last;) {
        const typename Reader::Block block = reader.next();
        last = block.last;
        outcome.bytesRead = block.bytesRead;
        outcome.error = block.error;
        // Rows below `checked` may be refilled by the reader meanwhile.
        const std::int64_t low = checked;
        const std::int64_t upTo = last ? block.end : block.end - depth;
        for (; checked < upTo; ++checked)
            checker.checkRow(ring, checked, low, block.end);
        reader.release(checked);
        if (progress && !progress(outcome.bytesRead)) {
            reader.stop();
            outcome.cancelled = true;
            return outcome;
        }
    }
    return outcome;
}

} // namespace

std::int32_t deepestCheckableFootprint(std::int32_t width) {
    const std::size_t record = recordBytes(std::max(width, 1));
    return static_cast<std::int32_t>(std::min<std::size_t>(kFootprintRowBytes / record, 1 << 20));
}

ScanOutcome scanGrid(fsys::File& file, std::int32_t width, std::int32_t height,
                     const ScanTables& tables, ScanTallies& tallies,
                     const std::function<bool(std::uint64_t)>& progress) {
    const std::size_t record = recordBytes(width);
    if (record == 0)
        return {};
    // The rows the file holds, a last one in part: rows past its end are
    // empty cells and not looked at. A file that does not hold one whole row
    // is not scanned at all (its configuration may claim a row of gigabytes),
    // so memory follows the file, not the claim.
    std::error_code sizeError;
    const std::uint64_t fileBytes = file.size(sizeError);
    if (sizeError || fileBytes < record)
        return {};
    const std::int64_t rows = std::min<std::int64_t>(
        std::int64_t{height} + 1, static_cast<std::int64_t>((fileBytes + record - 1) / record));
    // Footprints wrap only when the world has rows to wrap over.
    const std::int32_t depth = height > 0 ? std::min(tables.footprintDepth, height) : 0;
    const auto blockRows =
        static_cast<std::int64_t>(std::max<std::size_t>(1, kBlockBytes / record));
    // A row is checked once the rows its footprints reach are read: the ring
    // holds the rows read but not checked, the block being checked and the
    // block being read (or the whole grid when it is smaller). A footprint
    // reaching past the last row wraps to the first rows (the last row's own
    // cells included: row H wraps to row 0).
    const bool footprints = std::any_of(tables.objects.begin(), tables.objects.end(),
                                        [](std::uint8_t f) { return f & kObjectFootprint; });
    RowRing ring(width, std::min(2 * blockRows + depth, rows),
                 footprints ? std::min<std::int64_t>(std::int64_t{depth} + 1, rows) : 0);
    RowChecker checker(width, std::max(height, 1), tables, tallies);
    const BlockSource source(file, ring, rows, blockRows, record);
    // A grid of one block has nothing to read while it is checked.
    if (rows <= blockRows) {
        SameThreadReader reader(source);
        return checkBlocks(reader, checker, ring, depth, progress);
    }
    ThreadReader reader(source, static_cast<std::int64_t>(ring.capacity()));
    return checkBlocks(reader, checker, ring, depth, progress);
}

} // namespace checker::detail
