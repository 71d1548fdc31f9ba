#include "hostile_workbook.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace jubilo::spreadsheet::fuzz {

namespace {

using xls::XlsBorder;
using xls::XlsCell;
using xls::XlsFont;
using xls::XlsFormula;
using xls::XlsRange;
using xls::XlsSheet;
using xls::XlsWorkbook;
using xls::XlsXf;

// Parts of texts: plain words, the characters sheet names, number formats
// and page headers give a meaning to, and any UTF-16 unit (lone surrogates
// among them).
constexpr std::u16string_view kPlain = u"aZ09 .,-_\t\r\n";
constexpr std::u16string_view kSheetName = u"[]*?/\\:'Sheet1History";
constexpr std::u16string_view kFormatCode = u"0#?.,%E+-/$\"\\_*@;[]hmsdyAMPGeneral:Red<>=";
constexpr std::u16string_view kPageText = u"&PNDTFAZLRCBIUSEXY\"0123456789+-";

// Texts stay short but for one in sixteen, longer than any cell holds.
std::u16string text(FuzzedDataProvider& in, std::size_t most, std::u16string_view alphabet)
{
    const uint8_t shape = in.ConsumeIntegral<uint8_t>();
    const std::size_t length = (shape & 0x0F) == 0x0F
        ? in.ConsumeIntegralInRange<std::size_t>(xls::kMaxCellText - 1, xls::kMaxCellText + 2)
        : in.ConsumeIntegralInRange<std::size_t>(0, most);
    std::u16string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (in.remaining_bytes() == 0) {
            out.append(length - i, alphabet.front());
            break;
        }
        const uint8_t pick = in.ConsumeIntegral<uint8_t>();
        out += (pick & 0xE0) == 0xE0 ? char16_t(in.ConsumeIntegral<uint16_t>())
            : (pick & 0x80)          ? kPlain[pick % kPlain.size()]
                                     : alphabet[pick % alphabet.size()];
    }
    return out;
}

double number(FuzzedDataProvider& in)
{
    constexpr std::array kSpecial = {
        0.0,
        -0.0,
        1.0,
        -1.0,
        0.5,
        1e308,
        -1e308,
        4.9e-324,
        2958465.99999,  // the last day a date format shows
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
    };
    if (in.ConsumeBool())
        return in.PickValueInArray(kSpecial);
    return in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : double(in.ConsumeIntegral<int32_t>());
}

// Row and column numbers: mostly near the top left, sometimes anywhere,
// the last row and column of the grid and the first past it among them.
uint16_t row(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16_t>(0, 40) : in.ConsumeIntegral<uint16_t>();
}

uint16_t column(FuzzedDataProvider& in)
{
    if (in.ConsumeBool())
        return in.ConsumeIntegralInRange<uint16_t>(0, 12);
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16_t>(250, 260) : in.ConsumeIntegral<uint16_t>();
}

XlsRange range(FuzzedDataProvider& in)
{
    XlsRange r;
    r.firstRow = row(in);
    r.lastRow = in.ConsumeBool() ? uint16_t(r.firstRow + in.ConsumeIntegralInRange<uint16_t>(0, 5)) : row(in);
    r.firstColumn = column(in);
    r.lastColumn = in.ConsumeBool() ? uint16_t(r.firstColumn + in.ConsumeIntegralInRange<uint16_t>(0, 5)) : column(in);
    return r;
}

// A token id the engine reads, in any operand class, now and then one it
// does not; then its payload, of the right size or not.
void appendToken(FuzzedDataProvider& in, std::vector<uint8_t>& rgce)
{
    constexpr std::array<uint8_t, 16> kSized
        = {0x17, 0x19, 0x1C, 0x1D, 0x1E, 0x1F, 0x21, 0x22, 0x24, 0x25, 0x2A, 0x2B, 0x03, 0x08, 0x13, 0x15};
    constexpr std::array<std::size_t, 16> kPayload = {3, 3, 1, 1, 2, 8, 2, 3, 4, 8, 4, 8, 0, 0, 0, 0};
    const std::size_t pick = in.ConsumeIntegralInRange<std::size_t>(0, kSized.size());
    if (pick == kSized.size()) {
        rgce.push_back(in.ConsumeIntegral<uint8_t>());
        return;
    }
    const uint8_t operandClass = in.ConsumeIntegralInRange<uint8_t>(0, 3) << 5;
    rgce.push_back(kSized[pick] < 0x20 ? kSized[pick] : uint8_t((kSized[pick] & 0x1F) | operandClass));
    const std::size_t size = in.ConsumeBool() ? kPayload[pick] : in.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < size; ++i)
        rgce.push_back(in.ConsumeIntegral<uint8_t>());
}

