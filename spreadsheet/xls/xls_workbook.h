#pragma once

// A plain data image of a BIFF8 workbook: what the .xls writer takes and
// the reader gives back. It knows nothing of the engine's objects; indexes
// and units are the file's own, with two exceptions noted below (font
// indexes and the built-in print area).
//
// Units: row heights in twips (1/20 pt); column widths in 1/256 of a
// character of the default font, padding included (see columnWidthUnits);
// font heights in twips; margins in inches. Rows and columns are 0-based.
// Colour indexes (icv) are the file's: 0-7 fixed colours, 8-63 the palette
// entries 1-56 (paletteIcv), 64 the window text colour, 65 the window
// background, 0x7FFF the automatic font colour.

#include "host/constants/xl_constants.h"
#include "spreadsheet/xls/xls_codes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace jubilo::xls {

inline constexpr uint16_t kMaxRow = 65535;
inline constexpr uint16_t kMaxColumn = 255;
inline constexpr std::size_t kMaxCellText = xl::kMaxCellTextLength;
// Sheets a workbook may have, written or read: each costs the engine a few
// kilobytes while a file spends a few dozen bytes on it.
inline constexpr std::size_t kMaxSheets = 4096;
inline constexpr uint16_t kFirstCustomFormat = 164;
inline constexpr std::size_t kPaletteSize = 56;
inline constexpr uint8_t kMaxOutlineLevel = 7;
// Window zoom and print scale, in percent.
inline constexpr uint16_t kMinZoom = 10;
inline constexpr uint16_t kMaxZoom = 400;
inline constexpr uint16_t kIcvWindowText = 64;
inline constexpr uint16_t kIcvWindowBackground = 65;
inline constexpr uint16_t kIcvAutomaticFont = 0x7FFF;

// Palette entry 1..56 as a colour index of fonts, borders and fills.
constexpr uint16_t paletteIcv(int entry) { return uint16_t(entry + 7); }

struct XlsColor {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const XlsColor&) const = default;
};

// A colour written the way colours are usually quoted, 0xRRGGBB.
constexpr XlsColor colorFromRrggbb(uint32_t rrggbb)
{
    return {uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)};
}

// The palette a workbook without a PALETTE record uses.
const std::array<XlsColor, kPaletteSize>& defaultPalette();

struct XlsFont {
    uint16_t height = 200;  // twips
    bool italic = false;
    bool strikeout = false;
    bool outline = false;
    bool shadow = false;
    uint16_t color = kIcvAutomaticFont;
    uint16_t weight = 400;  // 400 normal, 700 bold
    uint16_t script = 0;  // 0 none, 1 superscript, 2 subscript
    uint8_t underline = 0;  // 0 none, 1 single, 2 double, 0x21/0x22 accounting
    uint8_t family = 0;
    uint8_t charset = 0;
    std::u16string name = u"Arial";
    bool operator==(const XlsFont&) const = default;
};

struct XlsNumberFormat {
    uint16_t index = kFirstCustomFormat;
    std::u16string code;
    bool operator==(const XlsNumberFormat&) const = default;
};

struct XlsBorder {
    XlsLine line = XlsLine::None;
    uint8_t color = 0;  // icv, 7 bits
    bool operator==(const XlsBorder&) const = default;
};

