// `mapedit render` draws what the canvas draws.

#include "canvas/world_canvas.h"
#include "canvas_world.h"
#include "test_support/process.h"

#include <algorithm>
#include <filesystem>
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
        writeTilesAndHouse(16, QPoint(3, 3));
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

namespace {

// Names of the files of a folder, for "nothing else was left".
std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

testing_support::ProcessResult render(const RenderWorld& world, std::vector<std::string> extra,
                                      testing_support::ProcessLimits limits = {}) {
    std::vector<std::string> args = {"render", "--root", world.root().path().string(), "--map",
                                     "Default"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runProcess(MAPEDIT_CLI, args, limits);
}

} // namespace

TEST(RenderTool, AWriteThatFailsPartWayLeavesTheOldPictureWholeAndNoPartialFile) {
    RenderWorld world;
    const auto out = world.root().path() / "pictures";
    std::filesystem::create_directories(out);
    ASSERT_EQ(render(world, {"--cells", "4,3", "--out", (out / "old.png").string()}).exitCode, 0);
    const std::string old = world.root().read("pictures/old.png");

    // A file-size limit far below the new picture: the write fails half-way.
    testing_support::ProcessLimits limits;
    limits.fileSizeBytes = 2000;
    for (const char* name : {"old.png", "new.bmp"}) {
        const auto r = render(world, {"--cells", "40,30", "--out", (out / name).string()}, limits);
        EXPECT_EQ(r.exitCode, 1) << name << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(std::string("cannot write ") + (out / name).string()),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find("File too large"), std::string::npos) << "the system's reason";
    }
    EXPECT_EQ(world.root().read("pictures/old.png"), old) << "the old picture stays whole";
    EXPECT_EQ(filesIn(out), std::vector<std::string>{"old.png"}) << "no partial file is left";
}

TEST(RenderTool, CataloguesThatCannotBeLoadedFailTheRunUnlessPlaceholdersAreAllowed) {
    RenderWorld world;
    const std::string out = (world.root().path() / "x.png").string();
    const auto refused = render(world, {"--resources", "Nope", "--out", out});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    EXPECT_NE(refused.err.find("level0.ini: file not found"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--allow-missing-pictures"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const auto allowed =
        render(world, {"--resources", "Nope", "--allow-missing-pictures", "--out", out});
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err;
    EXPECT_NE(allowed.err.find("mapedit render: warning: "), std::string::npos) << allowed.err;
    EXPECT_TRUE(std::filesystem::exists(out));

    std::filesystem::remove(world.root().path() / "Resources/level1.ini");
    std::filesystem::remove(out);
    const auto noObjects = render(world, {"--out", out});
    EXPECT_EQ(noObjects.exitCode, 1) << "a missing object catalogue";
    EXPECT_NE(noObjects.err.find("level1.ini: file not found"), std::string::npos) << noObjects.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(RenderTool, EveryRefusalSaysWhatIsWrongInOneLineAndWritesNothing) {
    RenderWorld world;
    const auto dir = world.root().path();
    std::filesystem::create_directories(dir / "folder.png");
    world.root().write("Maps/Default/empty.config", "[CONFIG]\r\nWidth=0\r\nHeight=4\r\n");
    world.root().write("Maps/Default/empty.map", "");
    world.root().write("Maps/Default/flat.config", "[CONFIG]\r\nWidth=5\r\nHeight=0\r\n");
    world.root().write("Maps/Default/flat.map", std::string(40, '\0'));
    const std::string out = (dir / "x.png").string();
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"--cells", "3,3,3", "--out", out}, "two numbers separated by one comma"},
        {{"--show", "none,earth", "--out", out}, "\"none\" stands alone"},
        {{"--show", "earth,,objects", "--out", out}, "switch 2 of \"earth,,objects\" is empty"},
        {{"--show", "earth,", "--out", out}, "switch 2 of \"earth,\" is empty"},
        {{"--show", "earth,sky", "--out", out}, "unknown switch \"sky\""},
        {{"--cursor", "-1,-1", "--out", out}, "outside the view of 10 x 10 cells"},
        {{"--cells", "4,3", "--cursor", "4,0", "--out", out}, "columns 0 to 3, rows 0 to 2"},
        {{"--location", "empty", "--whole", "--out", out}, "no columns to draw"},
        {{"--location", "flat", "--whole", "--out", out}, "no rows to draw"},
        {{"--out", (dir / "nodir/x.png").string()}, "No such file or directory"},
        {{"--out", (dir / "folder.png").string()}, "not a regular file: folder"},
        {{"--out", ""}, "--out names no file"},
    };
    for (const Case& c : cases) {
        const auto r = render(world, c.args);
        EXPECT_EQ(r.exitCode, 1) << c.says;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("mapedit render: mapedit"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(dir / "nodir"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.png"));
}

TEST(RenderTool, SpeaksEnglishAboutCataloguesAndShortGrids) {
    RenderWorld world;
    const std::string out = (world.root().path() / "x.png").string();
    world.root().write("Resources/level0.ini", "[DATA]\r\nCount=abc\r\n");
    const auto count = render(world, {"--out", out});
    EXPECT_EQ(count.exitCode, 1);
    EXPECT_NE(count.err.find("Count in section DATA is not a number: \"abc\""), std::string::npos)
        << count.err;
    world.root().write("Resources/level0.ini",
                       "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=nothing.bmp\r\n");
    const auto picture = render(world, {"--out", out});
    EXPECT_NE(picture.err.find("entry OBJ-0: file not found"), std::string::npos) << picture.err;

    RenderWorld clean;
    const std::string grid = clean.root().read("Maps/Default/main.map");
    clean.root().write("Maps/Default/main.map", grid.substr(0, grid.size() / 2));
    const auto shortGrid = render(clean, {"--out", out});
    EXPECT_EQ(shortGrid.exitCode, 0) << shortGrid.err;
    EXPECT_NE(shortGrid.err.find("the missing cells are drawn empty"), std::string::npos)
        << shortGrid.err;
    for (const auto* r : {&count, &picture, &shortGrid}) {
        // Cyrillic letters are two bytes in UTF-8, starting with 0xD0 or 0xD1.
        EXPECT_EQ(r->err.find('\xD0'), std::string::npos) << r->err;
        EXPECT_EQ(r->err.find('\xD1'), std::string::npos) << r->err;
    }
}
