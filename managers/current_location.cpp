#include "managers/current_location.h"

#include "canvas/message_box.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/map_creation.h"
#include "managers/ui_text.h"

namespace managers {

void openMap(QWidget* mainWindow, QWidget* messageParent, WorldCanvas& canvas,
             const std::string& name) {
    editor::MapFolder() = mapFolderOf(name);
    canvas.setMapPath(name);
    if (mainWindow)
        mainWindow->setWindowTitle(qText("[" + name + "] - Main"));
    if (const canvas::ResourceLoadResult loaded = canvas.LoadResources(); !loaded)
        ui::showMessage(messageParent, {ui::MessageIcon::Critical, "Error", loaded.message()});
    canvas.LoadMap();
}

void goToLocation(QWidget* mainWindow, WorldCanvas& canvas, const std::string& name) {
    if (mainWindow)
        mainWindow->setWindowTitle(qText("[" + canvas.MapPath() + "] - " + name));
    canvas.ResetCursors();
    canvas.LoadMap(name);
    canvas.Refresh();
}

} // namespace managers
