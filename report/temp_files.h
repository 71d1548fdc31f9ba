#pragma once
// Where a report run keeps its files: the temporary workbook under a fresh
// random name, and the picture file, in the temporary directory.

#include <QString>

namespace jubilo {

// The folder `TEMP` names (the variable's name in any case) when it is a
// folder; otherwise the platform's temporary folder. Never the root.
QString temporaryDirectory();

// "vemqal" + eight digits 1 to 9; the generator is re-seeded from the time
// of day before every digit.
QString randomWorkbookName();

// A workbook path in the temporary directory that no file holds yet.
QString freshWorkbookPath();

QString temporaryPicturePath();

}  // namespace jubilo
