// mapeditor: the map editor's entry point. Until the main window lands it shows
// a placeholder window naming the application folder.

#include "support/cp1251.h"
#include "support/mdl_main.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QString::fromStdString(cp1251::toUtf8(mdlMain::ApplicationFolder())));
    label.setWindowTitle(QStringLiteral("Map editor"));
    label.resize(400, 100);
    label.show();
    return app.exec();
}
