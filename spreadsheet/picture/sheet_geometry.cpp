#include "spreadsheet/picture/sheet_geometry_p.h"

#include "spreadsheet/model/worksheet.h"

#include <cmath>

namespace jubilo::spreadsheet::picture {

namespace {

int padding(int digit) { return 2 * ((digit + 3) / 4) + 1; }

// Rows first..last together, from the rows with a height of their own: the
// others all have the default.
int rowSpanPixels(const Worksheet& sheet, int first, int last)
{
    if (last < first)
        return 0;
    const int normal = pointsToPixels(kDefaultRowHeight);
    int total = (last - first + 1) * normal;
    sheet.forEachCustomHeight(first, last, [&](int, double points) { total += pointsToPixels(points) - normal; });
    return total;
}

}  // namespace

int columnPixels(double characters, int digit)
{
    if (!(characters > 0) || digit <= 0)
        return 0;
    const double stored = std::floor((characters * digit + padding(digit)) / digit * 256.0);
    return int((qint64(stored) + 128 / digit) * digit / 256);
}

int pointsToPixels(double points) { return points > 0 ? int(std::lround(points * 96.0 / 72.0)) : 0; }

RangeGeometry measureRange(const Worksheet& sheet, const CellRect& range, int maxSide)
{
    RangeGeometry g;
    g.range = range;
    g.drawn = range;
    int at = 0;
    g.x.push_back(0);
    for (int c = range.left; c <= range.right; ++c) {
        if (at >= maxSide) {
            g.drawn.right = c - 1;
            break;
        }
        at += columnPixels(sheet.columnWidth(c));
        g.x.push_back(at);
    }
    const int width = at + 1;
    at = 0;
    g.y.push_back(0);
    for (int r = range.top; r <= range.bottom; ++r) {
        if (at >= maxSide) {
            g.drawn.bottom = r - 1;
            break;
        }
        at += pointsToPixels(sheet.rowHeight(r));
        g.y.push_back(at);
    }
    g.size = QSize(qMin(width, maxSide), qMin(at + 1, maxSide));
    return g;
}

int columnOffset(const Worksheet& sheet, const RangeGeometry& g, int col)
{
    if (col >= g.drawn.left && col <= g.drawn.right + 1)
        return g.x[std::size_t(col - g.drawn.left)];
    int at = 0;
    if (col < g.drawn.left) {
        for (int c = col; c < g.drawn.left; ++c)
            at -= columnPixels(sheet.columnWidth(c));
        return at;
    }
    at = g.x.back();
    for (int c = g.drawn.right + 1; c < col; ++c)
        at += columnPixels(sheet.columnWidth(c));
    return at;
}

int rowOffset(const Worksheet& sheet, const RangeGeometry& g, int row)
{
    if (row >= g.drawn.top && row <= g.drawn.bottom + 1)
        return g.y[std::size_t(row - g.drawn.top)];
    if (row < g.drawn.top)
        return -rowSpanPixels(sheet, row, g.drawn.top - 1);
    return g.y.back() + rowSpanPixels(sheet, g.drawn.bottom + 1, row - 1);
}

}  // namespace jubilo::spreadsheet::picture
