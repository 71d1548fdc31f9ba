#pragma once
// A file written only at its end, each append flushed to disk before it
// counts: the journal kept beside a file Jubilo edits. It is made
// exclusively, readable by its owner alone, never through a link; an
// append the disk cannot take is cut off again, so the file always ends
// with its last whole append.

#include "files/file_calls.h"
#include "files/file_identity.h"

#include <QByteArrayView>

#include <filesystem>
#include <memory>

namespace jubilo::files {

class AppendFile {
public:
    // Makes `name` holding `bytes`, flushed, with its folder. Returns null,
    // changing nothing, when anything holds the name already; throws
    // FileError, leaving nothing behind, when it cannot be made.
    static std::unique_ptr<AppendFile> create(const std::filesystem::path& name, QByteArrayView bytes,
                                              const FileCalls& calls = systemFileCalls());
    // Opens the regular file at `name` (never a link) to append after its
    // first `end` bytes; whatever follows them is cut off first. Returns
    // null when the name no longer leads to the file `expected` names
    // (device and inode); throws FileError when it cannot be opened or cut.
    static std::unique_ptr<AppendFile> open(const std::filesystem::path& name, const FileIdentity& expected, qint64 end,
                                            const FileCalls& calls = systemFileCalls());

    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    ~AppendFile();

    // Writes `bytes` at the end and flushes them. Throws FileError when the
    // disk does not take them all; the file is then cut back to where it
    // ended, or is cut before the next append when that fails too.
    void append(QByteArrayView bytes);

    // The file as it is now (see file_identity.h).
    FileIdentity identity() const;
    qint64 size() const { return size_; }
    const std::filesystem::path& name() const { return name_; }

private:
    AppendFile(std::filesystem::path name, int fd, qint64 size, const FileCalls& calls);
    int cutBack();

    std::filesystem::path name_;
    int fd_;
    qint64 size_;  // up to the end of the last whole append
    bool cutPending_ = false;
    FileCalls calls_;
};

// Takes away the name (a link itself, never what it leads to) and flushes
// its folder; nothing at the name is no fault. Throws FileError.
void removeName(const std::filesystem::path& name);

}  // namespace jubilo::files
