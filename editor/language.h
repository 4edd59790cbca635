#pragma once
// The interface language: Russian (the texts as written in the program) or
// English (the translation embedded in the program). The choice is kept in
// the user's settings; the command line can override it for one run. Files
// are written the same way in either language.

#include <QString>

#include <optional>

class QSettings;

namespace editor {

enum class Language { Russian, English };

// "ru" and "en" (any case); nothing for another name.
std::optional<Language> languageNamed(const QString& code);
QString languageCode(Language language);

// The language the settings keep; Russian when they keep none (or an unknown one).
Language storedLanguage(const QSettings& settings);
void storeLanguage(QSettings& settings, Language language);

// Makes `language` the interface language of this run: windows built from now
// on and every message use it. False when the English translation cannot be
// loaded (the interface stays Russian).
bool applyLanguage(Language language);
Language currentLanguage();

} // namespace editor
