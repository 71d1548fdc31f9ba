#pragma once
// The small steps the plan sheet is written with. Each acts on the host's
// current selection; a helper that takes cells selects them first, so the
// selection it leaves is what the next style step applies to. No cells
// (std::nullopt) keeps the current selection. Cells are named by number,
// as Cells(row, column) and Range(Cells(...), Cells(...)) name them, so no
// address text is built only for the host to read it back.

#include <QString>

#include <memory>
#include <optional>

namespace jubilo {

class HostRange;
class SpreadsheetHost;

// A rectangle of cells, 1-based and inclusive.
struct CellBlock {
    int top;
    int left;
    int bottom;
    int right;

    static CellBlock cell(int row, int column) { return {row, column, row, column}; }
    static CellBlock rowSpan(int row, int left, int right) { return {row, left, row, right}; }
    bool isCell() const { return top == bottom && left == right; }
};

// Cells(top, left), or Range(Cells(top, left), Cells(bottom, right)).
std::unique_ptr<HostRange> hostRange(SpreadsheetHost& host, const CellBlock& block);

void setColumnWidth(SpreadsheetHost& host, const QString& columns, double width);
// The height of rows first to last; the selection stays as it was.
void setRowHeight(SpreadsheetHost& host, int firstRow, int lastRow, double height);
void fillRange(SpreadsheetHost& host, const std::optional<CellBlock>& cells, int colorIndex);
// Writes `value` into the cells' top-left cell as typed input.
void putCell(SpreadsheetHost& host, const std::optional<CellBlock>& cells, const QString& value, bool merge);
void setFontLook(SpreadsheetHost& host, const QString& style, int size, int colorIndex);
void drawEdge(SpreadsheetHost& host, int edge);
void drawBlockBorders(SpreadsheetHost& host, const std::optional<CellBlock>& cells, bool insideHorizontal, bool left,
                      bool right, bool top, bool bottom, bool insideVertical);
// Half-inch margins, no header or footer margin, A4 portrait, one page.
void applyPageSetup(SpreadsheetHost& host, const QString& printArea);

}  // namespace jubilo
