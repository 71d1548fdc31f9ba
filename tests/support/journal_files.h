#pragma once
// Where the journal beside a settings or plan file is, for tests that look
// at it, tear it or plant something in its place.

#include "platform/ini_journal.h"

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace jubilo::testing {

inline QString journalOf(const QString& file)
{
    const std::optional<std::filesystem::path> journal = journalPathFor(file);
    return journal ? QFile::decodeName(journal->c_str()) : QString();
}

// True when anything, a link included, holds the name.
inline bool nameTaken(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

}  // namespace jubilo::testing
