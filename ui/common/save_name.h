#pragma once
// What a name chosen in a save dialog leads to, asked before anything is
// written: the preview's copies and PDFs, the plan files and the glance
// window's chart all check their names here.

#include <QString>

namespace jubilo {

// The file a save replaces or creates (through the links the user made),
// whether a file is there now, and why saving there is refused (a link
// another user planted in a shared folder, a folder, a pipe, a device),
// empty when it is not.
struct SaveName {
    QString file;
    bool exists = false;
    QString refusal;
};
SaveName checkSaveName(const QString& chosen);

// The chosen name with `suffix` (".png") when typed without it, as the
// dialog's file type says.
QString withSuffix(const QString& chosen, const QString& suffix);

// Whether to write at the chosen name: a refused name is said so (false);
// a file there is replaced only when the user says so.
bool mayWriteAt(const QString& chosen);

}  // namespace jubilo
