// Objects that are being destroyed must not call back into the window that
// owned them: the sanitizers find such calls as calls on destroyed objects.

#include "document/edit_history.h"
#include "document/location_document.h"

#include <gtest/gtest.h>

namespace {

TEST(TeardownSignals, AnEditHistoryWithUnsavedStepsGoesWithoutAWord) {
    document::LocationDocument document;
    auto* history = new document::EditHistory(document);
    history->cellChanged(model::Layer::Earths, 0, 0, 1, 2);
    ASSERT_TRUE(history->isModified());
    int heard = 0;
    QObject::connect(&history->stack(), &QUndoStack::cleanChanged, [&heard] { ++heard; });
    QObject::connect(&history->stack(), &QUndoStack::indexChanged, [&heard] { ++heard; });
    delete history;
    EXPECT_EQ(heard, 0) << "the window's slots would run while the window is being destroyed";
}

} // namespace
