#include "checker/grid_scan.h"

#include <algorithm>
#include <cstring>

namespace checker::detail {
namespace {

// Memory the rows kept for footprints may take.
constexpr std::size_t kFootprintRowBytes = std::size_t{40} << 20;

std::size_t recordBytes(std::int32_t width) {
    return static_cast<std::size_t>(width) * 8;
}

// The rows read so far, kept in a ring: row y in slot y % capacity. The
// first rows' Blocks stay apart for footprints that wrap past the last row.
class RowRing {
public:
    // Room for `ringRows` rows, and the Blocks of the first `headRows` rows.
    RowRing(std::int32_t width, std::int64_t ringRows, std::int64_t headRows)
        : m_width(static_cast<std::size_t>(width)), m_record(recordBytes(width)),
          m_capacity(static_cast<std::size_t>(ringRows)), m_rows(m_capacity * m_record),
          m_head(static_cast<std::size_t>(headRows) * m_width), m_headRows(headRows) {}

    std::size_t capacity() const { return m_capacity; }
    unsigned char* slot(std::int64_t y) {
        return m_rows.data() +
               static_cast<std::size_t>(y % static_cast<std::int64_t>(m_capacity)) * m_record;
    }
    const unsigned char* row(std::int64_t y) const {
        return m_rows.data() +
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
    std::vector<unsigned char> m_rows;
    std::vector<unsigned char> m_head;
    std::int64_t m_headRows;
};

class RowChecker {
public:
    RowChecker(std::int32_t width, std::int32_t height, const ScanTables& tables,
               ScanTallies& tallies)
        : m_width(width), m_height(height), m_tables(tables), m_tallies(tallies) {}

    void checkRow(const RowRing& ring, std::int64_t y, std::int64_t low, std::int64_t end) {
        const unsigned char* record = ring.row(y);
        const auto w = static_cast<std::size_t>(m_width);
        const auto row = static_cast<std::int32_t>(y);
        const unsigned char* earths = record;
        const unsigned char* objects = record + w;
        const unsigned char* doors = record + 4 * w;
        if (m_checkGround && anyAtLeast(earths, w, m_firstGround)) {
            for (std::size_t x = 0; x < w; ++x)
                m_tallies.ground.addIf(earths[x], m_tables.ground[earths[x]],
                                       static_cast<std::int32_t>(x), row);
        }
        if (m_checkObjects && !allZero(objects, 2 * w)) {
            for (std::size_t x = 0; x < w; ++x) {
                const std::uint32_t code =
                    (std::uint32_t{objects[2 * x]} << 8) | objects[2 * x + 1];
                const std::uint8_t flags = m_tables.objects[code];
                m_tallies.unknownObjects.addIf(code, flags & kObjectUnknown,
                                               static_cast<std::int32_t>(x), row);
                if (flags & kObjectFootprint)
                    checkFootprint(ring, code, static_cast<std::int32_t>(x), row, low, end);
            }
        }
        if (m_checkDoors && !allZero(doors, 2 * w)) {
            for (std::size_t x = 0; x < w; ++x) {
                const std::uint32_t code = (std::uint32_t{doors[2 * x]} << 8) | doors[2 * x + 1];
                m_tallies.doors.addIf(code, m_tables.doors[code] != 0, static_cast<std::int32_t>(x),
                                      row);
            }
        }
    }

private:
    // Whether some byte is `least` or more: a loop the compiler turns into
    // vector instructions, to pass over rows without a flagged ground code.
    static bool anyAtLeast(const unsigned char* data, std::size_t size, unsigned char least) {
        unsigned char found = 0;
        for (std::size_t i = 0; i < size; ++i)
            found |= static_cast<unsigned char>(data[i] >= least);
        return found != 0;
    }

    static bool allZero(const unsigned char* data, std::size_t size) {
        unsigned char any = 0;
        for (std::size_t i = 0; i < size; ++i)
            any |= data[i];
        return any == 0;
    }

    void checkFootprint(const RowRing& ring, std::uint32_t code, std::int32_t x, std::int32_t y,
                        std::int64_t low, std::int64_t end) {
        for (const auto& [dy, dx] : m_tables.footprints[code]) {
            std::int64_t row = std::int64_t{y} + dy;
            if (row >= m_height)
                row -= m_height;
            std::int64_t column = std::int64_t{x} + dx;
            if (column >= m_width)
                column -= m_width;
            const unsigned char* blocks = ring.blocksOf(row, low, end);
            if (blocks && blocks[column] == 0) {
                if (m_tallies.openFootprints.count(code) == 0)
                    m_tallies.firstOpenCell[code] =
                        Cell{static_cast<std::int32_t>(column), static_cast<std::int32_t>(row)};
                m_tallies.openFootprints.add(code, x, y);
                return;
            }
        }
    }

