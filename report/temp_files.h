#pragma once
// Where a report run keeps its one file: the temporary workbook, under a
// fresh random name in the temporary directory.

#include <QString>

namespace jubilo {

// The folder `TEMP` names (the variable's name in any case) when it is a
// folder; otherwise the platform's temporary folder. Never the root.
QString temporaryDirectory();

// "vemqal" + eight digits 1 to 9, each a fresh draw from the seam's
// generator (the system's secure source in the program), so another user
// cannot foresee the name.
QString randomWorkbookName();

// A workbook path in the temporary directory that no file holds yet.
QString freshWorkbookPath();

}  // namespace jubilo
