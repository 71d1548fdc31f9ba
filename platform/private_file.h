#pragma once
// Files only their owner may read, written whole or not at all: for what
// Jubilo puts in shared folders such as the temporary folder, where another
// user may have planted a link or a file under the name Jubilo means to use.

#include <QByteArray>
#include <QString>

namespace jubilo {

// Creates `path` as a new file with owner-only permissions (0600), never
// following a link, and writes all of `bytes` to disk. Returns false, with
// nothing changed, when something already holds the name. Any other failure
// throws std::runtime_error naming the path and the system's reason, and
// leaves nothing behind.
bool createPrivateFile(const QString& path, const QByteArray& bytes);

}  // namespace jubilo
