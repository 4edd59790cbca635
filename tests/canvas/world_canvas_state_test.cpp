// The canvas's persisted property set, its location loads as the host sees
// them, Clone, and the full-screen view.

#include "canvas/frm_full_screen.h"
#include "canvas/world_canvas.h"
#include "canvas_world.h"

#include <gtest/gtest.h>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using canvas::PropertyBag;
using canvas_testing::CanvasWorld;

TEST(CanvasProperties, AnEmptySetGivesTheDefaults) {
    WorldCanvas canvas;
    canvas.ReadProperties(PropertyBag());
    EXPECT_EQ(canvas.CellWidth(), 32);
    EXPECT_EQ(canvas.CellHeight(), 32);
    EXPECT_EQ(canvas.CanvasCellCountX(), 10);
    EXPECT_EQ(canvas.CanvasCellCountY(), 10);
    EXPECT_EQ(canvas.Padding(), 0);
    EXPECT_TRUE(canvas.DrawEarth());
    EXPECT_TRUE(canvas.DrawObjects());
    EXPECT_FALSE(canvas.DrawCells() || canvas.DrawObjectsContour() || canvas.DrawBlockZone() ||
                 canvas.DrawGuardZone() || canvas.DrawActionZone() || canvas.DrawCordinates());
    EXPECT_TRUE(canvas.RoundWorld());
    EXPECT_FALSE(canvas.Drawing());
    EXPECT_EQ(canvas.MapWidth(), -1);
    EXPECT_EQ(canvas.MapHeight(), -1);
    EXPECT_EQ(canvas.LocationName(), "main");
}

TEST(CanvasProperties, OnlyValuesOffTheirDefaultsAreStored) {
    WorldCanvas canvas;
    PropertyBag bag;
    canvas.WriteProperties(bag);
    EXPECT_TRUE(bag.empty());

    canvas.setCanvasCellCountX(10);
    canvas.setCursorX(3);
    canvas.setPadding(2);
    canvas.setDrawCells(true);
    canvas.setDrawEarth(false);
    canvas.setResourcesPath("Art");
    canvas.WriteProperties(bag);
    EXPECT_EQ(bag.names(), (std::vector<std::string>{"CursorX", "Padding", "DrawCells", "DrawEarth",
                                                     "ResourcesPath"}));
    EXPECT_EQ(bag.readInt("cursorx", 0), 96) << "the cursor is kept as its pixel offset";

    WorldCanvas copy;
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.Padding(), 2);
    EXPECT_TRUE(copy.DrawCells());
    EXPECT_FALSE(copy.DrawEarth());
    EXPECT_EQ(copy.ResourcesPath(), "Art");
    EXPECT_EQ(copy.CursorX(), 3);
}

TEST(CanvasProperties, TheHostsSetIsReadWithoutRegardToCaseAndStartsTheTimer) {
    WorldCanvas canvas;
    canvas.ReadProperties(PropertyBag{{"PADDING", std::int32_t{2}}, {"drawing", true}});
    EXPECT_TRUE(canvas.Drawing());
    EXPECT_EQ(canvas.Padding(), 2);
    EXPECT_EQ(canvas.width(), 2 * 2 + 32 * 10) << "reading Padding lays the canvas out";
    canvas.setDrawOnlyMove(true);
    EXPECT_FALSE(canvas.Drawing());
}

TEST(CanvasLoad, ALoadNamesTheLocationBeforeItShowsTheGrid) {
    CanvasWorld world;
    world.writeLocation("cave", 6, 5);
    WorldCanvas canvas;
    canvas.setMapPath("Default");
    std::vector<std::string> events;
    QObject::connect(&canvas, &WorldCanvas::ChangeLocation, [&] {
        events.push_back("ChangeLocation " + canvas.LocationName() + " " +
                         std::to_string(canvas.MapWidth()));
    });
    QObject::connect(&canvas, &WorldCanvas::MapLoad,
                     [&] { events.push_back("MapLoad " + std::to_string(canvas.MapWidth())); });
    canvas.LoadMap("cave");
    EXPECT_EQ(events, (std::vector<std::string>{"ChangeLocation cave -1", "MapLoad 6"}));
    EXPECT_TRUE(world.messages.empty());

    canvas.LoadMap("nowhere");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
    EXPECT_NE(world.lastMessageText().find("\"nowhere\""), std::string::npos);
    EXPECT_EQ(events.size(), 2u) << "a refused load raises nothing";
    EXPECT_EQ(canvas.LocationName(), "cave");
}

