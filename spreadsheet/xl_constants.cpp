#include "spreadsheet/xl_constants.h"

#include "spreadsheet/error.h"
#include "spreadsheet/palette.h"

#include <utility>

namespace jubilo::spreadsheet::xl {

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
    {kGeneral, HAlign::General}, {kLeft, HAlign::Left}, {kCenter, HAlign::Center}, {kRight, HAlign::Right},
    {kFill, HAlign::Fill}, {kJustify, HAlign::Justify}, {kCenterAcrossSelection, HAlign::CenterAcross},
    {kDistributed, HAlign::Distributed},
};

const std::pair<int, VAlign> kVertical[] = {
    {kBottom, VAlign::Bottom}, {kTop, VAlign::Top}, {kCenter, VAlign::Center},
    {kJustify, VAlign::Justify}, {kDistributed, VAlign::Distributed},
};

// Thin weight for every style: the interface's default weight.
const std::pair<int, LineStyle> kLineStyles[] = {
    {kContinuous, LineStyle::Thin}, {kDash, LineStyle::Dashed}, {kDashDot, LineStyle::DashDot},
    {kDashDotDot, LineStyle::DashDotDot}, {kDot, LineStyle::Dotted}, {kDouble, LineStyle::Double},
    {kSlantDashDot, LineStyle::SlantDashDot}, {kLineStyleNone, LineStyle::None},
    // Read back only: heavier or finer variants of the same patterns.
    {kContinuous, LineStyle::Medium}, {kContinuous, LineStyle::Thick}, {kContinuous, LineStyle::Hair},
    {kDash, LineStyle::MediumDashed}, {kDashDot, LineStyle::MediumDashDot},
    {kDashDotDot, LineStyle::MediumDashDotDot},
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
    if (value == kColorIndexNone || value == kColorIndexAutomatic)
        return 0;
    if (value < 1 || value > kPaletteSize)
        throw SpreadsheetError(QStringLiteral("Colour index %1 is out of range (1 to 56)").arg(value));
    return quint8(value);
}

}  // namespace jubilo::spreadsheet::xl
