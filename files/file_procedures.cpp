#include "files/file_procedures.h"

#include <QFile>
#include <QFileInfo>

namespace jubilo {

namespace {

bool isUsablePath(const QString& path) { return !path.isEmpty() && !path.contains(QChar(0)); }

bool isRemovable(const QFileInfo& info)
{
    // Directories are never "files" to delete; a link is removed itself.
    return info.isSymLink() || (info.exists() && !info.isDir());
}

}  // namespace

bool fileExists(const QString& path)
{
    try {
        if (!isUsablePath(path))
            return false;
        const QFileInfo info(path);
        return info.exists() && info.lastModified().isValid();
    } catch (...) {
        return false;
    }
}

void deleteFileQuietly(const QString& path)
{
    try {
        if (!isUsablePath(path))
            return;
        const QFileInfo info(path);
        if (!isRemovable(info))
            return;
        if (QFile::remove(path))
            return;
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        QFile::remove(path);
    } catch (...) {
    }
}

}  // namespace jubilo
