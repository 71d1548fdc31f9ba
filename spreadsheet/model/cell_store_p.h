#pragma once
// Sparse cell storage: rows indexed directly, each holding only the cells
// written or formatted in it, sorted by column. Empty rows cost a few bytes,
// and nothing is stored for cells that were never touched.

#include "spreadsheet/formula/token_p.h"
#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

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
    // The cell, created with `xf` if it did not exist.
    Cell& obtain(int row, int col, quint32 xf);
    void erase(const CellRect& rect);

    RowStore* row(int r) { return r < int(rows_.size()) ? &rows_[r] : nullptr; }
    const RowStore* row(int r) const { return r < int(rows_.size()) ? &rows_[r] : nullptr; }
    RowStore& obtainRow(int r);
    // One past the last row that holds anything.
    int rowLimit() const { return int(rows_.size()); }

    // Calls f(row, cell) for every stored cell inside rect, row by row.
    template <typename F>
    void forEach(const CellRect& rect, F&& f)
    {
        const int last = qMin(rect.bottom, rowLimit() - 1);
        for (int r = rect.top; r <= last; ++r) {
            auto& cells = rows_[r].cells;
            for (auto it = lowerBound(cells, rect.left); it != cells.end() && it->col <= rect.right; ++it)
                f(r, *it);
        }
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
    std::vector<RowStore> rows_;
};

}  // namespace jubilo::spreadsheet
