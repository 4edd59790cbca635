// Every command of the main window opens its window, prepared as it should be.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor_world.h"
#include "managers/frm_manager_location.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using windows_testing::EditorWorld;

namespace {

// What the modal window opened by `command` was, seen while it was open.
struct Opened {
    QString name;
    bool modal = false;
    std::vector<bool> frames; // visibility of a location manager's frames
    bool nameBoxEnabled = false;
};

Opened whileOpen(const std::function<void()>& command) {
    Opened seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            return;
        seen.name = window->objectName();
        seen.modal = window->isModal();
        if (auto* manager = qobject_cast<frmManagerLocation*>(window)) {
            seen.frames = {manager->Frame1[0]->isVisible(), manager->Frame1[1]->isVisible()};
            seen.nameBoxEnabled = manager->txtLocationName->isEnabled();
        }
        static_cast<QDialog*>(window)->reject();
    });
    command();
    return seen;
}

} // namespace

TEST(MainWindowCommands, EachOpensItsWindowModally) {
    EditorWorld world;
    frmMain window;
    window.show();
    window.openMap("Default");
    EXPECT_EQ(whileOpen([&] { window.mnuNewMap->trigger(); }).name, "frmMapManager");
    EXPECT_EQ(whileOpen([&] { window.mnuOpenMap->trigger(); }).name, "frmMapsBrowser");
    const Opened actions = whileOpen([&] { window.cmdDoorManager->click(); });
    EXPECT_EQ(actions.name, "frmActionsManager");
    EXPECT_TRUE(actions.modal);

    const Opened create = whileOpen([&] { window.cmdNewLocation->click(); });
    EXPECT_EQ(create.name, "frmManagerLocation");
    EXPECT_EQ(create.frames, (std::vector<bool>{false, true})) << "the create view";
    EXPECT_TRUE(create.nameBoxEnabled);
    for (QAction* action : {window.mnuOpenLocation, window.mnuManagerLocation}) {
        const Opened manage = whileOpen([&] { action->trigger(); });
        EXPECT_EQ(manage.name, "frmManagerLocation");
        EXPECT_EQ(manage.frames, (std::vector<bool>{true, false})) << "the manage view";
    }
    EXPECT_EQ(whileOpen([&] { window.cmdManagerLocations->click(); }).frames,
              (std::vector<bool>{true, false}));
}

TEST(MainWindowCommands, TheFullScreenViewOpensOnceAndExitCloses) {
    EditorWorld world;
    frmMain window;
    window.show();
    window.openMap("Default");
    window.Command1->click();
    frmFullScreen* view = window.fullScreenView();
    ASSERT_NE(view, nullptr);
    window.Command1->click();
    EXPECT_EQ(window.fullScreenView(), view) << "one instance, brought to the front";
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.fullScreenView(), nullptr);
    window.mnuExit->trigger();
    EXPECT_FALSE(window.isVisible());
}
