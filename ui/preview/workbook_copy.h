#pragma once
// Saving a copy of the preview's workbook where the user says, after the
// chosen name is checked (save_name.h).

#include "ui/common/save_name.h"

#include <QString>

namespace jubilo {

// True when both paths name one existing file, however either is spelled:
// through "..", a symbolic link or a second hard link.
bool isSameFile(const QString& first, const QString& second);

// Writes a copy of `from` at `to` through Jubilo's one file writer, which
// replaces an existing `to` only once the copy is complete and flushed.
// Throws with the reason on failure.
void saveCopy(const QString& from, const QString& to);

}  // namespace jubilo
