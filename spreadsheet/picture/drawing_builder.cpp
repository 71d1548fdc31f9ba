#include "spreadsheet/picture/drawing_builder_p.h"

#include "spreadsheet/picture/palette_colors_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <algorithm>
#include <optional>

namespace jubilo::spreadsheet::picture {

namespace {

// The fill and borders of a format in 56 bits: the fill's palette index,
// then each border's style (4 bits) and colour index.
quint64 lookKey(const CellFormat& f)
{
    quint64 key = f.fillColor;
    for (std::size_t side = 0; side < f.borders.size(); ++side) {
        const BorderLine& b = f.borders[side];
        key |= ((quint64(b.style) & 0xF) | quint64(b.colorIndex) << 4) << (8 + 12 * side);
    }
    return key;
}

}  // namespace

DrawingBuilder::DrawingBuilder(Worksheet& sheet, const RangeGeometry& geometry, bool gridlines, TextShapes shapes)
    : sheet_(sheet)
    , book_(sheet.workbook())
    , table_(book_.formats())
    , g_(geometry)
    , keepShapes_(shapes == TextShapes::Kept)
{
    data_.gridlines = gridlines;
}

DrawingData DrawingBuilder::build()
{
    measure();
    collectMerges();
    collectPatterns();
    collectTexts();
    return std::move(data_);
}

// The boundaries become runs of equal widths and heights.
void DrawingBuilder::measure()
{
    data_.size = g_.size;
    const auto runs = [](const std::vector<int>& bounds, LineAxis& axis) {
        for (std::size_t i = 1; i < bounds.size();) {
            const int size = bounds[i] - bounds[i - 1];
            std::size_t end = i + 1;
            while (end < bounds.size() && bounds[end] - bounds[end - 1] == size)
                ++end;
            axis.append(int(end - i), size);
            i = end;
        }
    };
    runs(g_.x, data_.columns);
    runs(g_.y, data_.rows);
}

void DrawingBuilder::collectMerges()
{
    mergeAreas_ = sheet_.merges().intersecting(g_.drawn);
    std::stable_sort(mergeAreas_.begin(), mergeAreas_.end(), [](const CellRect& a, const CellRect& b) {
        return std::pair(a.top, a.left) < std::pair(b.top, b.left);
    });
    for (const CellRect& m : mergeAreas_) {
        const MergedBox box{columnOffset(sheet_, g_, m.left), rowOffset(sheet_, g_, m.top),
                            columnOffset(sheet_, g_, m.right + 1), rowOffset(sheet_, g_, m.bottom + 1),
                            lookOf(sheet_.effectiveXf(m.top, m.left))};
        data_.merges.push_back(box);
        data_.mergeIndex.add(box.y0, box.y1);
    }
}

// Row by row, with the merged areas that cover the row; rows with nothing
// of their own share the pattern the columns give them.
void DrawingBuilder::collectPatterns()
{
    const CellRect& d = g_.drawn;
    std::vector<PatternCell> cells(std::size_t(d.columnCount()));
    std::vector<std::size_t> active;
    std::size_t next = 0;
    std::optional<quint32> plain;
    for (int r = d.top; r <= d.bottom; ++r) {
        while (next < mergeAreas_.size() && mergeAreas_[next].top <= r)
            active.push_back(next++);
        std::erase_if(active, [&](std::size_t m) { return mergeAreas_[m].bottom < r; });
        quint32 id = 0;
        if (active.empty() && plain && isPlainRow(r)) {
            id = *plain;
        } else {
            fillPattern(cells, r);
            markMerges(cells, r, active);
            id = patternId(cells);
            if (active.empty() && !plain && isPlainRow(r))
                plain = id;
        }
        if (data_.bands.empty() || data_.bands.back().pattern != id)
            data_.bands.push_back({r - d.top, id});
    }
}

bool DrawingBuilder::isPlainRow(int row) const
{
    const RowStore* stored = sheet_.cells().row(row);
    if (!stored)
        return true;
    return !stored->xf && std::none_of(stored->cells.begin(), stored->cells.end(), [&](const Cell& c) {
        return c.col >= g_.drawn.left && c.col <= g_.drawn.right;
    });
}

void DrawingBuilder::fillPattern(std::vector<PatternCell>& cells, int row)
{
    for (int c = g_.drawn.left; c <= g_.drawn.right; ++c)
        cells[std::size_t(c - g_.drawn.left)] = PatternCell{lookOf(sheet_.effectiveXf(row, c)), 0};
}

void DrawingBuilder::markMerges(std::vector<PatternCell>& cells, int row, const std::vector<std::size_t>& active) const
{
    for (std::size_t i : active) {
        const CellRect& m = mergeAreas_[i];
        const quint32 rowBits = kInMerge | (row == m.top ? kMergeTop : 0u) | (row == m.bottom ? kMergeBottom : 0u);
        for (int c = qMax(m.left, g_.drawn.left); c <= qMin(m.right, g_.drawn.right); ++c)
            cells[std::size_t(c - g_.drawn.left)].merge
                = rowBits | (c == m.left ? kMergeLeft : 0u) | (c == m.right ? kMergeRight : 0u);
    }
}

quint32 DrawingBuilder::patternId(const std::vector<PatternCell>& cells)
{
    const QByteArray key(reinterpret_cast<const char*>(cells.data()), qsizetype(cells.size() * sizeof(PatternCell)));
    const auto found = patternIds_.constFind(key);
    if (found != patternIds_.cend())
        return *found;
    const auto id = quint32(data_.patterns.size());
    data_.patterns.insert(data_.patterns.end(), cells.begin(), cells.end());
    patternIds_.insert(key, id);
    return id;
}

quint32 DrawingBuilder::lookOf(quint32 xf)
{
    if (const auto known = lookOfXf_.find(xf); known != lookOfXf_.end())
        return known->second;
    const CellFormat& f = table_.format(xf);
    const auto [at, added] = lookIds_.try_emplace(lookKey(f), quint32(data_.looks.size()));
    if (added) {
        CellLook look;
        look.filled = isPaletteIndex(f.fillColor);
        look.fill = paletteColor(book_.palette(), f.fillColor, Qt::white).rgb();
        for (std::size_t side = 0; side < f.borders.size(); ++side)
            look.borders[side]
                = {f.borders[side].style, paletteColor(book_.palette(), f.borders[side].colorIndex, Qt::black).rgb()};
        data_.looks.push_back(look);
    }
    lookOfXf_.emplace(xf, at->second);
    return at->second;
}

PatternCell DrawingBuilder::cellAt(int row, int col) const
{
    return data_.pattern(row - g_.drawn.top)[col - g_.drawn.left];
}

}  // namespace jubilo::spreadsheet::picture
