#include "model/action_types.h"

#include "support/cp1251.h"

#include <array>
#include <vector>

namespace managers {
namespace {

struct ActionType {
    const char* code;
    const char* caption; // UTF-8
};

constexpr std::array<ActionType, kActionTypeCount> kTypes = {{
    {"tell", "Показать текст"},
    {"question", "Задать вопрос"},
    {"changestatus", "Изменить статус героя"},
    {"get", "Дать герою"},
    {"takeaway", "Забрать у героя"},
    {"teleport", "Телепортировать героя"},
    {"kill", "Убить героя"},
    {"fx", "Играть FX"},
    {"music", "Играть мелодию"},
    {"episode", "Заставка"},
}};

// The help text of a panel: lines, each closed by CR LF unless it is the last
// of a text without a closing line break, then possibly the note on the hero.
struct HelpText {
    std::vector<const char*> lines; // UTF-8
    bool heroNote;
    bool closingLineBreak;
};

const std::vector<const char*> kHeroNote = {
    "Герой - это юнит, ",
    "которым играет геймер. На компьютеров это не ",
    "действует.",
};

const std::array<HelpText, kActionTypeCount> kHelpTexts = {{
    {{"Просто показать текст игроку."}, false, true},
    {{"Задать игроку вопрос и выполнить любое другое действие, в зависимости от ответа игрока."},
     false,
     true},
    {{"ХЗ что это."}, true, true},
    {{"Дать герою можно все, от новых трусов, до кармы."}, true, true},
    {{"У героя можно забрать все, от трусов, до кармы ", ";)"}, true, true},
    {{"Переместить героя на другую локацию, либо в ",
      "указанное место по координатам X-Y, либо и то ",
      "и другое :) Если координаты меньше нуля, то телепортация по координатам производиться не "
      "будет и герой будет перемещен в нулевые координаты указанной локации."},
     true,
     true},
    {{"Полностью убить героя. Герой - это юнит, которым играет геймер. На компьютеров это не "
      "действует."},
     false,
     true},
    {{"Файл .wav, находящийся в папке fx в папке ", "ресурсов (по умолчанию Resources)"},
     false,
     true},
    {{"Файл .midi или .mid, находящийся в папке music в папке ",
      "ресурсов (по умолчанию Resources)"},
     false,
     true},
    {{"Файл .avi, находящийся в папке episode в папке ресурсов (по умолчанию Resources)"},
     false,
     false},
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
    return inRange(index) ? cp1251::fromUtf8(kTypes[static_cast<std::size_t>(index)].caption) : "";
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
    std::string text;
    for (const char* line : help.lines)
        text += cp1251::fromUtf8(line) + "\r\n";
    if (help.heroNote) {
        for (const char* line : kHeroNote)
            text += cp1251::fromUtf8(line) + "\r\n";
    }
    if (!help.closingLineBreak)
        text.resize(text.size() - 2);
    return text;
}

} // namespace managers
