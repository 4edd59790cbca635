#include "canvas/resource_catalogues.h"
#include "resource_folder.h"

#include <gtest/gtest.h>

using canvas::ResourceCatalogues;
using canvas_testing::ResourceFolder;
using canvas_testing::Sections;
using canvas_testing::solidImage;

namespace {

Sections countedCatalogue(const std::string& count, const Sections& entries) {
    Sections sections = {{"DATA", {{"Count", count}}}};
    sections.insert(sections.end(), entries.begin(), entries.end());
    return sections;
}

// A resource folder with three ground tiles of different sizes and two objects.
void writeSmallSet(ResourceFolder& folder) {
    folder.writePicture("grass.bmp", solidImage(32, 32, 0xFF208020));
    folder.writePicture("sand.bmp", solidImage(16, 24, 0xFFC0A060));
    folder.writePicture("water.png", solidImage(40, 40, 0xFF2040C0), "PNG");
    folder.writePicture("tree.bmp", solidImage(64, 96, 0xFF106010));
    folder.writePicture("tree_mask.bmp", solidImage(64, 96, 0xFF000000));
    folder.writePicture("rock.bmp", solidImage(32, 32, 0xFF808080));
    folder.writePicture("rock_mask.bmp", solidImage(32, 32, 0xFF000000));
    folder.writeEarthCatalogue(
        countedCatalogue("2", {{"OBJ-0", {{"FileName", "grass.bmp"}, {"Name", "Grass"}}},
                               {"OBJ-1", {{"FileName", "sand.bmp"}, {"Name", "Sand"}}},
                               {"OBJ-2", {{"FileName", "water.png"}, {"Name", "Water"}}}}));
    folder.writeObjectCatalogue(countedCatalogue(
        "1", {{"OBJ-0",
               {{"FileName", "tree.bmp"},
                {"MaskFileName", "tree_mask.bmp"},
                {"Name", "Tree"},
                {"Block", "1"}}},
              {"OBJ-1",
               {{"FileName", "rock.bmp"}, {"MaskFileName", "rock_mask.bmp"}, {"Name", "Rock"}}}}));
}

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(LoadResources, FillsBothCataloguesAndOneBufferElementPerEntry) {
    ResourceFolder folder;
    writeSmallSet(folder);
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
    const auto result = catalogues.LoadResources(resourcesPath);
    ASSERT_TRUE(result.ok) << result.message();

    EXPECT_EQ(catalogues.earthStructure().EarthsCount(), 2);
    EXPECT_EQ(catalogues.earthStructure().EarthsFile(),
              (std::vector<std::string>{"grass.bmp", "sand.bmp", "water.png"}));
    EXPECT_EQ(catalogues.earthStructure().EarthsName(),
              (std::vector<std::string>{"Grass", "Sand", "Water"}));
    ASSERT_EQ(catalogues.earthBufferCount(), 3);
    EXPECT_EQ(catalogues.picEarthBuffer(1).size(), QSize(16, 24));
    EXPECT_EQ(catalogues.picEarthBuffer(2).pixel(39, 39), 0xFF2040C0u);

    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), 1);
    EXPECT_EQ(catalogues.objectStructure().ObjectsPic(),
              (std::vector<std::string>{"tree.bmp", "rock.bmp"}));
    EXPECT_EQ(catalogues.objectStructure().ObjectsMask(),
              (std::vector<std::string>{"tree_mask.bmp", "rock_mask.bmp"}));
    EXPECT_EQ(catalogues.objectStructure().ObjectsName(),
              (std::vector<std::string>{"Tree", "Rock"}));
    ASSERT_EQ(catalogues.objectBufferCount(), 2);
    EXPECT_EQ(catalogues.picObjectBufferPic(0).size(), QSize(64, 96));
    EXPECT_EQ(catalogues.picObjectBufferMask(0).size(), QSize(64, 96));
    EXPECT_EQ(catalogues.objectSpriteSize(0), QSize(64, 96));
}

TEST(LoadResources, EmptyResourcesPathBecomesResourcesAndNamesMatchWithoutCase) {
    ResourceFolder folder("RESOURCES");
    folder.writePicture("Grass.BMP", solidImage(32, 32, 0xFF208020));
    folder.writeFile("LEVEL0.INI", canvas_testing::iniText(countedCatalogue(
                                       "0", {{"OBJ-0", {{"FileName", "grass.bmp"}}}})));
    folder.writeFile("Level1.Ini", canvas_testing::iniText(countedCatalogue("-0", {})));
    ResourceCatalogues catalogues;
    std::string resourcesPath;
    const auto result = catalogues.LoadResources(resourcesPath);
    ASSERT_TRUE(result.ok) << result.message();
    EXPECT_EQ(resourcesPath, "Resources");
    EXPECT_EQ(catalogues.picEarthBuffer(0).pixel(0, 0), 0xFF208020u);
    EXPECT_EQ(catalogues.earthStructure().EarthsName(), std::vector<std::string>{"Unknown"});
    EXPECT_EQ(catalogues.objectStructure().ObjectsCount(), 0);
}

