#include "spreadsheet/model/page_setup.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"

#include <cmath>

namespace jubilo::spreadsheet {

namespace {

constexpr double kMaxMarginPoints = 49 * 72.0;  // the widest paper there is
constexpr int kMaxPaperSize = 118;
constexpr int kUserPaperSize = 256;

[[noreturn]] void outOfRange(const char* what, double value)
{
    throw SpreadsheetError(QStringLiteral("%1 %2 is out of range").arg(QLatin1String(what)).arg(value));
}

}  // namespace

void PageSetup::setPrintArea(const QString& area)
{
    printArea_ = area.trimmed().isEmpty() ? QString() : absoluteAddress(parseA1Range(area));
}

double PageSetup::margin(double points)
{
    if (!std::isfinite(points) || points < 0 || points > kMaxMarginPoints)
        outOfRange("Margin", points);
    return points;
}

int PageSetup::pageCount(int pages)
{
    if (pages < 0 || pages > 32767)
        outOfRange("Page count", pages);
    return pages;
}

void PageSetup::setPrintComments(int value)
{
    if (value != xl::kPrintNoComments && value != xl::kPrintInPlace && value != xl::kPrintSheetEnd)
        outOfRange("PrintComments value", value);
    printComments_ = value;
}

void PageSetup::setOrientation(int value)
{
    if (value != xl::kPortrait && value != xl::kLandscape)
        outOfRange("Orientation", value);
    orientation_ = value;
}

void PageSetup::setPaperSize(int value)
{
    if ((value < 1 || value > kMaxPaperSize) && value != kUserPaperSize)
        outOfRange("Paper size", value);
    paperSize_ = value;
}

void PageSetup::setOrder(int value)
{
    if (value != xl::kDownThenOver && value != xl::kOverThenDown)
        outOfRange("Order", value);
    order_ = value;
}

void PageSetup::setZoom(std::optional<int> percent)
{
    if (percent && (*percent < 10 || *percent > 400))
        outOfRange("Zoom", *percent);
    zoom_ = percent;
}

}  // namespace jubilo::spreadsheet
