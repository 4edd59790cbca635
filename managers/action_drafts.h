#pragma once
// The steps of the actions manager while they are edited: each keeps its
// texts as the panels hold them (Unicode, line feeds), so that a character
// the files cannot hold is still there to be named when the action is
// written; the type, frame style and place in the file as read.

#include "model/action_steps.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace managers {

struct StepDraft {
    ActionStep step; // code, style and origin; its texts are those below
    QString text;
    QString ok;
    QString none;
};

StepDraft draftOf(const ActionStep& step);

// The line of the step list for step `index` (from 0): its number from 1 and
// its type's caption ("unknown" for a code of no type).
QString stepLine(int index, const StepDraft& draft);

// The type list index of a code, -1 for a code of no type.
int typeIndexOf(const std::string& code);

// The steps as written, CR LF line breaks; false, after telling the designer
// which characters of which step's field code page 1251 does not have, when
// a text cannot be written.
bool stepsOfDrafts(QWidget* parent, const std::vector<StepDraft>& drafts,
                   std::vector<ActionStep>& steps);

// The steps without their texts: enough for the rules of their places.
std::vector<ActionStep> placesOf(const std::vector<StepDraft>& drafts);

} // namespace managers
