#include "files/file_identity.h"

#include <cerrno>

namespace jubilo::files {

namespace {

qint64 nanoseconds(const timespec& time) { return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec; }

FileIdentity failedLook(int error)
{
    FileIdentity identity;
    identity.error = error;
    return identity;
}

}  // namespace

FileIdentity identityOf(const struct stat& info)
{
    FileIdentity identity;
    identity.exists = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modifiedNs = nanoseconds(info.st_mtim);
    identity.changedNs = nanoseconds(info.st_ctim);
    return identity;
}

FileIdentity identityAt(const std::filesystem::path& name, Links links)
{
    struct stat info {};
    const int result = links == Links::Follow ? ::stat(name.c_str(), &info) : ::lstat(name.c_str(), &info);
    if (result == 0)
        return identityOf(info);
    if (errno == ENOENT || errno == ENOTDIR)
        return {};
    return failedLook(errno);
}

FileIdentity identityOfOpen(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? identityOf(info) : failedLook(errno);
}

}  // namespace jubilo::files
