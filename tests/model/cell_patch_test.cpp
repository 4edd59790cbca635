// Rectangles of cells moved between grids: every byte of the chosen layers,
// across the wrapping edges, and nothing of the others.

#include "model/cell_patch.h"

#include "location_fixture.h"

#include <gtest/gtest.h>

using model::CellPatch;
using model::CellRect;
using model::Layer;
using model::LayerSet;
using model::LocationGrid;

namespace {

// A value of each layer that tells the cell it came from.
std::int32_t marker(Layer layer, int x, int y) {
    const bool wide = model::bytesPerCell(layer) == 2;
    return wide ? (x * 1000 + y * 7 + 256) % 65536 : (x * 16 + y) % 256;
}

LocationGrid markedGrid(int width, int height) {
    LocationGrid grid = testing_support::emptyGrid(width, height);
    for (const Layer layer : model::kAllLayers)
        for (int y = 0; y <= height; ++y)
            for (int x = 0; x < width; ++x)
                grid.setCellValue(layer, x, y, marker(layer, x, y));
    return grid;
}

} // namespace

TEST(CellPatch, CopiesAndPastesEveryChosenLayerAcrossTheEdges) {
    const LocationGrid source = markedGrid(10, 8);
    // 4 x 3 cells from (8, 6): columns 8, 9, 0, 1 and rows 6, 7, 0.
    const CellPatch patch = CellPatch::copy(source, CellRect{8, 6, 4, 3}, model::allLayers());
    ASSERT_EQ(patch.width(), 4);
    EXPECT_EQ(patch.value(Layer::Objects, 2, 2), marker(Layer::Objects, 0, 0));
    EXPECT_EQ(patch.value(Layer::Earths, 1, 0), marker(Layer::Earths, 9, 6));

    LocationGrid target = testing_support::emptyGrid(5, 4);
    ASSERT_TRUE(patch.pasteInto(target, 3, 2)); // columns 3, 4, 0, 1; rows 2, 3, 0
    for (const Layer layer : model::kAllLayers)
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                ASSERT_EQ(target.cellValue(layer, (3 + column) % 5, (2 + row) % 4),
                          marker(layer, (8 + column) % 10, (6 + row) % 8))
                    << model::layerName(layer) << " " << column << "," << row;
    EXPECT_EQ(target.cellValue(Layer::Doors, 2, 1), 0) << "outside the pasted block";
    EXPECT_EQ(target.rowCopy(Layer::Earths, 4), std::string(5, '\0'))
        << "the row past the world's last stays";
}

TEST(CellPatch, OnlyTheChosenLayersMoveAndAreCleared) {
    const LocationGrid source = markedGrid(6, 6);
    LayerSet chosen;
    chosen.set(model::layerIndex(Layer::Blocks)).set(model::layerIndex(Layer::Doors));
    const CellPatch patch = CellPatch::copy(source, CellRect{1, 1, 2, 2}, chosen);
    LocationGrid target = testing_support::emptyGrid(6, 6);
    target.setCellValue(Layer::Earths, 1, 1, 99);
    ASSERT_TRUE(patch.pasteInto(target, 1, 1));
    EXPECT_EQ(target.cellValue(Layer::Blocks, 2, 2), marker(Layer::Blocks, 2, 2));
    EXPECT_EQ(target.cellValue(Layer::Doors, 1, 2), marker(Layer::Doors, 1, 2));
    EXPECT_EQ(target.cellValue(Layer::Earths, 1, 1), 99) << "a layer not chosen stays";
    EXPECT_EQ(target.cellValue(Layer::Objects, 1, 1), 0);

    LayerSet blocksAndEarth;
    blocksAndEarth.set(model::layerIndex(Layer::Blocks)).set(model::layerIndex(Layer::Earths));
    const CellPatch narrowed = patch.withLayers(blocksAndEarth);
    EXPECT_EQ(narrowed.layers(), LayerSet().set(model::layerIndex(Layer::Blocks)))
        << "only layers both held and asked for stay";
    EXPECT_EQ(narrowed.value(Layer::Blocks, 1, 1), marker(Layer::Blocks, 2, 2));
    EXPECT_TRUE(patch.withLayers(LayerSet().set(model::layerIndex(Layer::Earths))).isEmpty());
    LocationGrid narrowTarget = testing_support::emptyGrid(6, 6);
    ASSERT_TRUE(narrowed.pasteInto(narrowTarget, 0, 0));
    EXPECT_EQ(narrowTarget.cellValue(Layer::Doors, 0, 1), 0) << "a dropped layer is not pasted";
    EXPECT_EQ(narrowTarget.cellValue(Layer::Blocks, 0, 1), marker(Layer::Blocks, 1, 2));

    LocationGrid cleared = markedGrid(6, 6);
    ASSERT_TRUE(model::clearCells(cleared, CellRect{5, 5, 2, 2}, chosen));
    EXPECT_EQ(cleared.cellValue(Layer::Blocks, 0, 0), 0) << "wrapped to (0, 0)";
    EXPECT_EQ(cleared.cellValue(Layer::Doors, 5, 0), 0);
    EXPECT_EQ(cleared.cellValue(Layer::Earths, 5, 5), marker(Layer::Earths, 5, 5));
    EXPECT_EQ(cleared.cellValue(Layer::Blocks, 1, 1), marker(Layer::Blocks, 1, 1));
}

TEST(CellPatch, BlocksLargerThanTheWorldOrWithoutALocationAreRefused) {
    const LocationGrid source = markedGrid(8, 8);
    const CellPatch big = CellPatch::copy(source, CellRect{0, 0, 8, 8}, model::allLayers());
    LocationGrid small = testing_support::emptyGrid(8, 7);
    EXPECT_FALSE(big.pasteInto(small, 0, 0));
    EXPECT_EQ(small.cellValue(Layer::Earths, 3, 3), 0) << "nothing written";
    EXPECT_TRUE(CellPatch::copy(source, CellRect{0, 0, 9, 1}, model::allLayers()).isEmpty());
    LocationGrid none;
    EXPECT_FALSE(big.pasteInto(none, 0, 0));
    EXPECT_FALSE(model::clearCells(none, CellRect{0, 0, 1, 1}, model::allLayers()));
}

TEST(CellPatch, AsTextEachLayerIsATableOfCodes) {
    LocationGrid grid = testing_support::emptyGrid(3, 2);
    grid.setCellValue(Layer::Objects, 1, 0, 65535);
    grid.setCellValue(Layer::Objects, 2, 1, 300);
    LayerSet objects;
    objects.set(model::layerIndex(Layer::Objects));
    EXPECT_EQ(CellPatch::copy(grid, CellRect{0, 0, 3, 2}, objects).toText(),
              "Objects\n0\t65535\t0\n0\t0\t300\n");
}