XlsFormula formula(FuzzedDataProvider& in)
{
    XlsFormula f;
    const int tokens = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < tokens; ++i)
        appendToken(in, f.rgce);
    if (in.ConsumeIntegralInRange(0, 7) == 0)
        f.rgcb = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 8));
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        f.cached = number(in);
        break;
    case 1:
        f.cached = text(in, 20, kPlain);
        break;
    case 2:
        f.cached = in.ConsumeBool();
        break;
    default:
        f.cached = xls::XlsErrorCode(in.ConsumeIntegral<uint8_t>());
    }
    f.alwaysCalc = in.ConsumeBool();
    f.calcOnLoad = in.ConsumeBool();
    return f;
}

XlsCell cell(FuzzedDataProvider& in, std::size_t xfCount)
{
    XlsCell c;
    c.row = row(in);
    c.column = column(in);
    c.xf = in.ConsumeBool() ? uint16_t(in.ConsumeIntegralInRange<std::size_t>(0, xfCount + 1))
                            : in.ConsumeIntegral<uint16_t>();
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
        c.value = xls::XlsBlank{};
        break;
    case 1:
        c.value = number(in);
        break;
    case 2:
        c.value = text(in, 40, kPlain);
        break;
    case 3:
        c.value = in.ConsumeBool();
        break;
    case 4:
        c.value = xls::XlsErrorCode(in.ConsumeIntegral<uint8_t>());
        break;
    default:
        c.value = formula(in);
    }
    return c;
}

XlsFont font(FuzzedDataProvider& in)
{
    XlsFont f;
    f.height = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16_t>(20, 8000) : in.ConsumeIntegral<uint16_t>();
    f.italic = in.ConsumeBool();
    f.strikeout = in.ConsumeBool();
    f.color = in.ConsumeIntegral<uint16_t>();
    f.weight = in.ConsumeIntegral<uint16_t>();
    f.script = in.ConsumeIntegralInRange<uint16_t>(0, 3);
    f.underline = in.ConsumeIntegral<uint8_t>();
    f.name = text(in, 40, u"ArialTimes New RomanCourier");
    return f;
}

XlsBorder border(FuzzedDataProvider& in)
{
    return {xls::XlsLine(in.ConsumeIntegralInRange<uint8_t>(0, 15)), in.ConsumeIntegral<uint8_t>()};
}

// Fonts, number formats and parents within reach or just past it.
XlsXf xf(FuzzedDataProvider& in, const XlsWorkbook& wb)
{
    XlsXf x;
    x.font = in.ConsumeIntegralInRange<uint16_t>(0, uint16_t(wb.fonts.size() + 1));
    x.numberFormat = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16_t>(0, 200) : in.ConsumeIntegral<uint16_t>();
    x.isStyle = in.ConsumeBool();
    x.parent = in.ConsumeIntegralInRange<uint16_t>(0, uint16_t(wb.xfs.size() + 2));
    x.quotePrefix = in.ConsumeBool();
    x.hAlign = xls::XlsHAlign(in.ConsumeIntegralInRange<uint8_t>(0, 8));
    x.vAlign = xls::XlsVAlign(in.ConsumeIntegralInRange<uint8_t>(0, 5));
    x.wrap = in.ConsumeBool();
    x.rotation = in.ConsumeIntegral<uint8_t>();
    x.indent = in.ConsumeIntegral<uint8_t>();
    x.usedAttributes = in.ConsumeIntegral<uint8_t>();
    x.left = border(in);
    x.right = border(in);
    x.top = border(in);
    x.bottom = border(in);
    x.diagonal = border(in);
    x.fillPattern = in.ConsumeIntegral<uint8_t>();
    x.fillForeground = in.ConsumeIntegral<uint8_t>();
    x.fillBackground = in.ConsumeIntegral<uint8_t>();
    return x;
}

