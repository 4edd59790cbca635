// Copy, cut, delete and paste of the selected cells in the layers chosen
// under "Слои": every byte of every layer, across the wrapping edges, as one
// undo step each; blocks too large, unreadable or without a location to go
// into are refused with nothing changed.

#include "editor/cell_clipboard.h"
#include "region_editing.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMimeData>

#include <map>
#include <set>
#include <sstream>

using model::Layer;
using windows_testing::marker;
using windows_testing::RegionEditing;

namespace {

// The cells of a w x h block from (x, y) in a world of `width` x `height`.
std::set<std::pair<int, int>> blockCells(int x, int y, int w, int h, int width, int height) {
    std::set<std::pair<int, int>> cells;
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            cells.insert({(x + column) % width, (y + row) % height});
    return cells;
}

bool inSet(std::initializer_list<Layer> layers, Layer layer) {
    return std::find(layers.begin(), layers.end(), layer) != layers.end();
}

std::optional<model::CellPatch> clipboardBlock() {
    return editor::cellsOnClipboard();
}

// The clipboard's text as tables of codes under their layers' names.
std::map<std::string, std::vector<std::vector<int>>> textTables(const QString& text) {
    std::map<std::string, std::vector<std::vector<int>>> tables;
    std::istringstream lines(text.toStdString());
    std::string line;
    std::vector<std::vector<int>>* table = nullptr;
    while (std::getline(lines, line)) {
        if (!line.empty() && !std::isdigit(static_cast<unsigned char>(line[0]))) {
            table = &tables[line];
            continue;
        }
        if (!table)
            return {};
        std::vector<int> row;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, '\t'))
            row.push_back(std::stoi(cell));
        table->push_back(row);
    }
    return tables;
}

} // namespace

TEST(RegionCommands, CopyTakesTheCheckedLayersOfTheSelectionAcrossTheEdges) {
    RegionEditing e;
    const auto before = e.layers();
    e.chooseLayers({Layer::Earths, Layer::Predmets, Layer::Doors, Layer::Blocks});
    e.select(6, 4, 4, 3); // columns 6, 7, 0, 1 and rows 4, 5, 0
    e.window.mnuCopy->trigger();

    const auto block = clipboardBlock();
    ASSERT_TRUE(block.has_value());
    ASSERT_EQ(block->width(), 4);
    ASSERT_EQ(block->height(), 3);
    const std::initializer_list<Layer> chosen = {Layer::Earths, Layer::Predmets, Layer::Doors,
                                                 Layer::Blocks};
    for (const Layer layer : model::kAllLayers)
        EXPECT_EQ(block->layers().test(model::layerIndex(layer)), inSet(chosen, layer))
            << model::layerName(layer);
    const auto tables = textTables(QGuiApplication::clipboard()->text());
    EXPECT_EQ(tables.size(), 4u);
    for (const Layer layer : chosen) {
        const auto& table = tables.at(model::layerName(layer));
        ASSERT_EQ(table.size(), 3u);
        for (int row = 0; row < 3; ++row) {
            ASSERT_EQ(table[static_cast<std::size_t>(row)].size(), 4u);
            for (int column = 0; column < 4; ++column) {
                const int expected = marker(layer, (6 + column) % 8, (4 + row) % 6);
                EXPECT_EQ(block->value(layer, column, row), expected);
                EXPECT_EQ(table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)],
                          expected);
            }
        }
    }
    EXPECT_EQ(e.layers(), before) << "copying changes nothing";
    EXPECT_EQ(e.stack().count(), 0);
}

