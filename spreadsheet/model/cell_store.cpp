#include "spreadsheet/model/cell_store_p.h"

#include <algorithm>

namespace jubilo::spreadsheet {

std::vector<Cell>::iterator CellStore::lowerBound(std::vector<Cell>& cells, int col)
{
    return std::lower_bound(cells.begin(), cells.end(), col, [](const Cell& c, int v) { return c.col < v; });
}

Cell* CellStore::find(int row, int col)
{
    RowStore* r = this->row(row);
    if (!r)
        return nullptr;
    const auto it = lowerBound(r->cells, col);
    return it != r->cells.end() && it->col == col ? &*it : nullptr;
}

const Cell* CellStore::find(int row, int col) const { return const_cast<CellStore*>(this)->find(row, col); }

RowStore& CellStore::obtainRow(int r)
{
    if (r >= int(rows_.size()))
        rows_.resize(r + 1);
    return rows_[r];
}

Cell& CellStore::obtain(int row, int col, quint32 xf)
{
    auto& cells = obtainRow(row).cells;
    auto it = lowerBound(cells, col);
    if (it == cells.end() || it->col != col) {
        Cell cell;
        cell.col = col;
        cell.xf = xf;
        it = cells.insert(it, std::move(cell));
    }
    return *it;
}

void CellStore::erase(const CellRect& rect)
{
    const int last = qMin(rect.bottom, rowLimit() - 1);
    for (int r = rect.top; r <= last; ++r) {
        auto& cells = rows_[r].cells;
        const auto from = lowerBound(cells, rect.left);
        const auto to = std::find_if(from, cells.end(), [&](const Cell& c) { return c.col > rect.right; });
        cells.erase(from, to);
    }
}

std::optional<CellRect> CellStore::bounds() const
{
    std::optional<CellRect> box;
    for (int r = 0; r < rowLimit(); ++r) {
        const auto& cells = rows_[r].cells;
        if (cells.empty())
            continue;
        const CellRect line{r, cells.front().col, r, cells.back().col};
        box = box ? box->united(line) : line;
    }
    return box;
}

std::size_t CellStore::cellCount() const
{
    std::size_t n = 0;
    for (const auto& r : rows_)
        n += r.cells.size();
    return n;
}

}  // namespace jubilo::spreadsheet
