#pragma once
// Loading a location into a grid: the checks, the messages and the order of
// the notifications of the canvas's LoadMap, without any user interface. The
// host (the canvas, the command-line tool, a test) receives messages and
// notifications through a LoadListener.

#include "model/cell_patch.h"
#include "model/location_grid.h"

#include <string>
#include <string_view>

namespace model {

enum class MessageIcon { Information, Warning, Critical };

class LoadListener {
public:
    virtual ~LoadListener() = default;
    // A message for the designer: texts in code page 1251.
    virtual void showMessage(MessageIcon icon, const std::string& title,
                             const std::string& text) = 0;
    // The location's name is now `name` (the canvas stores it and raises
    // ChangeLocation); the grid still holds the previous location.
    virtual void locationNameChanged(const std::string& name) = 0;
    // The grid holds the new location (the canvas raises MapLoad).
    virtual void mapLoaded() = 0;
    // The view should be drawn again.
    virtual void redrawRequested() = 0;
};

enum class LoadOutcome {
    Loaded,
    // Loaded, but the grid file held fewer bytes than the location needs (the
    // missing cells are empty) or could not be read to its end.
    LoadedIncomplete,
    // Nothing changed: a file is missing or the configuration is unusable.
    Refused,
};

// Loads location `name` of the map folder `mapPath` (below the application
// folder's "Maps\\") into `grid`; layers not in `layers` are left empty.
LoadOutcome LoadMap(LocationGrid& grid, std::string_view mapPath, std::string_view name,
                    LoadListener& listener, LayerSet layers = allLayers());

} // namespace model
