// The location document announces each edit once, as the rectangle of cells
// it touched, whoever makes it: a single write, a grouped edit, undo, redo.

#include "canvas/world_canvas.h"
#include "document/edit_history.h"
#include "document/location_document.h"
#include "model/flood_fill.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

#include <random>
#include <string>
#include <vector>

using document::LocationDocument;
using model::Layer;

namespace {

struct Document {
    LocationDocument doc;
    QSignalSpy changes{&doc, &LocationDocument::cellsChanged};
    QSignalSpy replaced{&doc, &LocationDocument::locationReplaced};

    Document() {
        doc.grid().setMapWidth(20);
        doc.grid().setMapHeight(10);
        doc.grid().CreatMap(0);
        replaced.clear();
    }
    QRect changed(int i) const { return changes.at(i).at(0).toRect(); }
};

} // namespace

TEST(LocationDocument, EachEditIsAnnouncedOnceAsTheRectangleItTouched) {
    Document d;
    ASSERT_TRUE(d.doc.hasLocation());
    d.doc.grid().setCellValue(Layer::Earths, 3, 4, 7);
    ASSERT_EQ(d.changes.count(), 1);
    EXPECT_EQ(d.changed(0), QRect(3, 4, 1, 1));

    {
        const document::EditStep step(d.doc, "Объект");
        d.doc.grid().setCellValue(Layer::Objects, 5, 2, 9);
        d.doc.grid().ChangeBloks(2, 6, 1);
        d.doc.grid().ChangeBloks(3, 6, 1);
        d.doc.grid().setCellValue(Layer::Earths, 5, 2, 0); // unchanged: no write to tell
        EXPECT_EQ(d.changes.count(), 1) << "nothing is told before the edit ends";
    }
    ASSERT_EQ(d.changes.count(), 2);
    EXPECT_EQ(d.changed(1), QRect(5, 2, 2, 2));
    EXPECT_EQ(d.doc.history().stack().count(), 2) << "one undo step per edit";

    d.doc.history().stack().undo();
    ASSERT_EQ(d.changes.count(), 3) << "an undo of three cells is one announcement";
    EXPECT_EQ(d.changed(2), QRect(5, 2, 2, 2));
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Objects, 5, 2), 0);
    d.doc.history().stack().redo();
    ASSERT_EQ(d.changes.count(), 4);
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Objects, 5, 2), 9);

    { const document::EditStep nothing(d.doc, "Ничего"); }
    EXPECT_EQ(d.changes.count(), 4) << "an edit that changed nothing is not announced";
    EXPECT_EQ(d.replaced.count(), 0);
}

TEST(LocationDocument, AReplacedGridIsAnnouncedAndClearsTheHistory) {
    Document d;
    d.doc.grid().setCellValue(Layer::Guards, 1, 1, 1);
    ASSERT_TRUE(d.doc.history().isModified());
    d.doc.grid().CreatMap(2);
    EXPECT_EQ(d.replaced.count(), 1);
    EXPECT_FALSE(d.doc.history().isModified());
    d.doc.grid().clear();
    EXPECT_EQ(d.replaced.count(), 2);
    EXPECT_FALSE(d.doc.hasLocation());
}

TEST(LocationDocument, TwoCanvasesShowingOneDocumentSeeTheSameLocation) {
    LocationDocument doc;
    WorldCanvas first(doc, nullptr);
    WorldCanvas second(doc, nullptr);
    first.setMapWidth(6);
    first.setMapHeight(4);
    first.CreatMap(3);
    first.setMapPath("Default");
    EXPECT_EQ(second.MapWidth(), 6);
    EXPECT_EQ(second.MapPath(), "Default");
    EXPECT_TRUE(second.hasLocation());
    EXPECT_EQ(static_cast<unsigned char>(second.GetEarths(2)[5]), 3);
    WorldCanvas own; // a canvas on its own keeps a document of its own
    EXPECT_FALSE(own.hasLocation());
    EXPECT_NE(&own.document(), &doc);
}

