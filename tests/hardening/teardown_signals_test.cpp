// Objects that are being destroyed must not call back into the window that
// owned them: the sanitizers find such calls as calls on destroyed objects.

#include "canvas/world_canvas.h"
#include "editor/edit_history.h"

#include <gtest/gtest.h>

namespace {

TEST(TeardownSignals, AnEditHistoryWithUnsavedStepsGoesWithoutAWord) {
    WorldCanvas canvas;
    auto* history = new editor::EditHistory(canvas);
    history->cellChanged(model::Layer::Earths, 0, 0, 1, 2);
    ASSERT_TRUE(history->isModified());
    int heard = 0;
    QObject::connect(&history->stack(), &QUndoStack::cleanChanged, [&heard] { ++heard; });
    QObject::connect(&history->stack(), &QUndoStack::indexChanged, [&heard] { ++heard; });
    delete history;
    EXPECT_EQ(heard, 0) << "the window's slots would run while the window is being destroyed";
}

} // namespace
