#include "spreadsheet/picture/page_pdf.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_drawing.h"
#include "spreadsheet/picture/pdf_text_layer_p.h"

#include <QBuffer>
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
    // Written to memory first: the text layer goes on the end of Qt's file.
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QPdfWriter writer(&written);
    writer.setResolution(kPdfResolution);
    writer.setTitle(sheet.name());
    writer.setCreator(QStringLiteral("Jubilo"));
    if (!writer.setPageLayout(pages.paperLayout()))
        throw SpreadsheetError(QStringLiteral("The PDF could not take the page setup's paper"));
    QPainter painter;
    if (!painter.begin(&writer))
        cannotWrite(device);
    const double dotsPerPoint = kPdfResolution / 72.0;
    std::vector<CarriedTexts> carried(std::size_t(pages.pageCount()));
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        pages.paintPage(painter, i, dotsPerPoint, &carried[std::size_t(i)]);
    }
    if (!painter.end())
        cannotWrite(device);
    const QByteArray pdf
        = withTextLayer(written.data(), carried, writer.pageLayout().fullRectPoints().size(), dotsPerPoint);
    if (device.write(pdf) != pdf.size())
        cannotWrite(device);
}

}  // namespace jubilo::spreadsheet::picture
