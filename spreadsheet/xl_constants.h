#pragma once
// The automation interface's constants for alignment, borders and colours,
// and their translation to the codes cell formats store.

#include "spreadsheet/cell_format.h"

#include <optional>

namespace jubilo::spreadsheet::xl {

inline constexpr int kGeneral = 1, kLeft = -4131, kCenter = -4108, kRight = -4152, kFill = 5;
inline constexpr int kJustify = -4130, kCenterAcrossSelection = 7, kDistributed = -4117;
inline constexpr int kTop = -4160, kBottom = -4107;

inline constexpr int kContinuous = 1, kDash = -4115, kDashDot = 4, kDashDotDot = 5, kDot = -4118;
inline constexpr int kDouble = -4119, kSlantDashDot = 13, kLineStyleNone = -4142;

inline constexpr int kEdgeLeft = 7, kEdgeTop = 8, kEdgeBottom = 9, kEdgeRight = 10;
inline constexpr int kInsideVertical = 11, kInsideHorizontal = 12;

inline constexpr int kColorIndexNone = -4142, kColorIndexAutomatic = -4105;

// Each throws SpreadsheetError for a value the interface does not define.
HAlign horizontalFromXl(int value);
int horizontalToXl(HAlign a);
VAlign verticalFromXl(int value);
int verticalToXl(VAlign a);
LineStyle lineStyleFromXl(int value);
int lineStyleToXl(LineStyle s);

// Palette index 1..56, or 0 for "automatic"/"none".
quint8 colorIndexFromXl(int value);

}  // namespace jubilo::spreadsheet::xl
