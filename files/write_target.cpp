#include "files/write_target.h"

#include "files/file_error.h"
#include "files/path_bytes.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::files {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A link another user planted in a shared folder: sticky, writable by all,
// and the link belongs to neither this user nor the folder's owner.
bool isPlantedLink(const std::filesystem::path& link, const struct stat& linkInfo)
{
    struct stat folder {};
    if (::stat(folderOf(link).c_str(), &folder) != 0)
        return true;  // a folder that cannot be looked at is no place to trust
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
}

std::filesystem::path linkDestination(const std::filesystem::path& link)
{
    std::string text(4096, '\0');
    const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
    if (length < 0 || std::size_t(length) >= text.size())
        throw FileError(displayName(link), systemReason(length < 0 ? errno : ENAMETOOLONG));
    text.resize(std::size_t(length));
    const std::filesystem::path destination(text);
    return destination.is_absolute() ? destination : folderOf(link) / destination;
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("files", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("files", "a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("files", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("files", "a socket");
    return QCoreApplication::translate("files", "not a regular file");
}

}  // namespace

WriteTarget resolveWriteTarget(const std::filesystem::path& name)
{
    std::filesystem::path at = name;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return {at, false, 0};
            throw FileError(displayName(at), systemReason(errno));
        }
        if (S_ISREG(info.st_mode))
            return {at, true, mode_t(info.st_mode & 07777)};
        if (!S_ISLNK(info.st_mode))
            throw WriteRefused(displayName(at),
                               QCoreApplication::translate("files", "it is %1, not a file Jubilo can replace.")
                                   .arg(kindOf(info.st_mode)));
        if (isPlantedLink(at, info))
            throw WriteRefused(displayName(at),
                               QCoreApplication::translate("files",
                                                           "it is a link that another user made in the shared folder "
                                                           "%1. Jubilo does not write through it; choose another name.")
                                   .arg(displayName(folderOf(at))));
        at = linkDestination(at);
    }
    throw WriteRefused(displayName(name), QCoreApplication::translate("files", "it leads through too many links."));
}

}  // namespace jubilo::files
