#include "platform/file_reading.h"

#include "files/descriptor.h"
#include "files/path_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {

namespace {

using Outcome = FileReading::Outcome;

FileReading withOutcome(Outcome kind, qint64 size = 0, int error = 0)
{
    FileReading reading;
    reading.outcome = kind;
    reading.size = size;
    reading.error = error;
    return reading;
}

FileReading failed(int error) { return withOutcome(Outcome::Failed, 0, error); }

// What the name leads to, before anything is opened.
std::optional<FileReading> refusedByKind(const std::filesystem::path& name)
{
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR)
            return failed(error);
        struct stat link {};
        return withOutcome(::lstat(name.c_str(), &link) == 0 ? Outcome::DanglingLink : Outcome::Missing);
    }
    if (S_ISDIR(info.st_mode))
        return withOutcome(Outcome::Folder);
    if (!S_ISREG(info.st_mode))
        return withOutcome(Outcome::NotRegular);
    return std::nullopt;
}

// Reads to the end; a file that grows past `maxBytes` meanwhile is too large.
FileReading readAll(int fd, qint64 size, qint64 maxBytes)
{
    FileReading reading;
    reading.bytes.reserve(size);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        if (reading.bytes.size() + n > maxBytes)
            return withOutcome(Outcome::TooLarge, reading.bytes.size() + n);
        reading.bytes.append(buffer, n);
    }
    reading.size = reading.bytes.size();
    return reading;
}

}  // namespace

FileReading readRegularFile(const QString& path, qint64 maxBytes, const files::FileCalls& calls)
{
    const std::filesystem::path name = files::fileSystemPath(path);
    if (std::optional<FileReading> refused = refusedByKind(name))
        return *refused;
    int fd;
    do
        fd = calls.openat(AT_FDCWD, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return failed(errno);
    const files::Descriptor file(fd);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))  // swapped in since it was looked at
        return withOutcome(S_ISDIR(info.st_mode) ? Outcome::Folder : Outcome::NotRegular);
    if (info.st_size > maxBytes)
        return withOutcome(Outcome::TooLarge, info.st_size);
    FileReading reading = readAll(file.get(), info.st_size, maxBytes);
    reading.identity = files::identityOf(info);
    return reading;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace jubilo
