#include "document/edit_record.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>

namespace document {
namespace {

// Unchanged cells inside a span shorter than this stay part of the run around
// them: splitting the run would cost more than their bytes.
constexpr std::int32_t kShortestGap = 16;

// The stored bytes of a raw value: two bytes big-endian, or the low byte.
void storeRaw(std::uint16_t value, int cellBytes, unsigned char* cell) {
    if (cellBytes == 2) {
        cell[0] = static_cast<unsigned char>(value >> 8);
        cell[1] = static_cast<unsigned char>(value);
    } else {
        cell[0] = static_cast<unsigned char>(value);
    }
}

} // namespace

void EditRecord::addCell(model::Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                         std::uint16_t after) {
    const auto flip = static_cast<std::uint16_t>(before ^ after);
    if (flip == 0)
        return;
    const int cell = model::bytesPerCell(layer);
    // A stroke mostly writes beside or onto the cell it wrote last: the last
    // run takes the cell when it can.
    if (!m_runs.empty()) {
        Run& last = m_runs.back();
        if (last.layer == static_cast<std::uint8_t>(layer) && last.y == y) {
            if (x >= last.x && x < last.x + last.length) {
                if (last.uniform)
                    giveBytes(last);
                unsigned char flips[2];
                storeRaw(flip, cell, flips);
                unsigned char* target =
                    m_bytes.data() + last.offset + static_cast<std::size_t>(x - last.x) * cell;
                for (int b = 0; b < cell; ++b)
                    target[b] ^= flips[b];
                return;
            }
            if (x == last.x + last.length) {
                if (last.uniform && last.pattern == flip) {
                    ++last.length;
                    return;
                }
                if (!last.uniform &&
                    last.offset + static_cast<std::size_t>(last.length) * cell == m_bytes.size()) {
                    const std::size_t at = m_bytes.size();
                    m_bytes.resize(at + static_cast<std::size_t>(cell));
                    storeRaw(flip, cell, m_bytes.data() + at);
                    ++last.length;
                    return;
                }
            }
        }
    }
    m_runs.push_back(Run{y, x, 1, static_cast<std::uint8_t>(layer), true, flip, 0});
}

void EditRecord::giveBytes(Run& run) {
    // Only the last run is ever given bytes, so its bytes stay at the end of
    // m_bytes and it can grow there.
    const int cell = model::bytesPerCell(static_cast<model::Layer>(run.layer));
    run.offset = m_bytes.size();
    m_bytes.resize(run.offset + static_cast<std::size_t>(run.length) * cell);
    for (std::int32_t i = 0; i < run.length; ++i)
        storeRaw(run.pattern, cell,
                 m_bytes.data() + run.offset + static_cast<std::size_t>(i) * cell);
    run.uniform = false;
}

void EditRecord::addSpan(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                         const unsigned char* before, const unsigned char* after) {
    if (length <= 0)
        return;
    const int cell = model::bytesPerCell(layer);
    const std::size_t bytes = static_cast<std::size_t>(length) * cell;
    // The XORs go to the end of m_bytes first; the runs cut from them keep
    // theirs there, moved down over the parts that were left out.
    const std::size_t at = m_bytes.size();
    m_bytes.resize(at + bytes);
    unsigned char* flips = m_bytes.data() + at;
    for (std::size_t i = 0; i < bytes; ++i)
        flips[i] = before[i] ^ after[i];
    cutRuns(layer, y, x, length, at);
}

void EditRecord::cutRuns(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                         std::size_t at) {
    const int cell = model::bytesPerCell(layer);
    const auto changed = [&](std::int32_t i) {
        const unsigned char* c = m_bytes.data() + at + static_cast<std::size_t>(i) * cell;
        return cell == 2 ? (c[0] | c[1]) != 0 : c[0] != 0;
    };

    std::size_t writeAt = at;
    for (std::int32_t i = 0; i < length;) {
        while (i < length && !changed(i))
            ++i;
        if (i == length)
            break;
        std::int32_t end = i + 1; // past the segment's last changed cell
        for (std::int32_t j = end; j < length && j - end < kShortestGap; ++j) {
            if (changed(j))
                end = j + 1;
        }
        writeAt = addSegment(layer, y, x, at, i, end, writeAt);
        i = end;
    }
    m_bytes.resize(writeAt);
}

std::size_t EditRecord::addSegment(model::Layer layer, std::int32_t y, std::int32_t x,
                                   std::size_t at, std::int32_t from, std::int32_t to,
                                   std::size_t writeAt) {
    const int cell = model::bytesPerCell(layer);
    const std::size_t bytes = static_cast<std::size_t>(to - from) * cell;
    const unsigned char* flips = m_bytes.data() + at + static_cast<std::size_t>(from) * cell;
    // The cells all have one XOR when the bytes repeat with the cell's period.
    const bool uniform = std::memcmp(flips, flips + cell, bytes - cell) == 0;
    Run run;
    run.y = y;
    run.x = x + from;
    run.length = to - from;
    run.layer = static_cast<std::uint8_t>(layer);
    run.uniform = uniform;
    run.pattern = static_cast<std::uint16_t>(cell == 2 ? flips[0] << 8 | flips[1] : flips[0]);
    if (!uniform) {
        run.offset = writeAt;
        std::memmove(m_bytes.data() + writeAt, flips, bytes);
        writeAt += bytes;
    }
    m_runs.push_back(run);
    return writeAt;
}

void EditRecord::flipInto(const Run& run, std::int32_t x0, unsigned char* cells) const {
    const int cell = model::bytesPerCell(static_cast<model::Layer>(run.layer));
    const std::size_t bytes = static_cast<std::size_t>(run.length) * cell;
    unsigned char* target = cells + static_cast<std::size_t>(run.x - x0) * cell;
    if (run.uniform) {
        unsigned char flips[2];
        storeRaw(run.pattern, cell, flips);
        if (cell == 1) {
            for (std::size_t i = 0; i < bytes; ++i)
                target[i] ^= flips[0];
        } else {
            for (std::size_t i = 0; i < bytes; i += 2) {
                target[i] ^= flips[0];
                target[i + 1] ^= flips[1];
            }
        }
    } else {
        const unsigned char* flips = m_bytes.data() + run.offset;
        for (std::size_t i = 0; i < bytes; ++i)
            target[i] ^= flips[i];
    }
}

void EditRecord::apply(model::LocationGrid& grid) const {
    std::vector<unsigned char> values;
    for (auto run = m_runs.rbegin(); run != m_runs.rend(); ++run) {
        const auto layer = static_cast<model::Layer>(run->layer);
        const int cell = model::bytesPerCell(layer);
        const std::size_t bytes = static_cast<std::size_t>(run->length) * cell;
        if (run->y >= grid.rowCount(layer) ||
            static_cast<std::size_t>(run->x) * cell + bytes > grid.rowBytes(layer))
            throw std::out_of_range(std::string("a recorded run lies outside the ") +
                                    model::layerName(layer) + " layer");
        const unsigned char* now =
            grid.rowData(layer, run->y) + static_cast<std::size_t>(run->x) * cell;
        values.assign(now, now + bytes);
        flipInto(*run, run->x, values.data());
        grid.writeSpan(layer, run->y, run->x, values.data(), run->length);
    }
}

namespace {

auto rowOrder(std::uint8_t layer, std::int32_t y, std::int32_t x) {
    return std::make_tuple(layer, y, x);
}

} // namespace

bool EditRecord::hasTouchingRuns() const {
    for (std::size_t i = 1; i < m_runs.size(); ++i) {
        const Run& a = m_runs[i - 1];
        const Run& b = m_runs[i];
        if (a.layer == b.layer && a.y == b.y && b.x <= a.x + a.length)
            return true;
    }
    return false;
}

void EditRecord::finish() {
    // The flips of different runs commute, so the runs may go in any order;
    // their bytes stay where they are.
    const auto before = [](const Run& a, const Run& b) {
        return rowOrder(a.layer, a.y, a.x) < rowOrder(b.layer, b.y, b.x);
    };
    if (!std::is_sorted(m_runs.begin(), m_runs.end(), before))
        std::sort(m_runs.begin(), m_runs.end(), before);
    if (hasTouchingRuns()) {
        const std::vector<Run> runs = std::move(m_runs);
        EditRecord merged;
        merged.m_bytes.reserve(m_bytes.size());
        for (std::size_t first = 0; first < runs.size();) {
            // The runs from `first` to `last` overlap or touch one another.
            std::size_t last = first;
            std::int32_t end = runs[first].x + runs[first].length;
            while (last + 1 < runs.size() && runs[last + 1].layer == runs[first].layer &&
                   runs[last + 1].y == runs[first].y && runs[last + 1].x <= end) {
                ++last;
                end = std::max(end, runs[last].x + runs[last].length);
            }
            const Run& run = runs[first];
            const auto layer = static_cast<model::Layer>(run.layer);
            const int cell = model::bytesPerCell(layer);
            if (first == last) { // a run that touches none keeps its bytes as they are
                Run moved = run;
                if (!run.uniform) {
                    moved.offset = merged.m_bytes.size();
                    const unsigned char* bytes = m_bytes.data() + run.offset;
                    merged.m_bytes.insert(merged.m_bytes.end(), bytes,
                                          bytes + static_cast<std::size_t>(run.length) * cell);
                }
                merged.m_runs.push_back(moved);
                ++first;
                continue;
            }
            const std::size_t at = merged.m_bytes.size();
            merged.m_bytes.resize(at + static_cast<std::size_t>(end - run.x) * cell);
            for (std::size_t i = first; i <= last; ++i)
                flipInto(runs[i], run.x, merged.m_bytes.data() + at);
            merged.cutRuns(layer, run.y, run.x, end - run.x, at);
            first = last + 1;
        }
        *this = std::move(merged);
    }
    m_runs.shrink_to_fit();
    m_bytes.shrink_to_fit();
}

std::size_t EditRecord::heapBytes() const {
    return m_runs.capacity() * sizeof(Run) + m_bytes.capacity();
}

} // namespace document
