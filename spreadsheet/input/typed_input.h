#pragma once
// Reads a text the way a spreadsheet reads what a user types into a cell:
// numbers (with the locale's separators, currency, percent, exponent and
// parentheses), times, dates, TRUE/FALSE, error literals, formulas ("=...")
// and text. A recognised number or date brings the number format that shows
// it the way it was typed.

#include "spreadsheet/core/value.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace jubilo::spreadsheet {

struct TypedInput {
    enum class Kind { Empty, Constant, Formula };
    Kind kind = Kind::Empty;
    Value value;  // the constant (text, number, boolean, error)
    QString numberFormat;  // the format the input implies; empty for none
    QString formula;  // formula text after "=", for Kind::Formula
    bool quotePrefix = false;
};

struct InputContext {
    const QLocale& locale;
    QDate today;  // year for dates typed without one; invalid: the clock's
    bool textFormat = false;  // the cell's format is "@": everything stays text
};

TypedInput readTypedInput(const QString& text, const InputContext& context);

// The numeric part of typed input alone (no dates or times); formulas use it
// to turn text operands into numbers.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

}  // namespace jubilo::spreadsheet
