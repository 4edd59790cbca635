#include "managers/frm_actions_manager.h"

#include "canvas/message_box.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/fixed_layout.h"
#include "managers/folder_listing.h"
#include "managers/list_selection.h"
#include "managers/ui_text.h"
#include "model/action_files.h"
#include "model/action_types.h"
#include "model/location_files.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace managers;

frmActionsManager::frmActionsManager(QWidget* mainWindow, WorldCanvas& canvas)
    : QDialog(mainWindow), m_canvas(canvas) {
    setObjectName(QStringLiteral("frmActionsManager"));
    setWindowTitle(Words::tr("Менеджер действий"));
    setModal(true);
    applyWindowFont(*this);
    setClientSize(*this, 721, 409);
    buildListFrame();
    buildParameterFrame();
    // "Вставить" here puts the action into a cell, not the clipboard into the map.
    cmdUse = addButton(this, "cmdUse", Words::tr("Вставить", "action into cell"),
                       QRect(552, 376, 77, 25));
    cmdUse->setToolTip(Words::tr("Нажмите, вставить это действие в текущую клетку на карте"));
    cmdCancel = addButton(this, "cmdCancel", Words::tr("Отмена"), QRect(636, 376, 77, 25));
    cmdUse->setDefault(true);

    connect(cmbActionType, &QComboBox::currentIndexChanged, this,
            &frmActionsManager::ShowActionType);
    connect(lstActionsList, &QListWidget::itemSelectionChanged, this,
            &frmActionsManager::lstActionsList_Click);
    connect(cmdUse, &QPushButton::clicked, this, &frmActionsManager::cmdUse_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connectStepControls();
    resetControls();
}

std::string frmActionsManager::ActionTypeCaption(std::string_view code) {
    return managers::ActionTypeCaption(code);
}

void frmActionsManager::resetControls() {
    cmbActionType->setCurrentIndex(0);
    ShowActionType(0);
    lstActionsList->clear();
    lstTeleportLocation->clear();
    txtActionName->setText(QStringLiteral("NewAction"));
    cmbTellType->setCurrentIndex(0);
    for (QPlainTextEdit* box : {txtTellText, txtQuestionText})
        box->clear();
    for (QLineEdit* box : {txtQuestionOk, txtQuestionNone})
        box->clear();
    for (QLineEdit* box : {txtTeleportX, txtTeleportY})
        box->setText(QStringLiteral("0"));
    chkKill->setChecked(false);
    m_indexPath.clear();
    m_steps.clear();
    fillStepList(-1);
}

int frmActionsManager::showModal() {
    Form_Load();
    const int result = exec();
    resetControls();
    return result;
}

void frmActionsManager::Form_Load() {
    cmbActionType->setCurrentIndex(0);
    ShowActionType(0);
    const std::string& mapFolder = editor::MapFolder();
    fillList(*lstTeleportLocation, locationNames(mapFolder));
    m_indexPath = model::locationFile(mapFolder, m_canvas.LocationName(), model::kActionIndexFile);
    fillList(*lstActionsList, readActionIndex(m_indexPath));
}

void frmActionsManager::ShowActionType(int index) {
    for (QGroupBox* panel : frmActions)
        panel->setVisible(false);
    if (index >= 0 && index < kActionTypeCount)
        frmActions[static_cast<std::size_t>(index)]->setVisible(true);
}

void frmActionsManager::lstActionsList_Click() {
    const int row = selectedRow(*lstActionsList);
    if (row < 0) {
        m_steps.clear();
        fillStepList(-1);
        return;
    }
    const std::string name = entryText(*lstActionsList, row);
    txtActionName->setText(qText(name));
    m_steps.clear();
    for (const ActionStep& step : readActionSteps(editor::MapFolder(), name))
        m_steps.push_back(draftOf(step));
    fillStepList(-1);
}

bool frmActionsManager::cursorCellExists() const {
    return m_canvas.hasLocation() && m_canvas.WorldCursorX() >= 0 &&
           m_canvas.WorldCursorX() < m_canvas.MapWidth() && m_canvas.WorldCursorY() >= 0 &&
           m_canvas.WorldCursorY() <= m_canvas.MapHeight();
}

void frmActionsManager::cmdUse_Click() {
    const int row = selectedRow(*lstActionsList);
    if (row < 0 || !cursorCellExists())
        return;
    m_canvas.setCurrentDoor(row + 1);
    m_canvas.Refresh();
    ui::showMessage(this, {ui::MessageIcon::Information, std::string(),
                           phrase::say(phrase::Ru::tr("Действие в указанную точку добавлено!"))});
    accept();
}
