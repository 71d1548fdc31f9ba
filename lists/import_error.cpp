#include "lists/import_error.h"

#include "files/path_bytes.h"

#include <QCoreApplication>
#include <QDir>

namespace jubilo {

ImportError::ImportError(const QString& reason, int line)
    : std::runtime_error(reason.toStdString())
    , reason_(reason)
    , line_(line)
{
}

QString importErrorText(const QString& path, const ImportError& error)
{
    const QString file = QDir::toNativeSeparators(files::displayName(path));
    if (error.line() <= 0)
        return QCoreApplication::translate("ImportError", "Guests cannot be imported from \"%1\": %2.")
            .arg(file, error.reason());
    return QCoreApplication::translate("ImportError", "Guests cannot be imported from \"%1\": line %2: %3.")
        .arg(file)
        .arg(error.line())
        .arg(error.reason());
}

}  // namespace jubilo
