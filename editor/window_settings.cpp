#include "editor/window_settings.h"

#include "canvas/view_zoom.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"

#include <QDockWidget>
#include <QSettings>

#include <algorithm>

namespace editor {
namespace {

const char* const kGeometry = "window/geometry";
const char* const kOverview = "view/overview";
const char* const kZoom = "view/zoom";

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
    const auto& levels = WorldCanvas::zoomLevels();
    const int zoom = settings.value(kZoom, canvas::kNormalZoom).toInt();
    if (std::find(levels.begin(), levels.end(), zoom) != levels.end())
        window.WorldCanvas1->setZoom(zoom);
}

void saveWindow(const frmMain& window, QSettings& settings) {
    settings.setValue(kGeometry, window.saveGeometry());
    // Hidden by the designer, not by the window's closing.
    settings.setValue(kOverview, !window.dockOverview->isHidden());
    settings.setValue(kZoom, window.WorldCanvas1->Zoom());
}

} // namespace editor
