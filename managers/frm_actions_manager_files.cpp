// The actions manager's writing: "Создать", "Сохранить" and "Удалить".
#include "canvas/message_box.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "document/edit_history.h"
#include "editor/map_folder.h"
#include "managers/action_messages.h"
#include "managers/frm_actions_manager.h"
#include "managers/list_selection.h"
#include "managers/ui_text.h"
#include "model/action_files.h"
#include "model/action_types.h"
#include "model/door_renumbering.h"
#include "model/grid_file.h"
#include "model/location_files.h"
#include "support/phrase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

using namespace managers;
using phrase::Ru;
using phrase::say;

namespace {

void inform(QWidget* parent, const std::string& text) {
    ui::showMessage(parent, {ui::MessageIcon::Information, std::string(), text});
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<std::string> listedNames(const QListWidget& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i)
        names.push_back(entryText(list, i));
    return names;
}

} // namespace

bool frmActionsManager::stepsToWrite(bool newFile, std::vector<ActionStep>& steps) {
    storePanels();
    std::vector<StepDraft> drafts = m_steps;
    if (drafts.empty()) {
        const int type = cmbActionType->currentIndex();
        if (type >= 0 && !stepKeysKnown(actionTypeCode(type))) {
            refuseUnknownKeys(this, actionTypeCode(type), -1, Ru::tr("создать"));
            return false;
        }
        if (type >= 0)
            drafts.push_back(panelDraft(type));
    }
    return stepsOfDrafts(this, drafts, steps) &&
           !refuseSteps(this, checkSteps(steps, newFile), steps);
}

void frmActionsManager::reloadActions(int select) {
    fillList(*lstActionsList, readActionIndex(m_indexPath));
    if (select >= 0 && select < lstActionsList->count())
        lstActionsList->setCurrentRow(select);
}

void frmActionsManager::cmdNewAction_Click() {
    if (m_canvas.LocationName().empty()) {
        ui::showMessage(this, {ui::MessageIcon::Warning, say(Ru::tr("Создание действия")),
                               say(Ru::tr("Локация не выбрана: новому действию негде быть."))});
        return;
    }
    const std::string name = cpText(txtActionName->text());
    if (refuseActionName(
            this, checkNewActionName(editor::MapFolder(), listedNames(*lstActionsList), name),
            name))
        return;
    std::vector<ActionStep> steps;
    if (!stepsToWrite(true, steps))
        return;
    if (const ActionFileFailure failure =
            managers::createAction({editor::MapFolder(), m_indexPath}, name, steps)) {
        reportActionFailure(this, say(Ru::tr("Действие %1 не создано"), {quoted(name)}), failure);
        return;
    }
    reloadActions(lstActionsList->count());
    inform(this, say(Ru::tr("Действие %1 создано."), {quoted(name)}));
}

void frmActionsManager::Command1_Click() {
    const int entry = selectedRow(*lstActionsList);
    if (entry < 0) {
        ui::showMessage(this, {ui::MessageIcon::Warning, say(Ru::tr("Сохранение действия")),
                               say(Ru::tr("Выберите действие в списке. Новое действие создаёт "
                                          "кнопка \"Создать\"."))});
        return;
    }
    const std::string oldName = entryText(*lstActionsList, entry);
    const std::string newName = cpText(txtActionName->text());
    if (newName != oldName) {
        std::vector<std::string> others = listedNames(*lstActionsList);
        others.erase(others.begin() + entry);
        if (refuseActionName(this, checkNewActionName(editor::MapFolder(), others, newName),
                             newName))
            return;
    }
    std::vector<ActionStep> steps;
    if (!stepsToWrite(false, steps))
        return;
    const ActionSaveResult result =
        managers::saveAction({editor::MapFolder(), m_indexPath}, entry, oldName, newName, steps);
    if (result.failure) {
        reportActionFailure(this, say(Ru::tr("Действие %1 не сохранено"), {quoted(oldName)}),
                            result.failure);
        return;
    }
    reloadActions(entry);
    inform(this, say(Ru::tr("Действие %1 сохранено.%2"),
                     {quoted(newName), keptFileNote(oldName, result.oldFileKept, result.removal)}));
}

void frmActionsManager::cmdDeleteAction_Click() {
    const int entry = selectedRow(*lstActionsList);
    if (entry < 0)
        return;
    const std::string name = entryText(*lstActionsList, entry);
    if (!m_canvas.hasLocation()) {
        ui::showMessage(this, {ui::MessageIcon::Warning, say(Ru::tr("Удаление действия")),
                               say(Ru::tr("Локация не загружена: клетки, которые ссылаются на "
                                          "действие, нельзя очистить. Ничего не удалено."))});
        return;
    }
    document::LocationDocument& document = m_canvas.document();
    const auto number = static_cast<std::uint16_t>(entry + 1);
    const ui::Message question{
        ui::MessageIcon::Question, std::string(),
        say(Ru::tr("Удалить действие %1? Клетки, которые на него ссылаются (%2), будут очищены, "
                   "номера следующих действий уменьшатся, и локация будет сохранена."),
            {quoted(name), std::to_string(model::countDoors(document.grid(), number))}),
        ui::MessageButtons::YesNo};
    if (ui::showMessage(this, question) != ui::MessageAnswer::Yes)
        return;

    const std::string gridFile = editor::MapFolder() + m_canvas.LocationName() + "." +
                                 WorldCanvas::GetFileType(model::kGridFile);
    document.beginEdit(Words::tr("Удаление действия"));
    const ActionRemovalResult result = managers::removeAction(
        {editor::MapFolder(), m_indexPath}, document.grid(), gridFile, entry, name);
    if (result.failure) {
        document.cancelEdit();
        // The grid went to disk renumbered: it goes back as it was.
        std::error_code ignored;
        if (!result.gridFailed)
            model::writeGridFile(gridFile, document.grid(), ignored);
        reportActionFailure(this, say(Ru::tr("Действие %1 не удалено"), {quoted(name)}),
                            result.failure);
        return;
    }
    document.endEdit();
    document.history().stack().clear(); // as after a load: the saved grid is the start
    m_canvas.reloadCurrentCell();
    m_canvas.Refresh();
    reloadActions(-1);
    inform(this, say(Ru::tr("Действие %1 удалено, локация сохранена.%2"),
                     {quoted(name), keptFileNote(name, result.fileKept, result.removal)}));
}
