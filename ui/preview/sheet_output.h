#pragma once
// The preview's sheet as a PDF file or on paper: the workbook on show is
// opened in a host of its own, which draws its active sheet's printed pages
// as the sheet's page setup lays them out.

#include "host/interface/host_pages.h"

#include <QString>

namespace jubilo {

// The file types the preview's save dialog offers, numbered as it lists them.
enum class SavedFileType { Workbook = 0, Pdf = 1 };

struct SaveTarget {
    QString path;
    SavedFileType type;
};

// What a name chosen in the save dialog writes: a name ending in ".xls" or
// ".pdf" (in any case) says it; any other name gets the extension of the
// type chosen in the dialog.
SaveTarget saveTarget(const QString& chosen, SavedFileType chosenType);

// Writes the workbook's active sheet as a PDF at `pdfPath`, replacing a file
// there only once complete. Throws with the reason on failure.
void saveSheetPdf(const QString& workbookPath, const QString& pdfPath);

// The workbook's active sheet through the print dialog.
PrintResult printSheet(const QString& workbookPath);

}  // namespace jubilo
