#include "messages/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace jubilo {

namespace {

// Jubilo's translations are built into the program (translations/*.ts).
constexpr char kTranslationsFolder[] = ":/jubilo/translations";

bool isCLocale(const QLocale& locale) { return locale.language() == QLocale::C; }

QLocale usableLocale(const QLocale& locale)
{
    return isCLocale(locale) ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

// "de-AT", "de_AT", "de" -> "de"; "C" and the empty name have none.
QString languageCode(const QString& name)
{
    const QLocale locale(name);
    return isCLocale(locale) ? QString() : QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
}

QString translationFor(const QString& code) { return translatedLanguages().contains(code) ? code : QString(); }

}  // namespace

const QStringList& translatedLanguages()
{
    // The translations the build put in (translations/languages).
    static const QStringList languages = [] {
        QStringList codes;
        const QDir folder(QString::fromLatin1(kTranslationsFolder));
        for (const QString& name : folder.entryList({QStringLiteral("jubilo_*.qm")}, QDir::Files, QDir::Name))
            codes << name.mid(7).chopped(3);
        return codes;
    }();
    return languages;
}

Language systemLanguage(const QLocale& system, const QStringList& uiLanguages)
{
    Language language{usableLocale(system), QString()};
    for (const QString& name : uiLanguages) {
        const QString code = languageCode(name);
        if (code == QLatin1String("en"))
            break;
        language.translation = translationFor(code);
        if (!language.translation.isEmpty())
            break;
    }
    return language;
}

std::optional<Language> languageNamed(const QString& name)
{
    const QString code = languageCode(name);
    if (code.isEmpty())
        return std::nullopt;
    return Language{QLocale(name), translationFor(code)};
}

LanguageInForce::LanguageInForce(const Language& language)
    : previousDefault_(QLocale())
{
    QLocale::setDefault(language.locale);
    if (language.translation.isEmpty())
        return;
    auto own = std::make_unique<QTranslator>();
    translated_ = own->load(QStringLiteral("jubilo_") + language.translation, QString::fromLatin1(kTranslationsFolder));
    if (translated_)
        translators_.push_back(std::move(own));
    // Qt's own dialogs (the file dialog, the print dialog): Debian ships
    // these in qt6-translations-l10n; without them those stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + language.translation, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        translators_.push_back(std::move(qt));
    for (const auto& translator : translators_)
        QCoreApplication::installTranslator(translator.get());
}

LanguageInForce::~LanguageInForce()
{
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
    QLocale::setDefault(previousDefault_);
}

}  // namespace jubilo
