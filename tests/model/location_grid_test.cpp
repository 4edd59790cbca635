#include "model/location_grid.h"

#include "test_support/bytes.h"

#include <gtest/gtest.h>
#include <stdexcept>

using model::Layer;
using model::LocationGrid;
using testing_support::bytes;

namespace {

LocationGrid grid(std::int32_t width, std::int32_t height, std::uint8_t earth = 0) {
    LocationGrid g;
    g.setMapWidth(width);
    g.setMapHeight(height);
    g.CreatMap(earth);
    EXPECT_EQ(g.ErrorMessage(), "");
    return g;
}

} // namespace

TEST(CreatMap, BuildsSixLayersOfTheirOwnWidths) {
    LocationGrid g = grid(3, 2, 5);
    ASSERT_TRUE(g.isComplete());
    EXPECT_EQ(g.layerRows(Layer::Earths), LocationGrid::Rows(3, bytes({5, 5, 5})));
    for (Layer layer : {Layer::Objects, Layer::Doors})
        EXPECT_EQ(g.layerRows(layer), LocationGrid::Rows(3, std::string(6, '\0')));
    for (Layer layer : {Layer::Predmets, Layer::Blocks, Layer::Guards})
        EXPECT_EQ(g.layerRows(layer), LocationGrid::Rows(3, std::string(3, '\0')));
}

TEST(CreatMap, DiscardsThePreviousContents) {
    LocationGrid g = grid(2, 1);
    g.setWorldCursor(1, 1);
    g.setCurrentObject(9);
    g.setMapWidth(4);
    g.setMapHeight(0);
    g.CreatMap(1);
    EXPECT_EQ(g.layerRows(Layer::Objects), LocationGrid::Rows(1, std::string(8, '\0')));
    EXPECT_EQ(g.GetEarths(0), bytes({1, 1, 1, 1}));
}

TEST(CreatMap, RefusedSizesLeaveAMessageAndTheOldGrid) {
    LocationGrid g = grid(2, 1, 7);
    for (auto [w, h] : {std::pair{2, -1}, std::pair{-1, 5}, std::pair{1 << 30, 0}}) {
        g.setMapWidth(w);
        g.setMapHeight(h);
        EXPECT_NO_THROW(g.CreatMap(0));
        EXPECT_NE(g.ErrorMessage(), "") << w << " x " << h;
        EXPECT_EQ(g.GetEarths(1), bytes({7, 7})) << "the old grid stays";
    }
    g.setMapWidth(2);
    g.setMapHeight(1);
    g.CreatMap(0);
    EXPECT_EQ(g.ErrorMessage(), "") << "a later success clears the message";
}

TEST(CreatMap, ASizeBeyondTheMemoryLimitIsRefusedBeforeAllocating) {
    LocationGrid::setMaxGridBytes(1000);
    LocationGrid g;
    g.setMapWidth(11);
    g.setMapHeight(11); // 8 * 11 * 12 = 1056 bytes
    g.CreatMap(0);
    EXPECT_NE(g.ErrorMessage(), "");
    EXPECT_EQ(g.rowCount(Layer::Earths), 0);
    g.setMapHeight(10); // 968 bytes
    g.CreatMap(0);
    EXPECT_EQ(g.ErrorMessage(), "");
    LocationGrid::setMaxGridBytes(0);
    // Far beyond any machine: refused at once, with no attempt to allocate.
    g.setMapWidth(2000000000 / 2);
    g.setMapHeight(2000000000);
    g.CreatMap(0);
    EXPECT_NE(g.ErrorMessage(), "");
    EXPECT_EQ(g.GetEarths(10).size(), 11u);
}

TEST(CreatMap, AnEmptyWidthGivesRowsWithoutCells) {
    LocationGrid g = grid(0, 3);
    EXPECT_EQ(g.rowCount(Layer::Guards), 4);
    EXPECT_EQ(g.GetDoors(3), "");
}

TEST(RowAccessors, CopyRowsAndCheckTheRowNumber) {
    LocationGrid g = grid(3, 3);
    EXPECT_EQ(g.GetBlocks(3).size(), 3u);
    EXPECT_THROW(g.GetBlocks(4), std::out_of_range);
    EXPECT_THROW(g.GetEarths(-1), std::out_of_range);
    std::string copy = g.GetObjects(0);
    copy[0] = 9;
    EXPECT_EQ(g.GetObjects(0)[0], 0) << "a row handed out is a copy";
    LocationGrid empty;
    EXPECT_THROW(empty.GetGuards(0), std::out_of_range);
}

TEST(WholeLayers, ReplaceTheLayerWithACopy) {
    LocationGrid g = grid(2, 1);
    g.setLayerRows(Layer::Guards, {bytes({1, 0}), bytes({0, 2}), bytes({3, 3})});
    EXPECT_EQ(g.rowCount(Layer::Guards), 3);
    EXPECT_EQ(g.GetGuards(2), bytes({3, 3}));
    EXPECT_FALSE(g.isComplete()) << "the shape follows the given rows";
    EXPECT_THROW(g.setLayerRows(Layer::Blocks, {bytes({1}), bytes({1, 2})}), std::invalid_argument);
    EXPECT_EQ(g.GetBlocks(1), bytes({0, 0})) << "a refused layer leaves the old one";
}

