#include "managers/action_messages.h"

#include "canvas/message_box.h"
#include "managers/ui_text.h"
#include "model/action_types.h"
#include "support/cp1251.h"
#include "support/file_system.h"

namespace managers {
namespace {

void warn(QWidget* parent, const char* title, const std::string& text) {
    ui::showMessage(parent, {ui::MessageIcon::Warning, ru(title), text});
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string stepName(int step) {
    return step < 0 ? ru("Шаг") : ru("Шаг ") + std::to_string(step + 1);
}

} // namespace

void refuseUnknownKeys(QWidget* parent, const std::string& code, int step, const char* verb) {
    warn(parent, "Шаг действия",
         stepName(step) + " (" + quoted(ActionTypeCaption(code)) + ru(") нельзя ") + ru(verb) +
             ru(": параметры этого типа пока не могут быть записаны. Шаги такого типа, которые "
                "уже есть в файле действия, сохраняются на своих местах без изменений."));
}

bool refuseActionName(QWidget* parent, ActionNameProblem problem, const std::string& name) {
    std::string text;
    switch (problem) {
    case ActionNameProblem::None:
        return false;
    case ActionNameProblem::Empty:
        text = ru("Укажите имя действия в поле \"Имя:\".");
        break;
    case ActionNameProblem::Character:
        text = ru("Имя действия ") + quoted(name) +
               ru(" может состоять только из латинских букв, цифр и знаков \"-\", \"_\", \"[\", "
                  "\"]\".");
        break;
    case ActionNameProblem::TooLong:
        text = ru("Имя действия слишком длинное: ") + std::to_string(name.size()) +
               ru(" символов, а можно не больше ") + std::to_string(kMostActionNameBytes) + ".";
        break;
    case ActionNameProblem::TooManyActions:
        text = ru("В локации уже ") + std::to_string(kMostActions) +
               ru(" действий: больше клетки не различают.");
        break;
    case ActionNameProblem::InIndex:
        text = ru("Действие ") + quoted(name) +
               ru(" уже есть в списке действий локации. Укажите другое имя.");
        break;
    case ActionNameProblem::FileExists:
        text = ru("В папке карты уже есть файл ") + quoted(name) + ru(". Укажите другое имя.");
        break;
    }
    warn(parent, "Плохое имя", text + ru(" Ничего не записано."));
    return true;
}

bool refuseSteps(QWidget* parent, const StepProblem& problem,
                 const std::vector<ActionStep>& steps) {
    using Kind = StepProblem::Kind;
    const std::string step = stepName(problem.step);
    std::string text;
    switch (problem.kind) {
    case Kind::None:
        return false;
    case Kind::KeysUnknown:
        refuseUnknownKeys(parent, steps[static_cast<std::size_t>(problem.step)].code, problem.step,
                          "записать");
        return true;
    case Kind::NoSteps:
        text = ru("У действия нет ни одного шага.");
        break;
    case Kind::TooManySteps:
        text = ru("У действия слишком много шагов: можно не больше ") + std::to_string(kMostSteps) +
               ".";
        break;
    case Kind::TextTooLong:
        text =
            step + ru(": текст длиннее ") + std::to_string(kMostTextCharacters) + ru(" символов.");
        break;
    case Kind::AnswerTooLong:
        text = step + ru(": действие при ответе длиннее ") + std::to_string(kMostAnswerCharacters) +
               ru(" символов.");
        break;
    case Kind::LineBreakInAnswer:
        text = step + ru(": действие при ответе должно быть одной строкой.");
        break;
    }
    warn(parent, "Шаг действия", text + ru(" Ничего не записано."));
    return true;
}

void reportActionFailure(QWidget* parent, const std::string& what,
                         const ActionFileFailure& failure) {
    ui::showMessage(parent,
                    {ui::MessageIcon::Critical, "Error",
                     what + ru(": не удалось записать файл ") + fsys::displayText(failure.file) +
                         " (" + cp1251::fromUtf8(failure.error.message()) + ")."});
}

std::string keptFileNote(const std::string& name, bool kept, const ActionFileFailure& removal) {
    if (kept)
        return ru(" Файл ") + quoted(name) +
               ru(" оставлен: его называет список действий локации карты.");
    if (removal)
        return ru(" Файл ") + quoted(name) + ru(" удалить не удалось (") +
               cp1251::fromUtf8(removal.error.message()) + ").";
    return {};
}

} // namespace managers
