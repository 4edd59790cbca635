// Files that ask for far more memory or time than any real one: each is
// refused with a message saying so, before the memory is taken.

#include "hardening/load_messages.h"

#include "canvas/picture_file.h"
#include "canvas/resource_catalogues.h"
#include "canvas/resource_folder.h"
#include "model/location_fixture.h"
#include "model/location_loader.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <QImageReader>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace fs = std::filesystem;
using canvas_testing::ResourceFolder;

namespace {

std::string ru(const char* utf8) {
    return cp1251::fromUtf8(utf8);
}

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Peak resident memory of this process so far, in megabytes.
long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Memory taken by the checks of one test must stay far below what the files
// claim; the peak so far grows by no more than this.
constexpr long kAllowedGrowthMb = 64;

void putLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putBig(std::string& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 24-bit BMP whose header claims width x height pixels, with a few bytes of
// pixel data.
std::string bmpClaiming(std::uint32_t width, std::uint32_t height) {
    std::string bmp = "BM";
    putLittle(bmp, 14 + 40 + 16, 4); // file size as written
    putLittle(bmp, 0, 4);
    putLittle(bmp, 14 + 40, 4); // pixel data offset
    putLittle(bmp, 40, 4);      // info header size
    putLittle(bmp, width, 4);
    putLittle(bmp, height, 4);
    putLittle(bmp, 1, 2);  // planes
    putLittle(bmp, 24, 2); // bits per pixel
    putLittle(bmp, 0, 4);  // no compression
    putLittle(bmp, 0, 4);
    putLittle(bmp, 2835, 4);
    putLittle(bmp, 2835, 4);
    putLittle(bmp, 0, 4);
    putLittle(bmp, 0, 4);
    return bmp + std::string(16, '\x7f');
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string pngChunk(const std::string& type, const std::string& data) {
    std::string chunk;
    putBig(chunk, static_cast<std::uint32_t>(data.size()));
    chunk += type + data;
    putBig(chunk, crc32(type + data));
    return chunk;
}

// A PNG with a valid header chunk claiming width x height pixels, a little
// image data (an empty deflate stream) and its end.
std::string pngClaiming(std::uint32_t width, std::uint32_t height) {
    std::string header;
    putBig(header, width);
    putBig(header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB
    return "\x89PNG\r\n\x1a\n" + pngChunk("IHDR", header) +
           pngChunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) +
           pngChunk("IEND", "");
}

// A GIF whose screen and only image claim width x height pixels.
std::string gifClaiming(std::uint16_t width, std::uint16_t height) {
    std::string gif = "GIF89a";
    putLittle(gif, width, 2);
    putLittle(gif, height, 2);
    gif += std::string("\x00\x00\x00,", 4);
    putLittle(gif, 0, 4);
    putLittle(gif, width, 2);
    putLittle(gif, height, 2);
    return gif + std::string("\x00\x02\x02\x44\x01\x00;", 7);
}

TEST(ResourceLimits, APictureWhoseHeaderClaimsHugeDimensionsIsRefusedUndecoded) {
    const long before = peakMegabytes();
    ResourceFolder folder;
    folder.writeFile("huge.bmp", bmpClaiming(100000, 100000));
    folder.writeFile("wide.bmp", bmpClaiming(20000, 20000));
    folder.writeFile("huge.png", pngClaiming(60000, 60000));
    folder.writeFile("huge.gif", gifClaiming(65535, 65535));
    for (const char* name : {"huge.bmp", "wide.bmp", "huge.png", "huge.gif"}) {
        SCOPED_TRACE(name);
        const canvas::PictureReading reading = canvas::readPicture(folder.folderText() + name);
        EXPECT_TRUE(reading.image.isNull());
        EXPECT_TRUE(mentions(reading.reason, ru("слишком велика"))) << reading.reason;
    }
    EXPECT_TRUE(
        mentions(canvas::readPicture(folder.folderText() + "huge.bmp").reason, "100000 x 100000"));
    // Formats that tell their size only while decoding meet the toolkit's
    // limit, which the program sets to its own.
    EXPECT_EQ(QImageReader::allocationLimit(), canvas::kMaxPictureMegabytes);

    // A catalogue naming such a picture stops at its entry with that reason.
    folder.writeEarthCatalogue(
        {{"DATA", {{"Count", "0"}}}, {"OBJ-0", {{"FileName", "huge.bmp"}, {"Name", "x"}}}});
    canvas::ResourceCatalogues catalogues;
    std::string path = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.reason, "OBJ-0")) << result.message();
    EXPECT_TRUE(mentions(result.reason, ru("слишком велика"))) << result.message();
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

TEST(ResourceLimits, APictureFileLargerThanAnyPictureIsNotRead) {
    const long before = peakMegabytes();
    ResourceFolder folder;
    folder.writeFile("giant.bmp", bmpClaiming(64, 64));
    std::error_code ec;
    fs::resize_file(fsys::resolve(folder.folderText() + "giant.bmp", ec),
                    canvas::kMaxPictureFileBytes + 1);
    const canvas::PictureReading reading = canvas::readPicture(folder.folderText() + "giant.bmp");
    EXPECT_TRUE(reading.image.isNull());
    EXPECT_TRUE(mentions(reading.reason, ru("слишком велик для картинки"))) << reading.reason;
    EXPECT_TRUE(mentions(reading.reason, std::to_string(canvas::kMaxPictureFileBytes + 1)));
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

TEST(ResourceLimits, AWidePictureWithATallMaskMakesASpriteOfThePictureOnly) {
    const long before = peakMegabytes();
    ResourceFolder folder;
    // Each picture is small; a sprite covering both would be 20000 x 20000.
    folder.writePicture("wide.png", canvas_testing::solidImage(20000, 1, 0xFFFFFFFF), "PNG");
    folder.writePicture("tall.png", canvas_testing::solidImage(1, 20000, 0xFF000000), "PNG");
    folder.writePicture("tile.png", canvas_testing::solidImage(4, 4, 0xFF000000), "PNG");
    folder.writeEarthCatalogue({{"DATA", {{"Count", "0"}}}});
    folder.writeObjectCatalogue(
        {{"DATA", {{"Count", "1"}}},
         {"OBJ-0", {{"FileName", "tile.png"}, {"MaskFileName", "tile.png"}}},
         {"OBJ-1", {{"FileName", "wide.png"}, {"MaskFileName", "tall.png"}}}});
    canvas::ResourceCatalogues catalogues;
    std::string path = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(path);
    ASSERT_TRUE(result.ok) << result.message();
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_TRUE(mentions(result.warnings[0], "OBJ-1")) << result.warnings[0];
    EXPECT_TRUE(mentions(result.warnings[0], ru("маска 1 x 20000 точек"))) << result.warnings[0];
    EXPECT_EQ(catalogues.objectSprite(1).width(), 20000);
    EXPECT_EQ(catalogues.objectSprite(1).height(), 1);
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

TEST(ResourceLimits, ACatalogueCountOfTwoBillionIsRefusedBeforeAnyEntryIsMade) {
    const long before = peakMegabytes();
    ResourceFolder folder;
    folder.writeEarthCatalogue({{"DATA", {{"Count", "0"}}}});
    folder.writeObjectCatalogue({{"DATA", {{"Count", "2000000000"}}}});
    canvas::ResourceCatalogues catalogues;
    std::string path = "Resources";
    canvas::ResourceLoadResult result = catalogues.LoadResources(path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level1.ini"));
    EXPECT_TRUE(mentions(result.reason, "2000000000")) << result.message();
    EXPECT_EQ(catalogues.objectBufferCount(), 1);

    folder.writeEarthCatalogue({{"DATA", {{"Count", "2000000000"}}}});
    result = catalogues.LoadResources(path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level0.ini"));
    EXPECT_TRUE(mentions(result.reason, ru("вне допустимых пределов"))) << result.message();
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

TEST(ResourceLimits, AConfigurationAskingForAHundredThousandSquaredIsRefused) {
    if (static_cast<std::uint64_t>(model::LocationGrid::gridBytes(100000, 100000)) <=
        model::LocationGrid::maxGridBytes())
        GTEST_SKIP() << "this machine's memory holds such a grid";
    const long before = peakMegabytes();
    testing_support::WorldFolder world;
    world.writeConfig("Big", "main", 100000, 100000);
    world.writeGrid("Big", "main", std::string(64, '\0'));
    model::LocationGrid grid;
    hardening::LoadMessages listener;
    EXPECT_EQ(model::LoadMap(grid, "Big", "main", listener), model::LoadOutcome::Refused);
    ASSERT_EQ(listener.texts.size(), 1u);
    EXPECT_TRUE(mentions(listener.texts[0], "Width = 100000, Height = 100000"))
        << listener.texts[0];
    EXPECT_TRUE(mentions(listener.texts[0], "слишком велика"));
    EXPECT_EQ(listener.events, 0);
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

// A file of 500 MB that holds nothing (the system keeps it without disk space).
void makeHuge(const fs::path& file) {
    fs::create_directories(file.parent_path());
    { std::ofstream(file, std::ios::binary) << "[CONFIG]\r\nWidth=10\r\n"; }
    fs::resize_file(file, std::uint64_t{500} << 20);
}

TEST(ResourceLimits, AnIniFileOfFiveHundredMegabytesIsNeitherReadNorRewritten) {
    const long before = peakMegabytes();
    testing_support::WorldFolder world;
    makeHuge(world.root().path() / "Maps/Big/main.config");
    world.writeGrid("Big", "main", std::string(64, '\0'));
    const std::string config = world.root().text() + "Maps\\Big\\main.config";

    EXPECT_EQ(mdlINI::IniReadProblem(config), std::errc::file_too_large);
    EXPECT_EQ(mdlINI::ReadIni(config, "CONFIG", "Width", "default"), "default");
    std::error_code ec;
    EXPECT_FALSE(mdlINI::WriteIniReporting(config, "CONFIG", "Width", "3", ec));
    EXPECT_EQ(ec, std::errc::file_too_large);
    EXPECT_EQ(fs::file_size(world.root().path() / "Maps/Big/main.config"),
              std::uint64_t{500} << 20);

    model::LocationGrid grid;
    hardening::LoadMessages listener;
    EXPECT_EQ(model::LoadMap(grid, "Big", "main", listener), model::LoadOutcome::Refused);
    ASSERT_EQ(listener.texts.size(), 1u);
    EXPECT_TRUE(mentions(listener.texts[0], "слишком велик")) << listener.texts[0];
    EXPECT_TRUE(mentions(listener.texts[0], std::to_string(std::uint64_t{500} << 20)));
    EXPECT_EQ(listener.events, 0);

    // The same file as a catalogue.
    makeHuge(world.root().path() / "Resources/level0.ini");
    canvas::ResourceCatalogues catalogues;
    std::string path = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(mentions(result.file, "level0.ini"));
    EXPECT_TRUE(mentions(result.reason, ru("слишком велик для каталога"))) << result.message();
    EXPECT_LE(peakMegabytes() - before, kAllowedGrowthMb);
}

} // namespace
