#include "location_fixture.h"
#include "model/grid_file.h"
#include "model/location_files.h"
#include "model/location_loader.h"
#include "support/cp1251.h"

#include "test_support/bytes.h"

#include <gtest/gtest.h>
#include <vector>

using testing_support::bytes;
using namespace model;
using testing_support::randomBytes;
using testing_support::WorldFolder;

namespace {

// Records what the loader tells its host, in order, with the grid's size as the
// host saw it at each notification.
class Recorder : public LoadListener {
public:
    explicit Recorder(const LocationGrid& grid) : m_grid(grid) {}

    void showMessage(MessageIcon icon, const std::string& title, const std::string& text) override {
        events.push_back("message");
        this->icon = icon;
        this->title = title;
        this->text = cp1251::toUtf8(text);
    }
    void locationNameChanged(const std::string& n) override {
        events.push_back("ChangeLocation");
        name = n;
        widthAtChange = m_grid.MapWidth();
    }
    void mapLoaded() override { events.push_back("MapLoad"); }
    void redrawRequested() override { events.push_back("redraw"); }

    std::vector<std::string> events;
    MessageIcon icon{};
    std::string title, text, name;
    std::int32_t widthAtChange = -1;

private:
    const LocationGrid& m_grid;
};

const std::string kContact = "\r\nЗа дополнительной информацией обращайтесь к разработчику.";

// A loaded 2 x 1 location "old" the refused loads must leave alone.
struct LoadedWorld {
    WorldFolder world;
    LocationGrid grid;
    std::string gridBytes = randomBytes(32, 1);

    LoadedWorld() {
        world.writeConfig("Default", "old", 2, 1);
        world.writeGrid("Default", "old", gridBytes);
        Recorder r(grid);
        EXPECT_EQ(LoadMap(grid, "Default", "old", r), LoadOutcome::Loaded);
    }
    void expectOldGridIntact() const {
        EXPECT_EQ(grid.MapWidth(), 2);
        EXPECT_EQ(grid.MapHeight(), 1);
        EXPECT_TRUE(grid.isComplete());
        EXPECT_EQ(grid.GetEarths(0) + grid.GetObjects(0), gridBytes.substr(0, 6));
    }
};

} // namespace

TEST(LoadMap, ReadsRecordsIntoTheLayers) {
    WorldFolder world;
    world.writeConfig("Default", "main", 3, 1);
    std::string file = randomBytes(48, 2);
    file.replace(3, 2, bytes({1, 2})); // object of cell (0, 0)
    world.writeGrid("Default", "main", file);
    LocationGrid grid;
    Recorder r(grid);
    ASSERT_EQ(LoadMap(grid, "Default", "main", r), LoadOutcome::Loaded);
    EXPECT_EQ(r.events, (std::vector<std::string>{"ChangeLocation", "MapLoad", "redraw"}));
    EXPECT_EQ(r.name, "main");
    EXPECT_EQ(r.widthAtChange, 0) << "the name changes before the grid";
    for (int y = 0; y < 2; ++y) {
        const std::string record = file.substr(24 * y, 24);
        EXPECT_EQ(grid.GetEarths(y), record.substr(0, 3));
        EXPECT_EQ(grid.GetObjects(y), record.substr(3, 6));
        EXPECT_EQ(grid.GetPredmets(y), record.substr(9, 3));
        EXPECT_EQ(grid.GetDoors(y), record.substr(12, 6));
        EXPECT_EQ(grid.GetBlocks(y), record.substr(18, 3));
        EXPECT_EQ(grid.GetGuards(y), record.substr(21, 3));
    }
    EXPECT_EQ(grid.cellValue(Layer::Objects, 0, 0), 258);
}

