#include "ui/preview/workbook_copy.h"

#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace jubilo {

namespace {

inline constexpr qint64 kCopyChunkBytes = 64 * 1024;
inline constexpr char kNotRead[] = "The workbook could not be read from";
inline constexpr char kNotSaved[] = "The workbook could not be saved to";

std::filesystem::path fileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

[[noreturn]] void fail(const char* what, const QString& path, const QString& reason)
{
    throw std::runtime_error(
        (QString::fromUtf8(what) + QLatin1Char(' ') + path + QStringLiteral(": ") + reason).toStdString());
}

}  // namespace

bool isSameFile(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(fileSystemPath(first), fileSystemPath(second), error) && !error;
}

void saveCopy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        fail(kNotRead, from, source.errorString());
    // Unbuffered, every write reaches the disk here, where a short one shows;
    // commit() would take a short write of its buffer for a complete one.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(kNotSaved, to, target.errorString());
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kCopyChunkBytes);
        if (chunk.isEmpty())
            fail(kNotRead, from, source.errorString());
        const qint64 written = target.write(chunk);
        if (written != chunk.size())
            fail(kNotSaved, to, written < 0 ? target.errorString() : QStringLiteral("the disk took only part of it"));
    }
    // Until commit() the old file is untouched; a copy that fails on the way
    // is removed, by commit() or when `target` goes.
    if (!target.commit())
        fail(kNotSaved, to, target.errorString());
}

}  // namespace jubilo
