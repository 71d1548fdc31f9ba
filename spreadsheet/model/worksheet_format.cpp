// Applying a format edit to a range. A whole sheet, whole columns and whole
// rows keep their format in one place each; a cell's format is its own if
// it has one, else its row's, else its column's, else the sheet's. Where a
// row format would hide a column edit (or the reverse), the crossing cells
// are given formats of their own first so the edit reaches them.

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <array>
#include <vector>

namespace jubilo::spreadsheet {

namespace {

constexpr qint64 kMaxCellsPerEdit = 4'000'000;
constexpr std::size_t kRememberedEdits = 16;

quint32 edgeBits(const Edges& e) { return e.top | e.bottom << 1 | e.left << 2 | e.right << 3; }

}  // namespace

quint32 Worksheet::effectiveXf(int row, int col) const
{
    if (const RowStore* r = cells_.row(row)) {
        if (const Cell* cell = CellStore::findIn(*r, col))
            return cell->xf;
        if (r->xf)
            return *r->xf;
    }
    return columns_[col].xf.value_or(sheetXf_);
}

const CellFormat& Worksheet::effectiveFormat(int row, int col) const
{
    return workbook().formats().format(effectiveXf(row, col));
}

Cell& Worksheet::materialise(int row, int col)
{
    if (Cell* cell = cells_.find(row, col))
        return *cell;
    return cells_.obtain(row, col, effectiveXf(row, col));
}

namespace {

// Many cells share a format; edit each distinct one once. A range rarely
// holds more than a few, so a short list beats a hash table.
class RememberedEdit {
public:
    RememberedEdit(FormatTable& table, const FormatEdit& edit, quint32 setter)
        : table_(table)
        , edit_(edit)
        , setter_(setter)
    {
    }

    quint32 operator()(quint32 xf, const Edges& edges)
    {
        const quint64 key = quint64(xf) << 4 | edgeBits(edges);
        for (std::size_t i = 0; i < remembered_; ++i)
            if (keys_[i] == key)
                return results_[i];
        static_assert(quint32(FormatSetter::NumberFormat) < 16, "a setter key fits above a format index and edges");
        const quint64 tableKey = quint64(setter_) << 36 | key;
        const quint32* known = setter_ ? table_.rememberedEdit(tableKey) : nullptr;
        const quint32 result = known ? *known : compute(xf, edges);
        if (setter_ && !known)
            table_.rememberEdit(tableKey, result);
        if (remembered_ < kRememberedEdits) {
            keys_[remembered_] = key;
            results_[remembered_++] = result;
        }
        return result;
    }

private:
    quint32 compute(quint32 xf, const Edges& edges)
    {
        CellFormat f = table_.format(xf);
        edit_(f, edges);
        return table_.intern(f);
    }

