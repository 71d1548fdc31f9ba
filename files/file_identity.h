#pragma once
// Which file a name leads to, and whether it was written since: its device
// and inode, size, and times of its last change to the nanosecond. Two
// looks that agree mean nothing replaced, wrote or touched the file in
// between, without reading a byte of it.

#include <QtGlobal>

#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>

namespace jubilo::files {

struct FileIdentity {
    bool exists = false;
    int error = 0;  // errno when the name could not be looked up for another reason than absence
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // the contents' last change
    qint64 changedNs = 0;  // the inode's: no program can set it back

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity identityOf(const struct stat& info);

// What the name leads to now, following links or not.
enum class Links { Follow, DoNotFollow };
FileIdentity identityAt(const std::filesystem::path& name, Links links);

// What the open file is now; a failed look gives an identity with `error`.
FileIdentity identityOfOpen(int fd);

}  // namespace jubilo::files
