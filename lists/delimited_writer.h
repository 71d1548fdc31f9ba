#pragma once
// Rows written as delimited text the way RFC 4180 asks: a field holding the
// delimiter, a quote or a line break is quoted, its quotes doubled, and
// every line ends with CR LF. Spreadsheet programs read it back cell for
// cell, line breaks inside cells included.

#include <QByteArray>
#include <QStringList>

namespace jubilo {

// One row and its line break, in UTF-8.
QByteArray delimitedLine(const QStringList& cells, char delimiter);

}  // namespace jubilo
