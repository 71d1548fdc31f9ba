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
//
// SheetDrawing keeps a range that way and paints it at any scale; drawRange
// paints one whole into a bitmap.

#include "spreadsheet/picture/sheet_drawing.h"

#include <QImage>

namespace jubilo::spreadsheet::picture {

inline constexpr QRgb kGridlineColor = 0xFFD9D9D9;
// Pixels between a cell's boundary line and its text, and per indent level.
inline constexpr int kTextMargin = 2;
inline constexpr int kIndentPixels = 9;

struct PictureOptions {
    bool gridlines = true;
    int maxSide = kMaxPictureSide;
};

// The range as a bitmap at 100%, cut to `maxSide` pixels a side from its
// top left. Throws PictureTooLarge past kMaxPicturePixels or
// kMaxPictureCells, SpreadsheetError for a range off the grid.
QImage drawRange(Worksheet& sheet, const CellRect& range, const PictureOptions& options = {});

}  // namespace jubilo::spreadsheet::picture
