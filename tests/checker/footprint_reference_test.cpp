// Footprints of every shape over a location spanning several windows of rows,
// with objects and blocked cells drawn at random: the check must count every
// object whose footprint has an open cell, list the first ones in row order
// and name the first open cell, exactly as a cell-by-cell walk of the grid
// finds them. One-cell footprints are tested the short way wherever their
// rows lie in one window, so the grid has cells on both sides of that rule:
// window edges, the columns and rows that wrap, and the row H.

#include "checker/check_world.h"

#include "checker/grid_scan.h"
#include "model/palette_file.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using checker_testing::CheckWorld;
using checker_testing::GridBytes;
using checker_testing::ofKind;

namespace {

// Object values 1..6 (palette codes 0..5) and their "Block" patterns; value 7
// has no catalogue entry.
const std::vector<std::string> kBlocks = {"", "1", "0,1", "0,0,01", "0001", "11"};
constexpr int kUnknownValue = 7;

struct Expected {
    std::uint64_t count = 0;
    std::vector<checker::Cell> first;
    checker::Cell openCell; // of the first object counted
};

// Widths of whole chunks, the last of which reaches past the last column, and
// with cells past the last whole chunk.
class FootprintReference : public ::testing::TestWithParam<int> {
protected:
    const int width = GetParam();
    const int height =
        static_cast<int>(checker::detail::kBlockBytes / (static_cast<std::size_t>(width) * 8)) * 2 +
        40;

    FootprintReference() : grid(width, height), blocked(width * (height + 1), 0) {
        world.writeCleanMap("Clean");
        std::string catalogue = "[DATA]\r\nCount=" + std::to_string(kBlocks.size() - 1) + "\r\n";
        std::string palette = "[CATAGORIES]\r\nCount=1\r\nCategory0=Ground\r\nCategory1=Things\r\n"
                              "[CATEGORY-0]\r\nCount=2\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
                              "Data0=OBJ-0\r\nData1=OBJ-1\r\nData2=OBJ-2\r\n"
                              "[CATEGORY-1]\r\nCount=" +
                              std::to_string(kBlocks.size() - 1) +
                              "\r\nLevel=1\r\nDefaultSource=level1.ini\r\n";
        for (std::size_t i = 0; i < kBlocks.size(); ++i) {
            const std::string n = std::to_string(i);
            world.writePicture("Resources/p" + n + ".bmp", 32, 32);
            world.writePicture("Resources/m" + n + ".bmp", 32, 32);
            catalogue += "[OBJ-" + n + "]\r\nFileName=p" + n + ".bmp\r\nMaskFileName=m" + n +
                         ".bmp\r\nName=o" + n + "\r\n";
            if (!kBlocks[i].empty())
                catalogue += "Block=" + kBlocks[i] + "\r\n";
            palette += "Data" + n + "=OBJ-" + n + "\r\n";
        }
        world.write("Resources/level1.ini", catalogue);
        world.write("Resources/editor.ini", palette);
    }

    void block(int x, int y) {
        grid.block(x, y);
        blocked[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)] = 1;
    }

    // Objects on about a third of the cells, nearly every cell blocked, items
    // and guard zones on half of them.
    void fillAtRandom(unsigned seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> percent(0, 99);
        for (int y = 0; y <= height; ++y)
            for (int x = 0; x < width; ++x) {
                if (percent(random) < 97)
                    block(x, y);
                // The layers the check does not read, next to those it does.
                grid.item(x, y, percent(random) < 50 ? 9 : 0);
                grid.guard(x, y, percent(random) < 50 ? 3 : 0);
                const int draw = percent(random);
                if (draw < 33)
                    objects[{x, y}] = draw == 0 ? kUnknownValue : 1 + draw % 6;
            }
        for (const auto& [cell, value] : objects)
            grid.object(cell.first, cell.second, value);
    }

    // A walk over every object in row order, testing its footprint cell by cell.
    std::map<int, Expected> expectedOpen() const {
        std::vector<std::pair<std::pair<int, int>, int>> inRowOrder(objects.begin(), objects.end());
        std::sort(inRowOrder.begin(), inRowOrder.end(), [](const auto& a, const auto& b) {
            return a.first.second != b.first.second ? a.first.second < b.first.second
                                                    : a.first.first < b.first.first;
        });
        std::map<int, Expected> open;
        for (const auto& [cell, value] : inRowOrder) {
            if (value == kUnknownValue)
                continue;
            for (const auto& [dy, dx] : editor::footprintCells(kBlocks[value - 1])) {
                const int row = (cell.second + dy) % height;
                const int column = (cell.first + dx) % width;
                if (blocked[static_cast<std::size_t>(row) * width + column])
                    continue;
                Expected& e = open[value];
                if (e.count == 0)
                    e.openCell = {column, row};
                if (e.first.size() < 5)
                    e.first.push_back({cell.first, cell.second});
                ++e.count;
                break;
            }
        }
        return open;
    }

