// The actions manager's step list: selecting, adding, removing and moving
// the steps of the loaded action, and the panels bound to them.
#include "managers/action_messages.h"
#include "managers/frm_actions_manager.h"
#include "managers/list_selection.h"
#include "managers/ui_text.h"
#include "model/action_types.h"
#include "model/whole_number.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

using namespace managers;
using phrase::Ru;

namespace {

// The last step of type `code`, or -1.
int lastOf(const std::vector<StepDraft>& steps, const std::string& code) {
    for (int i = static_cast<int>(steps.size()) - 1; i >= 0; --i) {
        if (steps[static_cast<std::size_t>(i)].step.code == code)
            return i;
    }
    return -1;
}

// The frame style list's entry for a style as read: "Default" for a style
// that names no entry.
int styleEntry(const std::string& style, int entries) {
    return wholeNumberIn(style, 0, entries - 1).value_or(0);
}

} // namespace

void frmActionsManager::connectStepControls() {
    connect(lstSteps, &QListWidget::itemSelectionChanged, this, &frmActionsManager::lstSteps_Click);
    connect(cmbActionType, &QComboBox::activated, this,
            &frmActionsManager::cmbActionType_Activated);
    connect(cmbTellType, &QComboBox::activated, this, &frmActionsManager::cmbTellType_Activated);
    connect(cmdAddStep, &QPushButton::clicked, this, &frmActionsManager::cmdAddStep_Click);
    connect(cmdRemoveStep, &QPushButton::clicked, this, &frmActionsManager::cmdRemoveStep_Click);
    connect(cmdStepUp, &QPushButton::clicked, this, [this] { moveStep(-1); });
    connect(cmdStepDown, &QPushButton::clicked, this, [this] { moveStep(1); });
    connect(txtTeleportX, &QLineEdit::textEdited, this, &frmActionsManager::unknownFieldEdited);
    connect(txtTeleportY, &QLineEdit::textEdited, this, &frmActionsManager::unknownFieldEdited);
    connect(lstTeleportLocation, &QListWidget::itemSelectionChanged, this,
            &frmActionsManager::unknownFieldEdited);
    connect(chkKill, &QCheckBox::clicked, this, &frmActionsManager::unknownFieldEdited);
    connect(cmdNewAction, &QPushButton::clicked, this, &frmActionsManager::cmdNewAction_Click);
    connect(Command1, &QPushButton::clicked, this, &frmActionsManager::Command1_Click);
    connect(cmdDeleteAction, &QPushButton::clicked, this,
            &frmActionsManager::cmdDeleteAction_Click);
}

void frmActionsManager::fillStepList(int select) {
    m_filling = true;
    lstSteps->clear();
    for (std::size_t i = 0; i < m_steps.size(); ++i)
        lstSteps->addItem(stepLine(static_cast<int>(i), m_steps[i]));
    if (select >= 0)
        lstSteps->setCurrentRow(select);
    m_filling = false;
    m_shownStep = select;
    if (select >= 0)
        showStep(select);
    else
        showLoadedPanels();
}

void frmActionsManager::lstSteps_Click() {
    if (m_filling)
        return;
    storePanels();
    m_shownStep = selectedRow(*lstSteps);
    if (m_shownStep >= 0)
        showStep(m_shownStep);
    else
        showLoadedPanels();
}

void frmActionsManager::storePanels() {
    const auto store = [this](int index) {
        if (index < 0)
            return;
        StepDraft& draft = m_steps[static_cast<std::size_t>(index)];
        if (draft.step.code == "tell") {
            draft.text = txtTellText->toPlainText();
        } else if (draft.step.code == "question") {
            draft.text = txtQuestionText->toPlainText();
            draft.ok = txtQuestionOk->text();
            draft.none = txtQuestionNone->text();
        }
    };
    if (m_shownStep >= 0) {
        store(m_shownStep);
        return;
    }
    store(lastOf(m_steps, "tell"));
    store(lastOf(m_steps, "question"));
}

void frmActionsManager::showStep(int index) {
    const StepDraft& draft = m_steps[static_cast<std::size_t>(index)];
    m_filling = true;
    const int type = typeIndexOf(draft.step.code);
    {
        const QSignalBlocker blocker(cmbActionType);
        cmbActionType->setCurrentIndex(type);
    }
    ShowActionType(type);
    if (draft.step.code == "tell") {
        txtTellText->setPlainText(draft.text);
        cmbTellType->setCurrentIndex(styleEntry(draft.step.style, cmbTellType->count()));
    } else if (draft.step.code == "question") {
        txtQuestionText->setPlainText(draft.text);
        txtQuestionOk->setText(draft.ok);
        txtQuestionNone->setText(draft.none);
    } else if (draft.step.code == "teleport" || draft.step.code == "kill") {
        // Their values are not read: the fields stand at their first state.
        lstTeleportLocation->clearSelection();
        txtTeleportX->setText(QStringLiteral("0"));
        txtTeleportY->setText(QStringLiteral("0"));
        chkKill->setChecked(false);
    }
    m_filling = false;
}

