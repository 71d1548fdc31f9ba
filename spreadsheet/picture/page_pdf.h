#pragma once
// A sheet's printed pages as a PDF file: one PDF page for each, of the
// setup's paper and orientation, drawn as vectors with the fonts embedded,
// so its text can be searched and copied.

#include "spreadsheet/picture/page_layout.h"

#include <QDateTime>
#include <QIODevice>

namespace jubilo::spreadsheet::picture {

// Painter units to an inch: lines and text edges land on 1/1200 inch.
inline constexpr int kPdfResolution = 1200;

// Writes the PDF to `device` (opened for writing, or opened here). Throws
// SpreadsheetError when the device cannot be written, PictureTooLarge for a
// printed range of more than kMaxPictureCells cells, NoRoomToPrint or
// TooManyPages (page_limits.h) for pages it will not lay out. Headers and
// footers print `printedAt` as the date and time.
void writeSheetPdf(Worksheet& sheet, QIODevice& device, const QDateTime& printedAt);

}  // namespace jubilo::spreadsheet::picture
