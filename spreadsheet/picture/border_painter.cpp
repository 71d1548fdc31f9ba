// The borders half of DrawingPainter. Each cell draws its own borders; the
// edges inside a merged area are not drawn. Lines across are drawn after
// the lines down, so they take the corners where the two meet.

#include "spreadsheet/picture/border_strokes_p.h"
#include "spreadsheet/picture/drawing_painter_p.h"
#include "spreadsheet/picture/rect_batches_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

namespace {

bool hasBorders(const CellLook& look)
{
    return std::any_of(look.borders.begin(), look.borders.end(),
                       [](const BorderPen& pen) { return pen.style != LineStyle::None; });
}

}  // namespace

void DrawingPainter::paintBorders() const
{
    RectBatches down, across;
    for (int r = firstRow_; r <= lastRow_; ++r) {
        const int y0 = d_.rows.offset(r), y1 = d_.rows.offset(r + 1);
        if (y1 == y0)
            continue;
        const PatternCell* cells = d_.pattern(r);
        for (int c = firstColumn_; c <= lastColumn_; ++c) {
            const int x0 = d_.columns.offset(c), x1 = d_.columns.offset(c + 1);
            const CellLook& look = d_.looks[cells[c].look];
            if (x1 == x0 || !hasBorders(look))
                continue;
            const quint32 merge = cells[c].merge;
            const auto edge = [&](quint32 place) { return !(merge & kInMerge) || (merge & place); };
            if (edge(kMergeLeft))
                paintLine(true, x0, y0, y1, look.borders[kLeft], down);
            if (edge(kMergeRight))
                paintLine(true, x1, y0, y1, look.borders[kRight], down);
            if (edge(kMergeTop))
                paintLine(false, y0, x0, x1, look.borders[kTop], across);
            if (edge(kMergeBottom))
                paintLine(false, y1, x0, x1, look.borders[kBottom], across);
        }
    }
    down.fill(painter_);
    across.fill(painter_);
}

// A line on the boundary `at`, from `from` to `to` inclusive along it.
void DrawingPainter::paintLine(bool vertical, int at, int from, int to, const BorderPen& pen, RectBatches& lines) const
{
    if (pen.style == LineStyle::None)
        return;
    const Stroke s = strokeOf(pen.style);
    const int first = at - (s.width >= 2 ? 1 : 0), last = first + s.width - 1;
    const auto band = [&](int across, int width, int begin, int end) {
        lines.add(pen.color, grid_.line(vertical, across, width, begin, end));
    };
    if (s.twin) {
        band(first, 1, from, to);
        band(last, 1, from, to);
        return;
    }
    if (s.runCount == 0) {
        band(first, s.width, from, to);
        return;
    }
    bool on = true;
    for (int pos = from, i = 0; pos <= to; pos += s.runs[std::size_t(i)], i = (i + 1) % s.runCount, on = !on)
        if (on)
            band(first, s.width, pos, qMin(to, pos + s.runs[std::size_t(i)] - 1));
}

}  // namespace jubilo::spreadsheet::picture
