// `mapedit export --tmx`: the map file's layers, tilesets and tiles against
// the grid and the catalogues, the object pictures' transparency, and the
// files written whole or not at all.

#include "tmx_world.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using canvas_testing::TmxFile;
using canvas_testing::TmxFileTile;
using canvas_testing::TmxFileTileset;
using canvas_testing::TmxWorld;

namespace {

namespace fs = std::filesystem;

std::string fileName(const std::string& source) {
    return fs::path(source).filename().string();
}

// The global id of the tile with catalogue code `code` among the tilesets
// whose name starts with `prefix`; the placeholder (code -1) when none has it.
std::uint32_t gidOfCode(const TmxFile& map, const std::string& prefix, int code) {
    std::uint32_t placeholder = 0;
    for (const TmxFileTileset& tileset : map.tilesets) {
        if (tileset.name.rfind(prefix, 0) != 0)
            continue;
        for (const TmxFileTile& tile : tileset.tiles) {
            if (tile.code == code)
                return tileset.firstGid + static_cast<std::uint32_t>(tile.id);
            if (tile.code == -1)
                placeholder = tileset.firstGid + static_cast<std::uint32_t>(tile.id);
        }
    }
    return placeholder;
}

std::uint32_t gidOfImage(const TmxFile& map, const std::string& name) {
    for (const TmxFileTileset& tileset : map.tilesets)
        for (const TmxFileTile& tile : tileset.tiles)
            if (fileName(tile.source) == name)
                return tileset.firstGid + static_cast<std::uint32_t>(tile.id);
    return 0;
}

const TmxFileTile* tileOfCode(const TmxFile& map, const std::string& prefix, int code) {
    for (const TmxFileTileset& tileset : map.tilesets)
        if (tileset.name.rfind(prefix, 0) == 0)
            for (const TmxFileTile& tile : tileset.tiles)
                if (tile.code == code)
                    return &tile;
    return nullptr;
}

struct Exported {
    TmxWorld world{10, 8};
    fs::path out = world.root().path() / "out" / "cave.tmx";
    TmxFile map;

    Exported() {
        world.writeCatalogues();
        world.fillSampleCells();
        world.writeLocation(cp1251::fromUtf8("Пещера <у> & \"реки\"\r\nвторая строка"));
        fs::create_directories(out.parent_path());
        const auto r = world.exportTmx(out.string());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        map = canvas_testing::readTmx(testing_support::readNative(out));
    }

    QImage picture(const TmxFileTile& tile) const {
        return QImage(QString::fromStdString((out.parent_path() / tile.source).string()));
    }
};

} // namespace

TEST(TmxExport, LayersHoldEveryCellsTileAndLeaveOutTheGridsLastRow) {
    Exported e;
    const TmxFile& map = e.map;
    ASSERT_TRUE(map.wellFormed) << map.error;
    EXPECT_EQ(map.mapAttributes.at("orientation"), "orthogonal");
    EXPECT_EQ(map.mapAttributes.at("width"), "10");
    EXPECT_EQ(map.mapAttributes.at("height"), "8") << "rows 0..Height - 1";
    EXPECT_EQ(map.mapAttributes.at("tilewidth"), "32");
    EXPECT_EQ(map.mapAttributes.at("tileheight"), "32");

    std::vector<std::pair<std::string, bool>> layers;
    for (const auto& layer : map.layers)
        layers.emplace_back(layer.name, layer.visible);
    EXPECT_EQ(layers, (std::vector<std::pair<std::string, bool>>{{"earth", true},
                                                                 {"objects", true},
                                                                 {"blocks", false},
                                                                 {"guards", false},
                                                                 {"actions", false}}));

    const std::uint32_t block = gidOfImage(map, "mark-block.png");
    const std::uint32_t guard = gidOfImage(map, "mark-guard.png");
    const std::uint32_t action = gidOfImage(map, "mark-action.png");
    ASSERT_NE(block, 0u);
    ASSERT_NE(guard, 0u);
    ASSERT_NE(action, 0u);
    const TmxWorld& w = e.world;
    for (const auto& layer : map.layers) {
        ASSERT_EQ(layer.width, w.width);
        ASSERT_EQ(layer.height, w.height);
        ASSERT_EQ(layer.gids.size(), static_cast<std::size_t>(w.width * w.height)) << layer.name;
        for (int y = 0; y < w.height; ++y) {
            for (int x = 0; x < w.width; ++x) {
                std::uint32_t expected = 0;
                if (layer.name == "earth")
                    expected = gidOfCode(map, "earth", w.value(TmxWorld::Earth, x, y));
                else if (layer.name == "objects" && w.value(TmxWorld::Object, x, y) > 0)
                    expected = gidOfCode(map, "objects", w.value(TmxWorld::Object, x, y) - 1);
                else if (layer.name == "blocks" && w.value(TmxWorld::Block, x, y) != 0)
                    expected = block;
                else if (layer.name == "guards" && w.value(TmxWorld::Guard, x, y) != 0)
                    expected = guard;
                else if (layer.name == "actions" && w.value(TmxWorld::Action, x, y) != 0)
                    expected = action;
                EXPECT_EQ(layer.gids[static_cast<std::size_t>(y * w.width + x)], expected)
                    << layer.name << " " << x << "," << y;
            }
        }
    }
    // The codes without an entry draw placeholders, which are tiles of their own.
    EXPECT_NE(gidOfCode(map, "earth", 200), gidOfCode(map, "earth", 0));
    EXPECT_EQ(gidOfCode(map, "earth", 200), gidOfCode(map, "earth", 3));
    EXPECT_NE(gidOfCode(map, "objects", 499), gidOfCode(map, "objects", 2));
}

