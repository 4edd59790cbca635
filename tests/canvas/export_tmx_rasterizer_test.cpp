// The exported map as Tiled draws it (its tmxrasterizer) against the whole
// location as `mapedit render` draws it, pixel for pixel.

#include "tmx_world.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <QStandardPaths>

using canvas_testing::TmxWorld;

namespace {

namespace fs = std::filesystem;

QString rasterizer() {
    return QStandardPaths::findExecutable("tmxrasterizer");
}

QImage rasterize(const fs::path& map, const fs::path& out, const std::vector<std::string>& extra) {
    std::vector<std::string> args = extra;
    args.insert(args.end(), {map.string(), out.string()});
    testing_support::ProcessLimits limits;
    limits.environment = {"QT_QPA_PLATFORM=offscreen"};
    const auto r = testing_support::runProcess(rasterizer().toStdString(), args, limits);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return QImage(QString::fromStdString(out.string()));
}

QImage render(const TmxWorld& world, const fs::path& out, const std::string& show) {
    const auto r = testing_support::runProcess(
        MAPEDIT_CLI, {"render", "--root", world.root().path().string(), "--map", "Default",
                      "--whole", "--show", show, "--out", out.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return QImage(QString::fromStdString(out.string())).convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ, with the first few named.
std::string differences(const QImage& tiled, const QImage& rendered) {
    if (tiled.size() != rendered.size())
        return "sizes differ";
    int count = 0;
    std::string first;
    for (int y = 0; y < tiled.height(); ++y) {
        for (int x = 0; x < tiled.width(); ++x) {
            const QRgb a = tiled.pixel(x, y);
            const QRgb b = rendered.pixel(x, y);
            if (a == b)
                continue;
            if (++count <= 5)
                first += " " + std::to_string(x) + "," + std::to_string(y) + ": " +
                         QString::number(a, 16).toStdString() + " vs " +
                         QString::number(b, 16).toStdString();
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + first;
}

struct RasterWorld {
    TmxWorld world{10, 8};
    fs::path folder = world.root().path();

    RasterWorld() {
        world.writeCatalogues();
        world.fillSampleCells();
        world.writeLocation();
        const auto r = world.exportTmx((folder / "map.tmx").string());
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }
};

} // namespace

TEST(TmxRasterizer, DrawsTheGroundAndObjectsExactlyAsTheRenderDoes) {
    if (rasterizer().isEmpty())
        GTEST_SKIP() << "tmxrasterizer is not installed (Debian package \"tiled\"; "
                        "tools/install-dependencies.sh installs it)";
    RasterWorld w;
    const QImage rendered = render(w.world, w.folder / "render.png", "earth,objects");
    ASSERT_EQ(rendered.size(), QSize(10 * 32, 8 * 32));

    const QImage shown = rasterize(w.folder / "map.tmx", w.folder / "shown.png",
                                   {"--show-layer", "earth", "--show-layer", "objects"})
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), rendered.size());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(qAlpha(shown.pixel(x, y)), 255) << x << "," << y << ": ground everywhere";
    EXPECT_EQ(differences(shown.convertToFormat(QImage::Format_RGB32), rendered), "");

    // The marks' layers are hidden: the map as it opens shows the same.
    const QImage asOpened = rasterize(w.folder / "map.tmx", w.folder / "opened.png", {});
    EXPECT_EQ(differences(asOpened.convertToFormat(QImage::Format_RGB32), rendered), "");

    // The sample cells draw what the test means them to: a sprite, a
    // placeholder, and both ground placeholders alike.
    const QImage groundOnly = render(w.world, w.folder / "ground.png", "earth");
    EXPECT_NE(rendered.pixel(1 * 32 + 20, 1 * 32 + 20), groundOnly.pixel(1 * 32 + 20, 1 * 32 + 20));
    EXPECT_NE(rendered.pixel(8 * 32 + 16, 5 * 32 + 16), groundOnly.pixel(8 * 32 + 16, 5 * 32 + 16));
    EXPECT_EQ(rendered.pixel(6 * 32 + 5, 32 + 40), qRgb(90, 95, 200 - 40))
        << "the tower hangs from its cell's top";
}

TEST(TmxRasterizer, TheMarksLayersDrawTheRendersHatchings) {
    if (rasterizer().isEmpty())
        GTEST_SKIP() << "tmxrasterizer is not installed (Debian package \"tiled\"; "
                        "tools/install-dependencies.sh installs it)";
    RasterWorld w;
    const QImage rendered =
        render(w.world, w.folder / "render.png", "earth,objects,blocks,guards,actions");
    const QImage all =
        rasterize(w.folder / "map.tmx", w.folder / "all.png", {"--ignore-visibility"});
    EXPECT_EQ(differences(all.convertToFormat(QImage::Format_RGB32), rendered), "");
    const QImage unmarked = render(w.world, w.folder / "plain.png", "earth,objects");
    EXPECT_NE(differences(unmarked, rendered), "") << "the marks show";
}
