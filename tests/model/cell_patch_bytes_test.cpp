// Patches as bytes for the clipboard, read back only when every part of them
// is sound; and rectangles filled with one value.

#include "model/cell_patch.h"

#include "location_fixture.h"

#include <gtest/gtest.h>

#include <random>

using model::CellPatch;
using model::CellRect;
using model::Layer;
using model::LayerSet;
using model::LocationGrid;

namespace {

LocationGrid randomGrid(int width, int height, unsigned seed) {
    LocationGrid grid = testing_support::emptyGrid(width, height);
    for (const Layer layer : model::kAllLayers) {
        const std::string bytes =
            testing_support::randomBytes(grid.rowBytes(layer), seed + static_cast<unsigned>(layer));
        for (int y = 0; y <= height; ++y)
            grid.writeSpan(layer, y, 0, reinterpret_cast<const unsigned char*>(bytes.data()),
                           width);
        seed += 17;
    }
    return grid;
}

void expectSamePatch(const CellPatch& a, const CellPatch& b) {
    ASSERT_EQ(a.width(), b.width());
    ASSERT_EQ(a.height(), b.height());
    ASSERT_EQ(a.layers(), b.layers());
    EXPECT_EQ(a.toText(), b.toText());
}

// The header of a patch with the given numbers, and `payload` bytes after it.
std::string patchBytes(unsigned char mask, std::uint32_t width, std::uint32_t height,
                       std::size_t payload) {
    std::string s = "CELP";
    s += '\1';
    s += static_cast<char>(mask);
    s += std::string(2, '\0');
    for (std::uint32_t n : {width, height})
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>(n >> (8 * i) & 0xFF);
    return s + std::string(payload, '\7');
}

} // namespace

TEST(CellPatchBytes, ARoundTripKeepsEveryCellOfEveryLayer) {
    const LocationGrid grid = randomGrid(12, 9, 3);
    LayerSet some;
    some.set(model::layerIndex(Layer::Objects)).set(model::layerIndex(Layer::Guards));
    for (const LayerSet layers : {model::allLayers(), some, LayerSet()}) {
        const CellPatch patch = CellPatch::copy(grid, CellRect{10, 7, 5, 4}, layers);
        const std::string bytes = patch.toBytes();
        const std::optional<CellPatch> back = CellPatch::fromBytes(bytes);
        ASSERT_TRUE(back.has_value()) << layers;
        expectSamePatch(*back, patch);
        EXPECT_EQ(back->toBytes(), bytes);

        LocationGrid target = testing_support::emptyGrid(12, 9);
        ASSERT_TRUE(back->pasteInto(target, 10, 7));
        for (const Layer layer : model::kAllLayers) {
            if (layers.test(model::layerIndex(layer))) {
                EXPECT_EQ(target.cellValue(layer, 1, 0), grid.cellValue(layer, 1, 0));
            }
        }
    }
    const std::optional<CellPatch> empty = CellPatch::fromBytes(CellPatch().toBytes());
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST(CellPatchBytes, TruncatedOrLongerBytesAreRefused) {
    const CellPatch patch =
        CellPatch::copy(randomGrid(7, 5, 9), CellRect{0, 0, 3, 2}, model::allLayers());
    const std::string bytes = patch.toBytes();
    ASSERT_EQ(bytes.size(), 16u + 3 * 2 * 8);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(CellPatch::fromBytes(std::string_view(bytes).substr(0, size)).has_value())
            << size << " bytes";
    EXPECT_FALSE(CellPatch::fromBytes(bytes + '\0').has_value()) << "a byte too many";
}

TEST(CellPatchBytes, HeadersThatDoNotDescribeThePayloadAreRefused) {
    EXPECT_TRUE(CellPatch::fromBytes(patchBytes(0x01, 3, 2, 12)).has_value()) << "Doors: 2 bytes";
    EXPECT_TRUE(CellPatch::fromBytes(patchBytes(0x02, 3, 2, 6)).has_value()) << "Earths: 1 byte";

    std::string mark = patchBytes(0x02, 3, 2, 6);
    mark[0] = 'X';
    EXPECT_FALSE(CellPatch::fromBytes(mark).has_value());
    std::string version = patchBytes(0x02, 3, 2, 6);
    version[4] = 2;
    EXPECT_FALSE(CellPatch::fromBytes(version).has_value());
    std::string spare = patchBytes(0x02, 3, 2, 6);
    spare[7] = 1;
    EXPECT_FALSE(CellPatch::fromBytes(spare).has_value());
    EXPECT_FALSE(CellPatch::fromBytes(patchBytes(0x40, 3, 2, 0)).has_value()) << "a seventh layer";
    EXPECT_FALSE(CellPatch::fromBytes(patchBytes(0x02, 0x80000000u, 1, 0)).has_value())
        << "wider than any location";
    EXPECT_FALSE(CellPatch::fromBytes(patchBytes(0x3F, 0x7FFFFFFF, 0x7FFFFFFF, 64)).has_value())
        << "a huge size claimed for a few bytes";
    EXPECT_FALSE(CellPatch::fromBytes(patchBytes(0x3F, 0xFFFFFFFF, 0xFFFFFFFF, 64)).has_value());
    EXPECT_FALSE(CellPatch::fromBytes(patchBytes(0x03, 3, 2, 17)).has_value());

    // Random damage to a sound header never gets through unnoticed: either
    // refused or read as a patch whose bytes give back exactly the input.
    const std::string sound = patchBytes(0x25, 4, 3, 4 * 3 * 4);
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = sound;
        damaged[random() % 16] = static_cast<char>(random());
        const std::optional<CellPatch> read = CellPatch::fromBytes(damaged);
        if (read) {
            EXPECT_EQ(read->toBytes(), damaged);
        }
    }
}

TEST(FillCells, FillsOneLayerOfARectangleAcrossTheEdges) {
    LocationGrid grid = testing_support::emptyGrid(6, 5);
    ASSERT_TRUE(model::fillCells(grid, CellRect{4, 3, 3, 4}, Layer::Objects, 0xBEEF));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = (x >= 4 || x == 0) && (y >= 3 || y <= 1);
            EXPECT_EQ(grid.cellValue(Layer::Objects, x, y), inside ? 0xBEEF : 0) << x << "," << y;
            EXPECT_EQ(grid.cellValue(Layer::Doors, x, y), 0);
        }
    EXPECT_EQ(grid.rowCopy(Layer::Objects, 5), std::string(12, '\0')) << "the extra row stays";

    ASSERT_TRUE(model::fillCells(grid, CellRect{-1, 0, 5, 5}, Layer::Earths, 200));
    EXPECT_EQ(grid.cellValue(Layer::Earths, 5, 4), 200);
    EXPECT_EQ(grid.cellValue(Layer::Earths, 4, 2), 0) << "the one column left out";

    EXPECT_FALSE(model::fillCells(grid, CellRect{0, 0, 7, 1}, Layer::Earths, 1)) << "too wide";
    EXPECT_FALSE(model::fillCells(grid, CellRect{0, 0, 1, 1}, Layer::Earths, 256))
        << "too large for a one-byte layer";
    EXPECT_EQ(grid.cellValue(Layer::Earths, 0, 0), 200);
    LocationGrid none;
    EXPECT_FALSE(model::fillCells(none, CellRect{0, 0, 1, 1}, Layer::Earths, 1));
}
