#include "ui/common/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace jubilo {

QStringList dataFileCandidates(const QString& programFolder, const QString& name)
{
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(name)),
            QDir::cleanPath(program.filePath(QStringLiteral("%1/%2").arg(QLatin1String(kInstalledDataFolder), name)))};
}

QString dataFilePath(const QString& programFolder, const QString& name)
{
    const QStringList candidates = dataFileCandidates(programFolder, name);
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return candidates.front();
}

}  // namespace jubilo
