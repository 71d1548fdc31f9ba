#include "spreadsheet/picture/border_strokes_p.h"

namespace jubilo::spreadsheet::picture {

Stroke strokeOf(LineStyle style)
{
    switch (style) {
    case LineStyle::Medium:
        return {2, {}, 0, false};
    case LineStyle::Thick:
        return {3, {}, 0, false};
    case LineStyle::Double:
        return {3, {}, 0, true};
    case LineStyle::Hair:
    case LineStyle::Dotted:
        return {1, {1, 1}, 2, false};
    case LineStyle::Dashed:
        return {1, {3, 1}, 2, false};
    case LineStyle::DashDot:
        return {1, {6, 2, 2, 2}, 4, false};
    case LineStyle::DashDotDot:
        return {1, {6, 2, 2, 2, 2, 2}, 6, false};
    case LineStyle::MediumDashed:
        return {2, {6, 2}, 2, false};
    case LineStyle::MediumDashDot:
        return {2, {6, 2, 2, 2}, 4, false};
    case LineStyle::MediumDashDotDot:
        return {2, {6, 2, 2, 2, 2, 2}, 6, false};
    case LineStyle::SlantDashDot:
        return {2, {8, 2, 2, 2}, 4, false};
    default:
        return {};
    }
}

}  // namespace jubilo::spreadsheet::picture
