#include "spreadsheet/picture/range_picture.h"

#include "spreadsheet/picture/picture_limits_p.h"

namespace jubilo::spreadsheet::picture {

namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

}  // namespace

QImage drawRange(Worksheet& sheet, const CellRect& range, const PictureOptions& options)
{
    checkOnGrid(range);
    if (options.maxSide < 1)
        throw SpreadsheetError(QStringLiteral("A picture needs at least one pixel on each side"));
    const RangeGeometry geometry = measureRange(sheet, range, options.maxSide);
    checkPixelCount(geometry);
    const SheetDrawing drawing(sheet, geometry, options.gridlines);
    // The drawing covers every pixel, so the image needs no clearing first.
    QImage image(drawing.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    QPainter painter(&image);
    drawing.paint(painter, image.rect(), 1.0);
    return image;
}

}  // namespace jubilo::spreadsheet::picture
