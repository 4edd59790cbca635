// The Doors layer after an action is taken out: every value of the layer,
// from 0 to 65535, ends up where it must, and the grid's observer hears each
// change.
#include "location_fixture.h"
#include "model/door_renumbering.h"

#include <gtest/gtest.h>

namespace {

// A 256 x 255 grid (256 rows) whose Doors hold every value 0 .. 65535 once,
// cell (x, y) the value 256 y + x.
model::LocationGrid everyDoorValue() {
    model::LocationGrid grid = testing_support::emptyGrid(256, 255);
    for (std::int32_t y = 0; y < 256; ++y) {
        for (std::int32_t x = 0; x < 256; ++x)
            grid.setCellValue(model::Layer::Doors, x, y, 256 * y + x);
    }
    return grid;
}

struct CountingObserver : model::CellWriteObserver {
    void cellChanged(model::Layer, std::int32_t, std::int32_t, std::uint16_t before,
                     std::uint16_t after) override {
        changed += before != after;
    }
    void gridReplaced() override { ++replaced; }
    int changed = 0;
    int replaced = 0;
};

} // namespace

TEST(DoorRenumbering, EveryValueAboveTheRemovedOneMovesDownAndItsCellsEmpty) {
    for (const std::uint16_t removed : {1, 2, 255, 256, 4097, 65534, 65535}) {
        SCOPED_TRACE(removed);
        model::LocationGrid grid = everyDoorValue();
        CountingObserver observer;
        grid.setObserver(&observer);
        EXPECT_EQ(model::countDoors(grid, removed), 1u);
        EXPECT_EQ(model::renumberDoorsAfterRemoval(grid, removed), 1u);
        grid.setObserver(nullptr);
        int wrong = 0;
        for (std::int32_t y = 0; y < 256; ++y) {
            for (std::int32_t x = 0; x < 256; ++x) {
                const std::int32_t before = 256 * y + x;
                const std::int32_t expected = before == removed  ? 0
                                              : before > removed ? before - 1
                                                                 : before;
                wrong += grid.cellValue(model::Layer::Doors, x, y) != expected;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(observer.changed, 65535 - removed + 1) << "each changed cell is heard";
        EXPECT_EQ(model::countDoors(grid, 0), 2u);
        EXPECT_EQ(model::countDoors(grid, 65535), 0u);
    }
}

TEST(DoorRenumbering, OtherLayersAndLowerValuesStay) {
    model::LocationGrid grid = testing_support::emptyGrid(3, 1);
    grid.setCellValue(model::Layer::Doors, 0, 0, 1);
    grid.setCellValue(model::Layer::Doors, 1, 0, 3);
    grid.setCellValue(model::Layer::Doors, 2, 0, 3);
    grid.setCellValue(model::Layer::Doors, 0, 1, 2);
    grid.setCellValue(model::Layer::Objects, 2, 1, 3);
    const model::LocationGrid::Rows objects = grid.layerRows(model::Layer::Objects);
    EXPECT_EQ(model::countDoors(grid, 3), 2u);
    EXPECT_EQ(model::renumberDoorsAfterRemoval(grid, 3), 2u);
    EXPECT_EQ(grid.GetDoors(0), std::string("\0\x01\0\0\0\0", 6));
    EXPECT_EQ(grid.GetDoors(1), std::string("\0\x02\0\0\0\0", 6));
    EXPECT_EQ(grid.layerRows(model::Layer::Objects), objects);
    EXPECT_EQ(model::renumberDoorsAfterRemoval(grid, 0), 0u) << "0 names no action";
    EXPECT_EQ(grid.GetDoors(0), std::string("\0\x01\0\0\0\0", 6));
}
