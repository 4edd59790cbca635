// `mapedit render` draws what the canvas draws.

#include "canvas/world_canvas.h"
#include "canvas_world.h"
#include "test_support/process.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QTest>

using canvas_testing::CanvasWorld;
using testing_support::runProcess;

namespace {

// A world with a resource folder: ground tiles of seven colours and one
// 48 x 40 sprite with a mask.
struct RenderWorld : CanvasWorld {
    RenderWorld() {
        writeLocation("main", 12, 9);
        const auto resources = root().path() / "Resources";
        std::filesystem::create_directories(resources);
        std::string level0 = "[DATA]\r\nCount=6\r\n";
        for (int i = 0; i <= 6; ++i) {
            QImage tile(16, 16, QImage::Format_RGB32);
            tile.fill(qRgb(30 * i, 200 - 20 * i, 90));
            tile.setPixel(3, 3, qRgb(255, 255, 255));
            tile.save(
                QString::fromStdString((resources / ("t" + std::to_string(i) + ".bmp")).string()));
            level0 +=
                "[OBJ-" + std::to_string(i) + "]\r\nFileName=t" + std::to_string(i) + ".bmp\r\n";
        }
        root().write("Resources/level0.ini", level0);
        QImage sprite(48, 40, QImage::Format_RGB32), mask(48, 40, QImage::Format_RGB32);
        sprite.fill(Qt::white);
        mask.fill(Qt::white);
        for (int y = 4; y < 36; ++y) {
            for (int x = 8; x < 44; ++x) {
                sprite.setPixel(x, y, qRgb(120, 60, 10 + x));
                mask.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        sprite.save(QString::fromStdString((resources / "house.bmp").string()));
        mask.save(QString::fromStdString((resources / "house_m.bmp").string()));
        root().write(
            "Resources/level1.ini",
            "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=house.bmp\r\nMaskFileName=house_m.bmp\r\n");
    }
};

QImage renderWithTool(const RenderWorld& world, std::vector<std::string> options) {
    const std::string out = (world.root().path() / "out.png").string();
    std::vector<std::string> args = {
        "render", "--root", world.root().path().string(), "--map", "Default", "--out", out};
    args.insert(args.end(), options.begin(), options.end());
    const auto result = runProcess(MAPEDIT_CLI, args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(RenderTool, DrawsExactlyWhatTheCanvasShows) {
    RenderWorld world;
    WorldCanvas canvas;
    canvas.setCellHeight(24);
    canvas.setCellWidth(40);
    canvas.setCanvasCellCountX(7);
    canvas.setCanvasCellCountY(5);
    canvas.setMapPath("Default");
    ASSERT_TRUE(canvas.LoadResources());
    canvas.LoadMap();
    for (int i = 0; i < 9; ++i) // the view to (9, 0): wraps at the right edge
        QTest::keyClick(canvas.mapSurface(), Qt::Key_Right);
    QTest::mouseClick(canvas.mapSurface(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(2 * 40 + 1, 3 * 24 + 1));
    canvas.setDrawCells(true);
    canvas.setDrawObjectsContour(true);
    canvas.setDrawCordinates(true);
    canvas.Refresh();

    const QImage tool =
        renderWithTool(world, {"--view", "9,0", "--cells", "7,5", "--cell-size", "40,24",
                               "--cursor", "2,3", "--show", "earth,objects,cells,contours,coords"});
    ASSERT_EQ(tool.size(), QSize(280, 120));
    EXPECT_EQ(tool, canvas.picMap().convertToFormat(QImage::Format_RGB32));
}

TEST(RenderTool, TheWholeLocationAndExactlyTheChosenSwitches) {
    RenderWorld world;
    const QImage whole = renderWithTool(world, {"--whole", "--show", "earth"});
    EXPECT_EQ(whole.size(), QSize(12 * 32, 9 * 32)) << "MapWidth x MapHeight cells";
    EXPECT_EQ(whole.pixel(0, 0), qRgb(0, 200, 90)) << "no cursor, no sprite";
    const QImage none = renderWithTool(world, {"--show", "none", "--no-cursor"});
    EXPECT_EQ(none.pixel(5, 5), qRgb(0x40, 0x40, 0x40));
}

TEST(RenderTool, RefusesPicturesBeyondASaneSizeAndBadOptions) {
    RenderWorld world;
    const std::string dir = world.root().path().string();
    const std::string out = dir + "/x.png";
    for (const std::vector<std::string>& extra : {std::vector<std::string>{"--cells", "600,10"},
                                                  {"--show", "earth,sky"},
                                                  {"--cursor", "1,1", "--no-cursor"},
                                                  {"--cell-size", "0,5"},
                                                  {"--view", "1"}}) {
        std::vector<std::string> args = {"render", "--root", dir, "--map", "Default", "--out", out};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = runProcess(MAPEDIT_CLI, args);
        EXPECT_EQ(r.exitCode, 1) << extra.front();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(RenderTool, WritesTheFormatItsFileNameAsksForAndRefusesOthers) {
    RenderWorld world;
    const std::string dir = world.root().path().string();
    const std::vector<std::string> base = {"render",  "--root",  dir,  "--map",
                                           "Default", "--cells", "4,3"};
    struct Case {
        std::string name;
        std::string magic;
    };
    for (const Case& c : {Case{"a.png", "\x89PNG"}, Case{"b.BMP", "BM"}, Case{"c.ppm", "P6"},
                          Case{"d.Jpg", "\xFF\xD8"}, Case{"e.jpeg", "\xFF\xD8"}}) {
        std::vector<std::string> args = base;
        args.insert(args.end(), {"--out", dir + "/" + c.name});
        const auto r = runProcess(MAPEDIT_CLI, args);
        ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.err;
        const std::string bytes = world.root().read(c.name);
        EXPECT_EQ(bytes.substr(0, c.magic.size()), c.magic) << c.name;
        const QImage read(QString::fromStdString(dir + "/" + c.name));
        EXPECT_EQ(read.size(), QSize(4 * 32, 3 * 32)) << c.name;
    }
    for (const std::string name : {"f.gif", "g", "h.png.txt"}) {
        std::vector<std::string> args = base;
        args.insert(args.end(), {"--out", dir + "/" + name});
        const auto r = runProcess(MAPEDIT_CLI, args);
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("unknown picture format"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir + "/" + name));
    }
}
