#include "model/grid_diff.h"
#include "model/grid_merge.h"
#include "support/crash_safe_writer.h"
#include "test_support/grid_bytes.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

using model::CellChange;
using model::CellConflict;
using model::Layer;
using testing_support::GridBytes;

namespace {

unsigned char* data(std::string& s) {
    return reinterpret_cast<unsigned char*>(s.data());
}

struct LayerPair {
    GridBytes::Layer fixture;
    Layer model;
};
const LayerPair kLayers[] = {
    {GridBytes::Earth, Layer::Earths},  {GridBytes::Object, Layer::Objects},
    {GridBytes::Item, Layer::Predmets}, {GridBytes::Action, Layer::Doors},
    {GridBytes::Block, Layer::Blocks},  {GridBytes::Guard, Layer::Guards}};

// One cell's three versions and what the merge should make of them.
struct MergeCase {
    const char* what;
    int base, ours, theirs;
    int merged;
    bool conflict;
    bool taken;
};

const MergeCase kCases[] = {
    {"unchanged", 4, 4, 4, 4, false, false},
    {"changed by us only", 4, 9, 4, 9, false, false},
    {"changed by them only", 4, 4, 9, 9, false, true},
    {"cleared by them only", 4, 4, 0, 0, false, true},
    {"changed alike on both sides", 4, 9, 9, 9, false, false},
    {"changed differently on both sides", 4, 9, 7, 9, true, false},
    {"cleared by us, changed by them", 4, 0, 7, 0, true, false},
};

TEST(GridMerge, EachLayerFollowsTheThreeWayRules) {
    constexpr std::int32_t width = 5;
    constexpr std::int32_t height = 2;
    for (const LayerPair& layer : kLayers) {
        for (const MergeCase& c : kCases) {
            SCOPED_TRACE(std::string(model::recordLayerName(layer.model)) + ": " + c.what);
            // The cell (3, 2) carries the case; cell (0, 1) is changed by them
            // in every case and (1, 0) by us, on the layer under test.
            GridBytes base(width, height), ours(width, height), theirs(width, height);
            base.set(layer.fixture, 3, 2, c.base);
            ours.set(layer.fixture, 3, 2, c.ours).set(layer.fixture, 1, 0, 2);
            theirs.set(layer.fixture, 3, 2, c.theirs).set(layer.fixture, 0, 1, 3);
            GridBytes expected(width, height);
            expected.set(layer.fixture, 3, 2, c.merged)
                .set(layer.fixture, 1, 0, 2)
                .set(layer.fixture, 0, 1, 3);

            std::vector<CellConflict> conflicts;
            model::MergeCounts counts;
            model::mergeRecords(
                data(base.bytes()), data(ours.bytes()), data(theirs.bytes()), width, 0, height + 1,
                [&](const CellConflict& k) { conflicts.push_back(k); }, counts);
            EXPECT_EQ(ours.bytes(), expected.bytes());
            EXPECT_EQ(counts.taken.total(), c.taken ? 2u : 1u);
            EXPECT_EQ(counts.taken.of(layer.model), counts.taken.total());
            ASSERT_EQ(conflicts.size(), c.conflict ? 1u : 0u);
            EXPECT_EQ(counts.conflicts.total(), conflicts.size());
            if (c.conflict) {
                EXPECT_EQ(conflicts[0].x, 3);
                EXPECT_EQ(conflicts[0].y, 2);
                EXPECT_EQ(conflicts[0].layer, layer.model);
                EXPECT_EQ(conflicts[0].base, c.base);
                EXPECT_EQ(conflicts[0].ours, c.ours);
                EXPECT_EQ(conflicts[0].theirs, c.theirs);
                EXPECT_EQ(counts.conflicts.of(layer.model), 1u);
            }
        }
    }
}

TEST(GridMerge, TwoByteValuesAreOneCellNotTwoBytes) {
    // We change the high byte of an object, they the low byte: a conflict of
    // the cell, not a merge of bytes into a value neither side wrote.
    GridBytes base(2, 0), ours(2, 0), theirs(2, 0);
    base.set(GridBytes::Object, 1, 0, 0x0102);
    ours.set(GridBytes::Object, 1, 0, 0x0502);
    theirs.set(GridBytes::Object, 1, 0, 0x0107);
    const std::string oursBefore = ours.bytes();
    std::vector<CellConflict> conflicts;
    model::MergeCounts counts;
    model::mergeRecords(
        data(base.bytes()), data(ours.bytes()), data(theirs.bytes()), 2, 0, 1,
        [&](const CellConflict& k) { conflicts.push_back(k); }, counts);
    EXPECT_EQ(ours.bytes(), oursBefore);
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].base, 0x0102);
    EXPECT_EQ(conflicts[0].ours, 0x0502);
    EXPECT_EQ(conflicts[0].theirs, 0x0107);
}

