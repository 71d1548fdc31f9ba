#pragma once
// A1 addresses as callers write them: "B3", "B3:F3", "A:A", "3:3", with or
// without "$". Anything malformed or off the grid raises SpreadsheetError.

#include "spreadsheet/core/grid.h"

#include <QString>

namespace jubilo::spreadsheet {

// "A" for 0, "IV" for 255.
QString columnName(int col);

CellRect parseA1Range(const QString& text);
// Columns("B"), Columns("B:D") and any A1 range, widened to whole columns.
CellRect parseColumns(const QString& text);
// Rows("3"), Rows("3:5") and any A1 range, widened to whole rows.
CellRect parseRows(const QString& text);

// "$B$3:$F$3", "$A:$A", "$3:$3", "$B$3".
QString absoluteAddress(const CellRect& rect);

}  // namespace jubilo::spreadsheet
