#pragma once
// How much of a sheet a picture takes. A drawing keeps at most
// kMaxPictureCells cells, hidden rows and columns included; a bitmap drawn
// whole holds at most kMaxPicturePixels pixels (400 MB at four bytes each).
// A range a file makes look huge is measured (a few bytes a row and column
// of the grid at most) and refused before anything is drawn.

#include "spreadsheet/core/error.h"

namespace jubilo::spreadsheet::picture {

inline constexpr qint64 kMaxPicturePixels = 100'000'000;
inline constexpr qint64 kMaxPictureCells = 4'000'000;

// The refusal of a range whose picture would be larger than that.
class PictureTooLarge : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

}  // namespace jubilo::spreadsheet::picture
