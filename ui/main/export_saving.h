#pragma once
// Where the File menu's exports write: the name asked for in the save
// dialog (its type's suffix added when it has none), checked as every
// save's name is, a file there replaced only when the user says so, and
// the bytes written whole or not at all.

#include <QByteArrayView>
#include <QString>

namespace jubilo {

struct ExportFileType {
    QString description;  // "CSV Files"
    QString suffix;  // ".csv"
};

// The name chosen, with the suffix; empty when the user cancels.
QString askExportFileName(const QString& title, const ExportFileType& type, const QString& proposedBaseName);

// Throws, saying which file could not be written and why.
void writeExport(const QString& path, QByteArrayView bytes);

}  // namespace jubilo
