#pragma once
// The small steps the plan sheet is written with. Each acts on the host's
// current selection; a helper that takes a range selects it first, so the
// selection it leaves is what the next style step applies to. An empty
// range text keeps the current selection.

#include <QString>

namespace jubilo {

class SpreadsheetHost;

void setColumnWidth(SpreadsheetHost& host, const QString& columns, double width);
void setRowHeight(SpreadsheetHost& host, const QString& rows, double height);
void fillRange(SpreadsheetHost& host, const QString& range, int colorIndex);
// Writes `value` into the range's top-left cell as typed input.
void putCell(SpreadsheetHost& host, const QString& range, const QString& value, bool merge);
void setFontLook(SpreadsheetHost& host, const QString& style, int size, int colorIndex);
void drawEdge(SpreadsheetHost& host, int edge);
void drawBlockBorders(SpreadsheetHost& host, const QString& range, bool insideHorizontal, bool left, bool right,
                      bool top, bool bottom, bool insideVertical);
// Half-inch margins, no header or footer margin, A4 portrait, one page.
void applyPageSetup(SpreadsheetHost& host, const QString& printArea);

}  // namespace jubilo