TEST(LoadMap, LayersLeftOutStayEmptyAndTheOthersAreReadInPlace) {
    WorldFolder world;
    world.writeConfig("Default", "main", 3, 2);
    const std::string file = randomBytes(72, 3);
    world.writeGrid("Default", "main", file);
    // Each layer alone, and the two a picture of ground and objects needs.
    std::vector<LayerSet> choices;
    for (Layer layer : kFileLayerOrder)
        choices.push_back(LayerSet().set(layerIndex(layer)));
    choices.push_back(LayerSet().set(layerIndex(Layer::Earths)).set(layerIndex(Layer::Objects)));
    const std::size_t offsets[] = {0, 3, 9, 12, 18, 21};
    for (const LayerSet& layers : choices) {
        LocationGrid grid;
        Recorder r(grid);
        ASSERT_EQ(LoadMap(grid, "Default", "main", r, layers), LoadOutcome::Loaded);
        for (std::size_t i = 0; i < kFileLayerOrder.size(); ++i) {
            const Layer layer = kFileLayerOrder[i];
            const std::size_t width = 3 * static_cast<std::size_t>(bytesPerCell(layer));
            for (int y = 0; y < 3; ++y) {
                const std::string expected = layers.test(layerIndex(layer))
                                                 ? file.substr(24 * y + offsets[i], width)
                                                 : std::string(width, '\0');
                EXPECT_EQ(grid.rowCopy(layer, y), expected)
                    << layerName(layer) << " row " << y << " loading " << layers;
            }
        }
    }
}

TEST(LoadMap, MissingKeysGiveTheDefaultSize) {
    WorldFolder world;
    world.writeConfig("Default", "main", "[CONFIG]\r\n");
    world.writeGrid("Default", "main", std::string(116160, '\x01'));
    LocationGrid grid;
    Recorder r(grid);
    ASSERT_EQ(LoadMap(grid, "Default", "main", r), LoadOutcome::Loaded);
    EXPECT_EQ(grid.MapWidth(), 120);
    EXPECT_EQ(grid.rowCount(Layer::Earths), 121);
}

TEST(LoadMap, MissingFilesAreRefusedWithTheirMessages) {
    LoadedWorld w;
    w.world.writeGrid("Default", "cave", std::string(8, '\0'));
    w.world.writeConfig("Default", "hill", 1, 0);
    struct Case {
        const char* name;
        const char* reason;
    };
    for (const Case& c : {Case{"cave", " так как файл параметров локации не найден."},
                          Case{"hill", " так как файл карты локации не найден."},
                          Case{"none", " так как файл параметров локации не найден."}}) {
        Recorder r(w.grid);
        EXPECT_EQ(LoadMap(w.grid, "Default", c.name, r), LoadOutcome::Refused);
        EXPECT_EQ(r.events, std::vector<std::string>{"message"});
        EXPECT_EQ(r.icon, MessageIcon::Critical);
        EXPECT_EQ(r.title, "Error");
        EXPECT_EQ(r.text, std::string("Не возможно загрузить локацию \"") + c.name + "\"" +
                              c.reason + kContact);
        w.expectOldGridIntact();
    }
}

TEST(LoadMap, UnusableSizesAreRefusedBeforeAnythingChanges) {
    LoadedWorld w;
    struct Case {
        const char* config;
        const char* mentions; // what the message must name
    };
    const Case cases[] = {
        {"[CONFIG]\r\nWidth=abc\r\nHeight=4\r\n", "Width = \"abc\""},
        {"[CONFIG]\r\nWidth=4\r\nHeight=-3\r\n", "Height = \"-3\""},
        {"[CONFIG]\r\nWidth=12.5\r\n", "Width = \"12.5\""},
        {"[CONFIG]\r\nWidth=99999999999\r\n", "Width = \"99999999999\""},
        {"[CONFIG]\r\nWidth=2000000000\r\nHeight=2000000000\r\n", "слишком велика"},
        {"[CONFIG]\r\nWidth=\x01\x02\xff\r\n", "Width"},
        {"[CONFIG]\r\nHeight=\r\n", "Height = \"\""},
    };
    for (const Case& c : cases) {
        w.world.writeConfig("Default", "bad", c.config);
        w.world.writeGrid("Default", "bad", std::string(64, '\x05'));
        Recorder r(w.grid);
        EXPECT_EQ(LoadMap(w.grid, "Default", "bad", r), LoadOutcome::Refused) << c.config;
        EXPECT_EQ(r.events, std::vector<std::string>{"message"}) << c.config;
        EXPECT_EQ(r.icon, MessageIcon::Critical);
        EXPECT_NE(r.text.find("\"bad\""), std::string::npos) << r.text;
        EXPECT_NE(r.text.find(cp1251::toUtf8(cp1251::fromUtf8(c.mentions))), std::string::npos)
            << r.text;
        w.expectOldGridIntact();
    }
}

