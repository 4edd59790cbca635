#pragma once
// What the actions manager tells the designer when a name, the steps or a
// write of an action are refused. Texts are code page 1251.

#include "model/action_authoring.h"
#include "model/action_index_edits.h"

#include <string>
#include <vector>

class QWidget;

namespace managers {

// The warning for a step of type `code` whose keys are not known, which
// would be created (`verb` Ru::tr("создать")), changed ("изменить"), moved
// ("сдвинуть") or written ("записать"); `verb` is said in the interface
// language. `step` from 0, or -1 for a step not yet in the list.
void refuseUnknownKeys(QWidget* parent, const std::string& code, int step, const char* verb);

// Warns of a refused action name; false when there is no problem.
bool refuseActionName(QWidget* parent, ActionNameProblem problem, const std::string& name);

// Warns of steps that cannot be written; false when there is no problem.
bool refuseSteps(QWidget* parent, const StepProblem& problem, const std::vector<ActionStep>& steps);

// Tells what `what` (the action's name in a sentence, in the interface
// language: 'Действие "x" не создано') failed on.
void reportActionFailure(QWidget* parent, const std::string& what,
                         const ActionFileFailure& failure);

// Tells which file stayed after a rename or a removal, and why; nothing
// when the file went.
std::string keptFileNote(const std::string& name, bool kept, const ActionFileFailure& removal);

} // namespace managers
