#include "zoom_fixture.h"

#include <stdexcept>

namespace canvas_testing {

ZoomTest::ZoomTest() {
    QImage stripes(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            stripes.setPixel(x, y, (x + y) % 2 == 0 ? kStripeA : kStripeB);
    folder.writePicture("stripes.bmp", stripes);
    folder.writeEarthCatalogue({{"DATA", {{"Count", "3"}}},
                                {"OBJ-0", {{"FileName", "ground0.bmp"}}},
                                {"OBJ-1", {{"FileName", "ground1.bmp"}}},
                                {"OBJ-2", {{"FileName", "quarters.bmp"}}},
                                {"OBJ-3", {{"FileName", "stripes.bmp"}}}});
    std::string resourcesPath = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
    if (!result.ok)
        throw std::runtime_error(result.message());
}

void ZoomTest::busyScene() {
    makeGrid(12, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            setCell(model::Layer::Earths, x, y, (x + y) % 4);
            const int marks = (x + 3 * y) % 8;
            setCell(model::Layer::Blocks, x, y, marks & 1);
            setCell(model::Layer::Guards, x, y, (marks >> 1) & 1);
            setCell(model::Layer::Doors, x, y, (marks >> 2) & 1);
        }
    }
    const int objects[][3] = {{1, 1, kSquareCode}, {3, 0, kTowerCode}, {6, 2, kTintedCode},
                              {2, 5, kMaskless},   {8, 6, kSlabCode},  {5, 7, kUnknownCode},
                              {9, 8, kBlockCode},  {0, 9, kTowerCode}};
    for (const auto& [x, y, code] : objects)
        setCell(model::Layer::Objects, x, y, code);
    view.CurrentPositionX = 1;
    view.DrawEarth = view.DrawObjects = view.DrawCells = view.DrawObjectsContour = true;
    view.DrawBlockZone = view.DrawGuardZone = view.DrawActionZone = view.DrawCordinates = true;
    view.drawCursor = true;
    view.cursorPixelX = 4 * 32;
    view.cursorPixelY = 3 * 32;
    view.MoveDirectionX = 2;
    view.MoveDirectionY = 1;
}

} // namespace canvas_testing
