#pragma once
// Where the cells of a range land in its picture, at 96 dots per inch.
//
// Column widths are kept in characters of the default font (Arial 10, whose
// widest digit is 7 pixels at 96 dpi). The file stores a width as
// trunc((characters * 7 + 5) / 7 * 256) 256ths, the 5 being the cell padding
// 2 * ceil(7 / 4) + 1, exactly as the .xls writer computes it; that stored
// width W becomes trunc((W + trunc(128 / 7)) / 256 * 7) pixels. The default
// 8.43 characters thus give 64 pixels, 19.14 give 139 and 2.43 give 22.
// Row heights are points: round(points * 96 / 72), so 12.75 gives 17 pixels
// and 14.25 gives 19. Font sizes convert the same way (10 points, 13 pixels).
//
// Cells are separated by one-pixel boundary lines that gridlines and thin
// borders occupy: a column of w pixels runs from its left boundary x to its
// right boundary x + w, the next column's left boundary. The picture holds
// the first column's left and the last column's right boundary, so it is one
// pixel wider than the columns' widths added up, and one pixel taller than
// the rows' heights, unless the size cap cuts it.

#include "spreadsheet/core/grid.h"

#include <QSize>

#include <vector>

namespace jubilo::spreadsheet {
class Worksheet;
}

namespace jubilo::spreadsheet::picture {

// No picture side is larger than this; a larger range is drawn from its top
// left corner up to this size.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr int kDefaultDigitWidth = 7;  // Arial 10 at 96 dpi

int columnPixels(double characters, int digitWidth = kDefaultDigitWidth);
int pointsToPixels(double points);

struct RangeGeometry {
    CellRect range;  // the range asked for
    CellRect drawn;  // its rows and columns that are at least partly in the picture
    // Left boundary of each drawn column, then the right boundary of the last;
    // top boundaries of the drawn rows the same way. Relative to the picture.
    std::vector<int> x;
    std::vector<int> y;
    QSize size;

    int left(int col) const { return x[std::size_t(col - drawn.left)]; }
    int right(int col) const { return x[std::size_t(col - drawn.left + 1)]; }
    int top(int row) const { return y[std::size_t(row - drawn.top)]; }
    int bottom(int row) const { return y[std::size_t(row - drawn.top + 1)]; }
};

RangeGeometry measureRange(const Worksheet& sheet, const CellRect& range, int maxSide = kMaxPictureSide);

// The left boundary of any column, or top boundary of any row, relative to
// the picture: negative left of or above the range, past the size beyond it.
// Merged areas that reach outside the drawn part are placed with these.
int columnOffset(const Worksheet& sheet, const RangeGeometry& g, int col);
int rowOffset(const Worksheet& sheet, const RangeGeometry& g, int row);

}  // namespace jubilo::spreadsheet::picture