TEST(LoadMap, AShortGridFileLeavesTheRestEmptyAndWarns) {
    WorldFolder world;
    world.writeConfig("Default", "main", 2, 2); // 3 records of 16 bytes
    const std::string file = randomBytes(20, 3);
    world.writeGrid("Default", "main", file);
    LocationGrid grid;
    Recorder r(grid);
    EXPECT_EQ(LoadMap(grid, "Default", "main", r), LoadOutcome::LoadedIncomplete);
    EXPECT_EQ(r.events,
              (std::vector<std::string>{"ChangeLocation", "MapLoad", "redraw", "message"}));
    EXPECT_EQ(r.icon, MessageIcon::Warning);
    EXPECT_NE(r.text.find("48"), std::string::npos) << r.text;
    EXPECT_NE(r.text.find("20"), std::string::npos) << r.text;
    EXPECT_EQ(grid.GetEarths(0), file.substr(0, 2));
    EXPECT_EQ(grid.GetObjects(0), file.substr(2, 4));
    EXPECT_EQ(grid.GetPredmets(0), file.substr(6, 2));
    EXPECT_EQ(grid.GetDoors(0), file.substr(8, 4));
    EXPECT_EQ(grid.GetBlocks(0), file.substr(12, 2));
    EXPECT_EQ(grid.GetGuards(0), file.substr(14, 2));
    EXPECT_EQ(grid.GetEarths(1), file.substr(16, 2));
    EXPECT_EQ(grid.GetObjects(1), file.substr(18, 2) + std::string(2, '\0'));
    for (Layer layer : kAllLayers)
        EXPECT_EQ(grid.rowCopy(layer, 2), std::string(grid.rowBytes(layer), '\0'));
}

TEST(LoadMap, BytesBeyondTheGridAreIgnored) {
    WorldFolder world;
    world.writeConfig("Default", "main", 1, 0);
    const std::string file = randomBytes(8, 4) + "trailing";
    world.writeGrid("Default", "main", file);
    LocationGrid grid;
    Recorder r(grid);
    EXPECT_EQ(LoadMap(grid, "Default", "main", r), LoadOutcome::Loaded);
    EXPECT_EQ(grid.GetGuards(0), file.substr(7, 1));
}

TEST(LoadMap, AGridThatCannotBeOpenedIsRefused) {
    LoadedWorld w;
    w.world.writeConfig("Default", "dir", 1, 0);
    std::filesystem::create_directories(w.world.root().path() / "Maps/Default/dir.map");
    Recorder r(w.grid);
    EXPECT_EQ(LoadMap(w.grid, "Default", "dir", r), LoadOutcome::Refused);
    EXPECT_EQ(r.events, std::vector<std::string>{"message"});
    w.expectOldGridIntact();
}

TEST(LoadMap, FindsFilesWhateverTheirCase) {
    WorldFolder world;
    world.root().write("maps/FOREST/Main.CONFIG", "[config]\r\nwidth=1\r\nheight=0\r\n");
    world.root().write("maps/FOREST/Main.MAP", randomBytes(8, 5));
    LocationGrid grid;
    Recorder r(grid);
    EXPECT_EQ(LoadMap(grid, "Forest", "main", r), LoadOutcome::Loaded);
    EXPECT_EQ(grid.MapWidth(), 1);
}

TEST(GridFile, RoundTripsByteForByte) {
    WorldFolder world;
    world.writeConfig("Default", "main", 37, 11);
    const std::string file = randomBytes(8 * 37 * 12, 6);
    world.writeGrid("Default", "main", file);
    LocationGrid grid;
    Recorder r(grid);
    ASSERT_EQ(LoadMap(grid, "Default", "main", r), LoadOutcome::Loaded);
    std::error_code ec;
    const std::string copy = locationFiles("Default", "copy").grid;
    ASSERT_TRUE(writeGridFile(copy, grid, ec)) << ec.message();
    EXPECT_EQ(world.readGrid("Default", "copy"), file);
}

