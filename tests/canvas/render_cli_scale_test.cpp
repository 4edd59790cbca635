// `mapedit render --scale`: the picture averaged down, and the values refused.

#include "box_average.h"
#include "canvas_world.h"
#include "test_support/process.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <QImage>

using canvas_testing::boxAverage;
using canvas_testing::CanvasWorld;
using testing_support::runProcess;

namespace {

// Ground tiles of seven colours with a white dot each, and a 48 x 40 sprite
// that reaches into the next column and row.
struct ScaleWorld : CanvasWorld {
    ScaleWorld() {
        writeLocation("main", 13, 9);
        writeTilesAndHouse(32, QPoint(5, 7));
    }

    std::string out(const std::string& name) const { return (root().path() / name).string(); }
    testing_support::ProcessResult render(const std::string& file,
                                          std::vector<std::string> options) const {
        std::vector<std::string> args = {
            "render", "--root", root().path().string(), "--map", "Default", "--out", out(file)};
        args.insert(args.end(), options.begin(), options.end());
        return runProcess(MAPEDIT_CLI, args);
    }
    QImage picture(const std::string& file) const {
        return QImage(QString::fromStdString(out(file))).convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace

TEST(RenderToolScale, ThePictureIsTheBoxAverageOfTheFullSizeOne) {
    ScaleWorld world;
    for (const std::vector<std::string>& what :
         {std::vector<std::string>{"--whole", "--show", "earth,objects,cells"},
          std::vector<std::string>{"--view", "11,3", "--cells", "7,5", "--cursor", "2,1"}}) {
        const auto full = world.render("full.png", what);
        ASSERT_EQ(full.exitCode, 0) << full.err;
        const QImage reference = world.picture("full.png");
        for (const std::string scale : {"0.5", "0.3", "0.0625", "1"}) {
            std::vector<std::string> options = what;
            options.insert(options.end(), {"--scale", scale});
            const auto scaled = world.render("scaled.png", options);
            ASSERT_EQ(scaled.exitCode, 0) << scaled.err;
            EXPECT_EQ(scaled.err, "");
            const double s = std::stod(scale);
            const QSize size(static_cast<int>(std::lround(reference.width() * s)),
                             static_cast<int>(std::lround(reference.height() * s)));
            const QImage picture = world.picture("scaled.png");
            ASSERT_EQ(picture.size(), size) << scale;
            EXPECT_EQ(picture, boxAverage(reference, size)) << what[0] << " at " << scale;
        }
    }
}

TEST(RenderToolScale, ValuesOutsideZeroToOneAreRefusedWithOneLine) {
    ScaleWorld world;
    for (const std::string bad :
         {"0", "-0.25", "1.5", "1.0001", "nan", "inf", "abc", "", "0.5x", " 0.5", "1e-400"}) {
        const auto refused = world.render("refused.png", {"--whole", "--scale", bad});
        EXPECT_EQ(refused.exitCode, 2) << "\"" << bad << "\"";
        EXPECT_EQ(refused.err, "mapedit render: --scale takes a number above 0 and at most 1 "
                               "(such as 0.25), not \"" +
                                   bad + "\"\n");
        EXPECT_FALSE(std::filesystem::exists(world.out("refused.png"))) << bad;
    }
    const auto zoomed = world.render("refused.png", {"--whole", "--scale", "0.5", "--zoom", "8"});
    EXPECT_EQ(zoomed.exitCode, 1);
    EXPECT_EQ(zoomed.err, "mapedit render: --scale and --zoom exclude each other\n");
    EXPECT_FALSE(std::filesystem::exists(world.out("refused.png")));
    const auto tiny = world.render("tiny.png", {"--whole", "--scale", "1e-300"});
    EXPECT_EQ(tiny.exitCode, 0) << tiny.err;
    EXPECT_EQ(world.picture("tiny.png").size(), QSize(1, 1)) << "at least one pixel a side";
}
