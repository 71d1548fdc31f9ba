#pragma once
// Workbooks built through the object model for the file tests, a
// comparison of two workbooks by everything a saved file keeps, and the
// tests' starting point: a temporary folder and an engine without workbooks.

#include "tests/support/engine_sheets.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::testing {

class SavedFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::shared_ptr<Application> app = englishApplication();
};

// A plan-like sheet: custom palette, a sheet-wide font and fill, widths,
// heights, merged titles, striped rows with indents and a currency format,
// framed blocks with coloured inside lines, SUM totals, print area and page
// setup fitted to one page, selection on C15.
void buildPlanSheet(Application& app, Worksheet& sheet);

// Long, non-Latin and emoji texts, booleans, errors, formulas of every
// result type, formatted blanks, row and column formats, alignments, number
// formats, merges; with corners, values in the grid's last row and column.
void buildOddValues(Worksheet& sheet, bool corners = true);

// Three sheets: the plan sheet, the odd values and thousands of strings and
// merges. The second sheet is left active.
std::shared_ptr<Workbook> everythingWorkbook(Application& app);

// EXPECTs that b holds what a holds: sheets, names, active sheet, palette,
// cells (formula text, value and resolved format), row, column and sheet
// formats, widths to two decimals, heights, merges, selection, page setup.
void expectSameWorkbook(Workbook& a, Workbook& b);

}  // namespace jubilo::spreadsheet::testing
