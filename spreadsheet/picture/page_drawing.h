#pragma once
// A sheet's printed pages (see page_layout.h) as vectors: each page is a
// drawing of its own cells painted at the page scale, clipped to the
// printable rectangle, so text stays text and lines stay lines on any
// device, and no text of a cell on another page is written, even where the
// clip would hide it. Gridlines do not print. Texts are shaped once, while
// the pages are laid out. The page setup's header and footer print on every
// page (see page_header.h), read once for each page when it is made.

#include "spreadsheet/picture/page_header_drawing_p.h"
#include "spreadsheet/picture/page_layout.h"
#include "spreadsheet/picture/sheet_drawing.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPainter>

#include <vector>

namespace jubilo::spreadsheet::picture {

class PageDrawing {
public:
    // Formula cells are computed first. Throws PictureTooLarge for a printed
    // range of more than kMaxPictureCells cells, NoRoomToPrint or
    // TooManyPages (page_limits.h) before any page is laid out. `printedAt`
    // is the date and time headers and footers print.
    PageDrawing(Worksheet& sheet, const QDateTime& printedAt);

    const PageLayout& layout() const { return layout_; }
    int pageCount() const { return int(layout_.pages.size()); }
    // The paper and its orientation, without margins (the pages hold their
    // own), as a printer or PDF writer takes it.
    QPageLayout paperLayout() const;

    // Paints page `index` (0-based) with the paper's top left at the
    // painter's origin, `dotsPerPoint` painter units to a point. For a PDF,
    // `carried` takes the lines of its text layer (see SheetDrawing::paint).
    void paintPage(QPainter& painter, int index, double dotsPerPoint, CarriedPage* carried = nullptr) const;

private:
    PageLayout layout_;
    std::vector<SheetDrawing> drawings_;  // one a page
    std::vector<PlacedTexts> headers_;  // a page's header and footer
};

}  // namespace jubilo::spreadsheet::picture
