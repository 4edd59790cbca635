#pragma once
// The folder of the current map, shared by the windows: the application
// folder + "Maps\" + the map's name + "\" (code page 1251). The main window
// sets it when it loads; the map manager and the maps browser change it.

#include <string>

namespace editor {

std::string& MapFolder();

} // namespace editor
