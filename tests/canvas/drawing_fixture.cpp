#include "drawing_fixture.h"

#include <stdexcept>

namespace canvas_testing {
namespace {

QImage quarteredTile() {
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, kQuarterColours[(y / 8) * 2 + x / 8]);
    return image;
}

// A sprite and mask pair: `opaque` marks the object's pixels.
template <typename Opaque>
void writeSprite(ResourceFolder& folder, const std::string& name, QRgb colour, QRgb transparent,
                 Opaque opaque) {
    QImage picture(32, 32, QImage::Format_RGB32);
    QImage mask(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            picture.setPixel(x, y, opaque(x, y) ? colour : transparent);
            mask.setPixel(x, y, opaque(x, y) ? 0xFF000000 : 0xFFFFFFFF);
        }
    }
    folder.writePicture(name + ".bmp", picture);
    folder.writePicture(name + "_mask.bmp", mask);
}

Keys spriteKeys(const std::string& name) {
    return {{"FileName", name + ".bmp"}, {"MaskFileName", name + "_mask.bmp"}};
}

} // namespace

QRgb maskedOver(QRgb ground, QRgb mask, QRgb picture) {
    return 0xFF000000u | (((ground | ~mask) & picture) & 0x00FFFFFFu);
}

DrawingTest::DrawingTest() {
    folder.writePicture("ground0.bmp", solidImage(32, 32, kGround0));
    folder.writePicture("ground1.bmp", solidImage(32, 32, kGround1));
    folder.writePicture("quarters.bmp", quarteredTile());
    folder.writeEarthCatalogue({{"DATA", {{"Count", "2"}}},
                                {"OBJ-0", {{"FileName", "ground0.bmp"}}},
                                {"OBJ-1", {{"FileName", "ground1.bmp"}}},
                                {"OBJ-2", {{"FileName", "quarters.bmp"}}}});

    writeSprite(folder, "square", kSquareColour, 0xFFFFFFFF,
                [](int x, int y) { return x >= 8 && x < 24 && y >= 8 && y < 24; });
    folder.writePicture("tower.bmp", solidImage(64, 96, kTowerColour));
    folder.writePicture("tower_mask.bmp", solidImage(64, 96, 0xFF000000));
    writeSprite(folder, "tinted", kTintedOpaqueColour, kTintColour,
                [](int, int y) { return y < 16; });
    writeSprite(folder, "block", kBlockColour, 0xFFFFFFFF, [](int, int) { return true; });
    folder.writePicture("slab.bmp", solidImage(64, 64, kSlabColour));
    folder.writePicture("slab_mask.bmp", solidImage(64, 64, 0xFF000000));
    folder.writeObjectCatalogue({{"DATA", {{"Count", "5"}}},
                                 {"OBJ-0", spriteKeys("square")},
                                 {"OBJ-1", spriteKeys("tower")},
                                 {"OBJ-2", spriteKeys("tinted")},
                                 {"OBJ-3", {{"FileName", "square.bmp"}}},
                                 {"OBJ-4", spriteKeys("block")},
                                 {"OBJ-5", spriteKeys("slab")}});

    std::string resourcesPath = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
    if (!result.ok)
        throw std::runtime_error(result.message());
    bareView();
}

void DrawingTest::makeGrid(std::int32_t width, std::int32_t height, std::uint8_t earth) {
    grid.setMapWidth(width);
    grid.setMapHeight(height);
    grid.CreatMap(earth);
    if (!grid.ErrorMessage().empty())
        throw std::runtime_error(grid.ErrorMessage());
}

void DrawingTest::bareView() {
    view = canvas::CanvasView{};
    view.DrawObjects = false;
    view.drawCursor = false;
}

} // namespace canvas_testing
