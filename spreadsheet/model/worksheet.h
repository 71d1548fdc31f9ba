#pragma once
// One sheet of a workbook: its cells, the formats of whole rows, columns and
// the sheet itself (so styling "A:A" or every cell stores one format, not
// 65,536 cells), column widths, row heights, merges, selection and page setup.

#include "spreadsheet/format/cell_format.h"
#include "spreadsheet/model/cell_store_p.h"
#include "spreadsheet/model/merge_set_p.h"
#include "spreadsheet/model/page_setup.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace jubilo::spreadsheet {

class Workbook;

// Which outer edges of the styled range a cell (or row, or column) touches.
struct Edges {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

using FormatEdit = std::function<void(CellFormat&, const Edges&)>;

struct ColumnInfo {
    std::optional<quint32> xf;
    std::optional<double> width;  // character units, when set by hand
};

inline constexpr double kDefaultColumnWidth = 8.43;
inline constexpr double kDefaultRowHeight = 12.75;  // fits the default 10-point font

class Worksheet : public std::enable_shared_from_this<Worksheet> {
public:
    Worksheet(Workbook& book, const QString& name);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    // Throws once the sheet has been deleted or its workbook closed.
    Workbook& workbook() const;
    bool isAttached() const { return book_ != nullptr; }
    void detach() { book_ = nullptr; }

    QString name() const { return name_; }
    void setName(const QString& name);  // checked by the workbook
    void assignName(const QString& name) { name_ = name; }

    // Content.
    void setFormulaR1C1(int row, int col, const QString& text);
    QString formulaR1C1(int row, int col) const;
    Value value(int row, int col);
    QString text(int row, int col);
    void clear(const CellRect& rect);

    // Formats.
    quint32 effectiveXf(int row, int col) const;
    const CellFormat& effectiveFormat(int row, int col) const;
    // Edits the format of every cell in rect. Edge-sensitive edits (borders)
    // depend on where a cell lies in rect and are told so through Edges.
    // An edit that sets one member to one value may name itself with a
    // setterKey, so the workbook remembers its results across calls.
    void editFormat(const CellRect& rect, const FormatEdit& edit, bool edgeSensitive = false, quint32 key = 0);
    quint32 sheetXf() const { return sheetXf_; }
    const ColumnInfo& column(int col) const { return columns_[col]; }

    // Geometry.
    double columnWidth(int col) const;
    void setColumnWidth(int first, int last, double width);
    double rowHeight(int row) const;
    bool hasCustomHeight(int row) const;
    // Calls f(row, points) for each row from first to last that has a height
    // of its own, in order; every other row is kDefaultRowHeight high. Rows
    // never written are skipped a page at a time.
    template <typename F>
    void forEachCustomHeight(int first, int last, F&& f) const
    {
        cells_.forEachRow(first, last, [&](int r, const RowStore& row) {
            if (row.height)
                f(r, *row.height);
        });
    }
    void setRowHeight(int first, int last, double points);

    void merge(const CellRect& rect);
    const MergeSet& merges() const { return merges_; }

    // The selected range (widened to whole merged areas) and its first cell.
    CellRect selection() const { return selection_; }
    CellPos activeCell() const { return active_; }
    void select(const CellRect& rect);

    // Bounding box of every cell holding a value or a format of its own, and
    // of merged areas; A1 on an empty sheet.
    CellRect usedRange() const;

    PageSetup& pageSetup() { return pageSetup_; }
    const PageSetup& pageSetup() const { return pageSetup_; }
    const CellStore& cells() const { return cells_; }

private:
    friend struct SheetLoader;  // fills a sheet read from a file
    class View;
    void editSheet(const std::function<quint32(quint32, const Edges&)>& apply, bool edgeSensitive);
    void editColumns(const CellRect& r, const std::function<quint32(quint32, const Edges&)>& apply, bool edgeSensitive);
    void editRows(const CellRect& r, const std::function<quint32(quint32, const Edges&)>& apply, bool edgeSensitive);
    void editCells(const CellRect& r, const std::function<quint32(quint32, const Edges&)>& apply);
    Cell& materialise(int row, int col);
    void setNumberFormatIfGeneral(int row, int col, const QString& code, bool quotePrefix);
    void recalculate(int row, int col);

    Workbook* book_;
    QString name_;
    CellStore cells_;
    std::array<ColumnInfo, kColumnCount> columns_{};
    quint32 sheetXf_ = 0;
    MergeSet merges_;
    CellRect selection_ = CellRect::at(0, 0);
    CellPos active_;
    PageSetup pageSetup_;
    quint64 generation_ = 1;  // bumped on every change of content
};

}  // namespace jubilo::spreadsheet
