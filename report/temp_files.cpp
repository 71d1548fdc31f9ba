#include "report/temp_files.h"

#include "platform/system.h"
#include "files/file_procedures.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <stdexcept>

namespace jubilo {

namespace {

constexpr int kNameDigits = 8;
// A name is drawn again while one exists; this many tries means the
// generator or the folder is broken.
constexpr int kMaxNameAttempts = 1000;

QString environmentValue(const QString& name)
{
    for (const QString& entry : system().environment()) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals > 0 && entry.left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return entry.mid(equals + 1);
    }
    return {};
}

}  // namespace

QString temporaryDirectory()
{
    const QString temp = environmentValue(QStringLiteral("TEMP"));
    if (!temp.isEmpty() && QFileInfo(temp).isDir())
        return QDir::cleanPath(temp);
    return QDir::tempPath();
}

QString randomWorkbookName()
{
    System& sys = system();
    QString name = QStringLiteral("vemqal");
    for (int i = 0; i < kNameDigits; ++i) {
        const int digit = static_cast<int>(std::floor(sys.nextRandom() * 9.0)) + 1;
        name += QString::number(digit);
    }
    return name;
}

QString freshWorkbookPath()
{
    const QDir folder(temporaryDirectory());
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const QString path = folder.filePath(randomWorkbookName() + QStringLiteral(".xls"));
        if (!fileExists(path))
            return path;
    }
    throw std::runtime_error("No free name for the temporary workbook was found in " + folder.path().toStdString());
}

}  // namespace jubilo
