#pragma once
// File names are bytes here, and Qt's QString holds text. A name whose
// bytes are not UTF-8 (a file made under another locale, "caf\xe9.xls") is
// kept exactly: each byte that is not part of valid UTF-8 is held as the
// lone surrogate U+DC80 + (byte - 0x80) and turns back into that byte on
// the way out. Valid UTF-8 is plain text both ways, so two different names
// never meet on one file.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <filesystem>

namespace jubilo::files {

QString nameFromBytes(QByteArrayView bytes);
QByteArray bytesOfName(const QString& name);
std::filesystem::path fileSystemPath(const QString& name);

// The name as a message shows it: each kept byte as U+FFFD.
QString displayName(const QString& name);
QString displayName(const std::filesystem::path& path);

// The folder that holds `path`: "." for a bare name.
std::filesystem::path folderOf(const std::filesystem::path& path);

}  // namespace jubilo::files
