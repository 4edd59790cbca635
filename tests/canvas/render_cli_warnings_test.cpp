// `mapedit render` tells on stderr of every object whose mask has another size
// than its picture, and draws as usual.

#include "canvas_world.h"
#include "test_support/process.h"

#include <gtest/gtest.h>
#include <QImage>

#include <sstream>

using canvas_testing::CanvasWorld;
using testing_support::runProcess;

namespace {

void writePicture(const CanvasWorld& world, const std::string& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.save(QString::fromStdString((world.root().path() / "Resources" / name).string()));
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(RenderToolWarnings, OneLineForEachObjectWhoseMaskHasAnotherSize) {
    CanvasWorld world;
    world.writeLocation("main", 4, 3);
    world.root().write("Resources/level0.ini",
                       "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=t.bmp\r\n");
    writePicture(world, "t.bmp", 32, 32);
    writePicture(world, "hut.bmp", 96, 96);
    writePicture(world, "hut_m.bmp", 96, 96);
    writePicture(world, "large_m.bmp", 200, 150);
    writePicture(world, "small_m.bmp", 40, 30);
    const std::string out = (world.root().path() / "out.png").string();
    const std::vector<std::string> args = {
        "render", "--root", world.root().path().string(), "--map", "Default", "--out", out};

    world.root().write("Resources/level1.ini",
                       "[DATA]\r\nCount=2\r\n"
                       "[OBJ-0]\r\nFileName=hut.bmp\r\nMaskFileName=large_m.bmp\r\n"
                       "[OBJ-1]\r\nFileName=hut.bmp\r\nMaskFileName=hut_m.bmp\r\n"
                       "[OBJ-2]\r\nFileName=hut.bmp\r\nMaskFileName=small_m.bmp\r\n");
    const auto warned = runProcess(MAPEDIT_CLI, args);
    EXPECT_EQ(warned.exitCode, 0) << warned.err;
    const std::vector<std::string> lines = linesOf(warned.err);
    ASSERT_EQ(lines.size(), 2u) << warned.err;
    const std::string prefix = "mapedit render: warning: ";
    for (const std::string& line : lines) {
        EXPECT_EQ(line.substr(0, prefix.size()), prefix) << line;
        EXPECT_NE(line.find("level1.ini: entry OBJ-"), std::string::npos) << line;
    }
    EXPECT_NE(lines[0].find("OBJ-0: a mask of 200 x 150 pixels for a picture of 96 x 96"),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find("OBJ-2: a mask of 40 x 30 pixels for a picture of 96 x 96"),
              std::string::npos)
        << lines[1];
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(10 * 32, 10 * 32));

    world.root().write(
        "Resources/level1.ini",
        "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=hut.bmp\r\nMaskFileName=hut_m.bmp\r\n");
    const auto clean = runProcess(MAPEDIT_CLI, args);
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.err, "");
}
