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

// The section a code letter after '&' starts, or -1.
int sectionOf(QChar c)
{
    switch (c.toUpper().unicode()) {
    case u'L':
        return kLeftSection;
    case u'C':
        return kCenterSection;
    case u'R':
        return kRightSection;
    default:
        return -1;
    }
}

// A section without a lone '&' at its end, which would join the next code.
QString withoutDanglingAmpersand(QString text)
{
    qsizetype run = 0;
    while (run < text.size() && text[text.size() - 1 - run] == u'&')
        ++run;
    if (run % 2 == 1)
        text.chop(1);
    return text;
}

}  // namespace

HeaderSections splitHeaderSections(const QString& text)
{
    HeaderSections sections;
    int section = kCenterSection;
    qsizetype from = 0;  // where the current section's text starts
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        const QChar code = text[i + 1];
        if (code == u'"') {  // a font name may hold anything up to its quote
            const qsizetype close = text.indexOf(u'"', i + 2);
            i = close < 0 ? text.size() : close;
        } else if (const int next = sectionOf(code); next >= 0) {
            sections[std::size_t(section)] += text.mid(from, i - from);
            section = next;
            from = i + 2;
            ++i;
        } else {
            ++i;  // "&&" and every other code stay in the section
        }
    }
    sections[std::size_t(section)] += text.mid(from);
    return sections;
}

QString joinHeaderSections(const HeaderSections& sections)
{
    static const char* const codes[] = {"&L", "&C", "&R"};
    QString text;
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (!sections[i].isEmpty())
            text += QLatin1String(codes[i]) + withoutDanglingAmpersand(sections[i]);
    return text;
}

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

QString PageSetup::headerText(const QString& text)
{
    if (text.size() > kMaxHeaderFooterLength)
        throw SpreadsheetError(QStringLiteral("A header or footer holds at most %1 characters, not %2")
                                   .arg(kMaxHeaderFooterLength)
                                   .arg(text.size()));
    return text;
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
