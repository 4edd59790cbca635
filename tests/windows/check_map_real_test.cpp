// The window over the real map checker: a faulty cell of another location is
// found, listed with its location and cell, and a double-click lands on it.

#include "check_map_editor.h"

#include <QAbstractItemModel>

using windows_testing::CheckEditor;

TEST(CheckMapReal, AFaultyCellOfAnotherLocationIsListedAndReachedByADoubleClick) {
    CheckEditor e;
    std::string cave = e.world.root().read("Maps/Default/cave.map");
    const std::size_t record = 8 * 20;
    cave[9 * record + 12] = 7; // ground 7: the catalogue has entries 0 and 1
    e.world.root().write("Maps/Default/cave.map", cave);

    frmCheckMap& w = e.open(checker::checkMap);
    const QAbstractItemModel* model = w.grdFindings->model();
    int row = -1;
    for (int r = 0; r < model->rowCount(); ++r)
        if (CheckEditor::line(w, r).mid(0, 3) == QStringList{"cave", "12", "9"})
            row = r;
    ASSERT_GE(row, 0) << "the cell's finding is listed";
    const QStringList line = CheckEditor::line(w, row);
    EXPECT_EQ(line[3], "ошибка");
    EXPECT_TRUE(line[4].contains("7")) << line[4].toStdString();

    w.show();
    QApplication::setActiveWindow(&w);
    const QPoint centre = w.grdFindings->visualRect(model->index(row, 4)).center();
    QWidget* viewport = w.grdFindings->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(e.canvas().LocationName(), "cave");
    EXPECT_EQ(e.canvas().WorldCursorX(), 12);
    EXPECT_EQ(e.canvas().WorldCursorY(), 9);
    EXPECT_EQ(e.canvas().CurrentEarth(), 7) << "the cursor stands on the faulty cell";
}
