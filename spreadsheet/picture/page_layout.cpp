#include "spreadsheet/picture/page_layout.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_limits.h"
#include "spreadsheet/picture/picture_limits_p.h"

#include <QPageSize>

#include <algorithm>
#include <cmath>
#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;
// Rounding slack, so a range measured to fit exactly still does.
constexpr double kSlack = 1e-6;

int pageCount(const std::vector<int>& bounds, double pointsPerPixel, double pagePoints)
{
    return int(pageBreaks(bounds, pointsPerPixel, pagePoints).size()) - 1;
}

bool fits(const RangeGeometry& g, const PageLayout& layout, int percent, int wide, int tall)
{
    const double ppp = kPointsPerPixel * percent / 100.0;
    return (wide == 0 || pageCount(g.x, ppp, layout.printable.width()) <= wide)
        && (tall == 0 || pageCount(g.y, ppp, layout.printable.height()) <= tall);
}

// The largest whole percent from 10 to 100 whose pages fit; page counts
// only grow with the scale, so a binary search finds it.
int fittedPercent(const RangeGeometry& g, const PageLayout& layout, int wide, int tall)
{
    if (wide == 0 && tall == 0)
        return 100;
    int low = kMinFittedPercent, high = 100;
    if (fits(g, layout, high, wide, tall))
        return 100;
    while (low + 1 < high) {
        const int mid = (low + high) / 2;
        (fits(g, layout, mid, wide, tall) ? low : high) = mid;
    }
    return low;
}

// The pages asked, unless fitting them would print smaller than can be
// read: then the width alone, the rows running over as many pages as they
// need. The page setup itself stays as the workbook has it.
double fittedScale(const RangeGeometry& g, const PageLayout& layout, int wide, int tall)
{
    const int percent = fittedPercent(g, layout, wide, tall);
    if (percent >= kMinLegibleFitPercent || tall == 0)
        return percent / 100.0;
    return fittedPercent(g, layout, wide, 0) / 100.0;
}

void placePages(const RangeGeometry& g, const PageSetup& setup, PageLayout& layout)
{
    const double ppp = kPointsPerPixel * layout.scale;
    const std::vector<int> across = pageBreaks(g.x, ppp, layout.printable.width());
    const std::vector<int> down = pageBreaks(g.y, ppp, layout.printable.height());
    layout.pagesWide = int(across.size()) - 1;
    layout.pagesTall = int(down.size()) - 1;
    checkPageCount(layout.pagesWide, layout.pagesTall);
    const auto add = [&](int i, int j) {
        const QRect part(QPoint(g.x[across[i]], g.y[down[j]]),
                         QPoint(g.x[across[i + 1]], g.y[down[j + 1]]));  // the closing lines included
        const QSizeF size(part.width() * ppp, part.height() * ppp);
        const QRectF& p = layout.printable;
        const double left
            = setup.centerHorizontally() ? p.left() + std::max(0.0, (p.width() - size.width()) / 2) : p.left();
        const double top
            = setup.centerVertically() ? p.top() + std::max(0.0, (p.height() - size.height()) / 2) : p.top();
        const CellRect cells{g.range.top + down[j], g.range.left + across[i], g.range.top + down[j + 1] - 1,
                             g.range.left + across[i + 1] - 1};
        layout.pages.push_back({cells, part, QRectF(QPointF(left, top), size)});
    };
    layout.pages.reserve(std::size_t(layout.pagesWide) * std::size_t(layout.pagesTall));
    const bool downThenOver = setup.order() == xl::kDownThenOver;
    for (int outer = 0; outer < (downThenOver ? layout.pagesWide : layout.pagesTall); ++outer)
        for (int inner = 0; inner < (downThenOver ? layout.pagesTall : layout.pagesWide); ++inner)
            downThenOver ? add(outer, inner) : add(inner, outer);
}

}  // namespace

QSizeF paperPoints(int xlPaperSize)
{
    QPageSize size(QPageSize::id(xlPaperSize));
    if (!size.isValid() || size.id() == QPageSize::Custom)
        size = QPageSize(QPageSize::Letter);
    return size.definitionSize().isEmpty() ? QSizeF(612, 792) : size.size(QPageSize::Point);
}

CellRect printedRange(const Worksheet& sheet)
{
    const QString area = sheet.pageSetup().printArea();
    return area.isEmpty() ? sheet.usedRange() : parseA1Range(area);
}

std::vector<int> pageBreaks(const std::vector<int>& bounds, double pointsPerPixel, double pagePoints)
{
    std::vector<int> breaks{0};
    const int end = int(bounds.size()) - 1;
    const double limit = pagePoints / pointsPerPixel + kSlack;
    for (int start = 0; start < end;) {
        // The first boundary past the page, found by binary search.
        const auto past = std::upper_bound(bounds.begin() + start + 1, bounds.end(), bounds[start] + limit - 1,
                                           [](double at, int bound) { return at < bound; });
        start = std::max(start + 1, int(past - bounds.begin()) - 1);
        breaks.push_back(start);
    }
    return breaks;
}

PageLayout layoutPages(const PageSetup& setup, const RangeGeometry& geometry)
{
    PageLayout layout;
    layout.paper = paperPoints(setup.paperSize());
    if (setup.orientation() == xl::kLandscape)
        layout.paper.transpose();
    checkRoomToPrint(setup, layout.paper);
    layout.printable
        = QRectF(setup.leftMargin(), setup.topMargin(), layout.paper.width() - setup.leftMargin() - setup.rightMargin(),
                 layout.paper.height() - setup.topMargin() - setup.bottomMargin());
    layout.headerMargin = setup.headerMargin();
    layout.footerMargin = setup.footerMargin();
    layout.area = geometry.range;
    layout.scale = setup.zoom() ? *setup.zoom() / 100.0
                                : fittedScale(geometry, layout, setup.fitToPagesWide(), setup.fitToPagesTall());
    placePages(geometry, setup, layout);
    return layout;
}

PageLayout layoutPages(const Worksheet& sheet)
{
    const CellRect area = printedRange(sheet);
    checkOnGrid(area);
    const RangeGeometry geometry = measureRange(sheet, area, std::numeric_limits<int>::max());
    checkCellCount(geometry);
    return layoutPages(sheet.pageSetup(), geometry);
}

}  // namespace jubilo::spreadsheet::picture
