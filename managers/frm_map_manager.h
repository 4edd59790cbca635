#pragma once
// The map manager "Менеджер карт": creates a new map (its folder below
// "Maps\" and its description file), makes it the editor's current map with
// its resources, and has the location manager create its first location
// "main".
//
// How the main window uses it. It creates the window once, on first use:
//     new frmMapManager(this, *WorldCanvas1)
// tells it how to reach the one location manager (created on first use too):
//     mapManager->setLocationManager([this]() -> frmManagerLocation& {
//         return locationManager(); });
// hands it its unsaved-edits question, asked once before a map is created
// (the location manager does not ask again for the map's first location):
//     mapManager->setDiscardCheck([this] { return confirmDiscard(); });
// and shows it with showModal(). Nothing else needs preparing. After a
// creation MapFolder, the canvas's MapPath and ResourcesPath name the new map;
// the location manager has set the title and the canvas's location.

#include "managers/discard_check.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class WorldCanvas;
class frmManagerLocation;

class frmMapManager : public QDialog {
    Q_OBJECT

public:
    frmMapManager(QWidget* mainWindow, WorldCanvas& canvas);

    // Gives the location manager the new map's first location is created with.
    using LocationManagerAccess = std::function<frmManagerLocation&()>;
    void setLocationManager(LocationManagerAccess access);

    // Asked before the map is created.
    void setDiscardCheck(managers::DiscardCheck check) { m_discardCheck = std::move(check); }

    // Shows the window modally and unloads it when it closes. Accepted after a
    // map was created.
    int showModal();

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtMapName = nullptr;
    QLineEdit* txtResources = nullptr;
    QCheckBox* chkEditResource = nullptr;
    QPlainTextEdit* txtDescription = nullptr;
    QLineEdit* txtAuthor = nullptr;
    QLineEdit* txtContacts = nullptr;
    QPushButton* cmdCreat = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void buildControls();
    void resetControls();
    void cmdCreat_Click();
    void chkEditResource_Click(bool ticked);
    bool refuseName(const std::string& name);
    void createFirstLocation();

    WorldCanvas& m_canvas;
    LocationManagerAccess m_locationManager;
    managers::DiscardCheck m_discardCheck;
};
