#pragma once
// Shared pieces of number format codes: splitting into sections and reading
// the literal parts (quoted text, escapes, "_x" spacing, "*x" fill, brackets).

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace jubilo::spreadsheet::formatcode {

QStringList splitSections(const QString& code);

// If a literal starts at code[i], appends what it shows to out, moves i past
// it and returns true. Brackets are consumed; "[$€-407]" shows its symbol.
bool takeLiteral(QStringView code, qsizetype& i, QString& out);

// The length of the elapsed-time bracket ("[h]", "[mm]", "[ss]") that starts
// at code[i], brackets included; 0 when none does ("[Magenta]" is a colour).
qsizetype elapsedBracket(QStringView code, qsizetype i);

bool isDateSection(QStringView section);
bool isGeneralSection(QStringView section);

QString formatDateSection(double serial, QStringView section, const QLocale& locale);
QString formatNumberSection(double number, QStringView section, const QLocale& locale);

}  // namespace jubilo::spreadsheet::formatcode