TEST(TmxExport, TilesetsHoldEveryCatalogueEntryWithItsNameAndPicture) {
    Exported e;
    const TmxFile& map = e.map;
    ASSERT_TRUE(map.wellFormed) << map.error;
    std::uint32_t nextGid = 1;
    for (const TmxFileTileset& tileset : map.tilesets) {
        EXPECT_EQ(tileset.firstGid, nextGid) << tileset.name;
        nextGid += static_cast<std::uint32_t>(tileset.tiles.size());
        for (const TmxFileTile& tile : tileset.tiles) {
            EXPECT_EQ(fs::path(tile.source).parent_path(), fs::path("cave.tiles")) << tile.source;
            const QImage picture = e.picture(tile);
            ASSERT_FALSE(picture.isNull()) << tile.source;
            EXPECT_EQ(picture.size(), QSize(tile.width, tile.height)) << tile.source;
            if (tileset.name.rfind("objects", 0) == 0)
                EXPECT_EQ(tileset.offsetY, tile.height - 32)
                    << tile.source << ": the picture's top on the cell's top";
            else
                EXPECT_EQ(QSize(tile.width, tile.height), QSize(32, 32)) << tile.source;
        }
    }
    for (int code = 0; code <= 2; ++code) {
        const TmxFileTile* ground = tileOfCode(map, "earth", code);
        ASSERT_NE(ground, nullptr) << code;
        const QImage tile = e.picture(*ground).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(tile.pixel(0, 0), TmxWorld::groundColour(code)) << "stretched to the cell";
        EXPECT_EQ(tile.pixel(6, 10), qRgb(255, 255, 255)) << "the dot at 3,5, doubled";
        EXPECT_EQ(tile.pixel(8, 10), TmxWorld::groundColour(code));
        const TmxFileTile* object = tileOfCode(map, "objects", code);
        ASSERT_NE(object, nullptr) << code;
    }
    EXPECT_EQ(tileOfCode(map, "earth", 3), nullptr) << "no entry";
    EXPECT_EQ(tileOfCode(map, "earth", 0)->name, TmxWorld::kGroundName0);
    EXPECT_EQ(tileOfCode(map, "earth", 1)->name, TmxWorld::kGroundName1);
    EXPECT_EQ(tileOfCode(map, "earth", 2)->name, "Unknown") << "the catalogue's own default";
    EXPECT_EQ(tileOfCode(map, "objects", 0)->name, TmxWorld::kHouseName);
    EXPECT_EQ(tileOfCode(map, "objects", 1)->height, 70);
    EXPECT_EQ(map.properties.at("notes"), "Пещера <у> & \"реки\"\r\nвторая строка");
    EXPECT_EQ(map.properties.at("round"), "true");
}

