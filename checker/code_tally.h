#pragma once
// Counting the cells that show one problem per code: how many cells, and the
// first few of them in the order they were met (row by row).

#include "checker/finding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace checker::detail {

// The cells listed with a repeated finding; the rest are counted.
constexpr std::size_t kFirstCells = 5;

class CodeTally {
public:
    explicit CodeTally(std::size_t codes) : m_counts(codes) {}

    void add(std::uint32_t code, std::int32_t x, std::int32_t y) { addIf(code, 1, x, y); }

    // Counts the cell when `counted` is 1 (0 leaves the tally as it was),
    // without a branch that depends on it: a grid whose cells alternate
    // between counted and not costs no mispredicted jumps.
    void addIf(std::uint32_t code, std::uint32_t counted, std::int32_t x, std::int32_t y) {
        const std::uint64_t n = m_counts[code] + counted;
        m_counts[code] = n;
        if ((counted != 0) & (n <= kFirstCells)) [[unlikely]]
            m_first[code][n - 1] = Cell{x, y};
    }

    std::size_t codes() const { return m_counts.size(); }
    std::uint64_t count(std::uint32_t code) const { return m_counts[code]; }
    std::vector<Cell> firstCells(std::uint32_t code) const {
        const auto found = m_first.find(code);
        if (found == m_first.end())
            return {};
        const std::size_t n = m_counts[code] < kFirstCells ? m_counts[code] : kFirstCells;
        return {found->second.begin(), found->second.begin() + static_cast<std::ptrdiff_t>(n)};
    }

    // Adds the cells of a tally of the same codes; each code's first cells
    // are then the first of both in the order rows come (y, then x).
    void merge(const CodeTally& other) {
        std::vector<Cell> cells;
        for (const auto& [code, theirs] : other.m_first) {
            if (code >= m_counts.size())
                continue;
            cells = firstCells(code);
            const std::vector<Cell> more = other.firstCells(code);
            cells.insert(cells.end(), more.begin(), more.end());
            std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
                return a.y != b.y ? a.y < b.y : a.x < b.x;
            });
            m_counts[code] += other.m_counts[code];
            std::array<Cell, kFirstCells>& first = m_first[code];
            for (std::size_t i = 0; i < cells.size() && i < kFirstCells; ++i)
                first[i] = cells[i];
        }
    }

private:
    std::vector<std::uint64_t> m_counts;
    // The first cells of the codes counted so far: a few codes of the many.
    std::unordered_map<std::uint32_t, std::array<Cell, kFirstCells>> m_first;
};

} // namespace checker::detail