TEST(GridFile, SavingWritesInPlaceWithoutShortening) {
    WorldFolder world;
    world.writeGrid("Default", "main", std::string(40, 'x'));
    LocationGrid grid;
    grid.setMapWidth(2);
    grid.setMapHeight(1);
    grid.CreatMap(3);
    grid.setWorldCursor(1, 1);
    grid.setCurrentDoor(0x0102);
    std::error_code ec;
    ASSERT_TRUE(writeGridFile(locationFiles("Default", "main").grid, grid, ec));
    const std::string saved = world.readGrid("Default", "main");
    ASSERT_EQ(saved.size(), 40u);
    const std::string row0 = bytes({3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const std::string row1 = bytes({3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0});
    EXPECT_EQ(saved, row0 + row1 + std::string(8, 'x'));
}

TEST(GridFile, CellAndCensusReadOnlyWhatTheyNeed) {
    WorldFolder world;
    world.writeConfig("Default", "main", 3, 2);
    LocationGrid grid;
    grid.setMapWidth(3);
    grid.setMapHeight(2);
    grid.CreatMap(0);
    grid.setWorldCursor(2, 1);
    grid.setCurrentEarth(7);
    grid.setCurrentObject(300);
    grid.setCurrentDoor(1);
    grid.setCurrentBlocks(49);
    grid.setCurrentGuard(1);
    grid.setWorldCursor(0, 2);
    grid.setCurrentObject(256); // only the high byte is set
    grid.setCurrentPredmet(4);
    grid.setLayerRows(Layer::Predmets, {bytes({0, 0, 0}), bytes({0, 0, 0}), bytes({0, 9, 0})});
    std::error_code ec;
    const std::string file = locationFiles("Default", "main").grid;
    ASSERT_TRUE(writeGridFile(file, grid, ec));

    CellValues cell;
    bool covered = false;
    ASSERT_TRUE(readGridCell(file, 3, 2, 1, cell, covered, ec));
    EXPECT_TRUE(covered);
    EXPECT_EQ(cell.earth, 7);
    EXPECT_EQ(cell.object, 300);
    EXPECT_EQ(cell.predmet, 0);
    EXPECT_EQ(cell.door, 1);
    EXPECT_EQ(cell.block, 49);
    EXPECT_EQ(cell.guard, 1);

    GridCensus census;
    ASSERT_TRUE(censusGridFile(file, 3, 2, census, ec));
    EXPECT_EQ(census.fileBytes, 72u);
    const std::array<std::uint64_t, 6> expected = {1, 1, 2, 1, 1, 1}; // canvas order
    EXPECT_EQ(census.nonEmpty, expected);

    world.writeGrid("Default", "main", world.readGrid("Default", "main").substr(0, 26));
    ASSERT_TRUE(readGridCell(file, 3, 2, 1, cell, covered, ec));
    EXPECT_FALSE(covered);
    EXPECT_EQ(cell.earth, 0) << "missing bytes read as empty";
    ASSERT_TRUE(censusGridFile(file, 3, 2, census, ec));
    EXPECT_EQ(census.fileBytes, 26u);
    EXPECT_EQ(census.nonEmpty, (std::array<std::uint64_t, 6>{0, 0, 0, 0, 0, 0}));
}

TEST(FileTypes, NameEveryExtension) {
    const char* expected[] = {"map", "adr", "inf", "config", "mpc", "actl", "act"};
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(GetFileType(n), expected[n]);
    EXPECT_EQ(GetFileType(7), "dat");
    EXPECT_EQ(GetFileType(-1), "dat");
    EXPECT_EQ(locationFile("C:\\M\\", "cave", kConfigFile), "C:\\M\\cave.config");
}

TEST(LoadMap, NamesTheFileSystemRefusesAreRefusedWithoutChanges) {
    LoadedWorld w;
    for (const std::string& name : {std::string(300, 'n'), std::string("ba\0d", 4)}) {
        Recorder r(w.grid);
        EXPECT_EQ(LoadMap(w.grid, "Default", name, r), LoadOutcome::Refused);
        EXPECT_EQ(r.events, std::vector<std::string>{"message"});
        EXPECT_EQ(r.icon, MessageIcon::Critical);
        w.expectOldGridIntact();
    }
}
