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
    // Flushes a file's bytes and its size, not its times: an append's flush.
    std::function<int(int fd)> fdatasync;
};

// The real calls.
const FileCalls& systemFileCalls();

// Writes every byte through short writes and interruptions; 0 or the error.
int writeAll(const FileCalls& calls, int fd, const void* data, std::size_t size);

// A flush through `flush` (calls.fsync or calls.fdatasync), retried when
// interrupted; 0 or the error.
int flushFile(const std::function<int(int fd)>& flush, int fd);

}  // namespace jubilo::files
