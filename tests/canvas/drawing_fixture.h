#pragma once
// A loaded set of pictures, a grid and a view for the drawing tests.
//
// Ground codes: 0 and 1 plain tiles, 2 a 16 x 16 tile of four coloured
// quarters. Object codes: 1 a red square in the middle of a white 32 x 32
// sprite, 2 a fully opaque 64 x 96 tower, 3 a sprite whose transparent half is
// tinted instead of white, 4 an entry without a mask (the placeholder),
// 5 a fully opaque 32 x 32 block, 6 a fully opaque 64 x 64 slab. Codes from 7
// have no entry.

#include "canvas/map_renderer.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"
#include "resource_folder.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QRgb>

#include <cstdint>

namespace canvas_testing {

constexpr QRgb kGround0 = 0xFF204060;
constexpr QRgb kGround1 = 0xFFC08040;
constexpr QRgb kQuarterColours[4] = {0xFFA00000, 0xFF00A000, 0xFF0000A0, 0xFFA0A000};
constexpr QRgb kSquareColour = 0xFFE03030;
constexpr QRgb kTowerColour = 0xFF3050F0;
constexpr QRgb kTintColour = 0xFF70A0C8;
constexpr QRgb kTintedOpaqueColour = 0xFF30C030;
constexpr QRgb kBlockColour = 0xFF907050;
constexpr QRgb kSlabColour = 0xFFF0D020;
constexpr QRgb kBackground = 0xFF404040;

constexpr int kSquareCode = 1;
constexpr int kTowerCode = 2;
constexpr int kTintedCode = 3;
constexpr int kMaskless = 4;
constexpr int kBlockCode = 5;
constexpr int kSlabCode = 6;
constexpr int kUnknownCode = 7;

// The colour a pixel gets from a mask pixel transferred with MERGEPAINT and a
// picture pixel transferred with SRCAND over `ground`.
QRgb maskedOver(QRgb ground, QRgb mask, QRgb picture);

class DrawingTest : public ::testing::Test {
protected:
    DrawingTest();

    // A width x (height + 1) grid, every ground cell `earth`.
    void makeGrid(std::int32_t width, std::int32_t height, std::uint8_t earth = 0);
    void setCell(model::Layer layer, std::int32_t x, std::int32_t y, std::int32_t value) {
        grid.setCellValue(layer, x, y, value);
    }
    // The full redraw of the view into picMap.
    void draw() { renderer.DrawMap(picMap, grid, catalogues, view); }
    QRgb at(int x, int y) const { return picMap.pixel(x, y); }
    // The view with every drawing switch off and no cursor.
    void bareView();

    ResourceFolder folder;
    canvas::ResourceCatalogues catalogues;
    canvas::MapRenderer renderer;
    model::LocationGrid grid;
    canvas::CanvasView view;
    QImage picMap;
};

} // namespace canvas_testing