namespace {

struct MainCanvas {
    CanvasWorld world;
    WorldCanvas canvas;

    MainCanvas() {
        world.writeLocation("main", 120, 120);
        canvas.ReadProperties(PropertyBag{{"Padding", std::int32_t{2}}});
        canvas.setCellHeight(32);
        canvas.setCellWidth(32);
        canvas.setCanvasCellCountX(10);
        canvas.setCanvasCellCountY(10);
        canvas.setDrawOnlyMove(true);
        canvas.setMapPath("Default");
        canvas.LoadMap();
        QTest::keyClick(canvas.mapSurface(), Qt::Key_Right);
        QTest::mouseClick(canvas.mapSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(70, 40));
        canvas.setDrawBlockZone(true);
        canvas.setCurrentEarth(99); // an edit that is not saved
    }
};

} // namespace

TEST(CanvasClone, TakesOverTheStateAndReloadsTheLocationFromItsFiles) {
    MainCanvas main;
    WorldCanvas copy;
    QSignalSpy moves(&copy, &WorldCanvas::CursorChangePosition);
    copy.Clone(main.canvas);
    EXPECT_EQ(copy.CurrentPositionX(), 1);
    EXPECT_EQ(copy.CursorX(), 2);
    EXPECT_EQ(copy.CursorY(), 1);
    EXPECT_EQ(copy.WorldCursorX(), 3);
    EXPECT_EQ(copy.Padding(), 2);
    EXPECT_TRUE(copy.DrawBlockZone());
    EXPECT_TRUE(copy.DrawOnlyMove());
    EXPECT_EQ(copy.LocationName(), "main");
    EXPECT_EQ(copy.MapPath(), "Default");
    EXPECT_EQ(copy.ResourcesPath(), "Resources");
    EXPECT_EQ(copy.MapWidth(), 120);
    EXPECT_EQ(static_cast<unsigned char>(copy.GetEarths(1)[3]), (3 + 1) % 7)
        << "the copy shows the location as last saved";
    EXPECT_EQ(moves.count(), 0);
    EXPECT_FALSE(copy.picMap().isNull());
    // A missing resource folder is reported, and the copy goes on.
    ASSERT_FALSE(main.world.messages.empty());
    EXPECT_EQ(main.world.messages.front().title, "Error");

    QTest::keyClick(copy.mapSurface(), Qt::Key_Right);
    EXPECT_EQ(copy.CurrentPositionX(), 2);
    EXPECT_EQ(main.canvas.CurrentPositionX(), 1) << "moving the copy leaves the main canvas";
}

TEST(CanvasClone, KeepsTheCopiedLayersWhenTheFilesAreGone) {
    MainCanvas main;
    std::filesystem::remove(main.world.root().path() / "Maps/Default/main.map");
    WorldCanvas copy;
    copy.Clone(main.canvas);
    EXPECT_EQ(copy.GetEarths(1), main.canvas.GetEarths(1));
    EXPECT_EQ(static_cast<unsigned char>(copy.GetEarths(1)[3]), 99);
    EXPECT_NE(main.world.lastMessageText().find("не найден"), std::string::npos);
}

TEST(FullScreen, CoversTheScreenWithWholeCellsRoundedToEven) {
    MainCanvas main;
    struct Case {
        QSize screen;
        int columns, rows;
    };
    for (const Case& c :
         {Case{{1024, 768}, 32, 24}, Case{{1366, 768}, 43, 24}, Case{{1040, 800}, 32, 25}}) {
        frmFullScreen::setScreenArea([&](const QWidget*) { return QRect(QPoint(0, 0), c.screen); });
        frmFullScreen view(nullptr, main.canvas);
        EXPECT_EQ(view.size(), c.screen);
        EXPECT_EQ(view.windowTitle(), QString("Полноэкранный режим"));
        EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(view.WorldCanvas1()->CanvasCellCountX(), c.columns) << c.screen.width();
        EXPECT_EQ(view.WorldCanvas1()->CanvasCellCountY(), c.rows);
        EXPECT_GE(view.WorldCanvas1()->width(), c.screen.width() - 32);
    }
    frmFullScreen::setScreenArea(nullptr);
}