TEST(RegionCommands, DeleteAndCutClearOnlyTheCheckedLayersInOneNamedStepEach) {
    struct Case {
        QAction* (*command)(frmMain&);
        const char* name;
        bool copies;
    };
    const Case cases[] = {
        {[](frmMain& w) { return w.mnuDelete; }, "Удалить", false},
        {[](frmMain& w) { return w.mnuCut; }, "Вырезать", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegionEditing e;
        QGuiApplication::clipboard()->setText("before");
        const auto before = e.layers();
        e.chooseLayers({Layer::Objects, Layer::Guards, Layer::Doors});
        e.select(7, 5, 2, 2); // columns 7, 0 and rows 5, 0
        c.command(e.window)->trigger();

        const auto cleared = blockCells(7, 5, 2, 2, 8, 6);
        for (const Layer layer : model::kAllLayers)
            for (int y = 0; y <= 6; ++y)
                for (int x = 0; x < 8; ++x) {
                    const bool gone = inSet({Layer::Objects, Layer::Guards, Layer::Doors}, layer) &&
                                      y < 6 && cleared.count({x, y});
                    ASSERT_EQ(e.value(layer, x, y), gone ? 0 : marker(layer, x, y))
                        << model::layerName(layer) << " " << x << "," << y;
                }
        ASSERT_EQ(e.stack().count(), 1);
        EXPECT_EQ(e.stack().undoText(), QString::fromUtf8(c.name));
        const auto block = clipboardBlock();
        EXPECT_EQ(block.has_value(), c.copies);
        if (c.copies) {
            EXPECT_EQ(block->layers().count(), 3u);
            EXPECT_EQ(block->value(Layer::Objects, 1, 1), marker(Layer::Objects, 0, 0));
            EXPECT_EQ(block->value(Layer::Guards, 0, 1), marker(Layer::Guards, 7, 0));
        } else {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
        }
        EXPECT_EQ(e.window.txtLevel[1]->text(), "0")
            << "the inspector shows the cleared cursor cell";

        e.window.mnuUndo->trigger();
        EXPECT_EQ(e.layers(), before);
        EXPECT_EQ(e.window.txtLevel[1]->text(), QString::number(marker(Layer::Objects, 0, 0)));
    }
}

TEST(RegionCommands, PastePutsTheHeldAndCheckedLayersAtTheCursorAcrossTheEdges) {
    RegionEditing e;
    e.chooseLayers({Layer::Earths, Layer::Objects, Layer::Blocks});
    e.select(1, 1, 3, 2);
    e.window.mnuCopy->trigger();
    const auto before = e.layers();

    // Ground is held but not checked, guard zones checked but not held.
    e.chooseLayers({Layer::Objects, Layer::Blocks, Layer::Guards});
    e.moveCursor(7, 5);
    ASSERT_TRUE(e.window.mnuPaste->isEnabled());
    e.window.mnuPaste->trigger();

    std::map<std::pair<int, int>, std::pair<int, int>> from; // target cell -> source cell
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            from[{(7 + column) % 8, (5 + row) % 6}] = {1 + column, 1 + row};
    for (const Layer layer : model::kAllLayers)
        for (int y = 0; y <= 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const auto source = from.find({x, y});
                const bool pasted = source != from.end() && y < 6 &&
                                    (layer == Layer::Objects || layer == Layer::Blocks);
                ASSERT_EQ(e.value(layer, x, y),
                          pasted ? marker(layer, source->second.first, source->second.second)
                                 : marker(layer, x, y))
                    << model::layerName(layer) << " " << x << "," << y;
            }
    ASSERT_EQ(e.stack().count(), 1);
    EXPECT_EQ(e.stack().undoText(), "Вставить");
    ASSERT_TRUE(e.document.selection().has_value()) << "the pasted cells are selected";
    EXPECT_EQ(e.document.selection()->x, 7);
    EXPECT_EQ(e.document.selection()->y, 5);
    EXPECT_EQ(e.document.selection()->width, 3);
    EXPECT_EQ(e.document.selection()->height, 2);
    EXPECT_EQ(e.window.txtLevel[1]->text(), QString::number(marker(Layer::Objects, 1, 1)));

    e.window.mnuUndo->trigger();
    EXPECT_EQ(e.layers(), before);
}

TEST(RegionCommands, BlocksTravelBetweenLocationsOfTheMap) {
    RegionEditing e;
    e.writeMarkedLocation("second", 5, 4, 1);
    e.select(6, 0, 3, 2); // columns 6, 7, 0
    e.window.mnuCopy->trigger();
    e.window.goToLocation("second");
    ASSERT_EQ(e.canvas->MapWidth(), 5);
    e.moveCursor(3, 3);
    e.window.mnuPaste->trigger();
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            for (const Layer layer : model::kAllLayers)
                EXPECT_EQ(e.value(layer, (3 + column) % 5, (3 + row) % 4),
                          marker(layer, (6 + column) % 8, row))
                    << model::layerName(layer);
    EXPECT_EQ(e.value(Layer::Earths, 2, 3), marker(Layer::Earths, 2, 3, 1)) << "left of the block";
    EXPECT_EQ(e.stack().count(), 1);
}

TEST(RegionCommands, ABlockLargerThanTheLocationIsRefusedWithBothSizes) {
    RegionEditing e;
    e.writeMarkedLocation("wide", 10, 3, 2);
    e.window.goToLocation("wide");
    e.window.mnuSelectAll->trigger();
    e.window.mnuCopy->trigger();
    e.window.goToLocation("main");
    e.select(1, 1, 2, 2);
    const auto before = e.layers();
    e.world.messages.clear();
    e.window.mnuPaste->trigger();
    ASSERT_EQ(e.world.messages.size(), 1u);
    EXPECT_EQ(e.world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(e.world.messages[0].title, "") << "the application's own title";
    EXPECT_EQ(e.world.lastText(),
              "Блок клеток 10 x 3 не помещается в локацию 8 x 6: вставить его нельзя.");
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.stack().count(), 0);
    EXPECT_EQ(e.document.selection()->width, 2) << "the selection stays";
}

TEST(RegionCommands, PasteWithoutALocationOrWithUnreadableCellsChangesNothing) {
    {
        windows_testing::EditorWorld world;
        frmMain window; // no map opened
        editor::putCellsOnClipboard(model::CellPatch::copy(
            [] {
                model::LocationGrid grid;
                grid.setMapWidth(2);
                grid.setMapHeight(2);
                grid.CreatMap(3);
                return grid;
            }(),
            model::CellRect{0, 0, 2, 2}, model::allLayers()));
        ASSERT_TRUE(window.mnuPaste->isEnabled());
        window.mnuPaste->trigger();
        EXPECT_EQ(world.lastText(), "Локация не загружена: вставлять некуда.");
        EXPECT_EQ(window.history().stack().count(), 0);
    }

    RegionEditing e;
    e.select(0, 0, 2, 2);
    e.window.mnuCopy->trigger();
    const QByteArray good = QGuiApplication::clipboard()->mimeData()->data(editor::kCellsMimeType);
    ASSERT_FALSE(good.isEmpty());
    const auto before = e.layers();
    // Every cut-short or lengthened form of a good block, and noise.
    std::vector<QByteArray> bad;
    for (qsizetype n = 0; n < good.size(); ++n)
        bad.push_back(good.left(n));
    bad.push_back(good + '\0');
    bad.push_back(QByteArray(4096, '\xff'));
    bad.push_back(good.left(4) + QByteArray(64, '\x7f'));
    for (const QByteArray& bytes : bad) {
        auto* data = new QMimeData;
        data->setData(editor::kCellsMimeType, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        e.world.messages.clear();
        e.window.mnuPaste->trigger();
        ASSERT_EQ(e.world.messages.size(), 1u) << bytes.size();
        EXPECT_EQ(e.world.lastText(), "В буфере обмена нет клеток, которые можно вставить.");
    }
    EXPECT_EQ(e.layers(), before);
    EXPECT_EQ(e.stack().count(), 0);
}
