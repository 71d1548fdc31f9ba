#include "spreadsheet/xls/record_mapping_p.h"

#include "host/constants/color_packing.h"
#include "spreadsheet/xls/xls_error.h"

#include <bit>
#include <cstring>

namespace jubilo::xls::mapping {

namespace {

// Each structure below lists once which record field, or which bits of
// one, holds which image field; ToRecord walks the list one way and
// FromRecord the other. Packed words must start out zero for ToRecord.
struct ToRecord {
    template <class Field, class Image>
    void operator()(Field& field, const Image& image) const
    {
        field = Field(image);
    }
    template <class Word, class Image>
    void operator()(Word& word, const Image& image, rec::BitField bits) const
    {
        word = Word(word | bits.place(uint32_t(image)));
    }
};

struct FromRecord {
    template <class Field, class Image>
    void operator()(const Field& field, Image& image) const
    {
        image = Image(field);
    }
    template <class Word, class Image>
    void operator()(const Word& word, Image& image, rec::BitField bits) const
    {
        image = Image(bits.extract(word));
    }
};

template <class Move, class Image, class Record>
void xfBorderFields(const Move& move, Image& xf, Record& r)
{
    using X = rec::Xf;
    move(r.border1, xf.left.line, X::kLeftLine);
    move(r.border1, xf.right.line, X::kRightLine);
    move(r.border1, xf.top.line, X::kTopLine);
    move(r.border1, xf.bottom.line, X::kBottomLine);
    move(r.border1, xf.left.color, X::kLeftColor);
    move(r.border1, xf.right.color, X::kRightColor);
    move(r.border1, xf.diagonalKind, X::kDiagonalKind);
    move(r.border2, xf.top.color, X::kTopColor);
    move(r.border2, xf.bottom.color, X::kBottomColor);
    move(r.border2, xf.diagonal.color, X::kDiagonalColor);
    move(r.border2, xf.diagonal.line, X::kDiagonalLine);
    move(r.border2, xf.fillPattern, X::kFillPattern);
}

// All of an XF but its font and parent, which need more than moving.
template <class Move, class Image, class Record>
void xfFields(const Move& move, Image& xf, Record& r)
{
    using X = rec::Xf;
    move(r.format, xf.numberFormat);
    move(r.protection, xf.locked, X::kLocked);
    move(r.protection, xf.formulaHidden, X::kFormulaHidden);
    move(r.protection, xf.isStyle, X::kIsStyle);
    move(r.protection, xf.quotePrefix, X::kQuotePrefix);
    move(r.alignment, xf.hAlign, X::kHAlign);
    move(r.alignment, xf.wrap, X::kWrap);
    move(r.alignment, xf.vAlign, X::kVAlign);
    move(r.alignment, xf.justifyLast, X::kJustifyLast);
    move(r.rotation, xf.rotation);
    move(r.indentation, xf.indent, X::kIndent);
    move(r.indentation, xf.shrinkToFit, X::kShrinkToFit);
    move(r.indentation, xf.readingOrder, X::kReadingOrder);
    move(r.used, xf.usedAttributes, X::kUsedAttributes);
    xfBorderFields(move, xf, r);
    move(r.fill, xf.fillForeground, X::kFillForeground);
    move(r.fill, xf.fillBackground, X::kFillBackground);
    move(r.fill, xf.pivotButton, X::kPivotButton);
}

// The bold bit is written from the weight and not read back.
template <class Move, class Image, class Record>
void fontFields(const Move& move, Image& f, Record& r)
{
    move(r.height, f.height);
    move(r.flags, f.italic, rec::Font::kItalic);
    move(r.flags, f.strikeout, rec::Font::kStrikeout);
    move(r.flags, f.outline, rec::Font::kOutline);
    move(r.flags, f.shadow, rec::Font::kShadow);
    move(r.color, f.color);
    move(r.weight, f.weight);
    move(r.script, f.script);
    move(r.underline, f.underline);
    move(r.family, f.family);
    move(r.charset, f.charset);
    move(r.name, f.name);
}

template <class Move, class Image, class Record>
void styleFields(const Move& move, Image& s, Record& r)
{
    move(r.xf, s.xf, rec::Style::kXfIndex);
    move(r.xf, s.builtIn, rec::Style::kBuiltIn);
    move(r.builtInId, s.builtInId);
    move(r.level, s.outlineLevel);
    move(r.name, s.name);
}

template <class Move, class Image, class Record>
void bookWindowFields(const Move& move, Image& w, Record& r)
{
    using W = rec::Window1;
    move(r.x, w.x);
    move(r.y, w.y);
    move(r.width, w.width);
    move(r.height, w.height);
    move(r.flags, w.showHorizontalScroll, W::kShowHorizontalScroll);
    move(r.flags, w.showVerticalScroll, W::kShowVerticalScroll);
    move(r.flags, w.showTabs, W::kShowTabs);
    move(r.firstTab, w.firstVisibleTab);
    move(r.tabRatio, w.tabRatio);
}

template <class Move, class Image, class Record>
void columnFields(const Move& move, Image& c, Record& r)
{
    using C = rec::ColInfo;
    move(r.first, c.first);
    move(r.last, c.last);
    move(r.width, c.width);
    move(r.xf, c.xf);
    move(r.flags, c.hidden, C::kHidden);
    move(r.flags, c.customWidth, C::kCustomWidth);
    move(r.flags, c.bestFit, C::kBestFit);
    move(r.flags, c.outlineLevel, C::kOutlineLevel);
    move(r.flags, c.collapsed, C::kCollapsed);
}

template <class Move, class Image, class Word>
void rowFlagFields(const Move& move, Image& row, Word& flags)
{
    move(flags, row.outlineLevel, rec::Row::kOutlineLevel);
    move(flags, row.collapsed, rec::Row::kCollapsed);
    move(flags, row.hidden, rec::Row::kHidden);
    move(flags, row.customHeight, rec::Row::kCustomHeight);
}

// What SETUP says of the page; fields of the printer are below.
template <class Move, class Image, class Record>
void pageFields(const Move& move, Image& p, Record& r)
{
    using S = rec::Setup;
    move(r.pageStart, p.firstPageNumber);
    move(r.fitWidth, p.fitWidth);
    move(r.fitHeight, p.fitHeight);
    move(r.flags, p.overThenDown, S::kOverThenDown);
    move(r.flags, p.blackAndWhite, S::kBlackAndWhite);
    move(r.flags, p.draft, S::kDraft);
    move(r.flags, p.printNotes, S::kPrintNotes);
    move(r.flags, p.useFirstPageNumber, S::kUsePageStart);
    move(r.flags, p.notesAtEnd, S::kNotesAtEnd);
    move(r.flags, p.printErrors, S::kPrintErrors);
    move(r.headerMargin, p.headerMargin);
    move(r.footerMargin, p.footerMargin);
}

// Fields a file may mark as not set (kNoPrinterData).
template <class Move, class Image, class Record>
void printerFields(const Move& move, Image& p, Record& r)
{
    move(r.paperSize, p.paperSize);
    move(r.scale, p.scale);
    move(r.resolution, p.resolution);
    move(r.verticalResolution, p.verticalResolution);
    move(r.copies, p.copies);
}

template <class Move, class Image, class Word>
void sheetWindowFlagFields(const Move& move, Image& w, Word& flags)
{
    using W = rec::Window2;
    move(flags, w.showFormulas, W::kShowFormulas);
    move(flags, w.showGridLines, W::kShowGridLines);
    move(flags, w.showHeadings, W::kShowHeadings);
    move(flags, w.showZeros, W::kShowZeros);
    move(flags, w.defaultGridColor, W::kDefaultGridColor);
    move(flags, w.rightToLeft, W::kRightToLeft);
    move(flags, w.showOutline, W::kShowOutline);
    move(flags, w.pageBreakPreview, W::kPageBreakPreview);
}

template <class Move, class Image, class Record>
void formulaFields(const Move& move, Image& f, Record& r)
{
    move(r.flags, f.alwaysCalc, rec::Formula::kAlwaysCalc);
    move(r.flags, f.calcOnLoad, rec::Formula::kCalcOnLoad);
    move(r.rgce, f.rgce);
    move(r.rgcb, f.rgcb);
}

// FORMULA's cached result as its 8 bytes: a double, or a type in byte 0
// with the value in byte 2 and 0xFFFF in the last two bytes.
constexpr uint8_t kResultText = 0;  // the text follows in a STRING record
constexpr uint8_t kResultBool = 1;
constexpr uint8_t kResultError = 2;
constexpr uint8_t kResultEmptyText = 3;
constexpr std::size_t kResultValueAt = 2;
constexpr uint8_t kResultMarker = 0xFF;  // bytes 6 and 7 of a result that is no number

void encodeResult(const XlsFormulaResult& result, uint8_t out[8])
{
    std::memset(out, 0, 8);
    if (const auto* number = std::get_if<double>(&result)) {
        const auto bits = std::bit_cast<uint64_t>(*number);
        for (int i = 0; i < 8; ++i)
            out[i] = uint8_t(bits >> (8 * i));
        return;
    }
    out[6] = kResultMarker;
    out[7] = kResultMarker;
    if (const auto* text = std::get_if<std::u16string>(&result))
        out[0] = text->empty() ? kResultEmptyText : kResultText;
    else if (const auto* flag = std::get_if<bool>(&result)) {
        out[0] = kResultBool;
        out[kResultValueAt] = *flag ? 1 : 0;
    } else {
        out[0] = kResultError;
        out[kResultValueAt] = uint8_t(std::get<XlsErrorCode>(result));
    }
}

// Returns true when the result is a text that follows in a STRING record.
bool decodeResult(const uint8_t in[8], XlsFormulaResult& result, const RecordPlace& where)
{
    if (in[6] != kResultMarker || in[7] != kResultMarker) {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= uint64_t(in[i]) << (8 * i);
        result = std::bit_cast<double>(bits);
        return false;
    }
    const uint8_t value = in[kResultValueAt];
    switch (in[0]) {
    case kResultText:
        result = std::u16string();
        return true;
    case kResultBool:
        result = value != 0;
        return false;
    case kResultError:
        if (!isKnownError(value))
            where.damaged("its result is an unknown error value");
        result = XlsErrorCode(value);
        return false;
    case kResultEmptyText:
        result = std::u16string();
        return false;
    default:
        where.damaged("its result has an unknown type");
    }
}

}  // namespace

uint16_t fileFontIndex(uint16_t logical) { return logical < 4 ? logical : uint16_t(logical + 1); }

rec::Xf toRecord(const XlsXf& xf)
{
    rec::Xf r;
    r.alignment = 0;
    r.fill = 0;
    r.font = fileFontIndex(xf.font);
    xfFields(ToRecord{}, xf, r);
    r.protection |= uint16_t(rec::Xf::kParent.place(xf.isStyle ? rec::Xf::kParent.mask() : xf.parent));
    return r;
}

XlsXf fromRecord(const rec::Xf& r, const RecordPlace& where)
{
    if (r.font == 4)
        where.damaged("it uses font 4, which does not exist");
    XlsXf xf;
    xf.font = r.font < 4 ? r.font : uint16_t(r.font - 1);
    xfFields(FromRecord{}, xf, r);
    xf.parent = xf.isStyle ? 0 : uint16_t(rec::Xf::kParent.extract(r.protection));
    if (xf.vAlign > XlsVAlign::Distributed)
        where.damaged("it has an unknown vertical alignment");
    for (const XlsBorder* b : {&xf.left, &xf.right, &xf.top, &xf.bottom, &xf.diagonal}) {
        if (b->line > XlsLine::SlantDashDot)
            where.damaged("it has an unknown border style");
    }
    return xf;
}

rec::Font toRecord(const XlsFont& f)
{
    rec::Font r;
    r.flags = uint16_t(rec::Font::kBold.place(f.weight >= 700));
    fontFields(ToRecord{}, f, r);
    return r;
}

XlsFont fromRecord(const rec::Font& r)
{
    XlsFont f;
    fontFields(FromRecord{}, f, r);
    return f;
}

rec::Style toRecord(const XlsStyle& s)
{
    rec::Style r;
    styleFields(ToRecord{}, s, r);
    return r;
}

XlsStyle fromRecord(const rec::Style& r)
{
    XlsStyle s;
    styleFields(FromRecord{}, s, r);
    return s;
}

rec::Window1 toRecord(const XlsBookWindow& w, uint16_t activeSheet)
{
    rec::Window1 r;
    r.flags = 0;
    bookWindowFields(ToRecord{}, w, r);
    r.activeTab = activeSheet;
    r.selectedTabs = 1;
    return r;
}

XlsBookWindow fromRecord(const rec::Window1& r, uint16_t& activeSheet)
{
    XlsBookWindow w;
    bookWindowFields(FromRecord{}, w, r);
    activeSheet = r.activeTab;
    return w;
}

rec::ColInfo toRecord(const XlsColumnInfo& c)
{
    rec::ColInfo r;
    columnFields(ToRecord{}, c, r);
    return r;
}

XlsColumnInfo fromRecord(const rec::ColInfo& r)
{
    XlsColumnInfo c;
    columnFields(FromRecord{}, c, r);
    return c;
}

uint32_t rowFlags(const XlsRowInfo& row)
{
    uint32_t flags = rec::Row::kAlwaysSet.place(1);
    rowFlagFields(ToRecord{}, row, flags);
    if (row.xf)
        flags |= rec::Row::kHasFormat.place(1) | rec::Row::kFormat.place(*row.xf);
    return flags;
}

XlsRowInfo fromRecord(const rec::Row& r)
{
    XlsRowInfo row;
    row.row = r.row;
    row.height = uint16_t(rec::Row::kHeight.extract(r.height));
    rowFlagFields(FromRecord{}, row, r.flags);
    if (rec::Row::kHasFormat.extract(r.flags))
        row.xf = uint16_t(rec::Row::kFormat.extract(r.flags));
    return row;
}

rec::DefaultRowHeight defaultRowHeight(const XlsSheet& sheet)
{
    return {uint16_t(rec::DefaultRowHeight::kCustomHeight.place(sheet.defaultRowHeightCustom)), sheet.defaultRowHeight};
}

void fromRecord(const rec::DefaultRowHeight& r, XlsSheet& sheet)
{
    sheet.defaultRowHeight = r.height;
    sheet.defaultRowHeightCustom = rec::DefaultRowHeight::kCustomHeight.extract(r.flags);
}

rec::Setup toRecord(const XlsPageSetup& p)
{
    rec::Setup r;
    pageFields(ToRecord{}, p, r);
    printerFields(ToRecord{}, p, r);
    r.flags |= uint16_t(rec::Setup::kPortrait.place(p.portrait));
    return r;
}

void fromRecord(const rec::Setup& r, XlsPageSetup& p)
{
    pageFields(FromRecord{}, p, r);
    if (!rec::Setup::kNoPrinterData.extract(r.flags)) {
        printerFields(FromRecord{}, p, r);
        if (!rec::Setup::kNoOrientation.extract(r.flags))
            p.portrait = rec::Setup::kPortrait.extract(r.flags);
    }
}

uint16_t wsBool(const XlsPageSetup& page)
{
    // Automatic page breaks shown, summary rows below and columns right,
    // outline symbols shown; fit-to-page when the page setup asks for it.
    return uint16_t(rec::kWsBoolShowAutoBreaks.place(1) | rec::kWsBoolRowSumsBelow.place(1)
                    | rec::kWsBoolColumnSumsRight.place(1) | rec::kWsBoolShowOutlineSymbols.place(1)
                    | rec::kWsBoolFitToPage.place(page.fitToPage));
}

bool fitToPage(uint16_t wsBool) { return rec::kWsBoolFitToPage.extract(wsBool); }

uint16_t window2Flags(const XlsSheetWindow& w, bool active)
{
    uint16_t flags = 0;
    sheetWindowFlagFields(ToRecord{}, w, flags);
    // The active sheet's tab is selected too.
    return uint16_t(flags | rec::Window2::kSelectedAndActive.place(active ? 3 : 0));
}

void fromFlags(uint16_t flags, XlsSheetWindow& w) { sheetWindowFlagFields(FromRecord{}, w, flags); }

uint32_t toBgr(const XlsColor& c) { return xl::packBgr(c.red, c.green, c.blue); }

XlsColor fromBgr(uint32_t bgr) { return {xl::redOfBgr(bgr), xl::greenOfBgr(bgr), xl::blueOfBgr(bgr)}; }

rec::Formula toRecord(const XlsFormula& f, const rec::CellHeader& cell)
{
    rec::Formula r;
    r.cell = cell;
    encodeResult(f.cached, r.result);
    formulaFields(ToRecord{}, f, r);
    return r;
}

XlsFormula fromRecord(const rec::Formula& r, bool& textFollows, const RecordPlace& where)
{
    XlsFormula f;
    textFollows = decodeResult(r.result, f.cached, where);
    formulaFields(FromRecord{}, f, r);
    return f;
}

bool isKnownError(uint8_t code)
{
    switch (XlsErrorCode(code)) {
    case XlsErrorCode::Null:
    case XlsErrorCode::Div0:
    case XlsErrorCode::Value:
    case XlsErrorCode::Ref:
    case XlsErrorCode::Name:
    case XlsErrorCode::Num:
    case XlsErrorCode::NA:
        return true;
    }
    return false;
}

}  // namespace jubilo::xls::mapping
