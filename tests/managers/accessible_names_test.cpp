// Every control of the managers is announced by a name, as a screen reader
// (and a test from outside) finds it: its caption, its caption label, or an
// accessible name of its own.
#include "manager_world.h"

#include "managers/frm_actions_manager.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"
#include "managers/frm_maps_browser.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

QString announced(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls of `window` a person uses that are announced without a name.
std::vector<std::string> unnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool used =
            qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QListWidget*>(control) ||
            qobject_cast<QAbstractButton*>(control);
        if (used && control->parent() && !qobject_cast<QComboBox*>(control->parent()) &&
            announced(control).trimmed().isEmpty())
            unnamed.push_back(control->objectName().toStdString());
    }
    return unnamed;
}

TEST(AccessibleNames, EveryControlOfEveryManagerIsAnnounced) {
    ManagerWorld world(false);
    frmManagerLocation locations(&world.mainWindow, *world.canvas);
    frmMapManager maps(&world.mainWindow, *world.canvas);
    frmMapsBrowser browser(&world.mainWindow, *world.canvas);
    frmActionsManager actions(&world.mainWindow, *world.canvas);
    EXPECT_EQ(announced(locations.txtLocationName), "Название:") << "by its caption label";
    EXPECT_EQ(announced(browser.List1), "Выберите карту") << "lists too";
    EXPECT_EQ(announced(maps.chkEditResource), "Изменить ресурсы карты");
    for (QWidget* window : std::initializer_list<QWidget*>{&locations, &maps, &browser, &actions})
        EXPECT_EQ(unnamedControls(*window), std::vector<std::string>())
            << window->objectName().toStdString();
}

} // namespace
