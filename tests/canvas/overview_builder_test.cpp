// Building the overview in slices: progress, the finished picture, edits
// between slices, cancelling and starting over; and the location's overview
// that follows loads and edits.
#include "overview_fixture.h"

#include "canvas/location_overview.h"
#include "canvas/overview_builder.h"

#include <QSignalSpy>

#include <chrono>

using namespace canvas_testing;
using canvas::LocationOverview;
using canvas::OverviewBuilder;
using model::Layer;

namespace {

class OverviewBuilderTest : public OverviewTest {
protected:
    OverviewBuilderTest() {
        makeGrid(40, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                setCell(Layer::Earths, x, y, (x * y) % 3);
        // One step a slice: a block row of this grid a slice.
        builder.setSliceBudget(std::chrono::microseconds(0));
    }
    // Runs `count` slices; false when the build ended before.
    bool runSlices(int count) {
        for (int i = 0; i < count; ++i)
            if (!builder.runSlice())
                return false;
        return true;
    }

    OverviewBuilder builder;
    QSignalSpy ready{&builder, &OverviewBuilder::ready};
    QSignalSpy progress{&builder, &OverviewBuilder::progress};
};

} // namespace

TEST_F(OverviewBuilderTest, SlicesBuildThePictureReportingProgress) {
    builder.start(grid, colours, 1);
    EXPECT_TRUE(builder.isBuilding());
    EXPECT_EQ(builder.blocksTotal(), 40 * 30);
    int slices = 1;
    while (builder.runSlice())
        ++slices;
    EXPECT_EQ(slices, 30) << "one block row a slice";
    EXPECT_FALSE(builder.isBuilding());
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(builder.picture().image(), freshPicture(1));

    ASSERT_GE(progress.count(), 3);
    EXPECT_EQ(progress.first().at(0).toInt(), 0);
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
    for (int i = 1; i < progress.count(); ++i)
        EXPECT_GT(progress.at(i).at(0).toInt(), progress.at(i - 1).at(0).toInt());
}

TEST_F(OverviewBuilderTest, TheEventLoopRunsTheSlices) {
    builder.setSliceBudget(OverviewBuilder::kDefaultSliceBudget);
    builder.start(grid, colours);
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(builder.picture().image(), freshPicture(0));
    EXPECT_EQ(builder.takePicture().world(), QSize(40, 30));
    EXPECT_TRUE(builder.picture().isNull()) << "handed over";
}

TEST_F(OverviewBuilderTest, EditsBetweenSlicesShowInThePicture) {
    builder.start(grid, colours, 2);
    ASSERT_TRUE(runSlices(6));                 // block rows 0 to 5 painted, cell rows 0 to 11
    setCell(Layer::Objects, 5, 3, kBlockCode); // painted already
    setCell(Layer::Objects, 7, 12, kSlabCode); // the next block row
    setCell(Layer::Earths, 39, 29, 2);         // not reached yet
    builder.cellsChanged(QRect(5, 3, 1, 1));
    builder.cellsChanged(QRect(7, 12, 1, 1));
    builder.cellsChanged(QRect(0, 0, 40, 30)); // nothing is painted beyond the done part
    EXPECT_EQ(builder.blocksDone(), 6 * 20);
    builder.finish();
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(builder.picture().image(), freshPicture(2));
}

TEST_F(OverviewBuilderTest, EditsInARowPaintedInPartShowInThePicture) {
    makeGrid(40000, 2); // a step paints only part of a row this long
    builder.start(grid, colours, 1);
    ASSERT_TRUE(builder.runSlice());
    ASSERT_GT(builder.blocksDone(), 100);
    ASSERT_LT(builder.blocksDone(), 39000);
    setCell(Layer::Objects, 100, 0, kBlockCode);  // painted already
    setCell(Layer::Objects, 39000, 0, kSlabCode); // not yet
    builder.cellsChanged(QRect(100, 0, 1, 1));
    builder.cellsChanged(QRect(39000, 0, 1, 1));
    builder.finish();
    EXPECT_EQ(builder.picture().image().pixel(100, 0), kBlockColour);
    EXPECT_EQ(builder.picture().image(), freshPicture(1));
}

TEST_F(OverviewBuilderTest, CancellingLeavesEverythingAsItWas) {
    builder.start(grid, colours, 1);
    builder.finish();
    const QImage first = builder.picture().image().copy();
    ready.clear();

    setCell(Layer::Objects, 0, 0, kBlockCode);
    builder.start(grid, colours, 1);
    ASSERT_TRUE(runSlices(3));
    builder.cancel();
    EXPECT_FALSE(builder.isBuilding());
    EXPECT_EQ(builder.blocksDone(), 0);
    EXPECT_FALSE(builder.runSlice());
    QCoreApplication::processEvents();
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(builder.picture().image(), first);
    EXPECT_NE(builder.picture().image().pixel(0, 0), kBlockColour);
}

TEST_F(OverviewBuilderTest, StartingAgainDropsTheBuildInProgress) {
    builder.start(grid, colours, 1);
    ASSERT_TRUE(runSlices(10));
    setCell(Layer::Earths, 1, 1, 2);
    builder.start(grid, colours, 3);
    builder.finish();
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(builder.picture().reduction(), 3);
    EXPECT_EQ(builder.picture().image(), freshPicture(3));
}

TEST_F(OverviewBuilderTest, AGridThatChangesSizeMeanwhileIsBuiltAsItThenIs) {
    builder.start(grid, colours, 1);
    ASSERT_TRUE(runSlices(10));
    makeGrid(7, 5, 1); // the grid's layers are built anew
    builder.finish();
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(builder.picture().world(), QSize(7, 5));
    EXPECT_EQ(builder.picture().image(), freshPicture(1));

    grid.clear(); // no location: an empty overview at once
    builder.start(grid, colours);
    EXPECT_FALSE(builder.runSlice());
    EXPECT_EQ(ready.count(), 2);
    EXPECT_TRUE(builder.picture().isNull());
}

TEST_F(OverviewBuilderTest, TheLocationsOverviewFollowsLoadsAndEdits) {
    LocationOverview overview;
    QSignalSpy replaced(&overview, &LocationOverview::pictureReplaced);
    QSignalSpy changed(&overview, &LocationOverview::pixelsChanged);
    overview.builder().setSliceBudget(std::chrono::microseconds(0));

    overview.showLocation(grid, catalogues);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(overview.picture(), nullptr) << "building";
    overview.builder().runSlice();
    setCell(Layer::Objects, 0, 0, kTowerCode);
    overview.cellChanged(0, 0);
    overview.builder().finish();
    EXPECT_EQ(replaced.count(), 2);
    ASSERT_NE(overview.picture(), nullptr);
    EXPECT_EQ(overview.picture()->image(), freshPicture(0));
    EXPECT_TRUE(changed.isEmpty()) << "edits while building go to the build";

    setCell(Layer::Objects, 39, 29, kSlabCode);
    overview.cellChanged(39, 29);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().at(0).toRect(), QRect(39, 29, 1, 1));
    EXPECT_EQ(overview.picture()->image().pixel(39, 29), kSlabColour);

    makeGrid(3, 3); // another location
    overview.showLocation(grid, catalogues);
    EXPECT_EQ(overview.picture(), nullptr) << "the last location's picture is gone";
    EXPECT_TRUE(overview.isBuilding());
    overview.builder().finish();
    EXPECT_EQ(overview.picture()->world(), QSize(3, 3));
}
