#pragma once
// The location manager "Менеджер локаций": lists the locations of the current
// map with their notes, switches the editor to one of them, and creates a new
// location (grid, notes and configuration files written at once) on the main
// window's canvas.
//
// How the main window uses it. It creates the window once, on first use:
//     new frmManagerLocation(this, *WorldCanvas1)
// and before each showModal() chooses the view through the public controls:
//   - manage view ("Открыть локацию", "Менеджер локаций"):
//         Frame1[0]->setVisible(true);  Frame1[1]->setVisible(false);
//   - create view ("Новая локация"):
//         Frame1[0]->setVisible(false); Frame1[1]->setVisible(true);
//         txtLocationName->setEnabled(true); Command5->setEnabled(true);
// showModal() reads the location list and the fill tiles afresh, shows the
// window modally, and when it closes (by any means) puts every control back
// to its first state, as a window unloaded and loaded again would be.
//
// The main window hands it its unsaved-edits question with
//     setDiscardCheck([this] { return confirmDiscard(); });
// which is asked before going to a location and before creating one.
//
// The window sets the main window's title itself: "[" + MapPath + "] - " +
// location name, when it goes to a location and when it has created one.
// After a creation the canvas's LocationName is the new location's name (the
// canvas raises ChangeLocation) and the canvas raises MapLoad for the new
// size, so the main window's location and size fields follow by themselves.

#include "managers/discard_check.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class WorldCanvas;

class frmManagerLocation : public QDialog {
    Q_OBJECT

public:
    frmManagerLocation(QWidget* mainWindow, WorldCanvas& canvas);

    // Loads the lists, shows the window modally and unloads it when it closes.
    // Accepted after going to a location or creating one.
    int showModal();

    // Asked before the canvas's location is replaced.
    void setDiscardCheck(managers::DiscardCheck check) { m_discardCheck = std::move(check); }
    const managers::DiscardCheck& discardCheck() const { return m_discardCheck; }

    // Fills the location list and the fill tiles, then UpdateSizeInfo.
    void Form_Load();
    // Normalises the size boxes and fills the four computed boxes.
    void UpdateSizeInfo();

    // The two views, stacked at one place: 0 manage, 1 create.
    std::array<QGroupBox*, 2> Frame1{};

    // Manage view.
    QListWidget* lstLocation = nullptr;
    QPlainTextEdit* tbInfo = nullptr;
    QPushButton* Command1 = nullptr; // "Перейти"
    QPushButton* Command2 = nullptr; // "Создать": to the create view
    QPushButton* Command3 = nullptr; // "Удалить": no action
    QPushButton* Command6 = nullptr; // "Закрыть"

    // Create view.
    QLineEdit* txtLocationName = nullptr;
    QLineEdit* txtNewMapWidth = nullptr;
    QLineEdit* txtNewMapHeight = nullptr;
    QComboBox* cmdFill = nullptr;
    QPlainTextEdit* txtInfo = nullptr;
    QCheckBox* chkRound = nullptr;
    QLineEdit* txtCellsCount = nullptr;
    QLineEdit* txtPixelWidth = nullptr;
    QLineEdit* txtPixelHeight = nullptr;
    QLineEdit* txtBufferLength = nullptr;
    QPushButton* Command4 = nullptr; // "Создать": create the location
    QPushButton* Command5 = nullptr; // "Отмена"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildManageView();
    void buildCreateView();
    void buildSizeInfo(QGroupBox* frame);
    void connectHandlers();
    // Every control back to its first state.
    void resetControls();
    void chooseDefaultButton();

    void lstLocation_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

    // Tells the designer why a location of this name cannot be created as the
    // window stands; true when it cannot.
    bool refuseCreation(const std::string& name);

    QWidget* m_mainWindow;
    WorldCanvas& m_canvas;
    managers::DiscardCheck m_discardCheck;
};
