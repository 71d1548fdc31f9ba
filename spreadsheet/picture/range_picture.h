#pragma once
// A range of a sheet drawn as the sheet shows it on screen, at 96 dpi:
// column widths and row heights (see sheet_geometry.h), fills from the
// workbook palette, cell text as its number format shows it in the cell's
// font, colour and alignment, merged areas as one cell, and borders.
//
// Cells without a fill show light grey gridlines; a fill covers the
// gridlines around its cell, so a sheet filled white shows none. Text that
// does not fit runs on into empty neighbours within the range (to the right
// when left-aligned, to the left when right-aligned, both ways when
// centred), unless it wraps or sits in a merged area; numbers never run on
// and show as #### when they do not fit.

#include "spreadsheet/core/error.h"
#include "spreadsheet/core/grid.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QImage>

namespace jubilo::spreadsheet {
class Worksheet;
}

namespace jubilo::spreadsheet::picture {

inline constexpr QRgb kGridlineColor = 0xFFD9D9D9;
// Pixels between a cell's boundary line and its text, and per indent level.
inline constexpr int kTextMargin = 2;
inline constexpr int kIndentPixels = 9;

// A picture holds at most this many pixels (400 MB at four bytes each) and
// draws at most this many cells, hidden rows and columns included. A range
// a file makes look huge is measured (a few bytes a row and column of the
// grid at most) and refused before its picture or cell index is allocated.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;
inline constexpr qint64 kMaxPictureCells = 4'000'000;

// The refusal of a range whose picture would be larger than that.
class PictureTooLarge : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

struct PictureOptions {
    bool gridlines = true;
    int maxSide = kMaxPictureSide;
};

// Formula cells are computed first, so the sheet is not const. Throws
// PictureTooLarge past the limits above, SpreadsheetError for a range off
// the grid.
QImage drawRange(Worksheet& sheet, const CellRect& range, const PictureOptions& options = {});

}  // namespace jubilo::spreadsheet::picture
