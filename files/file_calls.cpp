#include "files/file_calls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace jubilo::files {

const FileCalls& systemFileCalls()
{
    static const FileCalls calls{
        [](int folder, const char* name, int flags, mode_t mode) { return ::openat(folder, name, flags, mode); },
        ::write, ::fsync,
        [](int folder, const char* from, const char* to) { return ::renameat(folder, from, folder, to); }};
    return calls;
}

}  // namespace jubilo::files
