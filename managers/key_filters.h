#pragma once
// Which typed characters the text boxes of the managers accept. The filters
// act on typed printable characters only: control keys (Backspace, Return,
// Escape, Tab and the editing shortcuts) keep their usual meaning. A validator
// of the same rule keeps pasted or dropped text from bringing in what typing
// cannot.

#include <QChar>

class QLineEdit;

namespace managers {

// The characters a name of a map, a resource folder, a location or an action
// may hold: "qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM-_0123456789[]".
bool isNameCharacter(QChar c);

// The name filter.
void installNameFilter(QLineEdit* box);

// Digits only. With `backspaceOnEmptyGivesOne`, Backspace in an empty box
// first sets its text to "1" (the size boxes of a new location).
void installDigitFilter(QLineEdit* box, bool backspaceOnEmptyGivesOne);

} // namespace managers
