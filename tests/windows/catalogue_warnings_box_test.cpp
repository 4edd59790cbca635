// The catalogue warnings as the designer sees them: one warning box after a
// successful load, listing every object whose mask has another size than its
// picture; a failed load keeps its error box alone.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor_world.h"
#include "support/file_system.h"

#include <gtest/gtest.h>

using windows_testing::EditorWorld;

namespace {

// Object entries 0 to `count` - 1: house.bmp (48 x 80) with a 60 x 90 mask.
void writeMismatchedObjects(EditorWorld& world, int count) {
    world.writePicture("house_large_m.bmp", 60, 90);
    std::string catalogue = "[DATA]\r\nCount=" + std::to_string(count - 1) + "\r\n";
    for (int i = 0; i < count; ++i)
        catalogue += "[OBJ-" + std::to_string(i) +
                     "]\r\nFileName=house.bmp\r\nMaskFileName=house_large_m.bmp\r\n";
    world.root().write("Resources/level1.ini", catalogue);
}

// The line for entry OBJ-`entry`, in UTF-8.
std::string warningLine(const EditorWorld& world, int entry) {
    return cp1251::toUtf8(fsys::displayText(world.root().text() + "Resources\\level1.ini")) +
           ": запись OBJ-" + std::to_string(entry) +
           ": маска 60 x 90 точек другого размера, чем картинка 48 x 80; картинка рисуется в "
           "своих границах";
}

} // namespace

TEST(CatalogueWarningsBox, OpeningAMapShowsOneBoxListingEachEntryAndTheFullScreenCopyNoMore) {
    EditorWorld world;
    world.writePicture("house_large_m.bmp", 60, 90);
    world.root().write("Resources/level1.ini",
                       "[DATA]\r\nCount=2\r\n"
                       "[OBJ-0]\r\nFileName=house.bmp\r\nMaskFileName=house_large_m.bmp\r\n"
                       "[OBJ-1]\r\nFileName=house.bmp\r\nMaskFileName=house_m.bmp\r\n"
                       "[OBJ-2]\r\nFileName=house.bmp\r\nMaskFileName=house_large_m.bmp\r\n");
    frmMain window;
    window.openMap("Default");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(world.messages[0].title, cp1251::fromUtf8("Предупреждение"));
    EXPECT_EQ(world.lastText(), warningLine(world, 0) + "\n" + warningLine(world, 2));
    EXPECT_EQ(window.windowTitle(), "[Default] - Main") << "the map opens all the same";
    EXPECT_EQ(window.WorldCanvas1->catalogues().objectSprite(0).width(), 48);
    EXPECT_EQ(window.WorldCanvas1->catalogues().objectSprite(0).height(), 80);

    WorldCanvas copy; // what the full-screen view does
    copy.Clone(*window.WorldCanvas1);
    EXPECT_EQ(world.messages.size(), 1u) << "the designer was warned when the map opened";
    EXPECT_EQ(copy.catalogues().objectSprite(2).width(), 48);
}

TEST(CatalogueWarningsBox, ManyAreCutToTwentyLinesAndTheCountOfTheRest) {
    EditorWorld world;
    writeMismatchedObjects(world, 33);
    frmMain window;
    window.openMap("Default");
    ASSERT_EQ(world.messages.size(), 1u);
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += warningLine(world, i) + "\n";
    EXPECT_EQ(world.lastText(), expected + "(и ещё предупреждений: 13)");
}

TEST(CatalogueWarningsBox, AFailedLoadShowsItsErrorAndNoWarning) {
    EditorWorld world;
    world.writePicture("house_large_m.bmp", 60, 90);
    world.root().write("Resources/level1.ini",
                       "[DATA]\r\nCount=1\r\n"
                       "[OBJ-0]\r\nFileName=house.bmp\r\nMaskFileName=house_large_m.bmp\r\n"
                       "[OBJ-1]\r\nFileName=gone.bmp\r\nMaskFileName=house_m.bmp\r\n");
    frmMain window;
    window.openMap("Default");
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(world.messages[0].title, "Error");
    EXPECT_NE(world.lastText().find("gone.bmp"), std::string::npos) << world.lastText();
    EXPECT_EQ(world.lastText().find("маска"), std::string::npos) << world.lastText();
}
