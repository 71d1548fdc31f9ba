#include "platform/damaged_settings.h"

#include "files/path_bytes.h"
#include "files/safe_write.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QStringDecoder>

#include <stdexcept>

namespace jubilo {

namespace {

// Copies of one day's damage are numbered up to this; more means something
// keeps breaking the file and a further copy would help no one.
constexpr int kMaxCopiesPerDay = 1000;

// Splits at LF, CR LF and lone CR, as QSettings reads lines.
QList<QByteArray> physicalLines(const QByteArray& bytes)
{
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text.split('\n');
}

// An odd number of backslashes at the very end joins the next line; an
// even number is escaped backslashes, and one followed by a space is not.
bool continuesOnNextLine(const QByteArray& line)
{
    qsizetype backslashes = 0;
    while (backslashes < line.size() && line[line.size() - 1 - backslashes] == '\\')
        ++backslashes;
    return backslashes % 2 == 1;
}

bool isReadableLine(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';'))
        return true;
    if (trimmed.startsWith('['))
        return trimmed.endsWith(']');
    return trimmed.contains('=');
}

}  // namespace

std::optional<int> firstUnreadableLine(const QByteArray& bytes)
{
    QByteArray logical;
    int number = 0;
    int start = 1;  // where the logical line began
    for (const QByteArray& line : physicalLines(bytes)) {
        ++number;
        if (logical.isEmpty())
            start = number;
        logical += line;
        if (continuesOnNextLine(line))
            continue;
        if (!isReadableLine(logical))
            return start;
        logical.clear();
    }
    if (!isReadableLine(logical))
        return start;
    return std::nullopt;
}

bool isUtf8Text(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

bool hasUnreadableLines(const QByteArray& bytes)
{
    return bytes.contains('\0') || !isUtf8Text(bytes) || firstUnreadableLine(bytes).has_value();
}

bool failsToParseAsSettings(const QString& path)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

QString keepCopyBeside(const QString& path, const QByteArray& bytes, const char* why, const QDate& date)
{
    const QString base = path + QLatin1Char('.') + QString::fromLatin1(why) + QLatin1Char('-')
        + date.toString(QStringLiteral("yyyy-MM-dd"));
    for (int number = 1; number <= kMaxCopiesPerDay; ++number) {
        const QString copy = number == 1 ? base : base + QLatin1Char('-') + QString::number(number);
        if (files::createNewFile(files::fileSystemPath(copy), bytes))
            return copy;
    }
    throw std::runtime_error(
        QCoreApplication::translate("settings", "No free name for a copy of the settings file was found beside %1")
            .arg(path)
            .toStdString());
}

QString damagedSettingsNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("settings",
                                       "The settings file %1 had lines that could not be read. Jubilo keeps what it "
                                       "could read and writes the file afresh, so those lines will be gone from it.\n\n"
                                       "A copy of the file as it was is kept in %2.")
        .arg(path, copyPath);
}

QString changedSettingsNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("settings",
                                       "Another program changed the settings file %1 while Jubilo was open, and "
                                       "Jubilo now writes a value that program changed. Jubilo keeps its own value "
                                       "and the rest of the other program's changes.\n\n"
                                       "A copy of the file as the other program left it is kept in %2.")
        .arg(path, copyPath);
}

QString journalSettingsNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("settings",
                                       "Jubilo found changes to the settings file %1 in the journal it keeps beside "
                                       "it, but the file is no longer the one they were made to (another program "
                                       "replaced it), so they were not applied and the file stays as it is.\n\n"
                                       "A copy of the journal with those changes is kept in %2.")
        .arg(path, copyPath);
}

}  // namespace jubilo
