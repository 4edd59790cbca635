// mapeditor: the map editor. Without arguments it starts as a designer knows
// it; the optional arguments open a map and a location at once, name another
// application folder, or write a picture of the window and quit.

#include "app/folder_start.h"
#include "app/unattended_messages.h"
#include "canvas/picture_format.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/editor_application.h"
#include "editor/frm_main.h"
#include "editor/language.h"
#include "editor/window_settings.h"
#include "editor/working_folder.h"
#include "support/cp1251.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// The toolkit's own notes (about the session's folders and the like) are not
// for a script that runs the editor.
void quietToolkitNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "mapeditor: %s\n", text.toLocal8Bit().constData());
}

// The value of --lang (as "--lang en" or "--lang=en"), read before the
// command line is parsed, so that the help text is in that language too.
QString languageArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--lang" && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (argument.starts_with("--lang="))
            return QString::fromLocal8Bit(argv[i] + 7);
    }
    return {};
}

bool wantsScreenshot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--screenshot" || argument.starts_with("--screenshot="))
            return true;
    }
    return false;
}

// --help and --version print a text and quit: no window, so no screen needed.
bool wantsText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-?" ||
            argument == "--help-all" || argument == "--version" || argument == "-v")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a write fail with its reason instead of ending
    // the program half-way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // A screenshot needs no screen: without one (a build machine), the
    // window is drawn off-screen.
    const bool unattended = wantsScreenshot(argc, argv);
    const bool screenless = unattended || wantsText(argc, argv);
    if (screenless)
        qInstallMessageHandler(quietToolkitNotes);
    if (screenless && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EditorApplication app(argc, argv);
    // No display name: the toolkit would append it to every window title the
    // desktop shows, and the titles are the program's own texts.
    QApplication::setApplicationName("mapeditor");
    QApplication::setApplicationVersion(MAPEDIT_VERSION);
    // The desktop matches the window to its menu entry (and icon) by this name.
    QGuiApplication::setDesktopFileName(MAPEDIT_APP_ID);

    // The interface language: --lang for this run, else the one the designer chose.
    const QString languageCode = languageArgument(argc, argv);
    const std::optional<editor::Language> chosen =
        languageCode.isEmpty()
            ? editor::storedLanguage(QSettings(editor::settingsFile(), QSettings::IniFormat))
            : editor::languageNamed(languageCode);
    if (!chosen) {
        std::fprintf(stderr, "mapeditor: --lang %s: expected en or ru\n",
                     languageCode.toLocal8Bit().constData());
        return 1;
    }
    if (!editor::applyLanguage(*chosen))
        std::fprintf(stderr, "mapeditor: the English interface is missing; the interface is "
                             "Russian\n");

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption root(
        "root",
        "The application folder. Without it: the program's own folder when that holds Maps or "
        "Resources (a portable copy), else the user's own folder.",
        "DIR");
    const QCommandLineOption map("map", "Open this map of the folder Maps.", "NAME");
    const QCommandLineOption location("location", "Then go to this location of the map.", "NAME");
    const QCommandLineOption screenshot(
        "screenshot",
        "Write a picture of the window to FILE (.png, .bmp, .ppm or .jpg) and quit; messages go "
        "to the error stream instead of message boxes, and the exit code is 1 after an error.",
        "FILE");
    const QCommandLineOption language(
        "lang",
        "The interface language of this run: en or ru (default: the one chosen in the "
        "menu View > Language).",
        "LANG");
    const QCommandLineOption windowSize(
        "window-size", "Start with a client area of W x H pixels (at least 724 x 474).", "WxH");
    parser.addOptions({root, map, location, screenshot, language, windowSize});
    // The folder goes into the help text, so --root is read before --help
    // is answered; a wrong command line is reported by process() below.
    parser.parse(app.arguments());
    const appfolder::Choice folder =
        app::startFolder(parser.isSet(root) ? std::optional(parser.value(root)) : std::nullopt);
    parser.setApplicationDescription(
        Words::tr("Редактор карт: локации, земля, объекты, действия.") + "\n" +
        app::folderNote(folder));
    parser.process(app);

    if (!app::prepareFolder(folder))
        return 1;
    const QString file = parser.value(screenshot);
    if (unattended && !canvas::pictureFormatFor(file.toStdString())) {
        std::fprintf(stderr, "mapeditor: cannot write %s: unknown picture format (use %s)\n",
                     file.toLocal8Bit().constData(), canvas::kPictureExtensions);
        return 1;
    }
    std::optional<UnattendedMessages> messages;
    if (unattended)
        messages.emplace();

    QSize clientSize;
    if (parser.isSet(windowSize)) {
        const QStringList sides = parser.value(windowSize).split('x');
        bool wide = false, high = false;
        if (sides.size() == 2)
            clientSize = QSize(sides[0].toInt(&wide), sides[1].toInt(&high));
        if (!wide || !high || clientSize.width() < 1 || clientSize.height() < 1) {
            std::fprintf(stderr, "mapeditor: --window-size %s: expected WxH, as 1280x800\n",
                         parser.value(windowSize).toLocal8Bit().constData());
            return 1;
        }
    }

    frmMain window;
    // The size and place of the last run, unless this run names its own.
    QSettings settings(editor::settingsFile(), QSettings::IniFormat);
    const bool keepsSettings = !unattended && !clientSize.isValid();
    if (keepsSettings)
        editor::restoreWindow(window, settings);
    if (clientSize.isValid())
        window.setClientSize(clientSize);
    if (parser.isSet(map))
        window.openMap(cp1251::fromUtf8(parser.value(map).toStdString()));
    if (parser.isSet(location))
        window.goToLocation(cp1251::fromUtf8(parser.value(location).toStdString()));
    window.show();
    editor::showWorkingFolder(window, app::nativeText(folder.folder));

    if (unattended) {
        QTimer::singleShot(0, &window, [&window, &messages, file] {
            std::string reason;
            const bool saved = canvas::writePictureFile(
                window.grab().toImage(), canvas::nativePath(file.toStdString()), reason);
            if (!saved)
                std::fprintf(stderr, "mapeditor: cannot write %s: %s\n",
                             file.toLocal8Bit().constData(), reason.c_str());
            QApplication::exit(saved && !messages->hadError() ? 0 : 1);
        });
    }
    const int exitCode = app.exec();
    if (keepsSettings)
        editor::saveWindow(window, settings);
    return exitCode;
}
