#pragma once
// How a locale writes money: its currency symbol, on which side of the
// amount and whether a space separates them. The sheet's money format, its
// budget lines and the figures' amounts all take the symbol from here, so
// they agree.

#include <QLocale>
#include <QString>

namespace jubilo {

struct MoneyStyle {
    QString symbol;  // "$", "€", "CHF"
    bool symbolFirst = true;  // "$5" rather than "5 €"
    bool spaced = false;  // "5 €", "€ 5"
    int decimals = 2;  // the currency's usual places: 2, or 0 for yen

    // The sheet's number format code, written as every .xls writes one
    // ("," groups, "." before the decimals) and shown by the spreadsheet in
    // its own locale's separators: "$#,##0.00", "#,##0.00 \"€\"".
    QString numberFormat() const;
    // Text that already says an amount, with the symbol on its side:
    // "$500", "500 €"; the amount is kept as given.
    QString withSymbol(const QString& amount) const;
    // An amount as the sheet's money format shows it in the locale: ASCII
    // digits grouped by three, the locale's separators, "-" before the
    // symbol: "$1,234.50", "-$5.00", "1.234,50 €".
    QString amountText(double amount, const QLocale& locale) const;
};

// Read from the locale's own currency text. A locale that names no currency
// (the C locale) keeps the dollar style the sheet has always had.
MoneyStyle moneyStyle(const QLocale& locale);

}  // namespace jubilo
