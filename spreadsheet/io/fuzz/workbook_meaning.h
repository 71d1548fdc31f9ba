#pragma once
// What a decoded workbook means, whatever order its format tables list
// their entries in: two imports of one workbook may intern the same formats
// in another order, and must still be taken as the same workbook.

#include "spreadsheet/xls/xls_workbook.h"

#include <string>
#include <vector>

namespace jubilo::spreadsheet::fuzz {

// A cell, row or column format with its font and custom number format in
// place of their indexes.
struct ResolvedFormat {
    xls::XlsXf xf;
    xls::XlsFont font;
    std::u16string numberFormat;
    bool operator==(const ResolvedFormat&) const = default;
};

struct WorkbookMeaning {
    xls::XlsWorkbook shape;  // every format index 0, no format tables
    std::vector<ResolvedFormat> formats;  // of the cells, rows and columns, in the order of shape
    bool operator==(const WorkbookMeaning&) const = default;
};

WorkbookMeaning meaningOf(const xls::XlsWorkbook& workbook);

}  // namespace jubilo::spreadsheet::fuzz
