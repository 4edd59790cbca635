#pragma once
// The main window with map "Default" open (8 x 6 cells in a view of 10 x 10)
// for the editing tools' tests: real mouse events on the map surface by view
// cell, and the layers as bytes.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor_world.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

#include <vector>

namespace windows_testing {

using Layers = std::vector<model::LocationGrid::Rows>;

struct ToolEditor {
    EditorWorld world;
    frmMain window;
    WorldCanvas& canvas = *window.WorldCanvas1;

    explicit ToolEditor(bool open = true) {
        window.show();
        QApplication::setActiveWindow(&window);
        if (open)
            window.openMap("Default");
    }
    QWidget* surface() const { return canvas.mapSurface(); }
    // A pixel inside view cell `cell` (cells of 32 pixels).
    static QPoint pixel(QPoint cell) { return cell * 32 + QPoint(9, 11); }

    // "Что рисовать": 0 the chosen entry, 1 blocked, 2 guard zone.
    void paintTarget(int index) { window.cboPaintTarget->setCurrentIndex(index); }
    // Palette group 0 holds ground tiles (codes 0, 1, 300), group 1 objects:
    // "Дом" (code 0, footprint "110, 010"), "Забор" (1, "11"), "Башня" (2, none).
    void choose(int group, int line) {
        window.lstGroups->setCurrentRow(group);
        window.lstObjects->setCurrentRow(line);
    }

    void press(QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(surface(), button, modifiers, pixel(cell));
    }
    void moveTo(QPoint cell) { QTest::mouseMove(surface(), pixel(cell)); }
    void release(QPoint cell, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(surface(), button, Qt::NoModifier, pixel(cell));
    }
    // Presses on the first cell, reports each further one, releases on the last.
    void drag(const std::vector<QPoint>& cells, Qt::MouseButton button = Qt::LeftButton) {
        press(cells.front(), button);
        for (std::size_t i = 1; i < cells.size(); ++i)
            moveTo(cells[i]);
        release(cells.back(), button);
    }
    void click(QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        press(cell, button, modifiers);
        QTest::mouseRelease(surface(), button, modifiers, pixel(cell));
    }

    Layers layers() const {
        Layers all;
        for (model::Layer layer : model::kAllLayers)
            all.push_back(canvas.grid().layerRows(layer));
        return all;
    }
    int value(model::Layer layer, int x, int y) const {
        return canvas.grid().cellValue(layer, x, y);
    }
    QUndoStack& steps() { return window.history().stack(); }
    // Writes cells outside any tool and forgets them in the history.
    void prepare(model::Layer layer, const std::vector<QPoint>& cells, int value) {
        for (const QPoint c : cells)
            window.locationDocument().grid().setCellValue(layer, c.x(), c.y(), value);
        steps().clear();
    }
};

// Writes `value` into cell (x, y) of a layer of `layers`, as the grid stores it.
inline void put(Layers& layers, model::Layer layer, int x, int y, int value) {
    auto& row = layers[static_cast<std::size_t>(layer)][static_cast<std::size_t>(y)];
    if (model::bytesPerCell(layer) == 2) {
        row[2 * static_cast<std::size_t>(x)] = static_cast<char>(value >> 8);
        row[2 * static_cast<std::size_t>(x) + 1] = static_cast<char>(value & 0xFF);
    } else {
        row[static_cast<std::size_t>(x)] = static_cast<char>(value);
    }
}

// The cells whose bytes differ between two copies of the layers, per layer.
inline std::vector<std::pair<model::Layer, QPoint>> differences(const Layers& a, const Layers& b) {
    std::vector<std::pair<model::Layer, QPoint>> found;
    for (std::size_t l = 0; l < a.size(); ++l) {
        const int width = model::bytesPerCell(model::kAllLayers[l]);
        for (std::size_t y = 0; y < a[l].size(); ++y)
            for (std::size_t i = 0; i < a[l][y].size(); i += static_cast<std::size_t>(width))
                if (a[l][y].compare(i, static_cast<std::size_t>(width), b[l][y], i,
                                    static_cast<std::size_t>(width)) != 0)
                    found.emplace_back(model::kAllLayers[l],
                                       QPoint(static_cast<int>(i) / width, static_cast<int>(y)));
    }
    return found;
}

} // namespace windows_testing
