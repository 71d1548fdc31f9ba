#include "spreadsheet/picture/page_pdf.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_drawing.h"
#include "spreadsheet/picture/pdf_text_layer_p.h"

#include <QBuffer>
#include <QPdfWriter>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr double kDotsPerPoint = kPdfResolution / 72.0;

void cannotWrite(const QIODevice& device)
{
    throw SpreadsheetError(QStringLiteral("The PDF could not be written: %1").arg(device.errorString()));
}

}  // namespace

namespace {

// The pages as Qt's PDF writer writes them, into memory; with `carried`,
// the lines of text a PDF would not give back go there instead. Empty when
// painting failed.
QByteArray paintedPdf(const PageDrawing& pages, const QString& title, std::vector<CarriedPage>* carried)
{
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QPdfWriter writer(&written);
    writer.setResolution(kPdfResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Jubilo"));
    if (!writer.setPageLayout(pages.paperLayout()))
        throw SpreadsheetError(QStringLiteral("The PDF could not take the page setup's paper"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        pages.paintPage(painter, i, kDotsPerPoint, carried ? &(*carried)[std::size_t(i)] : nullptr);
    }
    return painter.end() ? written.data() : QByteArray();
}

}  // namespace

void writeSheetPdf(Worksheet& sheet, QIODevice& device, const QDateTime& printedAt)
{
    const PageDrawing pages(sheet, printedAt);
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly))
        cannotWrite(device);
    if (!device.isWritable())
        cannotWrite(device);
    CarriedOutlines outlines;
    std::vector<CarriedPage> carried(std::size_t(pages.pageCount()), CarriedPage{&outlines, {}});
    QByteArray pdf = paintedPdf(pages, sheet.name(), &carried);
    // Should the layer not fit Qt's file, Qt draws every line itself.
    if (const auto layered
        = withTextLayer(pdf, outlines, carried, pages.paperLayout().fullRectPoints().size(), kDotsPerPoint))
        pdf = *layered;
    else
        pdf = paintedPdf(pages, sheet.name(), nullptr);
    if (pdf.isEmpty() || device.write(pdf) != pdf.size())
        cannotWrite(device);
}

}  // namespace jubilo::spreadsheet::picture
