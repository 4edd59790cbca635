#pragma once
// The main window over map "Default" for the region commands' tests: every
// cell of every layer of location "main" (8 x 6) holds a value telling the
// layer and the cell apart, and the clipboard starts empty.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor_world.h"
#include "model/grid_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QUndoStack>

#include <cstdint>
#include <vector>

namespace windows_testing {

// A non-zero value of `layer` that tells cell (x, y) of a location named by
// `seed` from the others.
inline std::int32_t marker(model::Layer layer, int x, int y, int seed = 0) {
    if (model::bytesPerCell(layer) == 2)
        return 256 + x * 1000 + y * 7 + seed * 3 + static_cast<int>(layer);
    return (x * 16 + y + seed * 5 + static_cast<int>(layer) * 41) % 255 + 1;
}

struct RegionEditing {
    EditorWorld world;
    frmMain window;
    WorldCanvas* canvas = window.WorldCanvas1;
    document::LocationDocument& document = window.locationDocument();

    RegionEditing() {
        QGuiApplication::clipboard()->clear();
        writeMarkedLocation("main", 8, 6, 0);
        window.show();
        QApplication::setActiveWindow(&window);
        window.openMap("Default");
    }

    // Writes location `name` of map "Default" with every cell holding its
    // marker() under `seed`.
    void writeMarkedLocation(const std::string& name, int width, int height, int seed) {
        world.writeLocation(name, width, height);
        std::string bytes;
        for (int y = 0; y <= height; ++y)
            for (const model::Layer layer : model::kFileLayerOrder)
                for (int x = 0; x < width; ++x) {
                    const std::int32_t value = marker(layer, x, y, seed);
                    if (model::bytesPerCell(layer) == 2)
                        bytes += static_cast<char>(value >> 8);
                    bytes += static_cast<char>(value);
                }
        world.root().write("Maps/Default/" + name + ".map", bytes);
    }

    std::int32_t value(model::Layer layer, int x, int y) const {
        return canvas->grid().cellValue(layer, x, y);
    }
    // Every byte of every layer.
    std::vector<model::LocationGrid::Rows> layers() const {
        std::vector<model::LocationGrid::Rows> all;
        for (const model::Layer layer : model::kAllLayers)
            all.push_back(canvas->grid().layerRows(layer));
        return all;
    }
    void select(int x, int y, int width, int height) {
        document.setSelection(model::CellRect{x, y, width, height});
    }
    // Leaves only `layers` checked under "Слои".
    void chooseLayers(std::initializer_list<model::Layer> layers) {
        static constexpr model::Layer kMenuOrder[] = {model::Layer::Earths,   model::Layer::Objects,
                                                      model::Layer::Predmets, model::Layer::Doors,
                                                      model::Layer::Blocks,   model::Layer::Guards};
        for (std::size_t i = 0; i < window.mnuLayer.size(); ++i)
            window.mnuLayer[i]->setChecked(std::find(layers.begin(), layers.end(), kMenuOrder[i]) !=
                                           layers.end());
    }
    void moveCursor(int x, int y) {
        canvas->setWorldCursorX(static_cast<std::int16_t>(x));
        canvas->setWorldCursorY(static_cast<std::int16_t>(y));
    }
    QUndoStack& stack() { return window.history().stack(); }
};

} // namespace windows_testing