// One cell or style format (XF record).
struct XlsXf {
    uint16_t font = 0;  // index into XlsWorkbook::fonts (not the file's)
    uint16_t numberFormat = 0;  // built-in (< 164) or an XlsNumberFormat::index
    bool isStyle = false;
    uint16_t parent = 0;  // cell formats: the style format they build on
    bool locked = true;
    bool formulaHidden = false;
    bool quotePrefix = false;
    XlsHAlign hAlign = XlsHAlign::General;
    XlsVAlign vAlign = XlsVAlign::Bottom;
    bool wrap = false;
    bool justifyLast = false;
    uint8_t rotation = 0;  // 0-180, 255 vertical text
    uint8_t indent = 0;  // 0-15
    bool shrinkToFit = false;
    uint8_t readingOrder = 0;  // 0 context, 1 left-to-right, 2 right-to-left
    // Which attribute groups the format sets itself (cell formats) or does
    // not take part in (style formats): bit 0 number format, 1 font,
    // 2 alignment, 3 borders, 4 fill, 5 protection.
    uint8_t usedAttributes = 0;
    XlsBorder left, right, top, bottom;
    XlsBorder diagonal;
    uint8_t diagonalKind = 0;  // bit 0 down, bit 1 up
    uint8_t fillPattern = 0;  // 0 none, 1 solid, 2-18 patterns
    uint8_t fillForeground = kIcvWindowText;
    uint8_t fillBackground = kIcvWindowBackground;
    bool pivotButton = false;
    bool operator==(const XlsXf&) const = default;
};

struct XlsStyle {
    uint16_t xf = 0;
    bool builtIn = true;
    uint8_t builtInId = 0;  // 0 Normal, 3 Comma, 4 Currency, 5 Percent, ...
    uint8_t outlineLevel = 0xFF;
    std::u16string name;  // user-defined styles only
    bool operator==(const XlsStyle&) const = default;
};

struct XlsBlank {
    bool operator==(const XlsBlank&) const = default;
};

// A formula's last result. An empty text is the "empty string" result.
using XlsFormulaResult = std::variant<double, std::u16string, bool, XlsErrorCode>;

struct XlsFormula {
    std::vector<uint8_t> rgce;  // parsed tokens, opaque to this layer
    std::vector<uint8_t> rgcb;  // extra token data (array constants)
    XlsFormulaResult cached = 0.0;
    bool alwaysCalc = true;  // recalculated at every recalculation
    bool calcOnLoad = true;  // recalculated when the file is opened
    bool operator==(const XlsFormula&) const = default;
};

using XlsValue = std::variant<XlsBlank, double, std::u16string, bool, XlsErrorCode, XlsFormula>;

struct XlsCell {
    uint16_t row = 0;
    uint16_t column = 0;
    uint16_t xf = 15;
    XlsValue value;
    bool operator==(const XlsCell&) const = default;
};

struct XlsRange {
    uint16_t firstRow = 0, lastRow = 0;
    uint16_t firstColumn = 0, lastColumn = 0;
    bool operator==(const XlsRange&) const = default;
};

struct XlsColumnInfo {
    uint16_t first = 0, last = 0;
    uint16_t width = 2340;  // 1/256 character, padding included
    uint16_t xf = 15;
    bool hidden = false;
    bool customWidth = true;
    bool bestFit = false;
    uint8_t outlineLevel = 0;
    bool collapsed = false;
    bool operator==(const XlsColumnInfo&) const = default;
};

// Rows that carry nothing beyond the sheet's default (no custom height,
// format, hiding or outline, default height) are not kept by the reader.
struct XlsRowInfo {
    uint16_t row = 0;
    uint16_t height = 255;  // twips
    bool customHeight = false;
    bool hidden = false;
    std::optional<uint16_t> xf;  // the row's format, when it has one
    uint8_t outlineLevel = 0;
    bool collapsed = false;
    bool operator==(const XlsRowInfo&) const = default;
};

struct XlsPageSetup {
    uint16_t paperSize = 9;  // 1 letter, 9 A4, ...
    uint16_t scale = 100;  // percent, 10-400
    uint16_t firstPageNumber = 1;
    bool useFirstPageNumber = false;
    bool fitToPage = false;  // scale onto fitWidth x fitHeight pages
    uint16_t fitWidth = 1, fitHeight = 1;
    bool portrait = true;
    bool overThenDown = false;
    bool blackAndWhite = false;
    bool draft = false;
    bool printNotes = false;
    bool notesAtEnd = false;
    uint8_t printErrors = 0;  // 0 displayed, 1 blank, 2 dashes, 3 #N/A
    uint16_t resolution = 600, verticalResolution = 600;
    uint16_t copies = 1;
    double leftMargin = 0.75, rightMargin = 0.75, topMargin = 1.0, bottomMargin = 1.0;
    double headerMargin = 0.5, footerMargin = 0.5;
    bool centerHorizontally = false, centerVertically = false;
    std::u16string header, footer;  // at most 255 characters each
    bool printHeadings = false, printGridLines = false;
    bool operator==(const XlsPageSetup&) const = default;
};

