// The canvas under real input events: keys, clicks and drags on the map
// surface, and what the canvas tells its host.

#include "canvas/world_canvas.h"
#include "canvas_world.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

using canvas_testing::CanvasWorld;

namespace {

struct LoadedCanvas {
    CanvasWorld world;
    WorldCanvas canvas;

    explicit LoadedCanvas(int width = 120, int height = 120) {
        world.writeLocation("main", width, height);
        // Set up as the main window does.
        canvas.setCellHeight(32);
        canvas.setCellWidth(32);
        canvas.setCanvasCellCountX(10);
        canvas.setCanvasCellCountY(10);
        canvas.setMapPath("Default");
        canvas.setDrawOnlyMove(true);
        canvas.LoadMap();
    }
    QWidget* surface() { return canvas.mapSurface(); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(surface(), button, Qt::NoModifier, at);
    }
    // A move report with the left button held.
    void dragTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, surface()->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface(), &move);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(surface(), button, Qt::NoModifier, at);
    }
    QRgb pixel(int x, int y) const { return canvas.picMap().pixel(x, y); }
};

} // namespace

TEST(CanvasKeys, ArrowsScrollTheViewAcrossTheWorldsEdge) {
    LoadedCanvas c;
    QSignalSpy moves(&c.canvas, &WorldCanvas::CursorChangePosition);
    QTest::keyClick(c.surface(), Qt::Key_Left);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(c.canvas.CurrentPositionX(), 119);
    EXPECT_EQ(c.canvas.WorldCursorX(), 119);
    EXPECT_EQ(c.canvas.CharCursorX(), 120);
    EXPECT_EQ(c.canvas.DblCharCursorX(), 239);
    EXPECT_EQ(c.canvas.CurrentEarth(), (119 + 0) % 7);
    QTest::keyClick(c.surface(), Qt::Key_Right);
    QTest::keyClick(c.surface(), Qt::Key_Up);
    EXPECT_EQ(c.canvas.CurrentPositionX(), 0);
    EXPECT_EQ(c.canvas.CurrentPositionY(), 119) << "rows wrap with MapHeight";
    QTest::keyClick(c.surface(), Qt::Key_Down);
    QTest::keyClick(c.surface(), Qt::Key_A);
    EXPECT_EQ(moves.count(), 4) << "other keys move nothing";
    EXPECT_EQ(c.canvas.CurrentPositionY(), 0);
}

TEST(CanvasMouse, ALeftClickPutsTheCursorOnTheCellUnderIt) {
    LoadedCanvas c;
    QSignalSpy moves(&c.canvas, &WorldCanvas::CursorChangePosition);
    QSignalSpy clicks(&c.canvas, &WorldCanvas::Click);
    QTest::mouseClick(c.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(31, 40));
    EXPECT_EQ(c.canvas.CursorX(), 0);
    EXPECT_EQ(c.canvas.CursorY(), 1);
    QTest::mouseClick(c.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(32, 40));
    EXPECT_EQ(c.canvas.CursorX(), 1);
    EXPECT_EQ(c.canvas.WorldCursorX(), 1);
    EXPECT_EQ(c.canvas.CurrentObject(), 0) << "row 1 holds no objects";
    EXPECT_EQ(moves.count(), 2);
    EXPECT_EQ(clicks.count(), 2);
    // The cursor frame follows: green outline at the new cell.
    EXPECT_EQ(c.pixel(32, 32), qRgb(0, 255, 0));
    EXPECT_EQ(c.pixel(64, 64), qRgb(0, 255, 0));
}

TEST(CanvasMouse, CursorAndViewCombineIntoTheWorldCursor) {
    LoadedCanvas c;
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(c.surface(), Qt::Key_Left);
    ASSERT_EQ(c.canvas.CurrentPositionX(), 115);
    c.press(QPoint(9 * 32 + 5, 9 * 32 + 5));
    EXPECT_EQ(c.canvas.WorldCursorX(), 4);
    EXPECT_EQ(c.canvas.WorldCursorY(), 9);
    EXPECT_EQ(c.canvas.CurrentEarth(), (4 + 9) % 7);
}

TEST(CanvasMouse, OtherButtonsOnlyRaiseTheirEvents) {
    LoadedCanvas c;
    std::vector<short> downs, ups;
    QObject::connect(&c.canvas, &WorldCanvas::MouseDown,
                     [&](short& button, short&, float&, float&) { downs.push_back(button); });
    QObject::connect(&c.canvas, &WorldCanvas::MouseUp,
                     [&](short& button, short&, float&, float&) { ups.push_back(button); });
    QSignalSpy moves(&c.canvas, &WorldCanvas::CursorChangePosition);
    c.press(QPoint(100, 100), Qt::RightButton);
    c.release(QPoint(100, 100), Qt::RightButton);
    EXPECT_EQ(downs, std::vector<short>{2});
    EXPECT_EQ(ups, std::vector<short>{2});
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(c.canvas.CursorX(), 0);
}

