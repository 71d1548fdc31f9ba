#include "files/append_file.h"

#include "files/descriptor.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"

#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace jubilo::files {

namespace {

[[noreturn]] void fail(const std::filesystem::path& name, int error)
{
    throw FileError(displayName(name), QString::fromLocal8Bit(std::strerror(error)));
}

// Sets the mode exactly (open's is narrowed by the umask), writes and
// flushes; 0 or the first error.
int fillNew(const FileCalls& calls, int fd, QByteArrayView bytes)
{
    int error = ::fchmod(fd, kNewFileMode) < 0 ? errno : 0;
    if (error == 0)
        error = writeAll(calls, fd, bytes.data(), std::size_t(bytes.size()));
    if (error == 0)
        error = flushFile(calls.fdatasync, fd);
    return error;
}

int truncateTo(int fd, qint64 size)
{
    int result;
    do
        result = ::ftruncate(fd, size);
    while (result < 0 && errno == EINTR);
    return result < 0 ? errno : 0;
}

}  // namespace

AppendFile::AppendFile(std::filesystem::path name, int fd, qint64 size, const FileCalls& calls)
    : name_(std::move(name))
    , fd_(fd)
    , size_(size)
    , calls_(calls)
{
}

AppendFile::~AppendFile() { ::close(fd_); }

std::unique_ptr<AppendFile> AppendFile::create(const std::filesystem::path& name, QByteArrayView bytes,
                                               const FileCalls& calls)
{
    Descriptor folder = openFolderOf(name);
    const std::string leaf = name.filename().string();
    int fd;
    do
        fd = calls.openat(folder.get(), leaf.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kNewFileMode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EEXIST)
        return nullptr;
    if (fd < 0)
        fail(name, errno);
    std::unique_ptr<AppendFile> file(new AppendFile(name, fd, bytes.size(), calls));
    if (const int error = fillNew(calls, fd, bytes)) {
        ::unlinkat(folder.get(), leaf.c_str(), 0);
        fail(name, error);
    }
    ::fsync(folder.get());  // the new name reaches the disk with its folder
    return file;
}

std::unique_ptr<AppendFile> AppendFile::open(const std::filesystem::path& name, const FileIdentity& expected,
                                             qint64 end, const FileCalls& calls)
{
    int fd;
    do
        fd = calls.openat(AT_FDCWD, name.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && (errno == ENOENT || errno == ELOOP))
        return nullptr;
    if (fd < 0)
        fail(name, errno);
    std::unique_ptr<AppendFile> file(new AppendFile(name, fd, end, calls));
    const FileIdentity now = identityOfOpen(fd);
    if (now.device != expected.device || now.inode != expected.inode || now.size < end)
        return nullptr;
    if (now.size > end) {
        if (const int error = truncateTo(fd, end))
            fail(name, error);
    }
    return file;
}

// 0 or the error; a cut that fails is tried again before the next append.
int AppendFile::cutBack()
{
    const int error = truncateTo(fd_, size_);
    cutPending_ = error != 0;
    return error;
}

void AppendFile::append(QByteArrayView bytes)
{
    if (cutPending_) {
        if (const int error = cutBack())
            fail(name_, error);
    }
    int error = writeAll(calls_, fd_, bytes.data(), std::size_t(bytes.size()));
    if (error == 0)
        error = flushFile(calls_.fdatasync, fd_);
    if (error != 0) {
        cutBack();
        fail(name_, error);
    }
    size_ += bytes.size();
}

FileIdentity AppendFile::identity() const { return identityOfOpen(fd_); }

void removeName(const std::filesystem::path& name)
{
    Descriptor folder = openFolderOf(name);
    if (::unlinkat(folder.get(), name.filename().c_str(), 0) != 0 && errno != ENOENT)
        fail(name, errno);
    ::fsync(folder.get());
}

}  // namespace jubilo::files