void frmActionsManager::showLoadedPanels() {
    QString tellText, questionText, ok, none;
    std::string style = "0";
    for (const StepDraft& draft : m_steps) {
        if (draft.step.code == "tell") {
            tellText = draft.text;
            style = draft.step.style;
        } else if (draft.step.code == "question") {
            questionText = draft.text;
            ok = draft.ok;
            none = draft.none;
        }
    }
    if (m_steps.empty())
        return; // nothing loaded: the panels keep what they hold
    txtTellText->setPlainText(tellText);
    cmbTellType->setCurrentIndex(styleEntry(style, cmbTellType->count()));
    txtQuestionText->setPlainText(questionText);
    txtQuestionOk->setText(ok);
    txtQuestionNone->setText(none);
}

StepDraft frmActionsManager::panelDraft(int typeIndex) const {
    StepDraft draft;
    draft.step.code = actionTypeCode(typeIndex);
    if (typeIndex == 0) {
        draft.text = txtTellText->toPlainText();
        draft.step.style = std::to_string(cmbTellType->currentIndex());
    } else if (typeIndex == 1) {
        draft.text = txtQuestionText->toPlainText();
        draft.ok = txtQuestionOk->text();
        draft.none = txtQuestionNone->text();
    }
    return draft;
}

bool frmActionsManager::takeSteps(std::vector<StepDraft> after, int select) {
    const std::int32_t moved = stepOutOfPlace(placesOf(after));
    if (moved >= 0) {
        const StepDraft& step = after[static_cast<std::size_t>(moved)];
        refuseUnknownKeys(this, step.step.code, step.step.origin, Ru::tr("сдвинуть"));
        return false;
    }
    m_steps = std::move(after);
    fillStepList(select);
    return true;
}

void frmActionsManager::cmbActionType_Activated(int index) {
    if (m_shownStep < 0)
        return; // the type list only chooses the panel
    StepDraft& draft = m_steps[static_cast<std::size_t>(m_shownStep)];
    const std::string code = actionTypeCode(index);
    if (code == draft.step.code)
        return;
    if (!stepKeysKnown(draft.step.code) || !stepKeysKnown(code)) {
        refuseUnknownKeys(this, stepKeysKnown(draft.step.code) ? code : draft.step.code,
                          stepKeysKnown(draft.step.code) ? -1 : m_shownStep,
                          stepKeysKnown(draft.step.code) ? Ru::tr("создать") : Ru::tr("изменить"));
        showStep(m_shownStep);
        return;
    }
    // The texts typed so far go with the step into its new type's panel.
    storePanels();
    draft.step.code = code;
    lstSteps->item(m_shownStep)->setText(stepLine(m_shownStep, draft));
    showStep(m_shownStep);
}

void frmActionsManager::cmbTellType_Activated(int index) {
    const int step = m_shownStep >= 0 ? m_shownStep : lastOf(m_steps, "tell");
    if (step < 0 || m_steps[static_cast<std::size_t>(step)].step.code != "tell")
        return;
    m_steps[static_cast<std::size_t>(step)].step.style = std::to_string(index);
}

void frmActionsManager::unknownFieldEdited() {
    if (m_filling || m_shownStep < 0)
        return;
    const std::string& code = m_steps[static_cast<std::size_t>(m_shownStep)].step.code;
    if (stepKeysKnown(code) || typeIndexOf(code) != cmbActionType->currentIndex())
        return;
    refuseUnknownKeys(this, code, m_shownStep, Ru::tr("изменить"));
    showStep(m_shownStep);
}

void frmActionsManager::cmdAddStep_Click() {
    const int type = cmbActionType->currentIndex();
    if (type < 0)
        return;
    const std::string code = actionTypeCode(type);
    if (!stepKeysKnown(code)) {
        refuseUnknownKeys(this, code, -1, Ru::tr("создать"));
        return;
    }
    storePanels();
    std::vector<StepDraft> after = m_steps;
    const int place = m_shownStep >= 0 ? m_shownStep + 1 : static_cast<int>(after.size());
    after.insert(after.begin() + place, panelDraft(type));
    takeSteps(std::move(after), place);
}

void frmActionsManager::cmdRemoveStep_Click() {
    const int step = selectedRow(*lstSteps);
    if (step < 0)
        return;
    storePanels();
    std::vector<StepDraft> after = m_steps;
    after.erase(after.begin() + step);
    const int select = std::min(step, static_cast<int>(after.size()) - 1);
    takeSteps(std::move(after), select);
}

void frmActionsManager::moveStep(int by) {
    const int step = selectedRow(*lstSteps);
    const int to = step + by;
    if (step < 0 || to < 0 || to >= static_cast<int>(m_steps.size()))
        return;
    storePanels();
    std::vector<StepDraft> after = m_steps;
    std::swap(after[static_cast<std::size_t>(step)], after[static_cast<std::size_t>(to)]);
    takeSteps(std::move(after), to);
}