struct XlsSheetWindow {
    bool showFormulas = false;
    bool showGridLines = true;
    bool showHeadings = true;
    bool showZeros = true;
    bool rightToLeft = false;
    bool showOutline = true;
    bool defaultGridColor = true;
    uint16_t gridColor = kIcvWindowText;
    uint16_t topRow = 0, leftColumn = 0;
    uint16_t zoom = 100;  // percent, 10-400
    bool pageBreakPreview = false;
    bool operator==(const XlsSheetWindow&) const = default;
};

struct XlsSelection {
    uint16_t activeRow = 0, activeColumn = 0;
    std::vector<XlsRange> ranges{XlsRange{}};
    uint16_t activeRange = 0;  // index into ranges
    bool operator==(const XlsSelection&) const = default;
};

enum class XlsVisibility : uint8_t { Visible = 0, Hidden = 1, VeryHidden = 2 };

struct XlsSheet {
    std::u16string name = u"Sheet1";
    XlsVisibility visibility = XlsVisibility::Visible;
    uint16_t defaultColumnWidth = 8;  // characters, padding not included
    uint16_t defaultRowHeight = 255;  // twips
    bool defaultRowHeightCustom = false;
    std::vector<XlsColumnInfo> columns;  // sorted, not overlapping
    std::vector<XlsRowInfo> rows;  // sorted by row, one per row
    std::vector<XlsCell> cells;  // any order; read back row by row
    std::vector<XlsRange> merges;
    // The built-in Print_Area name of this sheet; the writer adds the
    // external-sheet records it needs.
    std::optional<XlsRange> printArea;
    XlsPageSetup page;
    XlsSheetWindow window;
    XlsSelection selection;
    bool operator==(const XlsSheet&) const = default;
};

struct XlsBookWindow {
    int16_t x = 0, y = 0;
    uint16_t width = 16384, height = 8192;  // twips
    uint16_t tabRatio = 600;  // 1/1000 of the window width
    uint16_t firstVisibleTab = 0;
    bool showHorizontalScroll = true, showVerticalScroll = true, showTabs = true;
    bool operator==(const XlsBookWindow&) const = default;
};

struct XlsWorkbook {
    std::vector<XlsColor> palette;  // empty (default palette) or kPaletteSize colours
    std::vector<XlsFont> fonts;  // at least one; fonts[0] is the default
    std::vector<XlsNumberFormat> numberFormats;
    std::vector<XlsXf> xfs;  // at least 16: 15 style formats, then cell format 15
    std::vector<XlsStyle> styles;
    std::vector<XlsSheet> sheets;  // at least one
    uint16_t activeSheet = 0;
    bool date1904 = false;
    XlsBookWindow window;
    bool operator==(const XlsWorkbook&) const = default;
};

// A one-sheet workbook with the default font (Arial 10, four times, as
// spreadsheets write it), the 16 standard formats and the Normal style.
// Cell formats added after it start at index 16.
XlsWorkbook makeDefaultWorkbook();

// Column widths. A width of n characters is stored as the character width
// plus the cell padding (2 * ceil(digit/4) + 1 pixels), both counted in the
// default font's maximum digit width in pixels, in 1/256 characters.
uint16_t columnWidthUnits(double characters, int maxDigitWidthPx);
double columnWidthCharacters(uint16_t units, int maxDigitWidthPx);

}  // namespace jubilo::xls