    std::int32_t m_width;
    std::int32_t m_height;
    const ScanTables& m_tables;
    ScanTallies& m_tallies;
    bool m_checkGround = std::any_of(m_tables.ground.begin(), m_tables.ground.end(),
                                     [](std::uint8_t f) { return f != 0; });
    unsigned char m_firstGround =
        static_cast<unsigned char>(std::find_if(m_tables.ground.begin(), m_tables.ground.end(),
                                                [](std::uint8_t f) { return f != 0; }) -
                                   m_tables.ground.begin());
    bool m_checkObjects = std::any_of(m_tables.objects.begin(), m_tables.objects.end(),
                                      [](std::uint8_t f) { return f != 0; });
    bool m_checkDoors = std::any_of(m_tables.doors.begin(), m_tables.doors.end(),
                                    [](std::uint8_t f) { return f != 0; });
};

} // namespace

std::int32_t deepestCheckableFootprint(std::int32_t width) {
    const std::size_t record = recordBytes(std::max(width, 1));
    return static_cast<std::int32_t>(std::min<std::size_t>(kFootprintRowBytes / record, 1 << 20));
}

ScanOutcome scanGrid(fsys::File& file, std::int32_t width, std::int32_t height,
                     const ScanTables& tables, ScanTallies& tallies,
                     const std::function<bool(std::uint64_t)>& progress) {
    ScanOutcome outcome;
    const std::size_t record = recordBytes(width);
    if (record == 0)
        return outcome;
    const std::int64_t rows = std::int64_t{height} + 1;
    // Footprints wrap only when the world has rows to wrap over.
    const std::int32_t depth = height > 0 ? std::min(tables.footprintDepth, height) : 0;
    const auto blockRows =
        static_cast<std::int32_t>(std::max<std::size_t>(1, kBlockBytes / record));
    // A row is checked once the rows its footprints reach are read: the ring
    // holds the rows read but not checked, and one block more. A footprint
    // reaching past the last row wraps to the first rows (the last row's own
    // cells included: row H wraps to row 0).
    const bool footprints = std::any_of(tables.objects.begin(), tables.objects.end(),
                                        [](std::uint8_t f) { return f & kObjectFootprint; });
    RowRing ring(width, std::int64_t{blockRows} + depth,
                 footprints ? std::min<std::int64_t>(std::int64_t{depth} + 1, rows) : 0);
    RowChecker checker(width, std::max(height, 1), tables, tallies);

    std::int64_t end = 0;     // rows read
    std::int64_t checked = 0; // rows checked
    bool fileEnded = false;
    while (end < rows && !fileEnded) {
        // A block never runs past the ring's end, nor over rows not yet checked.
        const std::int64_t slotEnd = end + static_cast<std::int64_t>(ring.capacity()) -
                                     end % static_cast<std::int64_t>(ring.capacity());
        const std::int64_t count = std::min({rows - end, std::int64_t{blockRows}, slotEnd - end});
        std::size_t got = 0;
        if (!file.read(ring.slot(end), static_cast<std::size_t>(count) * record, got,
                       outcome.error))
            break;
        outcome.bytesRead += got;
        std::int64_t full = static_cast<std::int64_t>(got / record);
        if (got < static_cast<std::size_t>(count) * record) {
            fileEnded = true;
            if (got % record) { // a partial last record: its missing bytes read as empty
                std::memset(ring.slot(end) + got, 0, record - got % record);
                ++full;
            }
        }
        ring.keepHead(end, end + full);
        end += full;
        const std::int64_t low =
            std::max<std::int64_t>(0, end - static_cast<std::int64_t>(ring.capacity()));
        for (; checked + depth < end && checked < end; ++checked)
            checker.checkRow(ring, checked, low, end);
        if (progress && !progress(outcome.bytesRead)) {
            outcome.cancelled = true;
            return outcome;
        }
    }
    const std::int64_t low =
        std::max<std::int64_t>(0, end - static_cast<std::int64_t>(ring.capacity()));
    for (; checked < end; ++checked)
        checker.checkRow(ring, checked, low, end);
    return outcome;
}

} // namespace checker::detail
