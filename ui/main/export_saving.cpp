#include "ui/main/export_saving.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "messages/message.h"
#include "platform/system.h"
#include "ui/common/save_name.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ExportSaving)
};

}  // namespace

QString askExportFileName(const QString& title, const ExportFileType& type, const QString& proposedBaseName)
{
    const QString filter = QStringLiteral("%1 (*%2)|*%2|").arg(type.description, type.suffix);
    const SaveFileChoice choice = system().saveFileName(title, filter, proposedBaseName + type.suffix, 0);
    return choice.path.isEmpty() ? QString() : withSuffix(choice.path, type.suffix);
}

void writeExport(const QString& path, QByteArrayView bytes)
{
    try {
        files::replaceFile(files::fileSystemPath(path), bytes);
    } catch (const files::FileError& error) {
        throw std::runtime_error(Texts::tr("The file could not be written to %1: %2")
                                     .arg(files::displayName(path), error.reason())
                                     .toStdString());
    }
}

}  // namespace jubilo
