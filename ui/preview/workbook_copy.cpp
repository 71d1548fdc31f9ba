#include "ui/preview/workbook_copy.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WorkbookCopy)
};

}  // namespace

bool isSameFile(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(files::fileSystemPath(first), files::fileSystemPath(second), error) && !error;
}

void saveCopy(const QString& from, const QString& to)
{
    QFile source(from);
    const QByteArray bytes = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    if (source.error() != QFileDevice::NoError)
        throw std::runtime_error(
            Texts::tr("The workbook could not be read from %1: %2").arg(from, source.errorString()).toStdString());
    try {
        files::replaceFile(files::fileSystemPath(to), bytes);
    } catch (const files::FileError& error) {
        throw std::runtime_error(
            Texts::tr("The workbook could not be saved to %1: %2").arg(to, error.reason()).toStdString());
    }
}

}  // namespace jubilo
