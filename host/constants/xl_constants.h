#pragma once
// The host interface's numbers, as the program passes them and the
// engine understands them: alignment, borders, colours, page setup, the
// pointer, the Cancel key and file formats. One home for every constant the
// host interface and the engine share.

namespace jubilo::xl {

// The class name a spreadsheet application registers, and the text its
// application object answers as its default value.
inline constexpr char kApplicationClassName[] = "Excel.Application";
inline constexpr char kApplicationDefaultValue[] = "Microsoft Excel";

// A worksheet's size in the Excel 97-2003 format: rows 1 to 65,536,
// columns A to IV.
inline constexpr int kSheetRowCount = 65536, kSheetColumnCount = 256;

// The most characters one cell holds.
inline constexpr int kMaxCellTextLength = 32767;

// Horizontal and vertical alignment.
inline constexpr int kGeneral = 1, kLeft = -4131, kCenter = -4108, kRight = -4152, kFill = 5;
inline constexpr int kJustify = -4130, kCenterAcrossSelection = 7, kDistributed = -4117;
inline constexpr int kTop = -4160, kBottom = -4107;

// Border line styles.
inline constexpr int kContinuous = 1, kDash = -4115, kDashDot = 4, kDashDotDot = 5, kDot = -4118;
inline constexpr int kDouble = -4119, kSlantDashDot = 13, kLineStyleNone = -4142;

// Which border of a range.
inline constexpr int kEdgeLeft = 7, kEdgeTop = 8, kEdgeBottom = 9, kEdgeRight = 10;
inline constexpr int kInsideVertical = 11, kInsideHorizontal = 12;

inline constexpr int kColorIndexNone = -4142, kColorIndexAutomatic = -4105;

// Page setup.
inline constexpr int kPortrait = 1, kLandscape = 2;
inline constexpr int kPrintNoComments = -4142, kPrintInPlace = 16, kPrintSheetEnd = 1;
inline constexpr int kPaperLetter = 1, kPaperA4 = 9;
inline constexpr int kDownThenOver = 1, kOverThenDown = 2;  // the order pages print in
// ExportAsFixedFormat's Type.
inline constexpr int kTypePDF = 0;

// The application's mouse pointer.
inline constexpr int kCursorDefault = -4143, kCursorNorthwestArrow = 1, kCursorWait = 2, kCursorIBeam = 3;

inline constexpr int kCancelKeyDisabled = 0, kCancelKeyInterrupt = 1;

// Workbook file formats: the version's own (.xls before version 12) and
// Excel 97-2003.
inline constexpr int kWorkbookNormal = -4143, kExcel8 = 56;

}  // namespace jubilo::xl
