#include "canvas/resource_catalogues.h"
#include "resource_folder.h"

#include "support/cp1251.h"

#include <gtest/gtest.h>

using canvas::ResourceCatalogues;
using canvas_testing::ResourceFolder;
using canvas_testing::Sections;
using canvas_testing::solidImage;

namespace {

Sections entries(const std::string& count, int highest, const std::string& file) {
    Sections sections = {{"DATA", {{"Count", count}}}};
    for (int i = 0; i <= highest; ++i)
        sections.push_back({"OBJ-" + std::to_string(i),
                            {{"FileName", file}, {"MaskFileName", file}, {"Name", "n"}}});
    return sections;
}

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A folder whose first load succeeds with 3 ground tiles and 4 objects.
class LoadedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writePicture("tile.bmp", solidImage(32, 32, 0xFF336699));
        folder.writeEarthCatalogue(entries("2", 2, "tile.bmp"));
        folder.writeObjectCatalogue(entries("3", 3, "tile.bmp"));
        const auto first = catalogues.LoadResources(resourcesPath);
        ASSERT_TRUE(first.ok) << first.message();
    }

    ResourceFolder folder;
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
};

} // namespace

TEST_F(LoadedFolder, MissingGroundCatalogueEmptiesItsListsAndKeepsTheRest) {
    folder.removeFile("level0.ini");
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.file, folder.folderText() + "level0.ini");
    EXPECT_TRUE(mentions(result.message(), "level0.ini")) << result.message();
    EXPECT_TRUE(mentions(result.reason, cp1251::fromUtf8("не найден"))) << result.reason;

    EXPECT_EQ(catalogues.earthStructure().EarthsCount(), -1);
    EXPECT_TRUE(catalogues.earthStructure().EarthsFile().empty());
    EXPECT_EQ(catalogues.earthBufferCount(), 3) << "buffers stay";
    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), 3) << "objects are not reached";
    EXPECT_EQ(catalogues.objectBufferCount(), 4);
}

TEST_F(LoadedFolder, GroundCatalogueWithoutCountFailsTheSameWay) {
    folder.writeEarthCatalogue({{"DATA", {{"Other", "4"}}}});
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level0.ini"));
    EXPECT_EQ(catalogues.earthStructure().EarthsCount(), -1);
    EXPECT_EQ(catalogues.objectBufferCount(), 4);
}

TEST_F(LoadedFolder, MissingObjectCatalogueAfterAFullGroundLoad) {
    folder.writeEarthCatalogue(entries("1", 1, "tile.bmp"));
    folder.removeFile("level1.ini");
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level1.ini"));
    EXPECT_EQ(catalogues.earthStructure().EarthsCount(), 1);
    EXPECT_EQ(catalogues.earthStructure().EarthsName().size(), 2u);
    EXPECT_EQ(catalogues.earthBufferCount(), 2);
    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), -1);
    EXPECT_TRUE(catalogues.objectStructure().ObjectsName().empty());
    EXPECT_EQ(catalogues.objectBufferCount(), 4) << "object buffers stay";
}

TEST_F(LoadedFolder, CountThatIsNotAUsableNumberStopsBeforeAnythingChanges) {
    for (const std::string count : {"", "abc", "2x", "1e3", "40000", "-40000"}) {
        folder.writeEarthCatalogue(entries(count, 1, "tile.bmp"));
        const auto result = catalogues.LoadResources(resourcesPath);
        EXPECT_FALSE(result.ok) << "Count=" << count;
        EXPECT_TRUE(mentions(result.file, "level0.ini"));
        EXPECT_TRUE(mentions(result.reason, "Count")) << result.reason;
        EXPECT_EQ(catalogues.earthStructure().EarthsCount(), 2) << "Count=" << count;
        EXPECT_EQ(catalogues.earthBufferCount(), 3);
    }
}

TEST_F(LoadedFolder, ObjectCountBeyondWhatCodesReachIsRefused) {
    folder.writeObjectCatalogue(entries("65535", 0, "tile.bmp"));
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level1.ini"));
    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), 3);
    EXPECT_EQ(catalogues.objectBufferCount(), 4);
}

TEST_F(LoadedFolder, MissingPictureStopsAtItsEntry) {
    Sections sections = entries("4", 4, "tile.bmp");
    sections[3].second[0].second = "gone.bmp"; // OBJ-2
    folder.writeEarthCatalogue(sections);
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.file, folder.folderText() + "gone.bmp");
    EXPECT_TRUE(mentions(result.reason, "OBJ-2")) << result.reason;
    EXPECT_TRUE(mentions(result.reason, cp1251::fromUtf8("не найден"))) << result.reason;

    EXPECT_EQ(catalogues.earthStructure().EarthsCount(), 4);
    EXPECT_EQ(catalogues.earthStructure().EarthsFile(), std::vector<std::string>(5))
        << "the lists are assigned only after the last entry";
    EXPECT_EQ(catalogues.earthBufferCount(), 2) << "entries 0 and 1 are loaded";
    EXPECT_EQ(catalogues.objectBufferCount(), 4);
}

TEST_F(LoadedFolder, UnreadableMaskStopsAtItsObjectEntry) {
    folder.writeFile("broken.bmp", "BM this is not really a picture");
    Sections sections = entries("3", 3, "tile.bmp");
    sections[2].second[1].second = "BROKEN.bmp"; // OBJ-1's mask
    folder.writeObjectCatalogue(sections);
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.file, folder.folderText() + "BROKEN.bmp");
    EXPECT_TRUE(mentions(result.reason, cp1251::fromUtf8("не является картинкой")))
        << result.reason;
    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), 3);
    EXPECT_TRUE(catalogues.objectStructure().ObjectsPic()[0].empty());
    EXPECT_EQ(catalogues.objectBufferCount(), 1);
}

TEST(LoadResources, FailsWhenTheResourceFolderIsMissing) {
    ResourceFolder folder;
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Elsewhere";
    const auto result = catalogues.LoadResources(resourcesPath);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "Elsewhere\\level0.ini")) << result.file;
    EXPECT_EQ(catalogues.earthBufferCount(), 1);
    EXPECT_EQ(catalogues.objectBufferCount(), 1);
}
