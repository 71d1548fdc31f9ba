#include "report/sheet_styling.h"

#include "host/interface/spreadsheet_host.h"

namespace jubilo {

namespace {

constexpr int kGreyLines = 48;

void selectUnlessEmpty(SpreadsheetHost& host, const std::optional<CellBlock>& cells)
{
    if (cells)
        hostRange(host, *cells)->select();
}

}  // namespace

std::unique_ptr<HostRange> hostRange(SpreadsheetHost& host, const CellBlock& block)
{
    if (block.isCell())
        return host.cells(block.top, block.left);
    return host.range(*host.cells(block.top, block.left), *host.cells(block.bottom, block.right));
}

void setColumnWidth(SpreadsheetHost& host, const QString& columns, double width)
{
    host.columns(columns)->select();
    host.selection()->setColumnWidth(width);
}

// A range's RowHeight is its rows': the first column's cells name them
// without selecting, or probing, whole rows.
void setRowHeight(SpreadsheetHost& host, int firstRow, int lastRow, double height)
{
    hostRange(host, {firstRow, 1, lastRow, 1})->setRowHeight(height);
}

void fillRange(SpreadsheetHost& host, const std::optional<CellBlock>& cells, int colorIndex)
{
    selectUnlessEmpty(host, cells);
    host.selection()->interior()->setColorIndex(colorIndex);
}

void putCell(SpreadsheetHost& host, const std::optional<CellBlock>& cells, const QString& value, bool merge)
{
    selectUnlessEmpty(host, cells);
    host.activeCell()->setFormulaR1C1(value);
    if (merge)
        host.selection()->merge();
}

void setFontLook(SpreadsheetHost& host, const QString& style, int size, int colorIndex)
{
    const auto font = host.selection()->font();
    font->setFontStyle(style);
    font->setSize(size);
    font->setColorIndex(colorIndex);
}

void drawEdge(SpreadsheetHost& host, int edge) { host.selection()->borders(edge)->setLineStyle(xl::kContinuous); }

void drawBlockBorders(SpreadsheetHost& host, const std::optional<CellBlock>& cells, bool insideHorizontal, bool left,
                      bool right, bool top, bool bottom, bool insideVertical)
{
    selectUnlessEmpty(host, cells);
    if (left)
        drawEdge(host, xl::kEdgeLeft);
    if (top)
        drawEdge(host, xl::kEdgeTop);
    if (bottom)
        drawEdge(host, xl::kEdgeBottom);
    if (right)
        drawEdge(host, xl::kEdgeRight);
    if (insideHorizontal)
        drawEdge(host, xl::kInsideHorizontal);
    if (insideVertical) {
        const auto lines = host.selection()->borders(xl::kInsideVertical);
        lines->setLineStyle(xl::kContinuous);
        lines->setColorIndex(kGreyLines);
    }
}

void applyPageSetup(SpreadsheetHost& host, const QString& printArea)
{
    const auto setup = host.activeSheet()->pageSetup();
    setup->setPrintArea(printArea);
    const double halfInch = host.inchesToPoints(0.5);
    setup->setLeftMargin(halfInch);
    setup->setRightMargin(halfInch);
    setup->setTopMargin(halfInch);
    setup->setBottomMargin(halfInch);
    setup->setHeaderMargin(host.inchesToPoints(0));
    setup->setFooterMargin(host.inchesToPoints(0));
    setup->setPrintComments(xl::kPrintNoComments);
    setup->setOrientation(xl::kPortrait);
    setup->setPaperSize(xl::kPaperA4);
    setup->setZoom(false);
    setup->setFitToPagesWide(1);
    setup->setFitToPagesTall(1);
}

}  // namespace jubilo
