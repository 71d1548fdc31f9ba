#include "platform/private_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {

namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

[[noreturn]] void fail(const std::string& what, const QString& path, int error)
{
    throw std::runtime_error(what + " " + QFile::encodeName(path).toStdString() + ": " + std::strerror(error));
}

// Writes every byte, resuming after short writes and interrupted calls.
// Returns 0, or the errno of the failure.
int writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

int syncRetrying(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Fills a newly created file; on failure removes it and throws.
void fillNewFile(int fd, const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    int error = writeAll(fd, bytes);
    if (error == 0)
        error = syncRetrying(fd);
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        fail("Could not write", path, error);
    }
}

}  // namespace

bool createPrivateFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        fail("Could not create", path, errno);
    }
    fillNewFile(fd, path, bytes);
    return true;
}

}  // namespace jubilo
