#include "managers/current_location.h"

#include "canvas/resource_load_report.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/map_creation.h"
#include "managers/ui_text.h"

namespace managers {

void openMap(QWidget* mainWindow, QWidget* messageParent, WorldCanvas& canvas,
             const std::string& name) {
    editor::MapFolder() = mapFolderOf(name);
    canvas.setMapPath(name);
    ui::reportResourceLoad(messageParent, canvas.LoadResources());
    if (canvas.LoadMap())
        setLocationTitle(mainWindow, canvas, "Main");
    else
        showMapWithoutLocation(mainWindow, canvas);
}

void goToLocation(QWidget* mainWindow, WorldCanvas& canvas, const std::string& name) {
    canvas.ResetCursors();
    if (canvas.LoadMap(name))
        setLocationTitle(mainWindow, canvas, name);
    else if (!canvas.hasLocation())
        showMapWithoutLocation(mainWindow, canvas); // the grid could not be built
    canvas.Refresh();
}

void showMapWithoutLocation(QWidget* mainWindow, WorldCanvas& canvas) {
    canvas.unloadLocation();
    if (mainWindow)
        mainWindow->setWindowTitle(qText("[" + canvas.MapPath() + "]"));
}

void setLocationTitle(QWidget* mainWindow, const WorldCanvas& canvas, const std::string& name) {
    if (mainWindow)
        mainWindow->setWindowTitle(qText("[" + canvas.MapPath() + "] - " + name));
}

} // namespace managers
