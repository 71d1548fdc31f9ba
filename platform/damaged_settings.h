#pragma once
// A settings file with lines QSettings cannot read back as they stand: its
// next rewrite drops or alters them, so a copy of the file as it was is
// kept beside it first.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace jubilo {

// True when the bytes hold a NUL, text that is not UTF-8, or a line that is
// neither blank, a ";" comment, a "[group]" nor a "key=value" (a line
// ending in an unescaped backslash continues on the next). QSettings reads
// a "#" line without "=", or a byte order mark, as an error too.
bool hasUnreadableLines(const QByteArray& bytes);

// Writes `bytes` to "<path>.damaged-<yyyy-MM-dd>", or to the first of
// "...-2", "...-3" and on that no file holds yet; never replaces a file or
// follows a link. Returns the copy's path; throws std::runtime_error when no
// copy could be made.
QString keepDamagedCopy(const QString& path, const QByteArray& bytes, const QDate& date);

// What the user is told once the copy is kept.
QString damagedSettingsNotice(const QString& path, const QString& copyPath);

}  // namespace jubilo
