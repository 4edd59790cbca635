#pragma once
// The actions manager "Менеджер действий": lists the actions of the current
// location from its action index, shows the parameters of a selected action
// in the panel of its type, and attaches the selected action to the cell
// under the canvas cursor. It reads the action files and never writes them.
//
// How the main window uses it. It creates the window once, on first use:
//     new frmActionsManager(this, *WorldCanvas1)
// and shows it with showModal() (button cmdDoorManager), which reads the
// lists afresh. showModal() returns QDialog::Accepted when an action was
// attached to the cursor cell: the canvas is redrawn, and the main window
// refreshes its cell inspector then.

#include <QDialog>

#include <array>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class WorldCanvas;

class frmActionsManager : public QDialog {
    Q_OBJECT

public:
    frmActionsManager(QWidget* mainWindow, WorldCanvas& canvas);

    // Loads the lists, shows the window modally and unloads it when it closes.
    int showModal();

    void Form_Load();
    // Shows the type panel `index` alone.
    void ShowActionType(int index);
    // The caption of a type code (blanks trimmed, case ignored), "unknown" for
    // a code of no type.
    static std::string ActionTypeCaption(std::string_view code);

    // 0 "Список действий", 1 "Параметры".
    std::array<QGroupBox*, 2> Frame1{};
    QListWidget* lstActionsList = nullptr;
    QPushButton* cmdNewAction = nullptr;    // no action
    QPushButton* cmdDeleteAction = nullptr; // no action
    // 0 "Действие:", 1 "Имя:".
    std::array<QLabel*, 2> Label1{};
    QComboBox* cmbActionType = nullptr;
    QLineEdit* txtActionName = nullptr;
    QPushButton* Command1 = nullptr; // "Сохранить": no action

    // The type panels, stacked at one place, indexed as the type list.
    std::array<QGroupBox*, 10> frmActions{};
    std::array<QPlainTextEdit*, 10> txtHelp{};
    QComboBox* cmbTellType = nullptr;
    QPlainTextEdit* txtTellText = nullptr;
    QPlainTextEdit* txtQuestionText = nullptr;
    QLineEdit* txtQuestionOk = nullptr;
    QLineEdit* txtQuestionNone = nullptr;
    QListWidget* lstTeleportLocation = nullptr;
    QLineEdit* txtTeleportX = nullptr;
    QLineEdit* txtTeleportY = nullptr;
    QCheckBox* chkKill = nullptr;

    QPushButton* cmdUse = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void buildListFrame();
    void buildParameterFrame();
    void buildPanels(QGroupBox* frame);
    void buildTellPanel(QGroupBox* panel);
    void buildQuestionPanel(QGroupBox* panel);
    void buildTeleportPanel(QGroupBox* panel);
    void buildKillPanel(QGroupBox* panel);
    void resetControls();

    void lstActionsList_Click();
    void cmdUse_Click();
    // Whether the canvas holds a location with the cursor cell inside it.
    bool cursorCellExists() const;

    WorldCanvas& m_canvas;
    // The location's action index, as Form_Load found it.
    std::string m_indexPath;
};
