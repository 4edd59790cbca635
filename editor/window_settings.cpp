#include "editor/window_settings.h"

#include "editor/frm_main.h"

#include <QSettings>

namespace editor {
namespace {

const char* const kGeometry = "window/geometry";

} // namespace

QString settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "mapeditor", "mapeditor")
        .fileName();
}

void restoreWindow(frmMain& window, const QSettings& settings) {
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void saveWindow(const frmMain& window, QSettings& settings) {
    settings.setValue(kGeometry, window.saveGeometry());
}

} // namespace editor
