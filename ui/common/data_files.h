#pragma once
// Where the program's data files are found. A build tree keeps them beside
// the program; an installed program keeps them in share/jubilo/ next to its
// bin/ folder (/usr/bin/jubilo reads /usr/share/jubilo/).

#include <QString>
#include <QStringList>

namespace jubilo {

// The data folder relative to the program's folder once installed.
inline constexpr char kInstalledDataFolder[] = "../share/jubilo";

// The places `name` may lie, in the order they are tried: beside the
// program, then in the installed data folder.
QStringList dataFileCandidates(const QString& programFolder, const QString& name);

// The first candidate that exists as a file; the one beside the program when
// none does, so a missing file is reported where a build tree keeps it.
QString dataFilePath(const QString& programFolder, const QString& name);

}  // namespace jubilo