TEST(LocationDocument, SelectionStaysInsideTheWorldAndGoesWithTheGrid) {
    Document d;
    QSignalSpy selectionChanges(&d.doc, &LocationDocument::selectionChanged);
    d.doc.setSelection(model::CellRect{-3, 12, 50, 4});
    ASSERT_TRUE(d.doc.selection().has_value());
    const model::CellRect selected = *d.doc.selection();
    EXPECT_EQ(selected.x, 17) << "the start wraps as the world does";
    EXPECT_EQ(selected.y, 2);
    EXPECT_EQ(selected.width, 20) << "never wider than the location";
    EXPECT_EQ(selected.height, 4);
    EXPECT_EQ(selectionChanges.count(), 1);

    d.doc.setSelection(model::CellRect{17, 2, 20, 4});
    EXPECT_EQ(selectionChanges.count(), 1) << "the same cells again change nothing";
    d.doc.setSelection(model::CellRect{1, 1, 0, 3});
    EXPECT_FALSE(d.doc.selection().has_value()) << "an empty rectangle selects nothing";
    EXPECT_EQ(selectionChanges.count(), 2);

    d.doc.setSelection(model::CellRect{1, 1, 2, 2});
    d.doc.grid().setMapWidth(5);
    d.doc.grid().CreatMap(0);
    EXPECT_FALSE(d.doc.selection().has_value()) << "a new grid has no selection";
    EXPECT_EQ(selectionChanges.count(), 4);

    d.doc.grid().clear();
    d.doc.setSelection(model::CellRect{0, 0, 1, 1});
    EXPECT_FALSE(d.doc.selection().has_value()) << "nothing to select without a location";
}

TEST(LocationDocument, ACancelledEditLeavesTheCellsAndTheHistoryAsTheyWere) {
    Document d;
    d.doc.grid().setCellValue(Layer::Earths, 1, 1, 4);
    d.doc.beginEdit("Заливка");
    d.doc.grid().setCellValue(Layer::Earths, 1, 1, 9);
    d.doc.grid().setCellValue(Layer::Objects, 2, 3, 300);
    d.doc.flushChanges();
    ASSERT_EQ(d.changes.count(), 2) << "a flush tells the cells so far while the edit is open";
    EXPECT_EQ(d.changed(1), QRect(1, 1, 2, 3));
    d.doc.grid().setCellValue(Layer::Objects, 2, 3, 301);
    d.doc.cancelEdit();
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Earths, 1, 1), 4);
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Objects, 2, 3), 0);
    EXPECT_EQ(d.doc.history().stack().count(), 1) << "only the write before the edit";
    EXPECT_FALSE(d.changes.isEmpty());
    EXPECT_EQ(d.changed(d.changes.count() - 1), QRect(1, 1, 2, 3));
    d.doc.grid().setCellValue(Layer::Earths, 0, 0, 2);
    EXPECT_EQ(d.doc.history().stack().count(), 2) << "edits after a cancel are steps again";
}

namespace {

// Every byte of every layer.
std::vector<std::string> snapshot(const model::LocationGrid& grid) {
    std::vector<std::string> layers;
    for (const Layer layer : model::kAllLayers) {
        const auto bytes = grid.layerBytes(layer);
        layers.emplace_back(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return layers;
}

struct LargerDocument {
    LocationDocument doc;
    explicit LargerDocument(int width = 37, int height = 23, std::uint8_t earth = 0) {
        doc.grid().setMapWidth(width);
        doc.grid().setMapHeight(height);
        doc.grid().CreatMap(earth);
    }
};

} // namespace

TEST(EditHistory, SpanWritesAreAnnouncedAsOneRectanglePerEdit) {
    Document d;
    d.doc.grid().fillSpan(Layer::Guards, 3, 2, 5, 1);
    ASSERT_EQ(d.changes.count(), 1) << "a span on its own is an edit of its own";
    EXPECT_EQ(d.changed(0), QRect(2, 3, 5, 1));
    EXPECT_EQ(d.doc.history().stack().undoText(), "Зона охраны");
    {
        const document::EditStep step(d.doc, "Вставка");
        d.doc.grid().fillSpan(Layer::Earths, 1, 0, 3, 4);
        d.doc.grid().fillSpan(Layer::Objects, 6, 10, 4, 900);
        d.doc.grid().setCellValue(Layer::Blocks, 19, 2, 1);
    }
    ASSERT_EQ(d.changes.count(), 2);
    EXPECT_EQ(d.changed(1), QRect(0, 1, 20, 6));
    d.doc.history().stack().undo();
    ASSERT_EQ(d.changes.count(), 3);
    EXPECT_EQ(d.changed(2), QRect(0, 1, 20, 6)) << "undo announces the same rectangle";
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Objects, 12, 6), 0);
    EXPECT_EQ(d.doc.grid().cellValue(Layer::Guards, 6, 3), 1) << "the earlier step stays";
}

