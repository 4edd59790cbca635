// `mapedit render --zoom`: the picture of the zoomed view.

#include "canvas_world.h"
#include "test_support/process.h"

#include <gtest/gtest.h>
#include <QImage>

using testing_support::runProcess;

namespace {

QImage renderZoomed(const canvas_testing::CanvasWorld& world, const std::string& zoom) {
    const std::string out = (world.root().path() / ("zoom" + zoom + ".png")).string();
    const auto result = runProcess(
        MAPEDIT_CLI, {"render", "--root", world.root().path().string(), "--map", "Default",
                      "--cells", "5,4", "--cursor", "1,2", "--show", "earth,objects,cells",
                      "--allow-missing-pictures", "--zoom", zoom, "--out", out});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(RenderToolZoom, DrawsTheViewAtTheZoomItIsGiven) {
    canvas_testing::CanvasWorld world;
    world.writeLocation("main", 12, 9);
    const QImage normal = renderZoomed(world, "32");
    ASSERT_EQ(normal.size(), QSize(5 * 32, 4 * 32));
    const QImage enlarged = renderZoomed(world, "64");
    ASSERT_EQ(enlarged.size(), QSize(5 * 64, 4 * 64));
    for (int y = 0; y < enlarged.height(); ++y)
        for (int x = 0; x < enlarged.width(); ++x)
            ASSERT_EQ(enlarged.pixel(x, y), normal.pixel(x / 2, y / 2)) << x << "," << y;
    const QImage reduced = renderZoomed(world, "8");
    ASSERT_EQ(reduced.size(), QSize(5 * 8, 4 * 8));
    EXPECT_EQ(reduced.pixel(8, 16), qRgb(0, 255, 0)) << "the cursor's corner";
}
