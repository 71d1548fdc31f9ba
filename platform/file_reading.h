#pragma once
// A whole file read at once, the way the settings file and plan files are
// read: only a regular file (a link followed) is ever opened, so a pipe or
// a device in its place never blocks or is touched.

#include "files/file_calls.h"
#include "files/file_identity.h"

#include <QByteArray>
#include <QString>

namespace jubilo {

struct FileReading {
    enum class Outcome {
        Read,
        Missing,  // nothing holds the name, or a folder on the way is a file
        DanglingLink,  // a link to nothing
        Folder,
        NotRegular,  // a pipe, a device, a socket
        TooLarge,
        Failed,  // see error
    };
    Outcome outcome = Outcome::Read;
    QByteArray bytes;  // when Read
    qint64 size = 0;  // the file's size when Read or TooLarge
    int error = 0;  // errno when Failed (no permission, say)
    // When Read: the file as it was looked at just before it was read, so
    // that a write meanwhile shows at the next look.
    files::FileIdentity identity;
};

// Opens through `calls.openat`, so that tests can refuse it.
FileReading readRegularFile(const QString& path, qint64 maxBytes, const files::FileCalls& calls);

// The reason in words, as the system gives it, for an `error` of Failed.
QString systemReason(int error);

}  // namespace jubilo
