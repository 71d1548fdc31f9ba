#include "spreadsheet/xls/private_file_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::xls {

namespace {

std::string reason(int error) { return std::strerror(error); }

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& target, int error)
{
    throw XlsError("cannot " + what + " " + target.string() + ": " + reason(error));
}

// 64 bits from the kernel's random source, as 16 hex digits.
std::string randomSuffix(const std::filesystem::path& target)
{
    uint64_t value = 0;
    auto* at = reinterpret_cast<unsigned char*>(&value);
    for (std::size_t got = 0; got < sizeof value;) {
        const ssize_t n = getrandom(at + got, sizeof value - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail("choose a name for saving", target, n < 0 ? errno : EIO);
        got += std::size_t(n);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(value));
    return hex;
}

// The new file, created by this call and no other: O_EXCL refuses any name
// that exists, links included, and O_NOFOLLOW refuses a link besides.
int createBeside(const FileCalls& calls, const std::filesystem::path& target, std::filesystem::path& temp)
{
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    for (int attempt = 0; attempt < kMaxPrivateNameTries; ++attempt) {
        temp = dir / ("." + target.filename().string() + "." + randomSuffix(target) + ".saving");
        const int fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFileMode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            fail("create a file beside", target, errno);
    }
    throw XlsError("cannot create a file beside " + target.string() + ": " + std::to_string(kMaxPrivateNameTries)
                   + " fresh names were all taken");
}

// Closes and removes the new file unless it was renamed into place.
class PendingFile {
public:
    PendingFile(int fd, std::filesystem::path path)
        : fd_(fd)
        , path_(std::move(path))
    {
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!kept_)
            ::unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    // Closing reports what a file system delays until then; the
    // descriptor is gone afterwards whatever it says.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result < 0 && errno != EINTR ? errno : 0;
    }
    void keep() { kept_ = true; }

private:
    int fd_;
    std::filesystem::path path_;
    bool kept_ = false;
};

// Every byte, through short writes and interruptions; 0 or the error.
int writeAll(const FileCalls& calls, int fd, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;  // no progress and no reason: do not spin
        done += std::size_t(n);
    }
    return 0;
}

int syncFile(const FileCalls& calls, int fd)
{
    int result;
    do
        result = calls.fsync(fd);
    while (result < 0 && errno == EINTR);
    return result < 0 ? errno : 0;
}

// The rename itself reaches the disk with its folder; the file is saved
// whether or not this succeeds.
void syncFolder(const std::filesystem::path& target)
{
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

const FileCalls& systemFileCalls()
{
    static const FileCalls calls{[](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
                                 ::write, ::fsync, ::rename};
    return calls;
}

void replaceFilePrivately(const std::filesystem::path& target, std::span<const uint8_t> bytes, const FileCalls& calls)
{
    std::filesystem::path temp;
    const int fd = createBeside(calls, target, temp);
    PendingFile file(fd, temp);
    // The mode asked of open is narrowed by the umask; set it exactly.
    if (::fchmod(fd, kPrivateFileMode) < 0)
        fail("write", target, errno);
    if (const int error = writeAll(calls, fd, bytes))
        fail("write", target, error);
    if (const int error = syncFile(calls, fd))
        fail("write", target, error);
    if (const int error = file.close())
        fail("write", target, error);
    if (calls.rename(file.path().c_str(), target.c_str()) < 0)
        fail("replace", target, errno);
    file.keep();
    syncFolder(target);
}

}  // namespace jubilo::xls
