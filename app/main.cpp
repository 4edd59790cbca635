// mapeditor: the map editor. Without arguments it starts as a designer knows
// it; the optional arguments open a map and a location at once, name another
// application folder, or write a picture of the window and quit.

#include "canvas/picture_format.h"
#include "canvas/world_canvas.h"
#include "editor/editor_application.h"
#include "editor/frm_main.h"
#include "support/application_folder.h"
#include "support/cp1251.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    EditorApplication app(argc, argv);
    // No display name: the toolkit would append it to every window title the
    // desktop shows, and the titles are the program's own texts.
    QApplication::setApplicationName("mapeditor");

    QCommandLineParser parser;
    parser.setApplicationDescription("Редактор карт: локации, земля, объекты, действия.");
    parser.addHelpOption();
    const QCommandLineOption root("root", "The application folder (default: the program's).",
                                  "DIR");
    const QCommandLineOption map("map", "Open this map of the folder Maps.", "NAME");
    const QCommandLineOption location("location", "Then go to this location of the map.", "NAME");
    const QCommandLineOption screenshot("screenshot", "Write the window to FILE.png and quit.",
                                        "FILE.png");
    parser.addOptions({root, map, location, screenshot});
    parser.process(app);

    if (parser.isSet(root))
        appfolder::setNative(parser.value(root).toStdString());

    frmMain window;
    if (parser.isSet(map))
        window.openMap(cp1251::fromUtf8(parser.value(map).toStdString()));
    if (parser.isSet(location))
        window.goToLocation(cp1251::fromUtf8(parser.value(location).toStdString()));
    window.show();

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        const char* format = canvas::pictureFormatFor(file.toStdString());
        if (!format) {
            std::fprintf(stderr, "mapeditor: cannot write %s: unknown picture format (use %s)\n",
                         file.toLocal8Bit().constData(), canvas::kPictureExtensions);
            return 1;
        }
        QTimer::singleShot(0, &window, [&window, file, format] {
            const bool saved = window.grab().save(file, format);
            if (!saved)
                std::fprintf(stderr, "mapeditor: cannot write %s\n",
                             file.toLocal8Bit().constData());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
