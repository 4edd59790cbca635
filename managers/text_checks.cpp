#include "managers/text_checks.h"

#include "canvas/message_box.h"
#include "managers/ui_text.h"
#include "support/cp1251.h"

#include <QList>

#include <algorithm>

#include <cstdio>
#include <vector>

namespace managers {

std::string charactersOutsideCodePage(const QString& text) {
    std::vector<char32_t> seen;
    std::string named;
    for (const char32_t c : text.toUcs4()) {
        bool lossless = true;
        const QString one = QString::fromUcs4(&c, 1);
        cp1251::fromUtf8(one.toStdString(), &lossless);
        if (lossless || std::find(seen.begin(), seen.end(), c) != seen.end())
            continue;
        seen.push_back(c);
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        named += (named.empty() ? "" : ", ") + std::string(code);
    }
    return named;
}

bool refuseUnwritableText(QWidget* parent, const QString& text, const char* field) {
    const std::string named = charactersOutsideCodePage(text);
    if (named.empty())
        return false;
    ui::showMessage(
        parent, {ui::MessageIcon::Warning, ru("Недопустимые символы"),
                 ru("В поле \"") + ru(field) +
                     ru("\" есть символы, которых нет в кодировке файлов игры (Windows-1251): ") +
                     named + ru(". Уберите их и повторите попытку. Ничего не записано.")});
    return true;
}

bool refuseLongName(QWidget* parent, const std::string& name, std::size_t longest,
                    const char* what) {
    if (name.size() <= longest)
        return false;
    ui::showMessage(parent, {ui::MessageIcon::Warning, ru("Плохое имя"),
                             ru("Имя ") + ru(what) + ru(" слишком длинное: ") +
                                 std::to_string(name.size()) + ru(" символов, а можно не больше ") +
                                 std::to_string(longest) +
                                 ru(", чтобы имена его файлов поместились в файловой системе. "
                                    "Укажите более короткое имя и повторите попытку.")});
    return true;
}

} // namespace managers
