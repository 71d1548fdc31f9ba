#pragma once
// Saving a copy of the preview's workbook where the user says.

#include <QString>

namespace jubilo {

// True when both paths name one existing file, however either is spelled:
// through "..", a symbolic link or a second hard link.
bool isSameFile(const QString& first, const QString& second);

// What a name chosen in the save dialog leads to: the file a save replaces
// or creates (through the links the user made), whether a file is there
// now, and why saving there is refused (a link another user planted in a
// shared folder, a folder, a pipe, a device), empty when it is not.
struct SaveName {
    QString file;
    bool exists = false;
    QString refusal;
};
SaveName checkSaveName(const QString& chosen);

// Writes a copy of `from` at `to` through Jubilo's one file writer, which
// replaces an existing `to` only once the copy is complete and flushed.
// Throws with the reason on failure.
void saveCopy(const QString& from, const QString& to);

}  // namespace jubilo
