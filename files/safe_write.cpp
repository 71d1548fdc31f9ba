#include "files/safe_write.h"

#include "files/descriptor.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/write_target.h"

#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::files {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int error)
{
    throw FileError(displayName(path), QString::fromLocal8Bit(std::strerror(error)));
}

// 64 bits from the kernel's random source, as a hidden name.
std::string freshName(const std::filesystem::path& target)
{
    uint64_t value = 0;
    auto* at = reinterpret_cast<unsigned char*>(&value);
    for (std::size_t got = 0; got < sizeof value;) {
        const ssize_t n = ::getrandom(at + got, sizeof value - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(target, n < 0 ? errno : EIO);
        got += std::size_t(n);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(value));
    return kPendingPrefix + std::string(hex) + kPendingSuffix;
}

// Sets the mode exactly (open's is narrowed by the umask), writes, flushes
// and closes; 0 or the first error.
int fill(const FileCalls& calls, Descriptor& file, mode_t mode, QByteArrayView bytes)
{
    int error = ::fchmod(file.get(), mode) < 0 ? errno : 0;
    if (error == 0)
        error = writeAll(calls, file.get(), bytes.data(), std::size_t(bytes.size()));
    if (error == 0)
        error = flushFile(calls.fsync, file.get());
    const int closed = file.close();
    return error != 0 ? error : closed;
}

// The pending file under a fresh name in `folder`, or a throw.
Descriptor createPending(const FileCalls& calls, int folder, const std::filesystem::path& target, std::string& name)
{
    for (int attempt = 0; attempt < kMaxFreshNameTries; ++attempt) {
        name = freshName(target);
        const int fd
            = calls.openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (fd >= 0)
            return Descriptor(fd);
        if (errno != EEXIST && errno != EINTR)
            fail(target, errno);
    }
    fail(target, EEXIST);
}

// Moves the finished pending file to the target's name; 0 or the error.
using Finish = std::function<int(int folder, const char* pending, const char* target)>;

void writeThenFinish(const WriteTarget& target, QByteArrayView bytes, const FileCalls& calls, const Finish& finish)
{
    Descriptor folder = openFolderOf(target.path);
    std::string pending;
    Descriptor file = createPending(calls, folder.get(), target.path, pending);
    int error = fill(calls, file, target.exists ? target.mode : kNewFileMode, bytes);
    if (error == 0)
        error = finish(folder.get(), pending.c_str(), target.path.filename().c_str());
    if (error != 0) {
        ::unlinkat(folder.get(), pending.c_str(), 0);
        if (error == ENOENT && target.exists)
            throw TargetGone(displayName(target.path), QString::fromLocal8Bit(std::strerror(error)));
        fail(target.path, error);
    }
    ::fsync(folder.get());  // the rename reaches the disk with its folder
}

// The pending file and the target change places; the pending name then
// holds the old bytes and goes. A file system that cannot exchange gets a
// look at the name and a rename instead.
int exchange(const FileCalls& calls, int folder, const char* pending, const char* target)
{
    if (::renameat2(folder, pending, folder, target, RENAME_EXCHANGE) == 0) {
        ::unlinkat(folder, pending, 0);
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat info {};
    if (::fstatat(folder, target, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    return calls.renameat(folder, pending, target) < 0 ? errno : 0;
}

}  // namespace

Descriptor openFolderOf(const std::filesystem::path& name)
{
    int fd;
    do
        fd = ::open(folderOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail(name, errno);
    return Descriptor(fd);
}

void replaceFile(const std::filesystem::path& name, QByteArrayView bytes, const FileCalls& calls)
{
    writeThenFinish(resolveWriteTarget(name), bytes, calls, [&](int folder, const char* pending, const char* target) {
        return calls.renameat(folder, pending, target) < 0 ? errno : 0;
    });
}

void replaceExistingFile(const std::filesystem::path& name, QByteArrayView bytes, const FileCalls& calls)
{
    const WriteTarget target = resolveWriteTarget(name);
    if (!target.exists)
        throw TargetGone(displayName(target.path), QString::fromLocal8Bit(std::strerror(ENOENT)));
    writeThenFinish(target, bytes, calls, [&](int folder, const char* pending, const char* to) {
        return exchange(calls, folder, pending, to);
    });
}

bool createNewFile(const std::filesystem::path& name, QByteArrayView bytes, const FileCalls& calls)
{
    Descriptor folder = openFolderOf(name);
    const std::string leaf = name.filename().string();
    int fd;
    do
        fd = calls.openat(folder.get(), leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kNewFileMode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EEXIST)
        return false;
    if (fd < 0)
        fail(name, errno);
    Descriptor file(fd);
    if (const int error = fill(calls, file, kNewFileMode, bytes)) {
        ::unlinkat(folder.get(), leaf.c_str(), 0);
        fail(name, error);
    }
    ::fsync(folder.get());
    return true;
}

}  // namespace jubilo::files
