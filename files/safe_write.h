#pragma once
// Jubilo's one way of writing a file: the plan's settings file, the plan
// files, the workbooks and PDFs the user saves, the report's temporary
// workbook and the copies kept of a damaged file all go through here.
//
// A file is replaced whole or not at all. The bytes go to a new file in the
// same folder, created exclusively under a fresh random name of fixed
// length (so a legal target name never makes it too long, and a link
// planted under any name is never followed), written unbuffered with every
// write checked, flushed to disk, and only then renamed over the target;
// the folder is flushed after. A full disk, a short write or a failed flush
// leaves the old file exactly as it was and no partial file beside it.

#include "files/descriptor.h"
#include "files/file_calls.h"
#include "files/file_error.h"

#include <QByteArrayView>

#include <filesystem>
#include <sys/types.h>

namespace jubilo::files {

// Fresh names tried before giving up: another file holding one of 2^64
// names is nearly impossible unless someone plants it.
inline constexpr int kMaxFreshNameTries = 16;
// A new file is its owner's alone; a replaced one keeps its permissions.
inline constexpr mode_t kNewFileMode = 0600;
// The hidden name the bytes are written under before the rename:
// ".jubilo-" + 16 hex digits + ".saving".
inline constexpr char kPendingPrefix[] = ".jubilo-";
inline constexpr char kPendingSuffix[] = ".saving";

// Replaces the file `name` leads to (see write_target.h: links the user
// made are followed, planted ones and anything but a regular file are
// refused) with `bytes`. Throws FileError naming the file and the reason.
void replaceFile(const std::filesystem::path& name, QByteArrayView bytes, const FileCalls& calls = systemFileCalls());

// A file that stood at the name when a write began and was gone when it
// ended: moved or deleted meanwhile.
class TargetGone : public FileError {
public:
    using FileError::FileError;
};

// As replaceFile, but only while a file stands at the name: the finished
// new file and the old one change places in one step, so a file moved or
// deleted meanwhile is never made again at its old name. Throws TargetGone
// then, leaving nothing behind.
void replaceExistingFile(const std::filesystem::path& name, QByteArrayView bytes,
                         const FileCalls& calls = systemFileCalls());

// The folder of the file at `name`, opened to make or flush its entries.
// Throws FileError naming the file.
Descriptor openFolderOf(const std::filesystem::path& name);

// Creates `name` as a new owner-only file holding `bytes`, never following
// a link. Returns false, with nothing changed, when anything already holds
// the name; any other failure throws FileError and leaves nothing behind.
bool createNewFile(const std::filesystem::path& name, QByteArrayView bytes, const FileCalls& calls = systemFileCalls());

}  // namespace jubilo::files
