#pragma once
// One problem the map checker found: how bad it is, where it is, and one
// sentence that names the file and the values concerned. A problem that
// repeats over many cells of a location is one finding with a count and the
// first cells.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace checker {

enum class Severity { Warning, Error };

struct Cell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

struct Finding {
    Severity severity = Severity::Error;
    // The location's name as stored (code page 1251); empty for problems of
    // the map or its resources as a whole.
    std::string location;
    // The cell concerned (the first of them when there are several).
    std::optional<Cell> cell;
    // What kind of problem this is, a stable identifier such as
    // "cell.unknown-ground", for grouping and for tools.
    std::string kind;
    // The sentence for the designer (code page 1251) and the same in English
    // (for the command-line tool and other programs).
    std::string sentence;
    std::string sentenceEnglish;
    // How many places have this problem (cells, entries), and the first of
    // the cells (at most a few; `cell` is the first of them).
    std::uint64_t count = 1;
    std::vector<Cell> firstCells;
};

} // namespace checker
