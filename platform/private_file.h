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

// Writes `bytes` to a fresh owner-only file beside `path` and renames it
// over `path`: a link planted at `path` is itself replaced, never followed.
// On failure throws std::runtime_error naming the path and the reason;
// `path` is then as it was and no partial file is left.
void writePrivateFile(const QString& path, const QByteArray& bytes);

}  // namespace jubilo
