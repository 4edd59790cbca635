#pragma once
// What the main window keeps between runs: its size, place and maximized
// state, its zoom, and whether the overview is shown. Kept in the user's settings (the system's
// configuration folder), never in the application folder.

#include <QString>

class QSettings;
class frmMain;

namespace editor {

// The user's settings file of the editor.
QString settingsFile();

// Gives the window the size, place and state it had when the last run saved
// them; nothing without saved settings (a first start keeps its size).
void restoreWindow(frmMain& window, const QSettings& settings);
void saveWindow(const frmMain& window, QSettings& settings);

} // namespace editor
