#include "spreadsheet/picture/page_drawing.h"

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/cell_fonts_p.h"

#include <cmath>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;

int scaled(int pixels, double factor) { return int(std::lround(pixels * factor)); }

// Each page's header and footer, read and placed.
std::vector<PlacedTexts> placedHeaders(const Worksheet& sheet, const PageLayout& layout, const QDateTime& printedAt)
{
    const PageSetup& setup = sheet.pageSetup();
    std::vector<PlacedTexts> placed(layout.pages.size());
    if (setup.header().isEmpty() && setup.footer().isEmpty())
        return placed;
    registerFontSubstitutes();
    const Workbook& book = sheet.workbook();
    const FormatTable& formats = book.formats();
    const Font& font = formats.font(formats.format(0).font);
    HeaderValues values{1,
                        int(layout.pages.size()),
                        printedAt,
                        book.locale(),
                        book.name(),
                        sheet.name(),
                        HeaderFont{font.name, font.height / 20.0}};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        values.page = int(i) + 1;
        placed[i] = placeHeaderTexts(readHeaderText(setup.header(), values), readHeaderText(setup.footer(), values),
                                     values.font, layout);
    }
    return placed;
}

}  // namespace

PageDrawing::PageDrawing(Worksheet& sheet, const QDateTime& printedAt)
    : layout_(layoutPages(sheet))
{
    drawings_.reserve(layout_.pages.size());
    for (const PrintedPage& page : layout_.pages)
        drawings_.emplace_back(sheet, page.cells, false, TextShapes::Kept);
    headers_ = placedHeaders(sheet, layout_, printedAt);
}

void PageDrawing::paintPage(QPainter& painter, int index, double dotsPerPoint, CarriedPage* carried) const
{
    const PrintedPage& page = layout_.pages.at(std::size_t(index));
    const QRectF printable(layout_.printable.topLeft() * dotsPerPoint, layout_.printable.size() * dotsPerPoint);
    // Drawing pixels to painter units.
    const double factor = layout_.scale * kPointsPerPixel * dotsPerPoint;
    const QRect area(0, 0, scaled(page.part.width(), factor), scaled(page.part.height(), factor));
    const QPointF origin = page.placed.topLeft() * dotsPerPoint;
    painter.save();
    painter.setClipRect(printable, Qt::IntersectClip);
    painter.translate(std::round(origin.x()), std::round(origin.y()));
    drawings_[std::size_t(index)].paint(painter, area, factor, carried);
    painter.restore();
    paintPlacedTexts(painter, headers_[std::size_t(index)], dotsPerPoint);
}

QPageLayout PageDrawing::paperLayout() const
{
    const QSizeF paper = layout_.paper;
    const bool landscape = paper.width() > paper.height();
    const QSizeF portrait = landscape ? paper.transposed() : paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
}

}  // namespace jubilo::spreadsheet::picture
