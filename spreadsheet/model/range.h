#pragma once
// A rectangle of a sheet as automation code handles it: selected, written,
// read and styled as one. A Range is a light value; it refers to its sheet
// weakly and fails cleanly once the sheet is gone.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

#include <QString>

#include <memory>

namespace jubilo::spreadsheet {

class Worksheet;
class RangeFont;
class RangeInterior;
class RangeBorder;

// What Count and Item walk: cells, rows or columns.
enum class RangeKind { Cells, Rows, Columns };

class Range {
public:
    Range(const std::shared_ptr<Worksheet>& sheet, const CellRect& rect, RangeKind kind = RangeKind::Cells);

    // Cells(row, column) of the sheet, 1-based; throws off the grid.
    static Range cell(const std::shared_ptr<Worksheet>& sheet, int row, int column);
    // Range(cell1, cell2): the smallest rectangle holding both ranges, which
    // must lie on `sheet`.
    static Range spanning(const std::shared_ptr<Worksheet>& sheet, const Range& cell1, const Range& cell2);

    std::shared_ptr<Worksheet> worksheet() const;  // throws when gone
    const CellRect& rect() const { return rect_; }
    QString address() const;

    void select() const;
    void merge() const;
    void clear() const;

    // Typed input into every cell of the range.
    void setFormulaR1C1(const QString& text) const;
    // Of the top-left cell.
    QString formulaR1C1() const;
    Value value() const;
    QString text() const;

    RangeFont font() const;
    RangeInterior interior() const;
    // 7 to 12: the four edges and the inside lines (xlEdgeLeft .. xlInsideHorizontal).
    RangeBorder borders(int index) const;

    // Format reads answer for the top-left cell.
    void setHorizontalAlignment(int xl) const;
    int horizontalAlignment() const;
    void setVerticalAlignment(int xl) const;
    int verticalAlignment() const;
    void setIndentLevel(int level) const;
    int indentLevel() const;
    void setWrapText(bool wrap) const;
    bool wrapText() const;
    void setNumberFormat(const QString& code) const;
    QString numberFormat() const;

    void setColumnWidth(double width) const;
    double columnWidth() const;
    void setRowHeight(double points) const;
    double rowHeight() const;

    Range rows() const { return {sheet_.lock(), rect_, RangeKind::Rows}; }
    Range columns() const { return {sheet_.lock(), rect_, RangeKind::Columns}; }
    int count() const;
    // 1-based: the i-th cell (row by row), row or column, by kind.
    Range item(int index) const;
    int row() const { return rect_.top + 1; }
    int column() const { return rect_.left + 1; }

private:
    std::weak_ptr<Worksheet> sheet_;
    CellRect rect_;
    RangeKind kind_;
};

}  // namespace jubilo::spreadsheet
