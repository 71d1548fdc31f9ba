#include "spreadsheet/model/cell_store_p.h"

#include <algorithm>

namespace jubilo::spreadsheet {

std::vector<Cell>::iterator CellStore::lowerBound(std::vector<Cell>& cells, int col)
{
    return std::lower_bound(cells.begin(), cells.end(), col, [](const Cell& c, int v) { return c.col < v; });
}

Cell* CellStore::findIn(RowStore& row, int col)
{
    const auto it = lowerBound(row.cells, col);
    return it != row.cells.end() && it->col == col ? &*it : nullptr;
}

const Cell* CellStore::findIn(const RowStore& row, int col) { return findIn(const_cast<RowStore&>(row), col); }

Cell* CellStore::find(int row, int col)
{
    RowStore* r = this->row(row);
    return r ? findIn(*r, col) : nullptr;
}

const Cell* CellStore::find(int row, int col) const { return const_cast<CellStore*>(this)->find(row, col); }

RowStore& CellStore::obtainRow(int r)
{
    const std::size_t p = std::size_t(r) / kRowsPerPage;
    if (p >= pages_.size())
        pages_.resize(p + 1);
    if (!pages_[p])
        pages_[p] = std::make_unique<Page>();
    return (*pages_[p])[std::size_t(r) % kRowsPerPage];
}

std::size_t CellStore::pageCount() const
{
    return std::size_t(std::count_if(pages_.begin(), pages_.end(), [](const auto& page) { return page != nullptr; }));
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
    forEachRow(rect.top, rect.bottom, [&](int, RowStore& row) {
        auto& cells = row.cells;
        const auto from = lowerBound(cells, rect.left);
        const auto to = std::find_if(from, cells.end(), [&](const Cell& c) { return c.col > rect.right; });
        cells.erase(from, to);
    });
}

std::optional<CellRect> CellStore::bounds() const
{
    std::optional<CellRect> box;
    forEachRow(0, kLastRow, [&](int r, const RowStore& row) {
        const auto& cells = row.cells;
        if (cells.empty())
            return;
        const CellRect line{r, cells.front().col, r, cells.back().col};
        box = box ? box->united(line) : line;
    });
    return box;
}

std::size_t CellStore::cellCount() const
{
    std::size_t n = 0;
    forEachRow(0, kLastRow, [&](int, const RowStore& row) { n += row.cells.size(); });
    return n;
}

}  // namespace jubilo::spreadsheet