TEST(CanvasMouse, TheCanvasGoesOnWithArgumentsAHandlerChanged) {
    LoadedCanvas c;
    std::vector<short> buttonsSeen;
    QObject::connect(&c.canvas, &WorldCanvas::MouseDown,
                     [&](short& button, short& shift, float& x, float& y) {
                         buttonsSeen.push_back(button);
                         EXPECT_EQ(shift, 1);
                         x = 3 * 32 + 1; // the handler moves the press to cell (3, 4)
                         y = 4 * 32 + 1;
                     });
    QTest::mousePress(c.surface(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    EXPECT_EQ(buttonsSeen, std::vector<short>{1});
    EXPECT_EQ(c.canvas.CursorX(), 3);
    EXPECT_EQ(c.canvas.CursorY(), 4);

    QObject::connect(&c.canvas, &WorldCanvas::MouseMove,
                     [](short& button, short&, float&, float&) { button = 2; });
    c.dragTo(QPoint(300, 300));
    EXPECT_EQ(c.canvas.CurrentPositionX(), 0) << "the move no longer counts as a drag";
}

TEST(CanvasDrag, EveryMoveReportScrollsByItsDistanceFromTheCursor) {
    LoadedCanvas c;
    QSignalSpy moves(&c.canvas, &WorldCanvas::CursorChangePosition);
    c.press(QPoint(5 * 32 + 3, 5 * 32 + 3));
    ASSERT_EQ(moves.count(), 1);
    c.dragTo(QPoint(7 * 32 + 3, 5 * 32 + 3));
    EXPECT_EQ(c.canvas.CurrentPositionX(), 2);
    EXPECT_EQ(moves.count(), 2);
    c.dragTo(QPoint(7 * 32 + 3, 5 * 32 + 3));
    EXPECT_EQ(c.canvas.CurrentPositionX(), 4) << "the cursor stays where the button went down";
    EXPECT_EQ(c.canvas.CursorX(), 5);
    EXPECT_EQ(c.canvas.MoveDirectionX(), 2);
    EXPECT_EQ(c.canvas.MoveDirectionY(), -1);
    // The right arrow shows beside the cursor: the map there is changed by it.
    const QImage withArrow = c.canvas.picMap().copy(6 * 32, 5 * 32, 32, 32);
    c.dragTo(QPoint(5 * 32 + 3, 3 * 32 + 3)); // now up by two rows
    EXPECT_EQ(c.canvas.CurrentPositionY(), 118);
    EXPECT_EQ(c.canvas.MoveDirectionX(), 2) << "a direction stays set until release";
    EXPECT_EQ(c.canvas.MoveDirectionY(), 0);
    EXPECT_EQ(moves.count(), 4);
    c.release(QPoint(5 * 32 + 3, 3 * 32 + 3));
    EXPECT_EQ(c.canvas.MoveDirectionX(), -1);
    EXPECT_EQ(c.canvas.MoveDirectionY(), -1);
    // After the release the same place shows the map without the arrow.
    c.press(QPoint(5 * 32 + 3, 5 * 32 + 3));
    c.release(QPoint(5 * 32 + 3, 5 * 32 + 3));
    EXPECT_NE(c.canvas.picMap().copy(6 * 32, 5 * 32, 32, 32), withArrow);
}

TEST(CanvasDrag, ADragLongerThanTheMapStillLandsInsideIt) {
    LoadedCanvas c(5, 4);
    c.press(QPoint(1, 1));
    c.dragTo(QPoint(9 * 32 + 1, -13 * 32 + 1)); // 9 columns right, 13 rows up
    EXPECT_EQ(c.canvas.CurrentPositionX(), 9 % 5);
    EXPECT_EQ(c.canvas.CurrentPositionY(), ((-13 % 4) + 4) % 4);
    EXPECT_GE(c.canvas.WorldCursorX(), 0);
    EXPECT_LT(c.canvas.WorldCursorX(), 5);
}

TEST(CanvasInput, NothingHappensBeforeALocationIsLoaded) {
    CanvasWorld world;
    WorldCanvas canvas;
    canvas.setCanvasCellCountX(10);
    canvas.setCanvasCellCountY(10);
    QSignalSpy moves(&canvas, &WorldCanvas::CursorChangePosition);
    QSignalSpy clicks(&canvas, &WorldCanvas::Click);
    int mouseEvents = 0;
    QObject::connect(&canvas, &WorldCanvas::MouseDown,
                     [&](short&, short&, float&, float&) { ++mouseEvents; });
    QObject::connect(&canvas, &WorldCanvas::MouseUp,
                     [&](short&, short&, float&, float&) { ++mouseEvents; });
    QTest::keyClick(canvas.mapSurface(), Qt::Key_Left);
    QTest::mouseClick(canvas.mapSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(moves.count() + clicks.count() + mouseEvents, 0);
    canvas.Refresh();
    ASSERT_FALSE(canvas.picMap().isNull());
    EXPECT_EQ(canvas.picMap().pixel(100, 100), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(canvas.picMap().pixel(0, 0), qRgb(0x40, 0x40, 0x40)) << "no cursor without a map";
}

TEST(CanvasCursor, TheCursorStaysInsideTheViewAndItsProductsDoNotOverflow) {
    LoadedCanvas c;
    c.canvas.setCursorX(15);
    EXPECT_EQ(c.canvas.CursorX(), 9);
    c.canvas.setCellWidth(4000); // 4000 x 15 exceeds 16 bits
    c.canvas.setCursorX(15);
    EXPECT_EQ(c.canvas.CursorX(), 9);
    c.canvas.setCursorY(-2);
    EXPECT_EQ(c.canvas.CursorY(), -2) << "no lower limit";
}

TEST(CanvasCursor, ResetPutsViewAndCursorBackAtTheOriginWithoutAnEvent) {
    LoadedCanvas c;
    QTest::keyClick(c.surface(), Qt::Key_Down);
    c.press(QPoint(70, 70));
    QSignalSpy moves(&c.canvas, &WorldCanvas::CursorChangePosition);
    c.canvas.ResetCursors();
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(c.canvas.CurrentPositionY(), 0);
    EXPECT_EQ(c.canvas.CursorX(), 0);
    EXPECT_EQ(c.canvas.WorldCursorX(), 0);
    EXPECT_EQ(c.canvas.CurrentObject(), 1) << "the values of cell (0, 0) are read again";
}
