#include "editor/language.h"

#include "support/phrase.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace editor {
namespace {

const char* const kLanguageKey = "interface/language";

Language& current() {
    static Language language = Language::Russian;
    return language;
}

std::unique_ptr<QTranslator>& installedTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The translator of the layers without a toolkit: the same catalogue.
std::string translatePhrase(const char* utf8Source) {
    return QCoreApplication::translate("mapeditor", utf8Source).toStdString();
}

} // namespace

std::optional<Language> languageNamed(const QString& code) {
    const QString name = code.trimmed().toLower();
    if (name == QLatin1String("ru"))
        return Language::Russian;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

Language storedLanguage(const QSettings& settings) {
    return languageNamed(settings.value(kLanguageKey).toString()).value_or(Language::Russian);
}

void storeLanguage(QSettings& settings, Language language) {
    settings.setValue(kLanguageKey, languageCode(language));
}

bool applyLanguage(Language language) {
    auto& translator = installedTranslator();
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    phrase::setTranslator(nullptr);
    current() = Language::Russian;
    if (language == Language::Russian)
        return true;
    auto english = std::make_unique<QTranslator>();
    if (!english->load(QStringLiteral(":/i18n/mapeditor_en.qm")))
        return false;
    QCoreApplication::installTranslator(english.get());
    translator = std::move(english);
    phrase::setTranslator(&translatePhrase);
    current() = language;
    return true;
}

Language currentLanguage() {
    return current();
}

} // namespace editor
