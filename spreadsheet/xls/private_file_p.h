#pragma once

// Replacing a file with new bytes so that another local user can neither
// read them nor redirect the write: the bytes go to a new file beside the
// target, created exclusively under a random name (a link planted under any
// name is never followed), readable and writable by the owner only, flushed
// to disk and then renamed over the target. The rename replaces a link at
// the target itself, never the file it points to.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <sys/types.h>

namespace jubilo::xls {

// Tries of a fresh random name before giving up; another file already
// holding one of 2^64 names is nearly impossible unless someone plants it.
inline constexpr int kMaxPrivateNameTries = 16;
// Permissions of the written file: the owner's alone.
inline constexpr mode_t kPrivateFileMode = 0600;

// The system calls the write goes through; tests put failures in them.
struct FileCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
};
const FileCalls& systemFileCalls();

// Throws XlsError naming the target and the system's reason. The target is
// then as it was, and no partial file is left beside it.
void replaceFilePrivately(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                          const FileCalls& calls = systemFileCalls());

}  // namespace jubilo::xls
