#include "spreadsheet/picture/page_pdf.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_drawing.h"

#include <QPdfWriter>

namespace jubilo::spreadsheet::picture {

namespace {

void cannotWrite(const QIODevice& device)
{
    throw SpreadsheetError(QStringLiteral("The PDF could not be written: %1").arg(device.errorString()));
}

}  // namespace

void writeSheetPdf(Worksheet& sheet, QIODevice& device, const QDateTime& printedAt)
{
    const PageDrawing pages(sheet, printedAt);
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly))
        cannotWrite(device);
    if (!device.isWritable())
        cannotWrite(device);
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setTitle(sheet.name());
    writer.setCreator(QStringLiteral("Jubilo"));
    if (!writer.setPageLayout(pages.paperLayout()))
        throw SpreadsheetError(QStringLiteral("The PDF could not take the page setup's paper"));
    QPainter painter;
    if (!painter.begin(&writer))
        cannotWrite(device);
    const double dotsPerPoint = kPdfResolution / 72.0;
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        pages.paintPage(painter, i, dotsPerPoint);
    }
    if (!painter.end())
        cannotWrite(device);
}

}  // namespace jubilo::spreadsheet::picture
