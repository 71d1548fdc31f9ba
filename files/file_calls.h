#pragma once
// The system calls a file write goes through, so that tests can put a full
// disk, a short write or an interruption into any of them.

#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace jubilo::files {

struct FileCalls {
    std::function<int(int folder, const char* name, int flags, mode_t mode)> openat;
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int folder, const char* from, const char* to)> renameat;
};

// The real calls.
const FileCalls& systemFileCalls();

}  // namespace jubilo::files