TEST(EditHistory, UndoAndRedoOfMixedEditsRestoreEveryByteOfEveryLayer) {
    LargerDocument d;
    model::LocationGrid& grid = d.doc.grid();
    const int w = grid.MapWidth(), h = grid.MapHeight();
    std::mt19937 random(2024);
    const auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto anyLayer = [&] { return model::kAllLayers[static_cast<std::size_t>(any(6))]; };
    auto& stack = d.doc.history().stack();
    std::vector<std::vector<std::string>> states{snapshot(grid)};
    for (int edit = 0; edit < 60; ++edit) {
        const int steps = stack.count();
        d.doc.beginEdit("Правка");
        for (int part = 0; part < 1 + any(4); ++part) {
            switch (any(6)) {
            case 0: // a brush: single cells, some written twice
                for (int i = 0; i < 30; ++i)
                    grid.setCellValue(anyLayer(), (any(3) + i / 2) % w, any(h + 1), any(300));
                break;
            case 1: { // a span, the row past the world's last included
                const int x = any(w);
                grid.fillSpan(anyLayer(), any(h + 1), x, any(w - x + 1),
                              static_cast<std::uint16_t>(any(3)));
                break;
            }
            case 2:
                model::floodFill(grid, anyLayer(), any(w), any(h), any(3));
                break;
            case 3: { // a paste across both edges
                const model::CellRect from{any(w), any(h), 1 + any(w), 1 + any(h)};
                const auto patch = model::CellPatch::copy(grid, from, model::allLayers());
                ASSERT_TRUE(patch.pasteInto(grid, w - 1 - any(3), h - 1 - any(3)));
                break;
            }
            case 4:
                ASSERT_TRUE(model::fillCells(grid, model::CellRect{any(w), any(h), any(w), any(h)},
                                             anyLayer(), static_cast<std::uint16_t>(any(256))));
                break;
            default:
                model::clearCells(grid, model::CellRect{any(w), any(h), any(w), any(h)},
                                  model::allLayers());
            }
        }
        d.doc.endEdit();
        if (stack.count() > steps)
            states.push_back(snapshot(grid));
    }
    ASSERT_GT(stack.count(), 40);
    ASSERT_EQ(stack.count() + 1, static_cast<int>(states.size()));
    for (int i = stack.count(); i > 0; --i) {
        stack.undo();
        ASSERT_EQ(snapshot(grid), states[static_cast<std::size_t>(i - 1)]) << "undo to " << i - 1;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        stack.redo();
        ASSERT_EQ(snapshot(grid), states[i]) << "redo to " << i;
    }
}

TEST(EditHistory, ACellWrittenTwiceInAStrokeGetsItsFirstValueBack) {
    Document d;
    model::LocationGrid& grid = d.doc.grid();
    grid.setCellValue(Layer::Objects, 4, 4, 1000);
    grid.setCellValue(Layer::Earths, 5, 4, 7);
    const auto before = snapshot(grid);
    {
        const document::EditStep stroke(d.doc, "Кисть");
        for (int pass = 0; pass < 3; ++pass)
            for (int x = 3; x <= 6; ++x) {
                grid.setCellValue(Layer::Objects, x, 4, 2000 + pass);
                grid.setCellValue(Layer::Earths, x, 4, 10 + pass);
            }
        grid.fillSpan(Layer::Objects, 4, 2, 6, 5); // a span over the stroke
        grid.setCellValue(Layer::Objects, 5, 4, 6);
    }
    const auto after = snapshot(grid);
    d.doc.history().stack().undo();
    EXPECT_EQ(snapshot(grid), before);
    d.doc.history().stack().redo();
    EXPECT_EQ(snapshot(grid), after);
}