TEST(GridMerge, ConflictsOfOneRowAreToldByColumnThenLayer) {
    GridBytes base(4, 0), ours(4, 0), theirs(4, 0);
    ours.set(GridBytes::Guard, 1, 0, 1)
        .set(GridBytes::Earth, 3, 0, 1)
        .set(GridBytes::Action, 1, 0, 1);
    theirs.set(GridBytes::Guard, 1, 0, 2)
        .set(GridBytes::Earth, 3, 0, 2)
        .set(GridBytes::Action, 1, 0, 2);
    std::vector<std::pair<int, Layer>> told;
    model::MergeCounts counts;
    model::mergeRecords(
        data(base.bytes()), data(ours.bytes()), data(theirs.bytes()), 4, 0, 1,
        [&](const CellConflict& k) { told.emplace_back(k.x, k.layer); }, counts);
    const std::vector<std::pair<int, Layer>> expected = {
        {1, Layer::Doors}, {1, Layer::Guards}, {3, Layer::Earths}};
    EXPECT_EQ(told, expected);
}

TEST(GridDiff, ListsEveryChangedCellAndLayerInOrder) {
    GridBytes before(3, 1), after(3, 1);
    before.set(GridBytes::Block, 0, 1, 1);
    after.set(GridBytes::Object, 2, 1, 300)
        .set(GridBytes::Earth, 2, 1, 7)
        .set(GridBytes::Action, 0, 0, 0x1234)
        .set(GridBytes::Guard, 1, 0, 255);
    std::vector<std::string> lines;
    model::LayerCounts counts;
    model::diffRecords(
        data(before.bytes()), data(after.bytes()), 3, 10, 2,
        [&](const CellChange& c) {
            lines.push_back(std::to_string(c.x) + "," + std::to_string(c.y) + " " +
                            model::recordLayerName(c.layer) + " " + std::to_string(c.before) + ">" +
                            std::to_string(c.after));
        },
        counts);
    const std::vector<std::string> expected = {"0,10 action 0>4660", "1,10 guard 0>255",
                                               "0,11 block 1>0", "2,11 earth 0>7",
                                               "2,11 object 0>300"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(counts.total(), 5u);
    EXPECT_EQ(counts.of(Layer::Doors), 1u);
    EXPECT_EQ(counts.of(Layer::Objects), 1u);
    EXPECT_EQ(counts.of(Layer::Predmets), 0u);
}

// Files larger than one block: rows keep their numbers across blocks, and the
// merged file is written whole.
TEST(GridFiles, DiffAndMergeStreamAcrossBlocks) {
    constexpr std::int32_t width = 20000; // 160000-byte records: 26 to a block
    constexpr std::int32_t height = 60;
    GridBytes base(width, height);
    for (std::int32_t y = 0; y <= height; ++y)
        base.set(GridBytes::Earth, y * 7 % width, y, y + 1);
    GridBytes ours = base, theirs = base;
    ours.set(GridBytes::Object, width - 1, 25, 513).set(GridBytes::Guard, 4, 60, 9);
    theirs.set(GridBytes::Action, 0, 26, 2).set(GridBytes::Earth, 19999, 52, 3);
    GridBytes expected = ours;
    expected.set(GridBytes::Action, 0, 26, 2).set(GridBytes::Earth, 19999, 52, 3);

    testing_support::TempFolder folder;
    const auto basePath = folder.write("base.map", base.bytes());
    const auto ourPath = folder.write("ours.map", ours.bytes());
    const auto theirPath = folder.write("theirs.map", theirs.bytes());
    std::error_code ec;
    const auto open = [&](const std::filesystem::path& p) {
        fsys::File f;
        EXPECT_TRUE(f.openNative(p, fsys::File::Mode::Read, ec)) << ec.message();
        return f;
    };

    fsys::File a = open(basePath), b = open(theirPath);
    std::vector<std::pair<int, int>> changed;
    model::LayerCounts counts;
    ASSERT_TRUE(model::diffGridFiles(
        a, b, width, height, [&](const CellChange& c) { changed.emplace_back(c.x, c.y); }, counts,
        ec));
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{0, 26}, {19999, 52}}));

    fsys::File base3 = open(basePath), ours3 = open(ourPath), theirs3 = open(theirPath);
    const auto merged = folder.path() / "merged.map";
    fsys::CrashSafeWriter out;
    ASSERT_TRUE(out.beginNative(merged, ec)) << ec.message();
    model::MergeCounts mergeCounts;
    ASSERT_TRUE(
        model::mergeGridFiles(base3, ours3, theirs3, width, height, out, {}, mergeCounts, ec));
    ASSERT_TRUE(out.commit(ec)) << ec.message();
    EXPECT_EQ(mergeCounts.taken.total(), 2u);
    EXPECT_EQ(mergeCounts.conflicts.total(), 0u);
    EXPECT_TRUE(testing_support::readNative(merged) == expected.bytes());
}

} // namespace
