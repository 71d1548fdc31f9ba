#pragma once
// A workbook as the .xls layer's plain image of one: palette, fonts, number
// formats and cell formats (only those in use, renumbered the way the file
// counts them), then per sheet its cells with formula results, row, column
// and sheet formats, widths and heights, merges, selection, print area and
// page setup.

#include "spreadsheet/xls/xls_workbook.h"

#include <QString>

namespace jubilo::spreadsheet {

class Workbook;

// The SaveAs file formats that write an .xls file (xlWorkbookNormal, xlExcel8).

// The widest digit of a font in pixels at 96 dots per inch: the unit column
// widths are counted in (7 for Arial 10). Both directions of the mapping
// use it, so a width comes back as it was set.
int maxDigitWidth(const QString& fontName, quint16 heightTwips);

// Computes any formula result that is out of date, hence not const.
xls::XlsWorkbook exportWorkbook(Workbook& book);

}  // namespace jubilo::spreadsheet