TEST(TmxExport, ObjectPicturesAreOpaqueExactlyWhereTheirMasksShowThem) {
    Exported e;
    const TmxFileTile* house = tileOfCode(e.map, "objects", 0);
    const TmxFileTile* tower = tileOfCode(e.map, "objects", 1);
    const TmxFileTile* crate = tileOfCode(e.map, "objects", 2);
    ASSERT_TRUE(house && tower && crate);
    const QImage housePicture = e.picture(*house).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(housePicture.size(), QSize(48, 40));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool inside = x >= 8 && x < 44 && y >= 4 && y < 36;
            const QRgb pixel = housePicture.pixel(x, y);
            if (inside)
                EXPECT_EQ(pixel, qRgba(120, 60, 10 + x, 255)) << x << "," << y;
            else
                EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
        }
    }
    const QImage towerPicture = e.picture(*tower).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(towerPicture.size(), QSize(24, 70));
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 24; x += 7)
            EXPECT_EQ(towerPicture.pixel(x, y), y < 50 ? qRgba(90, 90 + x, 200 - y, 255) : 0u)
                << x << "," << y << ": the mask reaches 50 rows down";
    const QImage cratePicture = e.picture(*crate).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(cratePicture.pixel(5, 1), qRgba(150, 100, 40, 255));
    EXPECT_EQ(cratePicture.pixel(1, 1), qRgba(60, 40, 20, 255));
}

TEST(TmxExport, AnotherExportReplacesThePicturesWholeAndAFailedOneLeavesThemBe) {
    TmxWorld world(120, 90);
    world.writeCatalogues();
    world.fillSampleCells();
    world.writeLocation();
    const fs::path out = world.root().path() / "out";
    fs::create_directories(out);
    const auto listing = [&out] {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(out))
            names.push_back(fs::relative(entry.path(), out).string());
        std::sort(names.begin(), names.end());
        return names;
    };
    world.root().write("out/big.tiles/stale.png", "old");
    auto r = world.exportTmx((out / "big.tmx").string());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(out / "big.tiles" / "stale.png")) << "the folder is replaced whole";
    const std::vector<std::string> before = listing();
    const std::string oldMap = testing_support::readNative(out / "big.tmx");
    EXPECT_NE(std::find(before.begin(), before.end(), "big.tiles/object-0.png"), before.end());

    // The map file outgrows the file-size limit; its pictures do not.
    world.at(TmxWorld::Earth, 0, 0) = 2;
    world.writeLocation();
    testing_support::ProcessLimits limits;
    limits.fileSizeBytes = 40000;
    ASSERT_GT(oldMap.size(), limits.fileSizeBytes);
    r = world.exportTmx((out / "big.tmx").string(), limits);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
    EXPECT_EQ(testing_support::readNative(out / "big.tmx"), oldMap);
    EXPECT_EQ(listing(), before) << "no new pictures, no folders left aside";

    // Catalogues that do not load: nothing is written.
    fs::remove(world.root().path() / "Resources" / "level1.ini");
    r = world.exportTmx((out / "other.tmx").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("catalogues cannot be loaded"), std::string::npos) << r.err;
    EXPECT_EQ(listing(), before);
}

TEST(TmxExport, RefusesAnOutputBesideTheMapFileAndResourcesForOtherFormats) {
    TmxWorld world(10, 8);
    world.writeCatalogues();
    world.writeLocation();
    const std::string dir = world.root().path().string();
    const std::vector<std::string> base = {"export", "--root", dir, "--map", "Default"};
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{"--json", dir + "/a.json", "--tmx", dir + "/a.tmx"},
          {"--json", dir + "/a.json", "--resources", "Resources"},
          {"--tmx", dir + "/missing/a.tmx"}}) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = testing_support::runProcess(MAPEDIT_CLI, args);
        EXPECT_EQ(r.exitCode, 1) << extra[2];
        EXPECT_EQ(r.err.rfind("mapedit export: "), r.err.rfind('\n', r.err.size() - 2) + 1)
            << "the failure is the last line: " << r.err;
    }
    EXPECT_FALSE(fs::exists(dir + "/a.json"));
    EXPECT_FALSE(fs::exists(dir + "/a.tmx"));
    EXPECT_FALSE(fs::exists(dir + "/a.tiles"));
}
