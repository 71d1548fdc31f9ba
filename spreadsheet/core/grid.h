#pragma once
// The .xls grid and rectangles on it. Positions are 0-based internally, as
// the file format stores them; the object model speaks 1-based.

#include "host/constants/xl_constants.h"

#include <QtGlobal>

namespace jubilo::spreadsheet {

inline constexpr int kRowCount = xl::kSheetRowCount;
inline constexpr int kColumnCount = xl::kSheetColumnCount;
inline constexpr int kLastRow = kRowCount - 1;
inline constexpr int kLastColumn = kColumnCount - 1;

struct CellPos {
    int row = 0;
    int col = 0;
    bool operator==(const CellPos&) const = default;
};

// Inclusive on all sides.
struct CellRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    static CellRect at(int row, int col) { return {row, col, row, col}; }
    static CellRect sheet() { return {0, 0, kLastRow, kLastColumn}; }

    int rowCount() const { return bottom - top + 1; }
    int columnCount() const { return right - left + 1; }
    qint64 area() const { return qint64(rowCount()) * columnCount(); }
    bool isCell() const { return top == bottom && left == right; }
    bool spansAllRows() const { return top == 0 && bottom == kLastRow; }
    bool spansAllColumns() const { return left == 0 && right == kLastColumn; }
    bool contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    bool contains(const CellRect& o) const
    {
        return o.top >= top && o.bottom <= bottom && o.left >= left && o.right <= right;
    }
    bool intersects(const CellRect& o) const
    {
        return o.top <= bottom && o.bottom >= top && o.left <= right && o.right >= left;
    }
    CellRect united(const CellRect& o) const
    {
        return {qMin(top, o.top), qMin(left, o.left), qMax(bottom, o.bottom), qMax(right, o.right)};
    }
    bool operator==(const CellRect&) const = default;
};

}  // namespace jubilo::spreadsheet
