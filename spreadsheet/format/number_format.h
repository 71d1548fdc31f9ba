#pragma once
// Turns a value into the text a cell shows under a number format code:
// "General", digit patterns with grouping, decimals, percent and exponent,
// literal and currency text, up to four sections, and date/time patterns.
// Separators and month names come from the locale.

#include "spreadsheet/core/value.h"

#include <QLocale>
#include <QString>

namespace jubilo::spreadsheet {

QString formatValue(const Value& value, const QString& code, const QLocale& locale);

// A number the way the "General" format shows it in a cell: at most ten
// significant digits, switching to exponent form for very large or small values.
QString generalText(double number, const QLocale& locale);

// A number converted to text by a formula (concatenation, LEN): up to fifteen
// significant digits.
QString numberToText(double number, const QLocale& locale);

// True when the code shows dates or times (so typed input keeps it).
bool isDateTimeFormat(const QString& code);

}  // namespace jubilo::spreadsheet
