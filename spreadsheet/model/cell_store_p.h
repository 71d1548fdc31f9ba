#pragma once
// Sparse cell storage. Rows are kept in pages of kRowsPerPage, a page
// allocated when a row in it is first written, so lookups index directly and
// a cell in the grid's last row costs one page, not every row above it. Each
// row holds only the cells written or formatted in it, sorted by column.

#include "spreadsheet/formula/token_p.h"
#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace jubilo::spreadsheet {

struct FormulaCell {
    formula::Tokens tokens;
    Value result;
    quint64 computedAt = 0;  // the sheet's content generation the result is for
};

struct Cell {
    int col = 0;
    quint32 xf = 0;  // index into the workbook's format table
    Value value;  // the constant; empty for formula cells
    std::unique_ptr<FormulaCell> formula;

    // What the cell shows: the constant or the formula's last result.
    const Value& shown() const { return formula ? formula->result : value; }
};

struct RowStore {
    std::vector<Cell> cells;  // sorted by column
    std::optional<quint32> xf;  // a format given to the whole row
    std::optional<double> height;  // points, when set by hand
};

class CellStore {
public:
    Cell* find(int row, int col);
    const Cell* find(int row, int col) const;
    // The cell in a row already looked up.
    static Cell* findIn(RowStore& row, int col);
    static const Cell* findIn(const RowStore& row, int col);
    // The cell, created with `xf` if it did not exist.
    Cell& obtain(int row, int col, quint32 xf);
    void erase(const CellRect& rect);

    static constexpr int kRowsPerPage = 256;

    // The row, or null when no row of its page was ever written.
    RowStore* row(int r)
    {
        const std::size_t p = std::size_t(r) / kRowsPerPage;
        return r >= 0 && p < pages_.size() && pages_[p] ? &(*pages_[p])[std::size_t(r) % kRowsPerPage] : nullptr;
    }
    const RowStore* row(int r) const { return const_cast<CellStore*>(this)->row(r); }
    RowStore& obtainRow(int r);
    std::size_t pageCount() const;

    // Calls f(row, rowStore) for every row from first to last on a stored
    // page, in order; rows never written are empty.
    template <typename F>
    void forEachRow(int first, int last, F&& f)
    {
        first = qMax(first, 0);
        last = qMin(last, int(pages_.size()) * kRowsPerPage - 1);
        for (int r = first; r <= last;) {
            const std::size_t p = std::size_t(r) / kRowsPerPage;
            const int pageEnd = qMin(last, int(p + 1) * kRowsPerPage - 1);
            if (Page* page = pages_[p].get())
                for (; r <= pageEnd; ++r)
                    f(r, (*page)[std::size_t(r) % kRowsPerPage]);
            r = pageEnd + 1;
        }
    }
    template <typename F>
    void forEachRow(int first, int last, F&& f) const
    {
        const_cast<CellStore*>(this)->forEachRow(first, last, [&](int r, const RowStore& row) { f(r, row); });
    }

    // Calls f(row, cell) for every stored cell inside rect, row by row.
    template <typename F>
    void forEach(const CellRect& rect, F&& f)
    {
        forEachRow(rect.top, rect.bottom, [&](int r, RowStore& row) {
            auto& cells = row.cells;
            for (auto it = lowerBound(cells, rect.left); it != cells.end() && it->col <= rect.right; ++it)
                f(r, *it);
        });
    }
    template <typename F>
    void forEach(const CellRect& rect, F&& f) const
    {
        const_cast<CellStore*>(this)->forEach(rect, [&](int r, const Cell& c) { f(r, c); });
    }

    std::optional<CellRect> bounds() const;
    std::size_t cellCount() const;

private:
    static std::vector<Cell>::iterator lowerBound(std::vector<Cell>& cells, int col);
    using Page = std::array<RowStore, kRowsPerPage>;
    std::vector<std::unique_ptr<Page>> pages_;  // by row / kRowsPerPage; null where nothing was written
};

}  // namespace jubilo::spreadsheet
