#include "editor/window_settings.h"

#include "editor/frm_main.h"

#include <QDockWidget>
#include <QSettings>

namespace editor {
namespace {

const char* const kGeometry = "window/geometry";
const char* const kOverview = "view/overview";

} // namespace

QString settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "mapeditor", "mapeditor")
        .fileName();
}

void restoreWindow(frmMain& window, const QSettings& settings) {
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
    if (settings.value(kOverview, false).toBool())
        window.dockOverview->show();
}

void saveWindow(const frmMain& window, QSettings& settings) {
    settings.setValue(kGeometry, window.saveGeometry());
    // Hidden by the designer, not by the window's closing.
    settings.setValue(kOverview, !window.dockOverview->isHidden());
}

} // namespace editor
