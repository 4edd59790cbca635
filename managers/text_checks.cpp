#include "managers/text_checks.h"

#include "canvas/message_box.h"
#include "managers/ui_text.h"
#include "support/cp1251.h"
#include "support/phrase.h"

#include <QList>

#include <algorithm>

#include <cstdio>
#include <vector>

namespace managers {

using phrase::Ru;

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

bool refuseUnwritableText(QWidget* parent, const QString& text, const QString& field) {
    const std::string named = charactersOutsideCodePage(text);
    if (named.empty())
        return false;
    ui::showMessage(parent, {ui::MessageIcon::Warning, phrase::say(Ru::tr("Недопустимые символы")),
                             phrase::say(Ru::tr("В поле \"%1\" есть символы, которых нет в "
                                                "кодировке файлов игры (Windows-1251): %2. Уберите "
                                                "их и повторите попытку. Ничего не записано."),
                                         {cpText(field), named})});
    return true;
}

bool refuseLongName(QWidget* parent, const std::string& name, std::size_t longest,
                    const QString& what) {
    if (name.size() <= longest)
        return false;
    ui::showMessage(
        parent,
        {ui::MessageIcon::Warning, phrase::say(Ru::tr("Плохое имя")),
         phrase::say(Ru::tr("Имя %1 слишком длинное: %2 символов, а можно не больше "
                            "%3, чтобы имена его файлов поместились в файловой "
                            "системе. Укажите более короткое имя и повторите попытку."),
                     {cpText(what), std::to_string(name.size()), std::to_string(longest)})});
    return true;
}

} // namespace managers