TEST(CurrentCell, SettersWriteTheCellUnderTheCursor) {
    LocationGrid g = grid(3, 2);
    g.setWorldCursor(1, 0);
    g.setCurrentObject(258);
    EXPECT_EQ(g.GetObjects(0), bytes({0, 0, 1, 2, 0, 0}));
    g.setCurrentObject(-5);
    EXPECT_EQ(g.GetObjects(0), bytes({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.CurrentObject(), -5) << "the value read back is the one stored";
    g.setCurrentDoor(65536);
    EXPECT_EQ(g.GetDoors(0), bytes({0, 0, 1, 0, 0, 0})) << "65536 is stored as 256";
    g.setWorldCursor(2, 1);
    g.setCurrentEarth(200);
    g.setCurrentBlocks(1);
    g.setCurrentGuard(1);
    EXPECT_EQ(g.GetEarths(1), bytes({0, 0, 200}));
    EXPECT_EQ(g.GetBlocks(1), bytes({0, 0, 1}));
    EXPECT_EQ(g.GetGuards(1), bytes({0, 0, 1}));
    g.setCurrentPredmet(7);
    EXPECT_EQ(g.CurrentPredmet(), 7);
    EXPECT_EQ(g.GetPredmets(1), bytes({0, 0, 0})) << "the item is never written";
}

TEST(CurrentCell, ReloadReadsEveryValueButTheItem) {
    LocationGrid g = grid(2, 1);
    g.setLayerRows(Layer::Doors, {bytes({0, 0, 0, 0}), bytes({0, 0, 1, 2})});
    g.setLayerRows(Layer::Objects, {bytes({0, 0, 0, 0}), bytes({0, 0, 255, 255})});
    g.setLayerRows(Layer::Earths, {bytes({0, 0}), bytes({0, 4})});
    g.setLayerRows(Layer::Blocks, {bytes({0, 0}), bytes({0, 49})});
    g.setLayerRows(Layer::Guards, {bytes({0, 0}), bytes({0, 1})});
    g.setLayerRows(Layer::Predmets, {bytes({0, 0}), bytes({0, 9})});
    g.setCurrentPredmet(3);
    g.setWorldCursor(1, 1);
    g.reloadCurrentCell();
    EXPECT_EQ(g.CurrentDoor(), 258);
    EXPECT_EQ(g.CurrentObject(), 65535);
    EXPECT_EQ(g.CurrentEarth(), 4);
    EXPECT_EQ(g.CurrentBlocks(), 49);
    EXPECT_EQ(g.CurrentGuard(), 1);
    EXPECT_EQ(g.CurrentPredmet(), 3);
}

TEST(CurrentCell, ASetterOutsideTheGridFailsAfterStoringTheValue) {
    LocationGrid g = grid(2, 1);
    g.setWorldCursor(0, 2);
    EXPECT_THROW(g.setCurrentEarth(4), std::out_of_range);
    EXPECT_EQ(g.CurrentEarth(), 4);
    g.setWorldCursor(2, 0);
    EXPECT_THROW(g.setCurrentDoor(1), std::out_of_range);
    for (int y = 0; y <= 1; ++y)
        EXPECT_EQ(g.GetEarths(y), bytes({0, 0}));
}

TEST(ChangeBloks, WrapsOnceAndWritesTheFirstDigit) {
    LocationGrid g = grid(3, 3);
    g.ChangeBloks(-1, 3, 1);
    EXPECT_EQ(g.GetBlocks(2), bytes({'1', 0, 0}));
    g.ChangeBloks(0, 0, 0);
    EXPECT_EQ(g.GetBlocks(0), bytes({'0', 0, 0}));
    g.ChangeBloks(1, -1, 25);
    EXPECT_EQ(g.GetBlocks(1), bytes({0, 0, '2'}));
    g.ChangeBloks(3, 1, 19); // row MapHeight wraps to row 0
    EXPECT_EQ(g.GetBlocks(0), bytes({'0', '1', 0}));
}

TEST(ChangeBloks, APositionStillOutsideAfterOneCorrectionFails) {
    LocationGrid g = grid(3, 3);
    const auto before = g.layerRows(Layer::Blocks);
    EXPECT_THROW(g.ChangeBloks(0, 6, 1), std::out_of_range);
    EXPECT_THROW(g.ChangeBloks(0, -4, 1), std::out_of_range);
    EXPECT_THROW(g.ChangeBloks(-4, 0, 1), std::out_of_range);
    EXPECT_THROW(g.ChangeBloks(7, 0, 1), std::out_of_range);
    EXPECT_EQ(g.layerRows(Layer::Blocks), before);
}

namespace {

struct ChangeLog : model::CellWriteObserver {
    void cellChanged(Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                     std::uint16_t after) override {
        changes.push_back(std::string(model::layerName(layer)) + " " + std::to_string(x) + "," +
                          std::to_string(y) + " " + std::to_string(before) + "->" +
                          std::to_string(after));
    }
    void gridReplaced() override { changes.push_back("replaced"); }
    std::vector<std::string> changes;
};

} // namespace

TEST(CellWriteObserver, HearsEveryChangedCellAndEveryReplacement) {
    LocationGrid g = grid(3, 3);
    ChangeLog log;
    g.setObserver(&log);
    g.setWorldCursor(1, 2);
    g.setCurrentObject(70000); // stored as 0x0111
    g.setCurrentObject(70000); // the same bytes again: no change
    g.setCurrentEarth(4);
    g.ChangeBloks(-1, 3, 1);
    g.setCurrentPredmet(9); // never written
    g.restoreCell(Layer::Objects, 1, 2, 0);
    g.CreatMap(0);
    g.setLayerRows(Layer::Guards, g.layerRows(Layer::Guards));
    EXPECT_EQ(log.changes,
              (std::vector<std::string>{"Objects 1,2 0->273", "Earths 1,2 0->4", "Blocks 0,2 0->49",
                                        "Objects 1,2 273->0", "replaced", "replaced"}));
}
