#include "cli/gui_application.h"

#include <iostream>
#include <QGuiApplication>

namespace cli {
namespace {

void quietToolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg)
        std::cerr << "mapedit: " << text.toStdString() << "\n";
}

} // namespace

QGuiApplication& guiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietToolkitMessages);
    static int argc = 1;
    static char name[] = "mapedit";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

} // namespace cli
