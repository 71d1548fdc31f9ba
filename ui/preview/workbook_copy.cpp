#include "ui/preview/workbook_copy.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "files/write_target.h"

#include <QFile>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace jubilo {

bool isSameFile(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(files::fileSystemPath(first), files::fileSystemPath(second), error) && !error;
}

SaveName checkSaveName(const QString& chosen)
{
    try {
        const files::WriteTarget target = files::resolveWriteTarget(files::fileSystemPath(chosen));
        return {files::nameFromBytes(target.path.native()), target.exists, {}};
    } catch (const files::WriteRefused& error) {
        return {chosen, false, QString::fromUtf8(error.what())};
    } catch (const files::FileError&) {
        return {chosen, false, {}};  // the save itself reports why it cannot be made
    }
}

void saveCopy(const QString& from, const QString& to)
{
    QFile source(from);
    const QByteArray bytes = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    if (source.error() != QFileDevice::NoError)
        throw std::runtime_error(
            QStringLiteral("The workbook could not be read from %1: %2").arg(from, source.errorString()).toStdString());
    try {
        files::replaceFile(files::fileSystemPath(to), bytes);
    } catch (const files::FileError& error) {
        throw std::runtime_error(
            QStringLiteral("The workbook could not be saved to %1: %2").arg(to, error.reason()).toStdString());
    }
}

}  // namespace jubilo
