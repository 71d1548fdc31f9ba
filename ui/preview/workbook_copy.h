#pragma once
// Saving a copy of the preview's workbook where the user says.

#include <QString>

namespace jubilo {

// True when both paths name one existing file, however either is spelled:
// through "..", a symbolic link or a second hard link.
bool isSameFile(const QString& first, const QString& second);

// Writes a copy of `from` at `to`. The copy goes to a private file beside
// `to` and replaces it only once complete and flushed, so a failed copy
// leaves an existing `to` as it was. Throws with the reason on failure.
void saveCopy(const QString& from, const QString& to);

}  // namespace jubilo
