// The controls of the actions manager at their places, with the ten type
// panels stacked at one place.
#include "canvas/ui_words.h"
#include "managers/fixed_layout.h"
#include "managers/frm_actions_manager.h"
#include "managers/key_filters.h"
#include "managers/limited_text_edit.h"
#include "managers/ui_text.h"
#include "model/action_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace managers;

namespace {

constexpr int kLongTextLength = 2048;
constexpr int kShortTextLength = 255;
const QRect kPanelRect(8, 68, 329, 285);
// Where a panel's help text stands: below the panel's fields, or filling a
// panel that has none.
const QRect kHelpBelowFields(8, 192, 313, 85);
const QRect kHelpAlone(8, 16, 313, 261);

} // namespace

void frmActionsManager::buildListFrame() {
    QGroupBox* frame = Frame1[0] =
        addFrame(this, "Frame1", Words::tr("Список действий"), QRect(8, 8, 177, 361));
    frame->setProperty("index", 0);
    lstActionsList = addList(frame, "lstActionsList", QRect(8, 16, 161, 305));
    lstActionsList->setAccessibleName(Words::tr("Действия"));
    cmdNewAction = addButton(frame, "cmdNewAction", Words::tr("Создать"), QRect(8, 328, 77, 25));
    cmdDeleteAction =
        addButton(frame, "cmdDeleteAction", Words::tr("Удалить"), QRect(92, 328, 77, 25));
}

void frmActionsManager::buildParameterFrame() {
    QGroupBox* frame = Frame1[1] =
        addFrame(this, "Frame1", Words::tr("Параметры"), QRect(192, 8, 521, 361));
    frame->setProperty("index", 1);
    cmbActionType = addDropDown(frame, "cmbActionType", QRect(72, 16, 265, 21));
    for (int i = 0; i < kActionTypeCount; ++i)
        cmbActionType->addItem(qText(actionTypeCaption(i)));
    Label1[0] = addLabel(frame, Words::tr("Действие:"), QRect(8, 19, 60, 14), cmbActionType);
    txtActionName =
        addTextBox(frame, "txtActionName", QStringLiteral("NewAction"), QRect(72, 42, 185, 19));
    installNameFilter(txtActionName);
    Label1[1] = addLabel(frame, Words::tr("Имя:"), QRect(8, 45, 60, 14), txtActionName);
    for (QLabel* label : Label1)
        label->setObjectName(QStringLiteral("Label1"));
    Command1 = addButton(frame, "Command1", Words::tr("Сохранить"), QRect(264, 40, 73, 23));
    buildPanels(frame);
    buildStepList(frame);
}

void frmActionsManager::buildStepList(QGroupBox* frame) {
    lstSteps = addList(frame, "lstSteps", QRect(344, 36, 169, 237));
    addLabel(frame, Words::tr("Шаги"), QRect(344, 19, 169, 14), lstSteps);
    lstSteps->setAccessibleName(Words::tr("Шаги"));
    cmdAddStep =
        addButton(frame, "cmdAddStep", Words::tr("Добавить шаг"), QRect(344, 278, 169, 23));
    cmdRemoveStep =
        addButton(frame, "cmdRemoveStep", Words::tr("Удалить шаг"), QRect(344, 304, 169, 23));
    cmdStepUp = addButton(frame, "cmdStepUp", Words::tr("Выше"), QRect(344, 330, 81, 23));
    cmdStepDown = addButton(frame, "cmdStepDown", Words::tr("Ниже"), QRect(432, 330, 81, 23));
}

void frmActionsManager::buildPanels(QGroupBox* frame) {
    for (int i = 0; i < kActionTypeCount; ++i) {
        QGroupBox* panel = frmActions[static_cast<std::size_t>(i)] =
            addFrame(frame, "frmActions", qText(actionTypeCaption(i)), kPanelRect);
        panel->setProperty("index", i);
    }
    buildTellPanel(frmActions[0]);
    buildQuestionPanel(frmActions[1]);
    buildTeleportPanel(frmActions[5]);
    buildKillPanel(frmActions[6]);
    for (int i = 0; i < kActionTypeCount; ++i) {
        const bool hasFields = i == 0 || i == 1 || i == 5 || i == 6;
        QPlainTextEdit* help = txtHelp[static_cast<std::size_t>(i)] =
            addMultiLineBox(frmActions[static_cast<std::size_t>(i)], "txtHelp",
                            hasFields ? kHelpBelowFields : kHelpAlone);
        help->setReadOnly(true);
        help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        help->setAccessibleName(Words::tr("Справка"));
        setMultiLineText(*help, actionHelpText(i));
    }
}

void frmActionsManager::buildTellPanel(QGroupBox* panel) {
    cmbTellType = addDropDown(panel, "cmbTellType", QRect(96, 16, 225, 21));
    cmbTellType->addItem(QStringLiteral("Default"));
    addLabel(panel, Words::tr("Тип рамки:"), QRect(8, 19, 84, 14), cmbTellType);
    txtTellText =
        addLimitedMultiLineBox(panel, "txtTellText", QRect(8, 60, 313, 125), kLongTextLength);
    addLabel(panel, Words::tr("Текст:"), QRect(8, 43, 84, 14), txtTellText);
}

void frmActionsManager::buildQuestionPanel(QGroupBox* panel) {
    txtQuestionText =
        addLimitedMultiLineBox(panel, "txtQuestionText", QRect(8, 36, 313, 61), kLongTextLength);
    addLabel(panel, Words::tr("Текст:"), QRect(8, 19, 84, 14), txtQuestionText);
    txtQuestionOk =
        addTextBox(panel, "txtQuestionOk", QString(), QRect(8, 120, 313, 19), kShortTextLength);
    addLabel(panel, Words::tr("При положительном ответе выполнить:"), QRect(8, 104, 313, 14),
             txtQuestionOk);
    txtQuestionNone =
        addTextBox(panel, "txtQuestionNone", QString(), QRect(8, 162, 313, 19), kShortTextLength);
    addLabel(panel, Words::tr("При отрицательном ответе выполнить:"), QRect(8, 146, 313, 14),
             txtQuestionNone);
}

void frmActionsManager::buildTeleportPanel(QGroupBox* panel) {
    lstTeleportLocation = addList(panel, "lstTeleportLocation", QRect(8, 36, 313, 121));
    addLabel(panel, Words::tr("Локация:"), QRect(8, 19, 84, 14), lstTeleportLocation);
    txtTeleportX = addTextBox(panel, "txtTeleportX", QStringLiteral("0"), QRect(120, 164, 57, 19));
    txtTeleportY = addTextBox(panel, "txtTeleportY", QStringLiteral("0"), QRect(196, 164, 57, 19));
    addLabel(panel, Words::tr("Координаты (x-y):"), QRect(8, 167, 108, 14), txtTeleportX);
    addLabel(panel, QStringLiteral("-"), QRect(183, 167, 8, 14));
    txtTeleportX->setAccessibleName(Words::tr("Координата X"));
    txtTeleportY->setAccessibleName(Words::tr("Координата Y"));
    installDigitFilter(txtTeleportX, false);
    installDigitFilter(txtTeleportY, false);
}

void frmActionsManager::buildKillPanel(QGroupBox* panel) {
    chkKill = addCheckBox(panel, "chkKill", Words::tr("убить героя"), QRect(8, 20, 313, 17));
}
