#pragma once
// Guests from delimited text (".csv", ".txt"): comma-, semicolon- or
// tab-separated, told from the first lines; the first row is a header when
// a cell of it names a Guests column, otherwise it is a guest like the rest.
// The file is read as it streams by, keeping its decoded cells only.

#include "lists/guest_source.h"
#include "lists/text_scan.h"

#include <QByteArrayView>
#include <QString>

namespace jubilo {

// The most columns a row may have: contact exports run to about a hundred.
inline constexpr int kMaxImportColumns = 256;

// The delimiter the first lines of a text use outside quotes: the one of
// tab, semicolon and comma that each line holds most often (at the least),
// then most in all; a comma when none is found.
char detectedDelimiter(QByteArrayView start);

// Throws ImportError.
GuestSource readGuestCsv(const QString& path, const TextScan& scan);

}  // namespace jubilo
