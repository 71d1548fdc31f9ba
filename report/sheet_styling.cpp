#include "report/sheet_styling.h"

#include "host/spreadsheet_host.h"

namespace jubilo {

namespace {

constexpr int kGreyLines = 48;

void selectUnlessEmpty(SpreadsheetHost& host, const QString& range)
{
    if (!range.isEmpty())
        host.range(range)->select();
}

}  // namespace

void setColumnWidth(SpreadsheetHost& host, const QString& columns, double width)
{
    host.columns(columns)->select();
    host.selection()->setColumnWidth(width);
}

void setRowHeight(SpreadsheetHost& host, const QString& rows, double height)
{
    host.rows(rows)->select();
    host.selection()->setRowHeight(height);
}

void fillRange(SpreadsheetHost& host, const QString& range, int colorIndex)
{
    selectUnlessEmpty(host, range);
    host.selection()->interior()->setColorIndex(colorIndex);
}

void putCell(SpreadsheetHost& host, const QString& range, const QString& value, bool merge)
{
    selectUnlessEmpty(host, range);
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

void drawBlockBorders(SpreadsheetHost& host, const QString& range, bool insideHorizontal, bool left, bool right,
                      bool top, bool bottom, bool insideVertical)
{
    selectUnlessEmpty(host, range);
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
