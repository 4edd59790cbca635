// The name filter of the name boxes: which typed characters stay, and what
// the control keys still do.
#include "driving.h"
#include "manager_world.h"

#include "managers/frm_actions_manager.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

class NameBoxes : public testing::Test {
protected:
    ManagerWorld world{false};
    frmManagerLocation locations{&world.mainWindow, *world.canvas};
    frmMapManager maps{&world.mainWindow, *world.canvas};
    frmActionsManager actions{&world.mainWindow, *world.canvas};

    std::vector<QLineEdit*> nameBoxes() {
        maps.chkEditResource->setChecked(true);
        return {locations.txtLocationName, maps.txtMapName, maps.txtResources,
                actions.txtActionName};
    }
};

TEST_F(NameBoxes, KeepOnlyLatinLettersDigitsDashUnderscoreAndBrackets) {
    for (QLineEdit* box : nameBoxes()) {
        retype(box, "a.b\\c/d e:f-g_h[0]9Жz");
        EXPECT_EQ(box->text(), "abcdef-g_h[0]9z") << box->objectName().toStdString();
    }
}

TEST_F(NameBoxes, RefusePastedTextThatTypingCouldNotBringIn) {
    QLineEdit* box = locations.txtLocationName;
    retype(box, "ok");
    QApplication::clipboard()->setText("..\\up");
    box->paste();
    EXPECT_EQ(box->text(), "ok");
    QApplication::clipboard()->setText("_fine");
    box->paste();
    EXPECT_EQ(box->text(), "ok_fine");
}

TEST_F(NameBoxes, LeaveEscapeToCloseTheWindow) {
    const int result = whileShown(maps, [&] { QTest::keyClick(maps.txtMapName, Qt::Key_Escape); });
    EXPECT_EQ(result, QDialog::Rejected);
}

} // namespace
