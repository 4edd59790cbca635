// Row-slice writes: the stored bytes they leave, the one notice per span with
// the cells' old and new bytes, and their bounds.

#include "model/location_grid.h"

#include "location_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using model::Layer;
using model::LocationGrid;

namespace {

struct Span {
    Layer layer;
    std::int32_t y;
    std::int32_t x;
    std::int32_t length;
    std::string before;
    std::string after;
};

// Hears spans as spans.
struct SpanLog : model::CellWriteObserver {
    void cellChanged(Layer, std::int32_t, std::int32_t, std::uint16_t, std::uint16_t) override {
        ++cells;
    }
    void spanChanged(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                     const unsigned char* before, const unsigned char* after) override {
        const auto size = static_cast<std::size_t>(length) * model::bytesPerCell(layer);
        spans.push_back({layer, y, x, length,
                         std::string(reinterpret_cast<const char*>(before), size),
                         std::string(reinterpret_cast<const char*>(after), size)});
    }
    void gridReplaced() override {}
    std::vector<Span> spans;
    int cells = 0;
};

// Hears only cells: spans reach it cell by cell.
struct CellLog : model::CellWriteObserver {
    void cellChanged(Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                     std::uint16_t after) override {
        changes.push_back(std::string(model::layerName(layer)) + " " + std::to_string(x) + "," +
                          std::to_string(y) + " " + std::to_string(before) + "->" +
                          std::to_string(after));
    }
    void gridReplaced() override {}
    std::vector<std::string> changes;
};

std::string raw(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace

TEST(SpanWrite, OneNoticePerSpanFromItsFirstToItsLastChangedCell) {
    LocationGrid grid = testing_support::emptyGrid(8, 3);
    grid.setCellValue(Layer::Earths, 2, 1, 5);
    grid.setCellValue(Layer::Earths, 4, 1, 5);
    SpanLog log;
    grid.setObserver(&log);

    grid.fillSpan(Layer::Earths, 1, 1, 6, 5); // cells 1..6; 2 and 4 hold 5 already
    ASSERT_EQ(log.spans.size(), 1u);
    EXPECT_EQ(log.spans[0].x, 1);
    EXPECT_EQ(log.spans[0].length, 6) << "first and last cells changed";
    EXPECT_EQ(log.spans[0].before, raw({0, 5, 0, 5, 0, 0}));
    EXPECT_EQ(log.spans[0].after, std::string(6, '\5'));
    EXPECT_EQ(grid.rowCopy(Layer::Earths, 1), raw({0, 5, 5, 5, 5, 5, 5, 0}));

    grid.writeSpan(Layer::Earths, 1, 0, reinterpret_cast<const unsigned char*>("\0\5\7\5\7\5\5\0"),
                   8);
    ASSERT_EQ(log.spans.size(), 2u);
    EXPECT_EQ(log.spans[1].x, 2) << "unchanged cells at either end are left out";
    EXPECT_EQ(log.spans[1].length, 3);
    EXPECT_EQ(log.spans[1].after, raw({7, 5, 7}));

    grid.fillSpan(Layer::Guards, 2, 0, 8, 0);
    grid.writeSpan(Layer::Earths, 0, 3, nullptr, 0);
    EXPECT_EQ(log.spans.size(), 2u) << "nothing changed, nothing told";
    EXPECT_EQ(log.cells, 0);
}

TEST(SpanWrite, TwoByteCellsAreWrittenBigEndianAndToldAsStored) {
    LocationGrid grid = testing_support::emptyGrid(4, 2);
    SpanLog log;
    grid.setObserver(&log);
    grid.fillSpan(Layer::Objects, 0, 1, 2, 0x1234);
    EXPECT_EQ(grid.cellValue(Layer::Objects, 1, 0), 0x1234);
    EXPECT_EQ(grid.cellValue(Layer::Objects, 2, 0), 0x1234);
    EXPECT_EQ(grid.cellValue(Layer::Objects, 3, 0), 0);
    ASSERT_EQ(log.spans.size(), 1u);
    EXPECT_EQ(log.spans[0].after, raw({0x12, 0x34, 0x12, 0x34}));
    EXPECT_EQ(log.spans[0].before, std::string(4, '\0'));

    const std::string stored = raw({0x12, 0x34, 0xAB, 0xCD});
    grid.writeSpan(Layer::Doors, 1, 2, reinterpret_cast<const unsigned char*>(stored.data()), 2);
    EXPECT_EQ(grid.cellValue(Layer::Doors, 3, 1), 0xABCD);
    EXPECT_EQ(LocationGrid::storedValue(Layer::Doors, 70000), 0x0111)
        << "as setCellValue stores the value";
    EXPECT_EQ(LocationGrid::storedValue(Layer::Guards, 300), 300 % 256);
}

TEST(SpanWrite, AnObserverOfCellsHearsEachChangedCellOfASpan) {
    LocationGrid grid = testing_support::emptyGrid(5, 2);
    grid.setCellValue(Layer::Doors, 2, 0, 9);
    CellLog log;
    grid.setObserver(&log);
    grid.fillSpan(Layer::Doors, 0, 1, 3, 9);
    EXPECT_EQ(log.changes, (std::vector<std::string>{"Doors 1,0 0->9", "Doors 3,0 0->9"}));
}

TEST(SpanWrite, SpansOutsideTheLayerAreRefusedWithNothingWritten) {
    LocationGrid grid = testing_support::emptyGrid(6, 3);
    const auto before = grid.layerRows(Layer::Blocks);
    const unsigned char bytes[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_THROW(grid.fillSpan(Layer::Blocks, 0, 4, 3, 1), std::out_of_range) << "past the row";
    EXPECT_THROW(grid.fillSpan(Layer::Blocks, 4, 0, 1, 1), std::out_of_range) << "past the rows";
    EXPECT_THROW(grid.fillSpan(Layer::Blocks, -1, 0, 1, 1), std::out_of_range);
    EXPECT_THROW(grid.fillSpan(Layer::Blocks, 0, -1, 2, 1), std::out_of_range);
    EXPECT_THROW(grid.fillSpan(Layer::Blocks, 0, 2, -1, 1), std::out_of_range);
    EXPECT_THROW(grid.writeSpan(Layer::Blocks, 1, 0, bytes, 7), std::out_of_range);
    EXPECT_EQ(grid.layerRows(Layer::Blocks), before);
    grid.fillSpan(Layer::Blocks, 3, 0, 6, 1); // the row past the world's last is a row too
    EXPECT_EQ(grid.rowCopy(Layer::Blocks, 3), std::string(6, '\1'));
}