    CheckWorld world;
    GridBytes grid;
    std::vector<char> blocked;
    std::map<std::pair<int, int>, int> objects;
};

TEST_P(FootprintReference, EveryOpenFootprintAsACellByCellWalkFindsIt) {
    for (unsigned seed : {1u, 2u}) {
        objects.clear();
        grid = GridBytes(width, height);
        std::fill(blocked.begin(), blocked.end(), 0);
        fillAtRandom(seed);
        world.writeLocation("Clean", "main", grid, width, height);
        const checker::CheckResult result = world.check("Clean");
        ASSERT_TRUE(result.ran);

        const std::map<int, Expected> expected = expectedOpen();
        ASSERT_EQ(expected.size(), 5u) << "every footprint shape has open cells somewhere";
        const auto found = ofKind(result, "cell.open-footprint");
        ASSERT_EQ(found.size(), expected.size());
        for (const checker::Finding& f : found) {
            const int value =
                std::stoi(f.sentenceEnglish.substr(std::string("Object code ").size()));
            ASSERT_TRUE(expected.count(value)) << f.sentenceEnglish;
            const Expected& e = expected.at(value);
            EXPECT_EQ(f.count, e.count) << f.sentenceEnglish;
            EXPECT_EQ(f.firstCells, e.first) << f.sentenceEnglish;
            const std::string openCell =
                "cell " + std::to_string(e.openCell.x) + "," + std::to_string(e.openCell.y) + " ";
            EXPECT_NE(f.sentenceEnglish.find(openCell), std::string::npos)
                << f.sentenceEnglish << " expected " << openCell;
        }

        std::uint64_t unknown = 0;
        for (const auto& [cell, value] : objects)
            unknown += value == kUnknownValue;
        const auto unknownFound = ofKind(result, "cell.unknown-object");
        ASSERT_EQ(unknownFound.size(), 1u);
        EXPECT_EQ(unknownFound[0].count, unknown);
    }
}

// Objects whose footprint is blocked all over but for one cell in the places
// the short test leaves to the full one: it finds each of them.
TEST_P(FootprintReference, OneOpenCellAtEachEdgeOfTheShortTest) {
    for (int y = 0; y <= height; ++y)
        for (int x = 0; x < width; ++x)
            block(x, y);
    const int windowRows =
        static_cast<int>(checker::detail::kBlockBytes / (static_cast<std::size_t>(width) * 8));
    const int lastChunk = (width / static_cast<int>(checker::detail::kScanChunk) - 1) *
                          static_cast<int>(checker::detail::kScanChunk);
    // Value 4 reaches two rows down and one column right.
    const std::vector<std::pair<int, int>> places = {
        {lastChunk - 2, windowRows - 2}, // its rows cross into the next window
        {lastChunk + 62, 5},             // the last whole chunk, its column wrapping or not
        {width - 1, 7},                  // its column wraps to column 0
        {10, height - 1},                // its rows wrap to row 1
        {11, height},                    // row H
        {12, windowRows + 3},            // in the second window, nothing crossing
    };
    for (const auto& [x, y] : places) {
        grid.object(x, y, 4);
        objects[{x, y}] = 4;
    }
    for (const auto& [x, y] : places) {
        const int row = (y + 2) % height;
        const int column = (x + 1) % width;
        grid.block(column, row, 0);
        blocked[static_cast<std::size_t>(row) * width + column] = 0;
    }
    world.writeLocation("Clean", "main", grid, width, height);
    const auto found = ofKind(world.check("Clean"), "cell.open-footprint");
    ASSERT_EQ(found.size(), 1u);
    const Expected e = expectedOpen().at(4);
    EXPECT_EQ(e.count, places.size());
    EXPECT_EQ(found[0].count, e.count);
    EXPECT_EQ(found[0].firstCells, e.first);
}

// Rows a file cut short does not hold read as blocked, for footprints of every
// shape that reach them.
TEST_P(FootprintReference, RowsMissingFromAShortFileCountAsBlocked) {
    const int rows = 12;
    GridBytes whole(width, 20);
    whole.object(100, rows - 1, 3); // reaches row 12
    whole.object(70, rows - 2, 4);  // reaches row 12
    whole.object(5, rows - 2, 3);   // reaches row 11, open
    world.writeLocation("Clean", "main", whole, width, 20);
    world.write("Maps/Clean/main.map",
                whole.bytes().substr(0, static_cast<std::size_t>(rows) * width * 8));
    const checker::CheckResult result = world.check("Clean");
    EXPECT_EQ(ofKind(result, "location.grid-short").size(), 1u);
    const auto found = ofKind(result, "cell.open-footprint");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].count, 1u);
    EXPECT_EQ(found[0].cell, (checker::Cell{5, rows - 2}));
}

INSTANTIATE_TEST_SUITE_P(Widths, FootprintReference,
                         ::testing::Values(3 * static_cast<int>(checker::detail::kScanChunk),
                                           3 * static_cast<int>(checker::detail::kScanChunk) + 5));

} // namespace
