#include "managers/ui_text.h"

#include "support/cp1251.h"
#include "support/mdl_main.h"

#include <QPlainTextEdit>

namespace managers {

QString qText(std::string_view text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

std::string cpText(const QString& text) {
    return cp1251::fromUtf8(text.toStdString());
}

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

std::string multiLineText(const QPlainTextEdit& box) {
    return mdlMain::ReplaceAll(cpText(box.toPlainText()), "\n", "\r\n");
}

void setMultiLineText(QPlainTextEdit& box, std::string_view text) {
    box.setPlainText(qText(mdlMain::ReplaceAll(text, "\r\n", "\n")));
}

} // namespace managers
