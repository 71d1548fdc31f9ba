#pragma once

// What the writer refuses: a workbook that the file format cannot hold as
// it stands. Each check says which sheet, cell or format, and why.

#include "spreadsheet/xls/xls_workbook.h"

#include <string>

namespace jubilo::xls {

// Throws XlsError("cannot save the workbook: " + what).
[[noreturn]] void refuseToSave(const std::string& what);

// Throws XlsError at the first thing the file cannot hold.
void checkWorkbook(const XlsWorkbook& wb);

}  // namespace jubilo::xls
