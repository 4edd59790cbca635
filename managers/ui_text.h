#pragma once
// Texts at the edge between the program (code page 1251 byte strings) and the
// toolkit's widgets (Unicode), and the line breaks of multi-line boxes, which
// the program keeps as CR LF and the widgets as a single line feed.

#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace managers {

// A program text shown in a widget.
QString qText(std::string_view text);
// A widget's text as a program text.
std::string cpText(const QString& text);
// A text written here in UTF-8, as a program text.
std::string ru(std::string_view utf8);

// The text of a multi-line box as a program text with CR LF line breaks.
std::string multiLineText(const QPlainTextEdit& box);
// Shows a program text with CR LF line breaks in a multi-line box.
void setMultiLineText(QPlainTextEdit& box, std::string_view text);

} // namespace managers
