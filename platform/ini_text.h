#pragma once
// Keys, group names and text values as Qt's QSettings writes them in an
// INI file, so that a settings file Jubilo writes reads back the same in
// QSettings and the other way round.
//
// A key or group name keeps letters, digits, '_', '-' and '.'; '/' becomes
// '\', any other character %XX (up to U+00FF) or %UXXXX. A text value is
// UTF-8 with C-style escapes (\n, \t, \", \\, \xNN for other control
// characters), quoted when it holds ';', ',' or '=' or starts or ends with a
// space; a leading '@' is doubled, since "@" starts QSettings' typed values.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace jubilo::ini {

QByteArray escapedKey(const QString& key);
QString unescapedKey(QByteArrayView key);

QByteArray escapedText(const QString& text);

// The text a value stands for, as QSettings' value().toString() gives it.
// A value of several comma-separated parts (a list, as a hand edit may
// leave) reads as its parts joined by ", "; "@@..." reads as "@...";
// "@String(...)" (how QSettings writes a text holding a NUL) and
// "@ByteArray(...)" as what the parentheses hold; "@Invalid()" as no value;
// another typed value ("@Variant(...)") as it stands.
std::optional<QString> unescapedText(QByteArrayView value);

}  // namespace jubilo::ini
