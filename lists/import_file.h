#pragma once
// A file of guests read in pieces, so that a file of any size is read in
// little memory. Only a regular file (a link followed) is opened, so a pipe
// or a device chosen by mistake never blocks; a file over the import's size
// limit is refused before a byte is read.

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace jubilo {

// The largest file imported: far more than a list of 32,767 guests takes.
inline constexpr qint64 kMaxImportFileBytes = 100 * 1024 * 1024;

// Gives the file's bytes to `piece` in order, a piece at a time. Throws
// ImportError when the name holds no file, a folder, something else than a
// file, a file too large, or one that cannot be read.
void readFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece);

}  // namespace jubilo
