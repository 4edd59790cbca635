#pragma once
// The actions manager "Менеджер действий": lists the actions of the current
// location from its action index, shows the parameters of a selected action
// in the panel of its type, and attaches the selected action to the cell
// under the canvas cursor. It also authors actions: their steps are edited
// in the list "Шаги", "Создать" makes a new action, "Сохранить" writes the
// selected one (renaming it when its name changed) and "Удалить" takes it out
// of the location, renumbering the cells and saving the location.
//
// The panels show the selected step's values; with no step selected they
// show what loading the action filled in (the last step of each type), and
// edits there go to that step.
//
// How the main window uses it. It creates the window once, on first use:
//     new frmActionsManager(this, *WorldCanvas1)
// and shows it with showModal() (button cmdDoorManager), which reads the
// lists afresh. showModal() returns QDialog::Accepted when an action was
// attached to the cursor cell: the canvas is redrawn, and the main window
// refreshes its cell inspector then.

#include "managers/action_drafts.h"

#include <QDialog>

#include <array>
#include <string>
#include <string_view>
#include <vector>

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
    QPushButton* cmdNewAction = nullptr;
    QPushButton* cmdDeleteAction = nullptr;
    // 0 "Действие:", 1 "Имя:".
    std::array<QLabel*, 2> Label1{};
    QComboBox* cmbActionType = nullptr;
    QLineEdit* txtActionName = nullptr;
    QPushButton* Command1 = nullptr; // "Сохранить"

    // The selected action's steps, one line each ("1: Показать текст").
    QListWidget* lstSteps = nullptr;
    QPushButton* cmdAddStep = nullptr;
    QPushButton* cmdRemoveStep = nullptr;
    QPushButton* cmdStepUp = nullptr;
    QPushButton* cmdStepDown = nullptr;

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
    void buildStepList(QGroupBox* frame);
    void connectStepControls();
    void resetControls();

    void lstActionsList_Click();
    void cmdUse_Click();
    // Whether the canvas holds a location with the cursor cell inside it.
    bool cursorCellExists() const;

    // The steps (frm_actions_manager_steps.cpp).
    void lstSteps_Click();
    void cmbActionType_Activated(int index);
    void cmbTellType_Activated(int index);
    void cmdAddStep_Click();
    void cmdRemoveStep_Click();
    void moveStep(int by);
    // A teleport or kill field edited while such a step is selected.
    void unknownFieldEdited();
    // Fills "Шаги" from m_steps and selects `select` (none: -1).
    void fillStepList(int select);
    // Puts the panels' texts into the step they show.
    void storePanels();
    void showStep(int index);
    // The panels as loading the steps fills them.
    void showLoadedPanels();
    // A new step of type `typeIndex` with the values of its panel.
    managers::StepDraft panelDraft(int typeIndex) const;
    // Takes `after` as the steps unless a step whose keys are not known
    // would move; then tells the designer and keeps the steps.
    bool takeSteps(std::vector<managers::StepDraft> after, int select);

    // Writing (frm_actions_manager_files.cpp).
    void cmdNewAction_Click();
    void Command1_Click();
    void cmdDeleteAction_Click();
    // The steps to write: those of "Шаги", or one step of the type shown
    // with its panel's values when the list is empty; checked.
    bool stepsToWrite(bool newFile, std::vector<managers::ActionStep>& steps);
    // Reads the index again and selects entry `select` (none: -1).
    void reloadActions(int select);

    WorldCanvas& m_canvas;
    // The location's action index, as Form_Load found it.
    std::string m_indexPath;
    // The steps of the loaded action as edited.
    std::vector<managers::StepDraft> m_steps;
    // The step the panels show; -1 with no step selected.
    int m_shownStep = -1;
    // The controls are being filled by the program.
    bool m_filling = false;
};