void addFormats(FuzzedDataProvider& in, XlsWorkbook& wb)
{
    if (in.ConsumeIntegralInRange(0, 3) == 0) {
        wb.palette.resize(in.ConsumeBool() ? xls::kPaletteSize : in.ConsumeIntegralInRange<std::size_t>(0, 60));
        for (xls::XlsColor& c : wb.palette)
            c = xls::colorFromRrggbb(in.ConsumeIntegral<uint32_t>());
    }
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        wb.fonts.push_back(font(in));
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i) {
        const uint16_t index
            = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16_t>(0, 200) : in.ConsumeIntegral<uint16_t>();
        wb.numberFormats.push_back({index, text(in, 30, kFormatCode)});
    }
    for (int i = in.ConsumeIntegralInRange(0, 6); i > 0; --i)
        wb.xfs.push_back(xf(in, wb));
    if (in.ConsumeBool())
        wb.xfs.resize(in.ConsumeIntegralInRange<std::size_t>(0, wb.xfs.size()));
}

void addPageSetup(FuzzedDataProvider& in, xls::XlsPageSetup& p)
{
    p.paperSize = in.ConsumeIntegral<uint16_t>();
    p.scale = in.ConsumeIntegral<uint16_t>();
    p.fitToPage = in.ConsumeBool();
    p.fitWidth = in.ConsumeIntegral<uint16_t>();
    p.fitHeight = in.ConsumeIntegral<uint16_t>();
    p.portrait = in.ConsumeBool();
    p.overThenDown = in.ConsumeBool();
    p.printNotes = in.ConsumeBool();
    p.notesAtEnd = in.ConsumeBool();
    for (double* margin :
         {&p.leftMargin, &p.rightMargin, &p.topMargin, &p.bottomMargin, &p.headerMargin, &p.footerMargin}) {
        if (in.ConsumeBool())
            *margin = number(in);
    }
    p.centerHorizontally = in.ConsumeBool();
    p.centerVertically = in.ConsumeBool();
    p.header = text(in, 40, kPageText);
    p.footer = text(in, 40, kPageText);
}

void addLayout(FuzzedDataProvider& in, XlsSheet& s, std::size_t xfCount)
{
    for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        xls::XlsColumnInfo c;
        c.first = column(in);
        c.last = in.ConsumeBool() ? uint16_t(c.first + in.ConsumeIntegralInRange<uint16_t>(0, 300)) : column(in);
        c.width = in.ConsumeIntegral<uint16_t>();
        c.xf = uint16_t(in.ConsumeIntegralInRange<std::size_t>(0, xfCount + 1));
        c.hidden = in.ConsumeBool();
        c.customWidth = in.ConsumeBool();
        s.columns.push_back(c);
    }
    for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        xls::XlsRowInfo r;
        r.row = row(in);
        r.height = in.ConsumeIntegral<uint16_t>();
        r.customHeight = in.ConsumeBool();
        r.hidden = in.ConsumeBool();
        if (in.ConsumeBool())
            r.xf = uint16_t(in.ConsumeIntegralInRange<std::size_t>(0, xfCount + 1));
        s.rows.push_back(r);
    }
}

XlsSheet sheet(FuzzedDataProvider& in, std::size_t xfCount)
{
    XlsSheet s;
    if (in.ConsumeBool())
        s.name = text(in, 34, kSheetName);
    addLayout(in, s, xfCount);
    for (int i = in.ConsumeIntegralInRange(0, 24); i > 0; --i)
        s.cells.push_back(cell(in, xfCount));
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        s.merges.push_back(range(in));
    if (in.ConsumeBool())
        s.printArea = range(in);
    addPageSetup(in, s.page);
    s.selection.ranges.clear();
    for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i)
        s.selection.ranges.push_back(range(in));
    s.selection.activeRange = in.ConsumeIntegralInRange<uint16_t>(0, 3);
    s.selection.activeRow = row(in);
    s.selection.activeColumn = column(in);
    return s;
}

}  // namespace

XlsWorkbook hostileWorkbook(FuzzedDataProvider& in)
{
    XlsWorkbook wb = xls::makeDefaultWorkbook();
    if (in.ConsumeIntegralInRange(0, 15) == 0)
        wb.fonts.clear();
    addFormats(in, wb);
    wb.sheets.clear();
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        wb.sheets.push_back(sheet(in, wb.xfs.size()));
    wb.activeSheet = in.ConsumeIntegralInRange<uint16_t>(0, 5);
    wb.date1904 = in.ConsumeBool();
    return wb;
}

}  // namespace jubilo::spreadsheet::fuzz
