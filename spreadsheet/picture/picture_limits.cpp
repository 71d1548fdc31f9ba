#include "spreadsheet/picture/picture_limits_p.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/picture/picture_limits.h"

#include <QLocale>

namespace jubilo::spreadsheet::picture {

namespace {

QString withSeparators(qint64 n) { return QLocale(QLocale::English).toString(n); }

}  // namespace

void checkOnGrid(const CellRect& range)
{
    if (range.top < 0 || range.left < 0 || range.bottom > kLastRow || range.right > kLastColumn
        || range.top > range.bottom || range.left > range.right)
        throw SpreadsheetError(QStringLiteral("The range to draw lies outside the sheet"));
}

void checkCellCount(const RangeGeometry& g)
{
    if (g.drawn.area() > kMaxPictureCells)
        throw PictureTooLarge(
            QStringLiteral("The picture of %1 would draw %2 cells; a picture draws at most %3")
                .arg(absoluteAddress(g.range), withSeparators(g.drawn.area()), withSeparators(kMaxPictureCells)));
}

void checkPixelCount(const RangeGeometry& g)
{
    const qint64 pixels = qint64(g.size.width()) * g.size.height();
    if (pixels > kMaxPicturePixels)
        throw PictureTooLarge(QStringLiteral("The picture of %1 would be %2 by %3 pixels; a picture holds at most %4")
                                  .arg(absoluteAddress(g.range), withSeparators(g.size.width()),
                                       withSeparators(g.size.height()), withSeparators(kMaxPicturePixels)));
}

}  // namespace jubilo::spreadsheet::picture
