#pragma once
// Making a map or a location the editor's current one, as the maps browser
// and the location manager do; the main window does the same for the maps
// and locations named on its command line.
//
// The grid on the canvas always belongs to the map folder and location name
// it would be saved to, and the main window's title names what is loaded:
// "[map] - location", or "[map]" while the map is open with no location.

#include <string>

class QWidget;
class WorldCanvas;

namespace managers {

// Map `name` of the application folder's "Maps\": MapFolder, the canvas's
// MapPath, the map's resources (a failure is reported over `messageParent`)
// and its location "main", with the title "[name] - Main". When "main" does
// not load, the map is open with no location.
void openMap(QWidget* mainWindow, QWidget* messageParent, WorldCanvas& canvas,
             const std::string& name);

// Location `name` of the canvas's map: the cursor back at the origin, the
// location loaded and drawn, the title "[MapPath] - name". A refused load
// leaves the previous location loaded and the title as it was.
void goToLocation(QWidget* mainWindow, WorldCanvas& canvas, const std::string& name);

// The canvas's map stays open with no location loaded.
void showMapWithoutLocation(QWidget* mainWindow, WorldCanvas& canvas);

// The main window's title for location `name` of the canvas's map.
void setLocationTitle(QWidget* mainWindow, const WorldCanvas& canvas, const std::string& name);

} // namespace managers
