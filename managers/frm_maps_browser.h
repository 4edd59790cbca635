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
// follow from its LoadMap. The main window hands it its unsaved-edits
// question, asked before a map is opened:
//     setDiscardCheck([this] { return confirmDiscard(); });

#include "managers/discard_check.h"

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

    // Asked before the map is opened.
    void setDiscardCheck(managers::DiscardCheck check) { m_discardCheck = std::move(check); }

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* Command1 = nullptr; // "Отмена"

private:
    void cmdOpen_Click();

    QWidget* m_mainWindow;
    WorldCanvas& m_canvas;
    managers::DiscardCheck m_discardCheck;
};
