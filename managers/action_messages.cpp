#include "managers/action_messages.h"

#include "canvas/message_box.h"
#include "managers/ui_text.h"
#include "model/action_types.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/phrase.h"

using phrase::Ru;
using phrase::say;

namespace managers {
namespace {

void warn(QWidget* parent, const char* title, const std::string& text) {
    ui::showMessage(parent, {ui::MessageIcon::Warning, say(title), text});
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string stepName(int step) {
    return step < 0 ? say(Ru::tr("Шаг")) : say(Ru::tr("Шаг %1"), {std::to_string(step + 1)});
}

std::string nothingWritten(const std::string& text) {
    return say(Ru::tr("%1 Ничего не записано."), {text});
}

} // namespace

void refuseUnknownKeys(QWidget* parent, const std::string& code, int step, const char* verb) {
    warn(parent, Ru::tr("Шаг действия"),
         say(Ru::tr("%1 (%2) нельзя %3: параметры этого типа пока не могут быть записаны. Шаги "
                    "такого типа, которые уже есть в файле действия, сохраняются на своих местах "
                    "без изменений."),
             {stepName(step), quoted(ActionTypeCaption(code)), say(verb)}));
}

bool refuseActionName(QWidget* parent, ActionNameProblem problem, const std::string& name) {
    std::string text;
    switch (problem) {
    case ActionNameProblem::None:
        return false;
    case ActionNameProblem::Empty:
        text = say(Ru::tr("Укажите имя действия в поле \"Имя:\"."));
        break;
    case ActionNameProblem::Character:
        text = say(Ru::tr("Имя действия %1 может состоять только из латинских букв, цифр и знаков "
                          "\"-\", \"_\", \"[\", \"]\"."),
                   {quoted(name)});
        break;
    case ActionNameProblem::TooLong:
        text = say(Ru::tr("Имя действия слишком длинное: %1 символов, а можно не больше %2."),
                   {std::to_string(name.size()), std::to_string(kMostActionNameBytes)});
        break;
    case ActionNameProblem::TooManyActions:
        text = say(Ru::tr("В локации уже %1 действий: больше клетки не различают."),
                   {std::to_string(kMostActions)});
        break;
    case ActionNameProblem::InIndex:
        text = say(Ru::tr("Действие %1 уже есть в списке действий локации. Укажите другое имя."),
                   {quoted(name)});
        break;
    case ActionNameProblem::FileExists:
        text = say(Ru::tr("В папке карты уже есть файл %1. Укажите другое имя."), {quoted(name)});
        break;
    }
    warn(parent, Ru::tr("Плохое имя"), nothingWritten(text));
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
                          Ru::tr("записать"));
        return true;
    case Kind::NoSteps:
        text = say(Ru::tr("У действия нет ни одного шага."));
        break;
    case Kind::TooManySteps:
        text = say(Ru::tr("У действия слишком много шагов: можно не больше %1."),
                   {std::to_string(kMostSteps)});
        break;
    case Kind::TextTooLong:
        text = say(Ru::tr("%1: текст длиннее %2 символов."),
                   {step, std::to_string(kMostTextCharacters)});
        break;
    case Kind::AnswerTooLong:
        text = say(Ru::tr("%1: действие при ответе длиннее %2 символов."),
                   {step, std::to_string(kMostAnswerCharacters)});
        break;
    case Kind::LineBreakInAnswer:
        text = say(Ru::tr("%1: действие при ответе должно быть одной строкой."), {step});
        break;
    }
    warn(parent, Ru::tr("Шаг действия"), nothingWritten(text));
    return true;
}

void reportActionFailure(QWidget* parent, const std::string& what,
                         const ActionFileFailure& failure) {
    ui::showMessage(parent, {ui::MessageIcon::Critical, "Error",
                             say(Ru::tr("%1: не удалось записать файл %2 (%3)."),
                                 {what, fsys::displayText(failure.file),
                                  cp1251::fromUtf8(failure.error.message())})});
}

std::string keptFileNote(const std::string& name, bool kept, const ActionFileFailure& removal) {
    if (kept)
        return say(Ru::tr(" Файл %1 оставлен: его называет список действий локации карты."),
                   {quoted(name)});
    if (removal)
        return say(Ru::tr(" Файл %1 удалить не удалось (%2)."),
                   {quoted(name), cp1251::fromUtf8(removal.error.message())});
    return {};
}

} // namespace managers
