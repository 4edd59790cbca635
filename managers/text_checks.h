#pragma once
// Checks of what the designer typed before it goes into a file: texts must
// be whole in code page 1251, and names short enough for the file system.
// Each check tells the designer what is wrong and returns true when the text
// is refused; nothing is written then.

#include <QString>

#include <cstddef>
#include <string>

class QWidget;

namespace managers {

// The characters of `text` that code page 1251 does not have, each once, in
// order of appearance, named by their code points ("U+4E2D, U+1F600"); empty
// when every character fits.
std::string charactersOutsideCodePage(const QString& text);

// Refuses a text with characters the files cannot hold; `field` is the
// caption of the box it was typed into.
bool refuseUnwritableText(QWidget* parent, const QString& text, const QString& field);

// Refuses a name longer than `longest` bytes; `what` says what is named, as
// it reads after "Имя" ("локации", "карты"), in the interface language.
bool refuseLongName(QWidget* parent, const std::string& name, std::size_t longest,
                    const QString& what);

} // namespace managers