TEST(EditHistory, RecordsKeepOnlyTheChangedCellsAndUniformRunsTakeNoBytesPerCell) {
    LargerDocument d(3000, 2000, 5);
    document::EditHistory& history = d.doc.history();
    EXPECT_EQ(history.recordBytes(), 0u);
    {
        const document::EditStep step(d.doc, "Заливка");
        ASSERT_EQ(model::floodFill(d.doc.grid(), Layer::Earths, 7, 7, 9).changed, 3000u * 2000);
    }
    const std::size_t fill = history.recordBytes();
    EXPECT_GT(fill, 0u);
    EXPECT_LT(fill, 2000u * 64) << "a few bytes per row, none per cell";

    // A pattern of differing cells costs its cells' bytes.
    std::string pattern(2 * 1000, '\0');
    for (std::size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<char>(i * 7 + 1);
    {
        const document::EditStep step(d.doc, "Вставка");
        for (int y = 0; y < 100; ++y)
            d.doc.grid().writeSpan(Layer::Doors, y, 10,
                                   reinterpret_cast<const unsigned char*>(pattern.data()), 1000);
    }
    const std::size_t paste = history.recordBytes() - fill;
    EXPECT_GE(paste, 100u * 2000);
    EXPECT_LT(paste, 100u * 2000 + 100 * 64);

    // Cells the write leaves as they were are not kept, however many.
    {
        const document::EditStep step(d.doc, "Вставка");
        std::string row = d.doc.grid().rowCopy(Layer::Earths, 50);
        row[0] = 1;
        row[2999] = 2;
        d.doc.grid().writeSpan(Layer::Earths, 50, 0,
                               reinterpret_cast<const unsigned char*>(row.data()), 3000);
    }
    EXPECT_LT(history.recordBytes() - fill - paste, 256u);
}

TEST(EditHistory, AStrokeOfSingleCellsIsKeptAsRunsOfItsRows) {
    LargerDocument d(400, 300, 5);
    model::LocationGrid& grid = d.doc.grid();
    // Varied ground under half of the stroke: the XORs differ from cell to cell there.
    for (int x = 0; x < 200; ++x)
        grid.setCellValue(Layer::Earths, x, 11, x % 7);
    d.doc.history().stack().clear();
    const auto before = snapshot(grid);
    {
        const document::EditStep stroke(d.doc, "Кисть");
        for (int dab = 0; dab < 300; ++dab) // dabs of 3 x 3 along a row: three rows of 302 cells
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    grid.setCellValue(Layer::Earths, 50 + dab + dx, 10 + dy, 9);
    }
    const std::size_t bytes = d.doc.history().recordBytes();
    EXPECT_LT(bytes, 303u + 256) << "a byte a cell for the row over varied ground, none for the "
                                    "other two, and a little for each of the three rows";
    EXPECT_GE(bytes, 303u);
    d.doc.history().stack().undo();
    EXPECT_EQ(snapshot(grid), before);
}

TEST(EditHistory, ACancelledFillLeavesTheCellsAndTheHistoryAsTheyWere) {
    LargerDocument d(900, 700, 3);
    model::LocationGrid& grid = d.doc.grid();
    grid.fillSpan(Layer::Earths, 10, 0, 50, 4);
    const auto before = snapshot(grid);
    const std::size_t bytes = d.doc.history().recordBytes();
    QSignalSpy changes(&d.doc, &LocationDocument::cellsChanged);
    int asked = 0;
    d.doc.beginEdit("Заливка");
    grid.setCellValue(Layer::Guards, 1, 1, 1);
    const model::FillOutcome outcome =
        model::floodFill(grid, Layer::Earths, 100, 100, 8, [&] { return ++asked < 4; });
    ASSERT_TRUE(outcome.cancelled);
    d.doc.cancelEdit();
    EXPECT_EQ(snapshot(grid), before);
    EXPECT_EQ(d.doc.history().stack().count(), 1);
    EXPECT_EQ(d.doc.history().recordBytes(), bytes);
    EXPECT_EQ(changes.count(), 1) << "the cells put back are announced once";
    d.doc.history().stack().undo();
    EXPECT_EQ(grid.cellValue(Layer::Earths, 20, 10), 3) << "the step before the edit undoes";

    // A fill cancelled inside an edit that is then ended puts its cells back
    // itself: the edit changed nothing and is no step.
    d.doc.history().stack().redo();
    asked = 0;
    {
        const document::EditStep step(d.doc, "Заливка");
        ASSERT_TRUE(model::floodFill(grid, Layer::Earths, 100, 100, 8, [&] {
                        return ++asked < 2;
                    }).cancelled);
    }
    EXPECT_EQ(snapshot(grid), before);
    EXPECT_EQ(d.doc.history().stack().count(), 1);
}
