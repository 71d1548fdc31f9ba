#pragma once
// File helpers shared by the windows. Neither ever reports a failure.

#include <QString>

namespace jubilo {

// True when the path's last-modification time can be read.
bool fileExists(const QString& path);

// Deletes the file if it can; a second attempt first makes it writable.
// Only the one named file is ever deleted: the path is never a pattern.
void deleteFileQuietly(const QString& path);

}  // namespace jubilo
