#include "managers/action_drafts.h"

#include "canvas/ui_words.h"
#include "managers/text_checks.h"
#include "managers/ui_text.h"
#include "model/action_types.h"
#include "support/mdl_main.h"

namespace managers {
namespace {

QString boxText(const std::string& text) {
    return qText(mdlMain::ReplaceAll(text, "\r\n", "\n"));
}

std::string fileText(const QString& text) {
    return mdlMain::ReplaceAll(cpText(text), "\n", "\r\n");
}

} // namespace

StepDraft draftOf(const ActionStep& step) {
    return {step, boxText(step.text), qText(step.ok), qText(step.none)};
}

QString stepLine(int index, const StepDraft& draft) {
    return QString::number(index + 1) + ": " + qText(ActionTypeCaption(draft.step.code));
}

int typeIndexOf(const std::string& code) {
    for (int i = 0; i < kActionTypeCount; ++i) {
        if (actionTypeCode(i) == code)
            return i;
    }
    return -1;
}

bool stepsOfDrafts(QWidget* parent, const std::vector<StepDraft>& drafts,
                   std::vector<ActionStep>& steps) {
    steps.clear();
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        const StepDraft& draft = drafts[i];
        // The field as the designer knows it: the step, then the box's caption.
        const auto field = [i](const QString& caption) {
            return Words::tr("Шаг %1: %2").arg(i + 1).arg(caption);
        };
        if (refuseUnwritableText(parent, draft.text, field(Words::tr("Текст:"))) ||
            refuseUnwritableText(parent, draft.ok,
                                 field(Words::tr("При положительном ответе выполнить:"))) ||
            refuseUnwritableText(parent, draft.none,
                                 field(Words::tr("При отрицательном ответе выполнить:"))))
            return false;
        ActionStep step = draft.step;
        step.text = fileText(draft.text);
        step.ok = cpText(draft.ok);
        step.none = cpText(draft.none);
        steps.push_back(std::move(step));
    }
    return true;
}

std::vector<ActionStep> placesOf(const std::vector<StepDraft>& drafts) {
    std::vector<ActionStep> steps;
    steps.reserve(drafts.size());
    for (const StepDraft& draft : drafts)
        steps.push_back(draft.step);
    return steps;
}

} // namespace managers