    FormatTable& table_;
    const FormatEdit& edit_;
    quint32 setter_;
    std::array<quint64, kRememberedEdits> keys_;
    std::array<quint32, kRememberedEdits> results_;
    std::size_t remembered_ = 0;
};

}  // namespace

void Worksheet::editFormat(const CellRect& rect, const FormatEdit& edit, bool edgeSensitive, quint32 key)
{
    RememberedEdit remembered(workbook().formats(), edit, key);
    // One reference: small enough for std::function to hold without allocating.
    const auto apply = [&remembered](quint32 xf, const Edges& edges) { return remembered(xf, edges); };
    if (rect.spansAllRows() && rect.spansAllColumns())
        editSheet(apply, edgeSensitive);
    else if (rect.spansAllRows())
        editColumns(rect, apply, edgeSensitive);
    else if (rect.spansAllColumns())
        editRows(rect, apply, edgeSensitive);
    else
        editCells(rect, apply);
}

void Worksheet::editSheet(const std::function<quint32(quint32, const Edges&)>& apply, bool edgeSensitive)
{
    const CellRect all = CellRect::sheet();
    if (edgeSensitive) {
        // The outer rows and columns need formats of their own, and so do
        // the cells where a formatted row meets an outer column.
        for (int r : {0, kLastRow})
            if (!cells_.obtainRow(r).xf)
                cells_.obtainRow(r).xf = sheetXf_;
        for (int c : {0, kLastColumn})
            if (!columns_[c].xf)
                columns_[c].xf = sheetXf_;
        cells_.forEachRow(0, kLastRow, [&](int r, const RowStore& row) {
            if (row.xf)
                for (int c : {0, kLastColumn})
                    materialise(r, c);
        });
        for (int c = 0; c < kColumnCount; ++c)
            if (columns_[c].xf)
                for (int r : {0, kLastRow})
                    materialise(r, c);
    }
    sheetXf_ = apply(sheetXf_, {});
    cells_.forEachRow(0, kLastRow, [&](int r, RowStore& row) {
        if (auto& xf = row.xf)
            xf = apply(*xf, {r == 0, r == kLastRow, false, false});
    });
    for (int c = 0; c < kColumnCount; ++c)
        if (auto& xf = columns_[c].xf)
            xf = apply(*xf, {false, false, c == 0, c == kLastColumn});
    cells_.forEach(all, [&](int r, Cell& cell) {
        cell.xf = apply(cell.xf, {r == 0, r == kLastRow, cell.col == 0, cell.col == kLastColumn});
    });
}

void Worksheet::editColumns(const CellRect& rect, const std::function<quint32(quint32, const Edges&)>& apply,
                            bool edgeSensitive)
{
    cells_.forEachRow(0, kLastRow, [&](int r, const RowStore& row) {
        if (row.xf)
            for (int c = rect.left; c <= rect.right; ++c)
                materialise(r, c);
    });
    if (edgeSensitive)
        for (int c = rect.left; c <= rect.right; ++c)
            materialise(0, c), materialise(kLastRow, c);
    for (int c = rect.left; c <= rect.right; ++c)
        columns_[c].xf = apply(columns_[c].xf.value_or(sheetXf_), {false, false, c == rect.left, c == rect.right});
    cells_.forEach(rect, [&](int r, Cell& cell) {
        cell.xf = apply(cell.xf, {r == 0, r == kLastRow, cell.col == rect.left, cell.col == rect.right});
    });
}

void Worksheet::editRows(const CellRect& rect, const std::function<quint32(quint32, const Edges&)>& apply,
                         bool edgeSensitive)
{
    std::vector<int> formattedColumns;
    for (int c = 0; c < kColumnCount; ++c)
        if (columns_[c].xf)
            formattedColumns.push_back(c);
    for (int r = rect.top; r <= rect.bottom; ++r) {
        if (!cells_.obtainRow(r).xf)
            for (int c : formattedColumns)
                materialise(r, c);
        if (edgeSensitive)
            materialise(r, 0), materialise(r, kLastColumn);
    }
    for (int r = rect.top; r <= rect.bottom; ++r) {
        auto& xf = cells_.obtainRow(r).xf;
        xf = apply(xf.value_or(sheetXf_), {r == rect.top, r == rect.bottom, false, false});
    }
    cells_.forEach(rect, [&](int r, Cell& cell) {
        cell.xf = apply(cell.xf, {r == rect.top, r == rect.bottom, cell.col == 0, cell.col == kLastColumn});
    });
}

void Worksheet::editCells(const CellRect& rect, const std::function<quint32(quint32, const Edges&)>& apply)
{
    if (rect.area() > kMaxCellsPerEdit)
        throw SpreadsheetError(QStringLiteral("The range is too large to format cell by cell; "
                                              "format whole rows or columns instead"));
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            Cell& cell = materialise(r, c);
            cell.xf = apply(cell.xf, {r == rect.top, r == rect.bottom, c == rect.left, c == rect.right});
        }
    }
}

}  // namespace jubilo::spreadsheet
