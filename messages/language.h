#pragma once
// The language Jubilo speaks in a run: the translation of its texts and the
// locale its numbers, money and dates follow. Chosen once, before any window
// or sheet is made, from the system's settings or from --lang.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTranslator;

namespace jubilo {

// The languages Jubilo's texts are translated into besides English, as
// ISO 639 codes ("de", "fr", "es").
const QStringList& translatedLanguages();

struct Language {
    QLocale locale;  // numbers, money and dates; never the C locale
    QString translation;  // one of translatedLanguages(); empty: English
};

// What the system asks for: `system` is its locale (LC_ALL, LC_NUMERIC,
// LANG as Qt reads them) and `uiLanguages` its languages in order of
// preference (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The texts take the first
// preferred language Jubilo has, English when English comes first or none
// fits; the C and POSIX locales are US English.
Language systemLanguage(const QLocale& system, const QStringList& uiLanguages);

// --lang NAME: "de", "de_AT", "fr-CA", "en_GB", "it" (Italian money and
// dates, English texts). Empty for a name Qt knows no language by.
std::optional<Language> languageNamed(const QString& name);

// Puts a language in force for as long as it lives: the default locale and
// the translators of Jubilo's texts and of Qt's own dialogs (from Qt's
// translations folder, when the system has them). Needs the Qt application;
// restores the default locale and removes the translators when it ends.
class LanguageInForce {
public:
    explicit LanguageInForce(const Language& language);
    ~LanguageInForce();
    LanguageInForce(const LanguageInForce&) = delete;
    LanguageInForce& operator=(const LanguageInForce&) = delete;

    // False when Jubilo's own translation could not be loaded (a build
    // without it); the texts are then English.
    bool translated() const { return translated_; }

private:
    QLocale previousDefault_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool translated_ = false;
};

}  // namespace jubilo
