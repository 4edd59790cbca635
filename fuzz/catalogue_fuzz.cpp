// The catalogue loader on any ground and object catalogue with up to four
// pictures: the input is level0.ini, level1.ini, then the files p0.bmp to
// p3.bmp of the resource folder. A load either succeeds with buffers that
// match the catalogues, or names the file and the reason it stopped at; every
// sprite keeps to its picture's size; what was loaded is then drawn, so odd
// picture and mask sizes reach the drawing.

#include "fuzz/fuzz_support.h"

#include "canvas/map_renderer.h"
#include "canvas/resource_catalogues.h"

namespace {

model::LocationGrid smallLocation() {
    model::LocationGrid grid;
    grid.setMapWidth(4);
    grid.setMapHeight(3);
    grid.CreatMap(0);
    for (std::int32_t y = 0; y <= 3; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) {
            grid.setCellValue(model::Layer::Earths, x, y, (x + y) % 5);
            grid.setCellValue(model::Layer::Objects, x, y, (x * 3 + y) % 6);
            grid.setCellValue(model::Layer::Doors, x, y, x == y);
            grid.setCellValue(model::Layer::Blocks, x, y, x == 1);
            grid.setCellValue(model::Layer::Guards, x, y, y == 2);
        }
    }
    return grid;
}

void draw(const canvas::ResourceCatalogues& catalogues) {
    static const model::LocationGrid grid = smallLocation();
    canvas::CanvasView view;
    view.CanvasCellCountX = 5;
    view.CanvasCellCountY = 5;
    view.CellWidth = 8;
    view.CellHeight = 8;
    view.CurrentPositionX = 3;
    view.CurrentPositionY = 2;
    view.DrawCells = view.DrawObjectsContour = view.DrawBlockZone = true;
    view.DrawGuardZone = view.DrawActionZone = view.DrawCordinates = true;
    view.MoveDirectionX = 2;
    view.MoveDirectionY = 1;
    canvas::MapRenderer renderer;
    QImage surface;
    renderer.DrawMap(surface, grid, catalogues, view);
    if (surface.size() != canvas::MapRenderer::surfaceSize(view))
        fuzzing::fail("the surface has another size than the view");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::ensureGuiApplication();
    auto& world = fuzzing::ScratchWorld::instance();
    world.writeInput(data, size,
                     {"Resources/level0.ini", "Resources/level1.ini", "Resources/p0.bmp",
                      "Resources/p1.bmp", "Resources/p2.bmp", "Resources/p3.bmp"});

    canvas::ResourceCatalogues catalogues;
    std::string resourcesPath = "Resources";
    const canvas::ResourceLoadResult result = catalogues.LoadResources(resourcesPath);
    if (result.ok) {
        const auto& earths = catalogues.earthStructure();
        const auto& objects = catalogues.objectStructure();
        if (catalogues.earthBufferCount() != earths.EarthsCount() + 1 ||
            earths.EarthsFile().size() != static_cast<std::size_t>(earths.EarthsCount() + 1) ||
            catalogues.objectBufferCount() != objects.ObjectsCount() + 1 ||
            objects.ObjectsName().size() != static_cast<std::size_t>(objects.ObjectsCount() + 1))
            fuzzing::fail("the buffers do not match the catalogues");
    } else if (result.file.empty() || result.reason.empty()) {
        fuzzing::fail("a failed load names no file or no reason");
    }
    // At most one warning an object entry loaded, and no sprite reaches
    // beyond its picture, whatever the mask's size.
    if (result.warnings.size() > static_cast<std::size_t>(catalogues.objectBufferCount()))
        fuzzing::fail("more warnings than object entries");
    for (int i = 0; i < catalogues.objectBufferCount(); ++i) {
        const canvas::MaskedImage& sprite = catalogues.objectSprite(i);
        if (QSize(sprite.width(), sprite.height()) != catalogues.picObjectBufferPic(i).size())
            fuzzing::fail("a sprite has another size than its picture");
    }
    draw(catalogues);
    return 0;
}
