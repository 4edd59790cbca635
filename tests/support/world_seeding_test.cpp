#include "support/world_seeding.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::readNative;
using testing_support::TempFolder;

namespace {

// A small sample world as an installation carries it.
void writeSample(const TempFolder& sample) {
    sample.write("Maps/Default/main.config", "[CONFIG]\r\nWidth=4\r\n");
    sample.write("Maps/Default/main.map", std::string(40, '\x01'));
    sample.write("Maps/Default/Default.mpc", "palette");
    sample.write("Resources/grass.bmp", "BM grass");
    sample.write("Resources/well.bmp", "BM well");
}

} // namespace

TEST(WorldSeeding, AFirstStartCopiesTheWholeSampleIntoANewFolder) {
    TempFolder sample, home;
    writeSample(sample);
    const fs::path folder = home.path() / "share" / "mapeditor"; // not there yet

    const appfolder::SeedResult result = appfolder::seedFirstStart(sample.path(), folder);
    EXPECT_TRUE(result.seeded);
    EXPECT_EQ(result.copied, 5u);
    EXPECT_EQ(result.kept, 0u);
    EXPECT_TRUE(result.failures.empty());
    for (const char* file :
         {"Maps/Default/main.config", "Maps/Default/main.map", "Maps/Default/Default.mpc",
          "Resources/grass.bmp", "Resources/well.bmp"})
        EXPECT_EQ(readNative(folder / file), sample.read(file)) << file;
}

TEST(WorldSeeding, NothingThatIsThereIsReplaced) {
    TempFolder sample, folder;
    writeSample(sample);
    // The user's folder has a start of its own, but no world yet.
    folder.write("Maps.txt", "notes");
    folder.write("Resources.old/grass.bmp", "mine");
    const appfolder::SeedResult partial = appfolder::copyMissing(sample.path(), folder.path());
    EXPECT_EQ(partial.copied, 5u);

    folder.write("Maps/Default/main.config", "[CONFIG]\r\nWidth=9\r\n");
    fs::remove(folder.path() / "Resources" / "well.bmp");
    folder.write("Resources/own.bmp", "BM own");
    const appfolder::SeedResult again = appfolder::copyMissing(sample.path(), folder.path());
    EXPECT_EQ(again.copied, 1u); // only the removed well
    EXPECT_EQ(again.kept, 4u);
    EXPECT_TRUE(again.failures.empty());
    EXPECT_EQ(folder.read("Maps/Default/main.config"), "[CONFIG]\r\nWidth=9\r\n");
    EXPECT_EQ(folder.read("Resources/well.bmp"), "BM well");
    EXPECT_EQ(folder.read("Resources/own.bmp"), "BM own");
    EXPECT_EQ(folder.read("Maps.txt"), "notes");
    EXPECT_EQ(folder.read("Resources.old/grass.bmp"), "mine");
}

TEST(WorldSeeding, AFileWhereTheSampleHasAFolderStaysAndHidesThatPart) {
    TempFolder sample, folder;
    writeSample(sample);
    folder.write("Maps", "a file of the user's");
    const appfolder::SeedResult result = appfolder::copyMissing(sample.path(), folder.path());
    EXPECT_EQ(folder.read("Maps"), "a file of the user's");
    EXPECT_EQ(result.copied, 2u); // the resources
    EXPECT_EQ(result.kept, 1u);
    EXPECT_TRUE(result.failures.empty());
}

TEST(WorldSeeding, OnlyAFolderWithoutAWorldIsSeeded) {
    TempFolder sample, folder;
    writeSample(sample);
    ASSERT_TRUE(appfolder::seedFirstStart(sample.path(), folder.path()).seeded);

    // Later starts find a world: what the user removed stays removed, what
    // the user changed stays changed.
    fs::remove(folder.path() / "Maps" / "Default" / "main.map");
    folder.write("Resources/grass.bmp", "BM painted over");
    const appfolder::SeedResult later = appfolder::seedFirstStart(sample.path(), folder.path());
    EXPECT_FALSE(later.seeded);
    EXPECT_EQ(later.copied, 0u);
    EXPECT_FALSE(fs::exists(folder.path() / "Maps" / "Default" / "main.map"));
    EXPECT_EQ(folder.read("Resources/grass.bmp"), "BM painted over");

    // A folder holding only its own maps counts as a world too.
    TempFolder own;
    own.write("maps/Mine/main.config", "[CONFIG]\r\n");
    EXPECT_FALSE(appfolder::seedFirstStart(sample.path(), own.path()).seeded);
    EXPECT_FALSE(fs::exists(own.path() / "Resources"));
}

TEST(WorldSeeding, WithoutAnInstalledSampleTheFolderIsMadeButLeftEmpty) {
    TempFolder home;
    const fs::path folder = home.path() / "new";
    const appfolder::SeedResult result =
        appfolder::seedFirstStart(home.path() / "no sample here", folder);
    EXPECT_FALSE(result.seeded);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(WorldSeeding, LinksInTheSampleAreNotFollowed) {
    TempFolder sample, outside, folder;
    writeSample(sample);
    outside.write("secret.txt", "private");
    fs::create_symlink(outside.path() / "secret.txt", sample.path() / "Resources" / "link.bmp");
    fs::create_directory_symlink(outside.path(), sample.path() / "Maps" / "Linked");
    const appfolder::SeedResult result = appfolder::copyMissing(sample.path(), folder.path());
    EXPECT_EQ(result.copied, 5u);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "Resources" / "link.bmp")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "Maps" / "Linked")));
}

TEST(WorldSeeding, AFolderThatCannotBeMadeIsReported) {
    TempFolder home;
    home.write("blocked", "a file where the folder would go");
    TempFolder sample;
    writeSample(sample);
    const appfolder::SeedResult result =
        appfolder::seedFirstStart(sample.path(), home.path() / "blocked" / "mapeditor");
    EXPECT_FALSE(result.seeded);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_NE(result.failures[0].find("blocked"), std::string::npos) << result.failures[0];
}
