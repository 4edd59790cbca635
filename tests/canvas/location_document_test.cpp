// The location document announces each edit once, as the rectangle of cells
// it touched, whoever makes it: a single write, a grouped edit, undo, redo.

#include "canvas/world_canvas.h"
#include "document/edit_history.h"
#include "document/location_document.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

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
