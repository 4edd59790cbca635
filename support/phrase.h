#pragma once
// The user-visible texts of the layers without a toolkit. Each is written in
// Russian (UTF-8) inside Ru::tr("..."), which changes nothing here and marks
// the text for the translation tools (they read UI_TEXT_CONTEXT as a
// translation context named "mapeditor"). say() puts the text into the
// interface language through the translator the user interface installs, and
// fills its placeholders %1..%9; without a translator it says the Russian text.
// Results are code page 1251, as every program text.

#include <initializer_list>
#include <string>
#include <string_view>

#define UI_TEXT_CONTEXT(context)                                                                   \
public:                                                                                            \
    static constexpr const char* tr(const char* utf8) {                                            \
        return utf8;                                                                               \
    }

namespace phrase {

struct Ru {
    UI_TEXT_CONTEXT(mapeditor)
};

// Turns a Russian UTF-8 source text into the UTF-8 text of the interface
// language (the source itself when it has no translation).
using Translator = std::string (*)(const char* utf8Source);

// Installs the translator for every later say(); nullptr: Russian.
void setTranslator(Translator translator);
bool translates();

// The text in the interface language (code page 1251).
std::string say(const char* utf8Source);
// The same with %1..%9 replaced by `args` (code page 1251 each), in one pass:
// a placeholder inside an argument stays as it is.
std::string say(const char* utf8Source, std::initializer_list<std::string_view> args);

// Replaces %1..%9 of a code page 1251 template by `args`; a placeholder with
// no argument stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace phrase