TEST(LoadResources, EntriesWithoutFilesGetThePlaceholder) {
    ResourceFolder folder;
    folder.writePicture("tree.bmp", solidImage(64, 96, 0xFF106010));
    folder.writePicture("tree_mask.bmp", solidImage(64, 96, 0xFF000000));
    folder.writeEarthCatalogue(countedCatalogue(
        "2", {{"OBJ-0", {{"FileName", "   "}}}, {"OBJ-2", {{"FileName", "\"   \""}}}}));
    folder.writeObjectCatalogue(countedCatalogue(
        "2", {{"OBJ-0", {{"FileName", "tree.bmp"}}},
              {"OBJ-1", {{"MaskFileName", "tree_mask.bmp"}}},
              {"OBJ-2", {{"FileName", "tree.bmp"}, {"MaskFileName", " \" \" "}}}}));
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
    const auto result = catalogues.LoadResources(resourcesPath);
    ASSERT_TRUE(result.ok) << result.message();

    const QImage& placeholder = catalogues.picEmpry(0);
    ASSERT_EQ(catalogues.earthBufferCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(samePixels(catalogues.picEarthBuffer(i), placeholder)) << "ground " << i;
    EXPECT_EQ(catalogues.earthStructure().EarthsFile()[2], "   ");
    EXPECT_EQ(catalogues.earthStructure().EarthsName()[1], "Unknown") << "missing section";

    ASSERT_EQ(catalogues.objectBufferCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(samePixels(catalogues.picObjectBufferPic(i), placeholder)) << "object " << i;
        EXPECT_TRUE(samePixels(catalogues.picObjectBufferMask(i), catalogues.picEmpry(1)));
        EXPECT_EQ(catalogues.objectSpriteSize(i), QSize(32, 32));
    }
}

TEST(LoadResources, ASmallerCatalogueLeavesExactlyItsElements) {
    ResourceFolder folder;
    folder.writePicture("grass.bmp", solidImage(32, 32, 0xFF208020));
    Sections many;
    for (int i = 0; i <= 20; ++i)
        many.push_back({"OBJ-" + std::to_string(i), {{"FileName", "grass.bmp"}}});
    folder.writeEarthCatalogue(countedCatalogue("20", many));
    folder.writeObjectCatalogue(countedCatalogue("20", {}));
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
    ASSERT_TRUE(catalogues.LoadResources(resourcesPath).ok);
    EXPECT_EQ(catalogues.earthBufferCount(), 21);
    EXPECT_EQ(catalogues.objectBufferCount(), 21);

    folder.writeEarthCatalogue(countedCatalogue("5", {}));
    folder.writeObjectCatalogue(countedCatalogue("5", {}));
    ASSERT_TRUE(catalogues.LoadResources(resourcesPath).ok);
    EXPECT_EQ(catalogues.earthBufferCount(), 6);
    EXPECT_EQ(catalogues.objectBufferCount(), 6);
    EXPECT_TRUE(samePixels(catalogues.picEarthBuffer(0), catalogues.picEmpry(0)))
        << "element 0 is overwritten by each load";
}

TEST(LoadResources, ReadsPicturesOfEveryCommonKind) {
    ResourceFolder folder;
    QImage mono(10, 6, QImage::Format_Mono);
    mono.setColorTable({0xFFFFFFFF, 0xFF000000});
    mono.fill(0);
    mono.setPixel(3, 2, 1);
    folder.writePicture("mono.bmp", mono);
    folder.writePicture("palette.bmp",
                        solidImage(7, 5, 0xFFFF0000).convertToFormat(QImage::Format_Indexed8));
    folder.writePicture("photo.jpg", solidImage(8, 8, 0xFF808080), "JPEG");
    folder.writePicture("alpha.png", solidImage(5, 9, 0xFF00FF00), "PNG");
    folder.writeEarthCatalogue(countedCatalogue("3", {{"OBJ-0", {{"FileName", "mono.bmp"}}},
                                                      {"OBJ-1", {{"FileName", "palette.bmp"}}},
                                                      {"OBJ-2", {{"FileName", "photo.jpg"}}},
                                                      {"OBJ-3", {{"FileName", "alpha.png"}}}}));
    folder.writeObjectCatalogue(countedCatalogue("0", {}));
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
    const auto result = catalogues.LoadResources(resourcesPath);
    ASSERT_TRUE(result.ok) << result.message();
    EXPECT_EQ(catalogues.picEarthBuffer(0).size(), QSize(10, 6));
    EXPECT_EQ(catalogues.picEarthBuffer(0).pixel(3, 2), 0xFF000000u);
    EXPECT_EQ(catalogues.picEarthBuffer(0).pixel(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(catalogues.picEarthBuffer(1).pixel(6, 4), 0xFFFF0000u);
    EXPECT_EQ(catalogues.picEarthBuffer(2).size(), QSize(8, 8));
    EXPECT_EQ(catalogues.picEarthBuffer(3).pixel(4, 8), 0xFF00FF00u);
}
