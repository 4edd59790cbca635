// Objects whose mask has another size than their picture load, with one
// warning for each such entry naming the catalogue, the entry and both sizes.
#include "canvas/resource_catalogues.h"
#include "resource_folder.h"

#include "support/cp1251.h"
#include "support/file_system.h"

#include <gtest/gtest.h>

using canvas::ResourceCatalogues;
using canvas_testing::Keys;
using canvas_testing::ResourceFolder;
using canvas_testing::solidImage;

namespace {

Keys sprite(const std::string& picture, const std::string& mask) {
    return {{"FileName", picture}, {"MaskFileName", mask}};
}

// 96 x 96 pictures with masks of their own size, larger and smaller.
class MaskSizeWarnings : public ::testing::Test {
protected:
    MaskSizeWarnings() {
        folder.writePicture("tile.bmp", solidImage(32, 32, 0xFF336699));
        folder.writePicture("wide_tile.bmp", solidImage(64, 16, 0xFF336699));
        folder.writeEarthCatalogue({{"DATA", {{"Count", "1"}}},
                                    {"OBJ-0", {{"FileName", "tile.bmp"}}},
                                    {"OBJ-1", {{"FileName", "wide_tile.bmp"}}}});
        folder.writePicture("hut.bmp", solidImage(96, 96, 0xFF806040));
        folder.writePicture("hut_mask.bmp", solidImage(96, 96, 0xFF000000));
        folder.writePicture("large_mask.bmp", solidImage(200, 150, 0xFF000000));
        folder.writePicture("small_mask.bmp", solidImage(40, 30, 0xFF000000));
    }

    canvas::ResourceLoadResult load() { return catalogues.LoadResources(resourcesPath); }

    // The warning for entry OBJ-`entry` of level1.ini, in code page 1251.
    std::string warning(int entry, const std::string& sizes) const {
        return fsys::displayText(folder.folderText() + "level1.ini") +
               cp1251::fromUtf8(": запись OBJ-" + std::to_string(entry) + ": маска " + sizes +
                                "; картинка рисуется в своих границах");
    }

    ResourceFolder folder;
    ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
};

} // namespace

TEST_F(MaskSizeWarnings, OneForEachEntryWhoseMaskDiffersNamingBothSizes) {
    folder.writeObjectCatalogue({{"DATA", {{"Count", "4"}}},
                                 {"OBJ-0", sprite("hut.bmp", "hut_mask.bmp")},
                                 {"OBJ-1", sprite("hut.bmp", "large_mask.bmp")},
                                 {"OBJ-2", sprite("hut.bmp", "small_mask.bmp")},
                                 {"OBJ-3", {{"FileName", "hut.bmp"}}},
                                 {"OBJ-4", sprite("hut.bmp", "large_mask.bmp")}});
    const auto result = load();
    ASSERT_TRUE(result.ok) << result.message();
    EXPECT_EQ(result.warnings,
              (std::vector<std::string>{
                  warning(1, "200 x 150 точек другого размера, чем картинка 96 x 96"),
                  warning(2, "40 x 30 точек другого размера, чем картинка 96 x 96"),
                  warning(4, "200 x 150 точек другого размера, чем картинка 96 x 96")}));
    ASSERT_EQ(catalogues.objectBufferCount(), 5);
    for (int entry : {1, 2, 4}) {
        EXPECT_EQ(catalogues.objectSprite(entry).width(), 96) << entry;
        EXPECT_EQ(catalogues.objectSprite(entry).height(), 96) << entry;
        EXPECT_NE(catalogues.picObjectBufferMask(entry).size(), QSize(96, 96))
            << "the mask is kept as read";
    }
}

TEST_F(MaskSizeWarnings, EachLoadReportsOnlyItsOwnAndGroundTilesNever) {
    folder.writeObjectCatalogue(
        {{"DATA", {{"Count", "0"}}}, {"OBJ-0", sprite("hut.bmp", "small_mask.bmp")}});
    EXPECT_EQ(load().warnings.size(), 1u);
    EXPECT_EQ(load().warnings.size(), 1u) << "a second load does not add to the first";

    folder.writeObjectCatalogue(
        {{"DATA", {{"Count", "0"}}}, {"OBJ-0", sprite("hut.bmp", "hut_mask.bmp")}});
    const auto clean = load();
    ASSERT_TRUE(clean.ok) << clean.message();
    EXPECT_TRUE(clean.warnings.empty()) << "ground tiles of other sizes have no masks";
}

TEST_F(MaskSizeWarnings, AFailedLoadKeepsThoseOfTheEntriesBeforeIt) {
    folder.writeObjectCatalogue({{"DATA", {{"Count", "2"}}},
                                 {"OBJ-0", sprite("hut.bmp", "large_mask.bmp")},
                                 {"OBJ-1", sprite("gone.bmp", "hut_mask.bmp")},
                                 {"OBJ-2", sprite("hut.bmp", "small_mask.bmp")}});
    const auto result = load();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.file, folder.folderText() + "gone.bmp");
    EXPECT_EQ(result.warnings, std::vector<std::string>{warning(
                                   0, "200 x 150 точек другого размера, чем картинка 96 x 96")});
    EXPECT_EQ(result.message().find(cp1251::fromUtf8("маска")), std::string::npos)
        << "the failure's message is the failure alone";
}
