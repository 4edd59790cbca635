#pragma once
// Making a map or a location the editor's current one, as the maps browser
// and the location manager do; the main window does the same for the maps
// and locations named on its command line.

#include <string>

class QWidget;
class WorldCanvas;

namespace managers {

// Map `name` of the application folder's "Maps\": MapFolder, the canvas's
// MapPath, the main window's title "[name] - Main", the map's resources (a
// failure is reported over `messageParent`) and its location "main".
void openMap(QWidget* mainWindow, QWidget* messageParent, WorldCanvas& canvas,
             const std::string& name);

// Location `name` of the canvas's map: the title "[MapPath] - name", the
// cursor back at the origin, the location loaded and drawn.
void goToLocation(QWidget* mainWindow, WorldCanvas& canvas, const std::string& name);

} // namespace managers
