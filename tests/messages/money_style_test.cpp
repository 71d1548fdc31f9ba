// Money in the locale's own style: the sheet's number format, a budget's
// text with the symbol on its side, and an amount as that format shows it.

#include "messages/money_style.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(MoneyStyleTest, EachLocaleGivesItsSymbolOnItsSideInTheFormatAndTheTexts)
{
    const struct {
        QLocale locale;
        const char* format;
        const char* budget;  // "500" with the symbol
        const char* amount;  // 1234.56
        const char* negative;  // -5
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "$#,##0.00", "$500", "$1,234.56", "-$5.00"},
        // Names no currency: the sheet's dollars as ever.
        {QLocale::c(), "$#,##0.00", "$500", "$1,234.56", "-$5.00"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "\"£\"#,##0.00", "£500", "£1,234.56", "-£5.00"},
        {QLocale(QLocale::German, QLocale::Germany), "#,##0.00 \"€\"", "500 €", "1.234,56 €", "-5,00 €"},
        {QLocale(QLocale::French, QLocale::France), "#,##0.00 \"€\"", "500 €", "1\u202F234,56 €", "-5,00 €"},
        // Spain writes 1234 ungrouped, but "#,##0" groups every thousand.
        {QLocale(QLocale::Spanish, QLocale::Spain), "#,##0.00 \"€\"", "500 €", "1.234,56 €", "-5,00 €"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "\"\uFFE5\"#,##0", "\uFFE5500", "\uFFE51,235", "-\uFFE55"},
        {QLocale(QLocale::Dutch, QLocale::Netherlands), "\"€\" #,##0.00", "€ 500", "€ 1.234,56", "-€ 5,00"},
        // The symbol after the amount, with no space.
        {QLocale(QLocale::Khmer, QLocale::Cambodia), "#,##0.00\"\u17DB\"", "500\u17DB", "1.234,56\u17DB",
         "-5,00\u17DB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const MoneyStyle style = moneyStyle(c.locale);
        EXPECT_EQ(style.numberFormat(), QString::fromUtf8(c.format));
        EXPECT_EQ(style.withSymbol(QStringLiteral("500")), QString::fromUtf8(c.budget));
        EXPECT_EQ(style.amountText(1234.56, c.locale), QString::fromUtf8(c.amount));
        EXPECT_EQ(style.amountText(-5, c.locale), QString::fromUtf8(c.negative));
    }
}

TEST(MoneyStyleTest, ABudgetKeepsItsTextAndAnAmountRoundsAsTheFormatShowsIt)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(moneyStyle(us).withSymbol(QStringLiteral("1,200.50")), "$1,200.50");  // never converted
    EXPECT_EQ(moneyStyle(german).withSymbol(QStringLiteral("plenty")), "plenty €");
    EXPECT_EQ(moneyStyle(us).withSymbol(QString()), "$");  // no budget typed: the symbol alone
    EXPECT_EQ(moneyStyle(german).withSymbol(QString()), "€");
    EXPECT_EQ(moneyStyle(us).amountText(-0.001, us), "$0.00");  // no minus before a zero
    EXPECT_EQ(moneyStyle(german).amountText(1e9, german), "1.000.000.000,00 €");
    EXPECT_EQ(moneyStyle(german).amountText(9.999, german), "10,00 €");
}

}  // namespace
}  // namespace jubilo
