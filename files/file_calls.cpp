#include "files/file_calls.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace jubilo::files {

const FileCalls& systemFileCalls()
{
    static const FileCalls calls{
        [](int folder, const char* name, int flags, mode_t mode) { return ::openat(folder, name, flags, mode); },
        ::write, ::fsync,
        [](int folder, const char* from, const char* to) { return ::renameat(folder, from, folder, to); }, ::fdatasync};
    return calls;
}

int writeAll(const FileCalls& calls, int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = calls.write(fd, bytes + done, size - done);
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

int flushFile(const std::function<int(int fd)>& flush, int fd)
{
    int result;
    do
        result = flush(fd);
    while (result < 0 && errno == EINTR);
    return result < 0 ? errno : 0;
}

}  // namespace jubilo::files
