#pragma once
// Workbooks built through the object model for the file tests, and a
// comparison of two workbooks by everything a saved file keeps.

#include "spreadsheet/model/application.h"
#include "spreadsheet/model/workbook.h"

#include <memory>

namespace jubilo::spreadsheet::testing {

// A plan-like sheet: custom palette, a sheet-wide font and fill, widths,
// heights, merged titles, striped rows with indents and a currency format,
// framed blocks with coloured inside lines, SUM totals, print area and page
// setup fitted to one page, selection on C15.
void buildPlanSheet(Application& app, Worksheet& sheet);

// Long, non-Latin and emoji texts, booleans, errors, formulas of every
// result type, formatted blanks, row and column formats, alignments, number
// formats, merges; with corners, values in the grid's last row and column.
void buildOddValues(Worksheet& sheet, bool corners = true);

// Three sheets: the plan sheet, a sheet of odd values (long, non-Latin and
// emoji texts, booleans, errors, formulas of every result type, formatted
// blanks, row and column formats, the grid's last cell) and a sheet of
// thousands of strings and merges. The second sheet is left active.
std::shared_ptr<Workbook> everythingWorkbook(Application& app);

// EXPECTs that b holds what a holds: sheets, names, active sheet, palette,
// cells (formula text, value and resolved format), row, column and sheet
// formats, widths to two decimals, heights, merges, selection, page setup.
void expectSameWorkbook(Workbook& a, Workbook& b);

}  // namespace jubilo::spreadsheet::testing
