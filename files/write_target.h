#pragma once
// Which file a write to a name replaces. A symbolic link is followed to the
// file it leads to, as the user who made it means, unless it stands in a
// folder anyone may write to with the sticky bit set (the shared temporary
// folder) and belongs to neither the user nor the folder's owner: such a
// link was planted by another user to turn the write onto a file of the
// user's, and the write is refused, as the kernel's protected_symlinks
// refuses to follow it. Only a regular file is ever replaced.

#include <filesystem>
#include <sys/types.h>

namespace jubilo::files {

// Links followed before the name counts as a loop, as the kernel counts.
inline constexpr int kMaxLinkHops = 40;

struct WriteTarget {
    std::filesystem::path path;  // the file replaced or created: no link
    bool exists = false;  // a regular file is there now
    mode_t mode = 0;  // its permission bits when it exists
};

// Throws FileError naming `name` when a planted link, a loop of links, or
// anything but a regular file (a folder, a FIFO, a device) is in the way,
// or when the name cannot be looked up.
WriteTarget resolveWriteTarget(const std::filesystem::path& name);

}  // namespace jubilo::files
