#pragma once
// A sheet laid out on printed pages the way its page setup asks: the paper
// (its xlPaper number is the Windows paper number) in the orientation, the
// printable rectangle inside the margins, the print area (the used range
// when there is none) at the zoom or at the largest whole percent up to
// 100% that fits the pages wide and tall asked (at least 10%, as
// spreadsheet programs do; below 50% the width alone is fitted and the rows
// run over as many pages as they need), then cut at row and column
// boundaries into pages that fit the printable rectangle, in the setup's
// order (down, then over, or over, then down), each centred between the
// margins when the setup asks. Every size is in points; parts of the
// drawing are in its 96-dpi pixels at 100%.
//
// Headers and footers sit at their own margins from the paper's edges and
// do not move the body, which always starts at the top margin.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace jubilo::spreadsheet {
class PageSetup;
class Worksheet;
}  // namespace jubilo::spreadsheet

namespace jubilo::spreadsheet::picture {

// The smallest scale fitting to pages prints at.
inline constexpr int kMinFittedPercent = 10;
// Fitting both ways prints no smaller than this: a range that fits its
// pages only below it is fitted to the pages wide alone, readable, rather
// than shrunk to a strip on one page.
inline constexpr int kMinLegibleFitPercent = 50;

struct PrintedPage {
    CellRect cells;  // the rows and columns on the page
    QRect part;  // the part of the drawing, pixels at 100%
    QRectF placed;  // where the part lands on the paper, points
};

struct PageLayout {
    QSizeF paper;  // points, turned to the orientation
    QRectF printable;  // inside the margins
    double headerMargin = 0, footerMargin = 0;
    CellRect area;  // the range printed
    double scale = 1;  // 1 is 100%
    int pagesWide = 1, pagesTall = 1;
    std::vector<PrintedPage> pages;
};

// The paper in points, portrait; Letter for a number without a known size.
QSizeF paperPoints(int xlPaperSize);

// The print area, or the used range when the sheet has none.
CellRect printedRange(const Worksheet& sheet);

// Lays out the range `geometry` measured (unlimited in size). Throws
// NoRoomToPrint or TooManyPages (page_limits.h) before placing any page.
PageLayout layoutPages(const PageSetup& setup, const RangeGeometry& geometry);
// Lays out the sheet's printed range, as its printed pages and PDF do.
// Throws PictureTooLarge for more than kMaxPictureCells cells, and what the
// other layoutPages throws.
PageLayout layoutPages(const Worksheet& sheet);

// Where pages start: indexes into `bounds` (the boundaries of the rows or
// columns, in pixels), each page holding as many whole rows or columns as
// fit `pagePoints` at `pointsPerPixel` and at least one; the last index is
// the end. The picture's closing boundary line counts on every page.
std::vector<int> pageBreaks(const std::vector<int>& bounds, double pointsPerPixel, double pagePoints);

}  // namespace jubilo::spreadsheet::picture
