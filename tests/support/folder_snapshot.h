#pragma once
// What a folder holds, to the byte and the nanosecond: every entry, hidden
// ones too, with its kind, size, modification time and, for a regular
// file, a digest of its bytes. Two snapshots are equal when nothing in the
// folder was made, removed, written or touched in between.

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

namespace jubilo::testing {

inline QString entrySnapshot(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("<gone>");
    QByteArray digest = "-";
    if (S_ISREG(info.st_mode)) {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        digest = file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result().toHex() : "<unreadable>";
    }
    return QStringLiteral("%1 mode %2 size %3 mtime %4.%5 %6")
        .arg(path)
        .arg(info.st_mode, 0, 8)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec, 9, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(digest));
}

inline QStringList folderSnapshot(const QString& folder)
{
    QStringList entries;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        entries << entrySnapshot(dir.filePath(name));
    return entries;
}

}  // namespace jubilo::testing
