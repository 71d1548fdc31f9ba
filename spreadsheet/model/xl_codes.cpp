#include "spreadsheet/model/xl_codes.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/format/palette.h"

#include <utility>

namespace jubilo::spreadsheet {

namespace {

template <typename Code, std::size_t N>
Code fromXl(const std::pair<int, Code> (&table)[N], int value, const char* what)
{
    for (const auto& [xl, code] : table)
        if (xl == value)
            return code;
    throw SpreadsheetError(QStringLiteral("%1 %2 is not a valid setting").arg(QLatin1String(what)).arg(value));
}

template <typename Code, std::size_t N>
int toXl(const std::pair<int, Code> (&table)[N], Code code)
{
    for (const auto& [xl, c] : table)
        if (c == code)
            return xl;
    return table[0].first;
}

const std::pair<int, HAlign> kHorizontal[] = {
    {xl::kGeneral, HAlign::General},
    {xl::kLeft, HAlign::Left},
    {xl::kCenter, HAlign::Center},
    {xl::kRight, HAlign::Right},
    {xl::kFill, HAlign::Fill},
    {xl::kJustify, HAlign::Justify},
    {xl::kCenterAcrossSelection, HAlign::CenterAcross},
    {xl::kDistributed, HAlign::Distributed},
};

const std::pair<int, VAlign> kVertical[] = {
    {xl::kBottom, VAlign::Bottom},           {xl::kTop, VAlign::Top},
    {xl::kCenter, VAlign::Center},           {xl::kJustify, VAlign::Justify},
    {xl::kDistributed, VAlign::Distributed},
};

// Thin weight for every style: the interface's default weight.
const std::pair<int, LineStyle> kLineStyles[] = {
    {xl::kContinuous, LineStyle::Thin},
    {xl::kDash, LineStyle::Dashed},
    {xl::kDashDot, LineStyle::DashDot},
    {xl::kDashDotDot, LineStyle::DashDotDot},
    {xl::kDot, LineStyle::Dotted},
    {xl::kDouble, LineStyle::Double},
    {xl::kSlantDashDot, LineStyle::SlantDashDot},
    {xl::kLineStyleNone, LineStyle::None},
    // Read back only: heavier or finer variants of the same patterns.
    {xl::kContinuous, LineStyle::Medium},
    {xl::kContinuous, LineStyle::Thick},
    {xl::kContinuous, LineStyle::Hair},
    {xl::kDash, LineStyle::MediumDashed},
    {xl::kDashDot, LineStyle::MediumDashDot},
    {xl::kDashDotDot, LineStyle::MediumDashDotDot},
};

}  // namespace

HAlign horizontalFromXl(int value) { return fromXl(kHorizontal, value, "Horizontal alignment"); }
int horizontalToXl(HAlign a) { return toXl(kHorizontal, a); }
VAlign verticalFromXl(int value) { return fromXl(kVertical, value, "Vertical alignment"); }
int verticalToXl(VAlign a) { return toXl(kVertical, a); }
LineStyle lineStyleFromXl(int value) { return fromXl(kLineStyles, value, "Line style"); }
int lineStyleToXl(LineStyle s) { return toXl(kLineStyles, s); }

quint8 colorIndexFromXl(int value)
{
    if (value == xl::kColorIndexNone || value == xl::kColorIndexAutomatic)
        return 0;
    if (value < 1 || value > kPaletteSize)
        throw SpreadsheetError(
            QStringLiteral("Colour index %1 is out of range (1 to %2)").arg(value).arg(kPaletteSize));
    return quint8(value);
}

}  // namespace jubilo::spreadsheet
