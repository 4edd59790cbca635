#pragma once
// The maps browser "Открыть карту": lists the entries of the application
// folder's "Maps\" and makes the chosen map the editor's current map, with
// its resources and its location "main".
//
// How the main window uses it. It creates the window once, on first use:
//     new frmMapsBrowser(this, *WorldCanvas1)
// and shows it with showModal(), which lists the maps afresh. Opening a map
// sets MapFolder, the canvas's MapPath and the main window's title
// "[" + map name + "] - Main"; the canvas's ChangeLocation and MapLoad
// follow from its LoadMap.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class WorldCanvas;

class frmMapsBrowser : public QDialog {
    Q_OBJECT

public:
    frmMapsBrowser(QWidget* mainWindow, WorldCanvas& canvas);

    // Lists the maps, shows the window modally and unloads it when it closes.
    // Accepted after a map was opened.
    int showModal();

    void Form_Load();

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* Command1 = nullptr; // "Отмена"

private:
    void cmdOpen_Click();

    QWidget* m_mainWindow;
    WorldCanvas& m_canvas;
};
