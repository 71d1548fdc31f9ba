#pragma once
// Copies of the settings file kept beside it before a rewrite could lose
// something: when it has lines QSettings cannot read back as they stand (a
// rewrite may drop or alter them), and when another program changed a
// value Jubilo is about to write.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace jubilo {

// True when the bytes hold a NUL, text that is not UTF-8, or a line that is
// neither blank, a ";" comment, a "[group]" nor a "key=value" (a line
// ending in an unescaped backslash continues on the next). QSettings reads
// a "#" line without "=", or a byte order mark, as an error too.
bool hasUnreadableLines(const QByteArray& bytes);

// The two halves of that check, for a message that says which fault it is:
// whether the bytes are UTF-8, and the number (from 1) of the first line
// that is neither blank, a comment, a group nor a key, when there is one.
bool isUtf8Text(const QByteArray& bytes);
std::optional<int> firstUnreadableLine(const QByteArray& bytes);

// QSettings' own verdict on the file at `path`, for lines the byte check
// lets through (a line of a vertical tab, say). Only reads the file.
bool failsToParseAsSettings(const QString& path);

// Why a copy is kept, as its name says.
inline constexpr char kDamagedCopy[] = "damaged";
inline constexpr char kChangedCopy[] = "changed";
// A journal of changes that no longer fits the file beside it.
inline constexpr char kJournalCopy[] = "journal";

// Writes `bytes` to "<path>.<why>-<yyyy-MM-dd>", or to the first of
// "...-2", "...-3" and on that no file holds yet; never replaces a file or
// follows a link. Returns the copy's path; throws std::runtime_error when no
// copy could be made.
QString keepCopyBeside(const QString& path, const QByteArray& bytes, const char* why, const QDate& date);

// What the user is told once the copy is kept.
QString damagedSettingsNotice(const QString& path, const QString& copyPath);
QString changedSettingsNotice(const QString& path, const QString& copyPath);
QString journalSettingsNotice(const QString& path, const QString& copyPath);

}  // namespace jubilo
