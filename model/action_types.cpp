#include "model/action_types.h"

#include "support/cp1251.h"
#include "support/phrase.h"

#include <array>

namespace managers {
namespace {

struct ActionType {
    const char* code;
    const char* caption; // UTF-8
};

using phrase::Ru;

constexpr std::array<ActionType, kActionTypeCount> kTypes = {{
    {"tell", Ru::tr("Показать текст")},
    {"question", Ru::tr("Задать вопрос")},
    {"changestatus", Ru::tr("Изменить статус героя")},
    {"get", Ru::tr("Дать герою")},
    {"takeaway", Ru::tr("Забрать у героя")},
    {"teleport", Ru::tr("Телепортировать героя")},
    {"kill", Ru::tr("Убить героя")},
    {"fx", Ru::tr("Играть FX")},
    {"music", Ru::tr("Играть мелодию")},
    {"episode", Ru::tr("Заставка")},
}};

// The help text of a panel: its text, closed by CR LF unless it goes without
// a closing line break, then possibly the note on the hero. The Russian texts
// break their lines where the panel did when they were written.
struct HelpText {
    const char* text; // UTF-8
    bool heroNote;
    bool closingLineBreak;
};

constexpr const char* kHeroNote = Ru::tr("Герой - это юнит, \r\nкоторым играет геймер. На "
                                         "компьютеров это не \r\nдействует.");

constexpr std::array<HelpText, kActionTypeCount> kHelpTexts = {{
    {Ru::tr("Просто показать текст игроку."), false, true},
    {Ru::tr("Задать игроку вопрос и выполнить любое другое действие, в зависимости от ответа "
            "игрока."),
     false, true},
    {Ru::tr("ХЗ что это."), true, true},
    {Ru::tr("Дать герою можно все, от новых трусов, до кармы."), true, true},
    {Ru::tr("У героя можно забрать все, от трусов, до кармы \r\n;)"), true, true},
    {Ru::tr("Переместить героя на другую локацию, либо в \r\nуказанное место по координатам "
            "X-Y, либо и то \r\nи другое :) Если координаты меньше нуля, то телепортация по "
            "координатам производиться не будет и герой будет перемещен в нулевые координаты "
            "указанной локации."),
     true, true},
    {Ru::tr("Полностью убить героя. Герой - это юнит, которым играет геймер. На компьютеров это "
            "не действует."),
     false, true},
    {Ru::tr("Файл .wav, находящийся в папке fx в папке \r\nресурсов (по умолчанию Resources)"),
     false, true},
    {Ru::tr("Файл .midi или .mid, находящийся в папке music в папке \r\nресурсов (по умолчанию "
            "Resources)"),
     false, true},
    {Ru::tr("Файл .avi, находящийся в папке episode в папке ресурсов (по умолчанию Resources)"),
     false, false},
}};

bool inRange(int index) {
    return index >= 0 && index < kActionTypeCount;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string actionTypeCode(int index) {
    return inRange(index) ? kTypes[static_cast<std::size_t>(index)].code : "";
}

std::string actionTypeCaption(int index) {
    return inRange(index) ? phrase::say(kTypes[static_cast<std::size_t>(index)].caption) : "";
}

std::string normalizedTypeCode(std::string_view code) {
    std::size_t first = 0;
    std::size_t last = code.size();
    while (first < last && isBlank(code[first]))
        ++first;
    while (last > first && isBlank(code[last - 1]))
        --last;
    std::string normalized(code.substr(first, last - first));
    for (char& c : normalized)
        c = static_cast<char>(cp1251::foldCase(static_cast<unsigned char>(c)));
    return normalized;
}

std::string ActionTypeCaption(std::string_view code) {
    const std::string normalized = normalizedTypeCode(code);
    for (int i = 0; i < kActionTypeCount; ++i) {
        if (normalized == kTypes[static_cast<std::size_t>(i)].code)
            return actionTypeCaption(i);
    }
    return "unknown";
}

std::string actionHelpText(int index) {
    if (!inRange(index))
        return {};
    const HelpText& help = kHelpTexts[static_cast<std::size_t>(index)];
    std::string text = phrase::say(help.text) + "\r\n";
    if (help.heroNote)
        text += phrase::say(kHeroNote) + "\r\n";
    if (!help.closingLineBreak)
        text.resize(text.size() - 2);
    return text;
}

} // namespace managers
