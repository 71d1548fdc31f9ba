#pragma once
// The refusals of picture_limits.h, each naming the range and its size.

#include "spreadsheet/picture/sheet_geometry_p.h"

namespace jubilo::spreadsheet::picture {

// Throws SpreadsheetError for a range that does not lie on the grid.
void checkOnGrid(const CellRect& range);
// Throw PictureTooLarge past kMaxPictureCells or kMaxPicturePixels.
void checkCellCount(const RangeGeometry& g);
void checkPixelCount(const RangeGeometry& g);

}  // namespace jubilo::spreadsheet::picture
