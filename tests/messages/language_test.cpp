// Which language a run speaks: the system's choice, --lang, and putting it
// in force.

#include "messages/language.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

struct SystemCase {
    const char* what;
    const char* locale;
    QStringList uiLanguages;
    const char* translation;
    const char* localeName;
};

TEST(LanguageTest, TheSystemsFirstLanguageWithATranslationIsSpokenEnglishWhenEnglishComesFirst)
{
    const SystemCase cases[] = {
        {"German system", "de_DE", {"de-DE"}, "de", "de_DE"},
        {"Austrian German", "de_AT", {"de-AT", "de"}, "de", "de_AT"},
        {"Canadian French", "fr_CA", {"fr-CA"}, "fr", "fr_CA"},
        {"Mexican Spanish", "es_MX", {"es-MX"}, "es", "es_MX"},
        {"US English", "en_US", {"en-US"}, "", "en_US"},
        {"British English: English texts, its own money", "en_GB", {"en-GB"}, "", "en_GB"},
        {"the C locale is US English", "C", {"C"}, "", "en_US"},
        {"no languages at all", "C", {}, "", "en_US"},
        {"Italian: no translation, Italian money", "it_IT", {"it-IT"}, "", "it_IT"},
        {"LANGUAGE=it:fr falls through to French", "it_IT", {"it-IT", "fr"}, "fr", "it_IT"},
        {"LANGUAGE=en:de stops at English", "de_DE", {"en", "de-DE"}, "", "de_DE"},
        {"texts in Spanish, money of the US", "en_US", {"es", "en-US"}, "es", "en_US"},
    };
    for (const SystemCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Language language = systemLanguage(QLocale(QString::fromLatin1(c.locale)), c.uiLanguages);
        EXPECT_EQ(language.translation, QString::fromLatin1(c.translation));
        EXPECT_EQ(language.locale.name(), QString::fromLatin1(c.localeName));
    }
}

TEST(LanguageTest, LangNamesALanguageByItsCodeWithOrWithoutACountry)
{
    const struct {
        const char* name;
        const char* translation;
        const char* localeName;
    } named[] = {
        {"de", "de", "de_DE"},    {"fr", "fr", "fr_FR"}, {"es", "es", "es_ES"},  {"de_AT", "de", "de_AT"},
        {"fr-CA", "fr", "fr_CA"}, {"en", "", "en_US"},   {"en_GB", "", "en_GB"}, {"it", "", "it_IT"},
    };
    for (const auto& n : named) {
        SCOPED_TRACE(n.name);
        const std::optional<Language> language = languageNamed(QString::fromLatin1(n.name));
        ASSERT_TRUE(language.has_value());
        EXPECT_EQ(language->translation, QString::fromLatin1(n.translation));
        EXPECT_EQ(language->locale.name(), QString::fromLatin1(n.localeName));
    }
    for (const char* notALanguage : {"", "C", "xx", "german", "--pdf"}) {
        SCOPED_TRACE(notALanguage);
        EXPECT_FALSE(languageNamed(QString::fromLatin1(notALanguage)).has_value());
    }
}

TEST(LanguageTest, EveryTranslatedLanguageIsBuiltIntoTheProgram)
{
    EXPECT_EQ(translatedLanguages(), (QStringList{"de", "es", "fr"}));
    for (const QString& code : translatedLanguages()) {
        SCOPED_TRACE(code.toStdString());
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/jubilo/translations/jubilo_%1.qm").arg(code)));
        const LanguageInForce inForce(*languageNamed(code));
        EXPECT_TRUE(inForce.translated());
    }
}

TEST(LanguageTest, ALanguageInForceSetsTheDefaultLocaleUntilItEnds)
{
    const QLocale before = QLocale();
    {
        const LanguageInForce german(*languageNamed(QStringLiteral("de")));
        EXPECT_EQ(QLocale().name(), QStringLiteral("de_DE"));
        EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
    }
    EXPECT_EQ(QLocale(), before);
    {
        const LanguageInForce english(*languageNamed(QStringLiteral("en")));
        EXPECT_FALSE(english.translated());
        EXPECT_EQ(QCoreApplication::translate("BudgetChart", "Budget"), QStringLiteral("Budget"));
    }
}

// Qt's own dialogs (a file to open, printing) come in the same language,
// from Debian's qt6-translations-l10n.
TEST(LanguageTest, QtsOwnDialogsSpeakTheLanguageToo)
{
    const struct {
        const char* language;
        const char* cancel;
    } cases[] = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"es", "Cancelar"}, {"en", "Cancel"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const LanguageInForce inForce(*languageNamed(QString::fromLatin1(c.language)));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(c.cancel));
    }
}

}  // namespace
}  // namespace jubilo
