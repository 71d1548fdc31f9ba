#pragma once
// Which file format to ask the host to save in, from its version.

#include <QLocale>
#include <QString>

namespace jubilo {

class SpreadsheetHost;

// "16.0" -> 16, "11.5" -> 12 (halves to even), "11,0" -> 11; a point or a
// comma is read as the locale's decimal separator. Throws when the text is
// no number or does not fit 16 bits.
int hostVersionNumber(const QString& version, const QLocale& locale = QLocale());

// 56 (Excel 97-2003 workbook) for version 12 and later, -4143 before. With
// no host, a new one is started just to ask, then told to quit.
int hostWorkbookFormat(SpreadsheetHost* host);

}  // namespace jubilo
