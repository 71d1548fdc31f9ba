// The cells half of DrawingPainter: white and filled cells, gridlines,
// merged areas, and the gridlines text covers.

#include "spreadsheet/picture/drawing_painter_p.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/picture/rect_batches_p.h"

namespace jubilo::spreadsheet::picture {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

}  // namespace

// Unfilled cells are white with gridlines round them; fills then cover the
// boundaries they own, merged areas theirs, and text running on covers the
// gridlines it crosses. Together they cover every pixel of the area.
void DrawingPainter::paintCells()
{
    RectBatches whites, grid, fills, mergeFills(RectBatches::Order::AsAdded), gaps;
    for (int r = firstRow_; r <= lastRow_; ++r)
        paintRow(r, whites, grid, fills);
    paintMerges(whites, grid, mergeFills);
    paintGaps(gaps);
    painter_.setPen(Qt::NoPen);
    for (const RectBatches* batches : {&whites, &grid, &fills, &mergeFills, &gaps})
        batches->fill(painter_);
}

void DrawingPainter::paintRow(int r, RectBatches& whites, RectBatches& grid, RectBatches& fills) const
{
    const int y0 = d_.rows.offset(r), y1 = d_.rows.offset(r + 1);
    if (y1 == y0)
        return;
    const PatternCell* cells = d_.pattern(r);
    const int down = rowBelow(r);
    const PatternCell* below = down >= 0 ? d_.pattern(down) : nullptr;
    for (int c = firstColumn_; c <= lastColumn_; ++c) {
        const int x0 = d_.columns.offset(c), x1 = d_.columns.offset(c + 1);
        if (x1 == x0 || cells[c].merge & kInMerge)
            continue;
        if (d_.looks[cells[c].look].filled) {
            paintFill(r, c, cells, below, fills);
            continue;
        }
        whites.add(kWhite, grid_.pixels(x0, y0, x1, y1));
        if (d_.gridlines)
            outline(x0, y0, x1, y1, grid);
    }
}

// A filled cell: its inside, top and left lines always; its right line
// unless the cell to the right is filled, its bottom line unless the cell
// below is, and the corners as the cells after it leave them.
void DrawingPainter::paintFill(int r, int c, const PatternCell* cells, const PatternCell* below,
                               RectBatches& fills) const
{
    const int x0 = d_.columns.offset(c), x1 = d_.columns.offset(c + 1);
    const int y0 = d_.rows.offset(r), y1 = d_.rows.offset(r + 1);
    const QRgb color = d_.looks[cells[c].look].fill;
    const int right = columnRightOf(c), left = columnLeftOf(c);
    const bool rightOwns = owns(cells, right);
    fills.add(color, grid_.pixels(x0, y0, rightOwns ? x1 - 1 : x1, y1 - 1));
    if (owns(below, c))
        return;
    const int first = owns(below, left) ? x0 + 1 : x0, last = rightOwns || owns(below, right) ? x1 - 1 : x1;
    if (first <= last)
        fills.add(color, grid_.pixels(first, y1, last, y1));
}

void DrawingPainter::outline(int x0, int y0, int x1, int y1, RectBatches& grid) const
{
    const QRgb color = kGridlineColor;
    grid.add(color, grid_.line(true, x0, 1, y0, y1));
    grid.add(color, grid_.line(true, x1, 1, y0, y1));
    grid.add(color, grid_.line(false, y0, 1, x0, x1));
    grid.add(color, grid_.line(false, y1, 1, x0, x1));
}

// A filled merged area covers its boundary lines, the lower (or the one
// to the right) where two meet; an unfilled one is one white cell with
// gridlines round it.
void DrawingPainter::paintMerges(RectBatches& whites, RectBatches& grid, RectBatches& fills) const
{
    const auto [first, last] = d_.mergeIndex.slice(seen_.top(), seen_.bottom());
    for (std::size_t i = first; i < last; ++i) {
        const MergedBox& m = d_.merges[i];
        if (m.y1 < seen_.top() || m.x1 < seen_.left() || m.x0 > seen_.right() || m.x1 == m.x0 || m.y1 == m.y0)
            continue;
        const CellLook& look = d_.looks[m.look];
        if (look.filled) {
            fills.add(look.fill, grid_.pixels(m.x0, m.y0, m.x1, m.y1));
            continue;
        }
        whites.add(kWhite, grid_.pixels(m.x0, m.y0, m.x1, m.y1));
        if (d_.gridlines)
            outline(m.x0, m.y0, m.x1, m.y1, grid);
    }
}

void DrawingPainter::paintGaps(RectBatches& gaps) const
{
    const auto [first, last] = d_.gapIndex.slice(seen_.top(), seen_.bottom());
    for (std::size_t i = first; i < last; ++i) {
        const GridGap& gap = d_.gaps[i];
        if (gap.bottom >= seen_.top() && gap.x >= seen_.left() && gap.x <= seen_.right())
            gaps.add(kWhite, grid_.line(true, gap.x, 1, gap.top, gap.bottom - 1));
    }
}

}  // namespace jubilo::spreadsheet::picture