TEST(FullScreen, EscapeClosesItAndArrowsScrollOnlyTheCopy) {
    MainCanvas main;
    frmFullScreen::setScreenArea([](const QWidget*) { return QRect(0, 0, 1024, 768); });
    QPointer<frmFullScreen> view = new frmFullScreen(nullptr, main.canvas);
    view->show();
    QWidget* surface = view->WorldCanvas1()->mapSurface();
    QTest::keyClick(surface, Qt::Key_Down);
    EXPECT_EQ(view->WorldCanvas1()->CurrentPositionY(), 1);
    EXPECT_EQ(main.canvas.CurrentPositionY(), 0);
    QTest::keyClick(surface, Qt::Key_Escape);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull()) << "closing discards the view and its copy";
    frmFullScreen::setScreenArea(nullptr);
}

TEST(FullScreen, CoversTheScreenHoldingItsOwnerWhereverTheOwnerStands) {
    MainCanvas main;
    // Two screens side by side; the owner stands on one or the other, partly
    // off it or not.
    const QRect left(0, 0, 1280, 1024), right(1280, 0, 1024, 768);
    frmFullScreen::setScreenArea([&](const QWidget* owner) {
        return owner->frameGeometry().center().x() < 1280 ? left : right;
    });
    for (const QPoint place : {QPoint(0, 0), QPoint(-200, -150), QPoint(900, 700),
                               QPoint(1500, 100), QPoint(2200, 600)}) {
        QWidget owner;
        owner.setGeometry(QRect(place, QSize(740, 520)));
        frmFullScreen view(&owner, main.canvas);
        const QRect expected = owner.frameGeometry().center().x() < 1280 ? left : right;
        EXPECT_EQ(view.geometry(), expected) << place.x() << "," << place.y();
        EXPECT_EQ(view.frameGeometry(), expected) << "no frame";
    }
    frmFullScreen::setScreenArea(nullptr);

    // Without a stand-in: the platform's screen of the owner.
    QWidget owner;
    owner.setGeometry(100, 100, 740, 520);
    frmFullScreen view(&owner, main.canvas);
    EXPECT_EQ(view.geometry(), owner.screen()->geometry());
}

TEST(FullScreen, IsDrawnAtItsFullSizeBeforeItIsFirstShown) {
    MainCanvas main;
    frmFullScreen::setScreenArea([](const QWidget*) { return QRect(0, 0, 1366, 768); });
    frmFullScreen view(nullptr, main.canvas);
    frmFullScreen::setScreenArea(nullptr);
    ASSERT_FALSE(view.isVisible());
    const QImage& picture = view.WorldCanvas1()->picMap();
    ASSERT_EQ(picture.size(), QSize(43 * 32, 24 * 32)) << "the whole view, not the copied 10 x 10";
    // The location covers the view: no cell is left in the background grey.
    for (int y = 16; y < picture.height(); y += 32)
        for (int x = 16; x < picture.width(); x += 32)
            ASSERT_NE(picture.pixel(x, y), qRgb(0x40, 0x40, 0x40)) << x << "," << y;
}

TEST(FullScreen, TakesTheKeyboardFocusWhenShownSoEscapeWorksAtOnce) {
    MainCanvas main;
    QWidget owner;
    owner.show();
    QApplication::setActiveWindow(&owner);
    frmFullScreen::setScreenArea([](const QWidget*) { return QRect(0, 0, 1024, 768); });
    QPointer<frmFullScreen> view = new frmFullScreen(&owner, main.canvas);
    frmFullScreen::setScreenArea(nullptr);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    EXPECT_EQ(QApplication::focusWidget(), view->WorldCanvas1()->mapSurface());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}
