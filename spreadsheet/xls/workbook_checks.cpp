#include "spreadsheet/xls/workbook_checks_p.h"

#include "spreadsheet/xls/record_mapping_p.h"
#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/records_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace jubilo::xls {

namespace {

// Limits of the file format this writer keeps to.
constexpr std::size_t kMaxSheetNameLength = 31;
constexpr std::size_t kMaxShortText = 255;  // names, number formats, page header and footer
constexpr std::size_t kMaxFonts = 0x7FFF;
constexpr uint16_t kMinFontHeight = 20;  // twips
constexpr uint16_t kMaxFontHeight = 8191;  // twips
constexpr std::size_t kMinXfs = 16;  // 15 style formats and the default cell format
constexpr std::size_t kMaxXfs = 4050;
constexpr uint8_t kMaxRotation = 180;
constexpr uint8_t kVerticalText = 255;
constexpr uint8_t kMaxReadingOrder = 2;
constexpr uint8_t kMaxFillPattern = 18;
constexpr uint16_t kMaxRowHeight = 8192;  // twips
constexpr uint16_t kMaxDefaultColumnWidth = 255;
constexpr std::size_t kMaxFormulaTokens = 1800;
constexpr std::size_t kMaxFormulaData = 8000;  // tokens and their extra data
constexpr std::size_t kMaxSelectedRanges = 1000;
constexpr uint16_t kMaxFitPages = 32767;
constexpr double kMaxMarginInches = 49;
constexpr double kTwipsPerPoint = 20;

std::string decimal(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string points(uint16_t twips) { return decimal(twips / kTwipsPerPoint); }

std::string quoted(const std::u16string& name) { return "\"" + utf8(name) + "\""; }

void checkRange(const XlsRange& r, const std::string& what)
{
    if (r.firstRow > r.lastRow || r.firstColumn > r.lastColumn || r.lastColumn > kMaxColumn)
        refuseToSave(what + " " + cellName(r.firstRow, r.firstColumn) + ":" + cellName(r.lastRow, r.lastColumn)
                     + " is not a range of the grid");
}

void checkText(std::u16string_view text, const std::string& where)
{
    if (text.size() > kMaxCellText)
        refuseToSave("the text in " + where + " has " + std::to_string(text.size())
                     + " characters; a cell holds at most " + withThousands(kMaxCellText));
}

void checkNumber(double v, const std::string& where)
{
    if (!std::isfinite(v))
        refuseToSave("the number in " + where + " is not finite");
}

// ---- the workbook's parts ----------------------------------------------------

void checkSheetName(const std::vector<XlsSheet>& sheets, std::size_t index)
{
    const std::u16string& name = sheets[index].name;
    const std::string shown = quoted(name);
    if (name.empty() || name.size() > kMaxSheetNameLength)
        refuseToSave("the sheet name " + shown + " must have 1 to " + std::to_string(kMaxSheetNameLength)
                     + " characters");
    if (name.find_first_of(u":\\/?*[]") != std::u16string::npos)
        refuseToSave("the sheet name " + shown + " contains one of : \\ / ? * [ ]");
    if (name.front() == u'\'' || name.back() == u'\'')
        refuseToSave("the sheet name " + shown + " starts or ends with an apostrophe");
    const auto fold = [](std::u16string s) {
        for (auto& c : s)
            if (c >= u'a' && c <= u'z')
                c = char16_t(c - u'a' + u'A');
        return s;
    };
    for (std::size_t j = 0; j < index; ++j) {
        if (fold(sheets[j].name) == fold(name))
            refuseToSave("two sheets are named " + shown);
    }
}

bool alignmentFits(const XlsXf& xf)
{
    using X = rec::Xf;
    return xf.indent <= X::kIndent.mask() && xf.hAlign <= XlsHAlign::Distributed && xf.vAlign <= XlsVAlign::Distributed
        && xf.readingOrder <= kMaxReadingOrder && (xf.rotation <= kMaxRotation || xf.rotation == kVerticalText)
        && xf.usedAttributes <= X::kUsedAttributes.mask() && xf.diagonalKind <= X::kDiagonalKind.mask();
}

bool bordersFit(const XlsXf& xf)
{
    for (const XlsBorder* b : {&xf.left, &xf.right, &xf.top, &xf.bottom, &xf.diagonal}) {
        if (b->line > XlsLine::SlantDashDot || b->color > rec::Xf::kLeftColor.mask())
            return false;
    }
    return true;
}

bool fillFits(const XlsXf& xf)
{
    return xf.fillPattern <= kMaxFillPattern && xf.fillForeground <= rec::Xf::kFillForeground.mask()
        && xf.fillBackground <= rec::Xf::kFillBackground.mask();
}

void checkXf(const XlsWorkbook& wb, std::size_t index)
{
    const XlsXf& xf = wb.xfs[index];
    const std::string which = "cell format " + std::to_string(index);
    if (xf.font >= wb.fonts.size())
        refuseToSave(which + " uses font " + std::to_string(xf.font) + ", which is not there");
    if (xf.numberFormat >= kFirstCustomFormat
        && std::none_of(wb.numberFormats.begin(), wb.numberFormats.end(),
                        [&](const XlsNumberFormat& f) { return f.index == xf.numberFormat; }))
        refuseToSave(which + " uses number format " + std::to_string(xf.numberFormat) + ", which is not there");
    if (xf.isStyle && xf.parent != 0)
        refuseToSave(which + " is a style format and cannot have a parent");
    if (!xf.isStyle && (xf.parent >= wb.xfs.size() || !wb.xfs[xf.parent].isStyle))
        refuseToSave(which + " builds on format " + std::to_string(xf.parent) + ", which is no style format");
    if (!alignmentFits(xf))
        refuseToSave(which + " has an alignment the file cannot hold");
    if (!bordersFit(xf))
        refuseToSave(which + " has a border the file cannot hold");
    if (!fillFits(xf))
        refuseToSave(which + " has a fill the file cannot hold");
}

void checkFonts(const XlsWorkbook& wb)
{
    if (wb.fonts.empty() || wb.fonts.size() > kMaxFonts)
        refuseToSave("a workbook needs at least one font");
    for (const auto& f : wb.fonts) {
        if (f.name.empty() || f.name.size() > kMaxShortText)
            refuseToSave("a font name must have 1 to " + std::to_string(kMaxShortText) + " characters");
        if (f.height < kMinFontHeight || f.height > kMaxFontHeight)
            refuseToSave("a font size must be between " + std::to_string(kMinFontHeight / 20) + " and "
                         + std::to_string(kMaxFontHeight / 20) + " points");
    }
}

void checkFormats(const XlsWorkbook& wb)
{
    std::set<uint16_t> formatIndexes;
    for (const auto& f : wb.numberFormats) {
        const std::string which = "number format " + std::to_string(f.index);
        if (!formatIndexes.insert(f.index).second)
            refuseToSave(which + " is given twice");
        if (f.code.empty() || f.code.size() > kMaxShortText)
            refuseToSave(which + " must have 1 to " + std::to_string(kMaxShortText) + " characters");
    }
    if (wb.xfs.size() < kMinXfs || wb.xfs.size() > kMaxXfs)
        refuseToSave("a workbook has " + std::to_string(kMinXfs) + " to " + withThousands(kMaxXfs) + " cell formats");
    for (std::size_t i = 0; i < wb.xfs.size(); ++i)
        checkXf(wb, i);
    for (const auto& s : wb.styles) {
        if (s.xf >= wb.xfs.size() || !wb.xfs[s.xf].isStyle)
            refuseToSave("a cell style refers to format " + std::to_string(s.xf) + ", which is no style format");
        if (!s.builtIn && (s.name.empty() || s.name.size() > kMaxShortText))
            refuseToSave("a cell style name must have 1 to " + std::to_string(kMaxShortText) + " characters");
    }
}

// ---- one sheet -------------------------------------------------------------------

// Checks of one sheet; in names the sheet in messages.
class SheetCheck {
public:
    SheetCheck(const XlsWorkbook& wb, const XlsSheet& sheet)
        : wb_(wb)
        , sheet_(sheet)
        , in_(" on sheet " + quoted(sheet.name))
    {
    }

    void run()
    {
        checkDefaults();
        checkColumns();
        checkRows();
        for (const auto& cell : sheet_.cells)
            checkCell(cell);
        checkMerges();
        if (sheet_.printArea)
            checkRange(*sheet_.printArea, "the print area" + in_);
        checkView();
        checkPage();
    }

private:
    void cellXf(uint16_t xf, const std::string& user) const
    {
        if (xf >= wb_.xfs.size() || wb_.xfs[xf].isStyle)
            refuseToSave(user + in_ + " uses format " + std::to_string(xf) + ", which is no cell format");
    }

    void checkDefaults() const
    {
        if (sheet_.defaultRowHeight > kMaxRowHeight || sheet_.defaultColumnWidth > kMaxDefaultColumnWidth)
            refuseToSave("the default row height or column width" + in_ + " is larger than the file can hold");
    }

    void checkColumns() const
    {
        const auto& columns = sheet_.columns;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const auto& c = columns[i];
            if (c.first > c.last || c.last > kMaxColumn || (i > 0 && c.first <= columns[i - 1].last))
                refuseToSave("the column widths" + in_ + " are not sorted ranges of the grid");
            if (c.outlineLevel > kMaxOutlineLevel)
                refuseToSave("a column outline level" + in_ + " is over " + std::to_string(kMaxOutlineLevel));
            cellXf(c.xf, "a column");
        }
    }

    void checkRows() const
    {
        const auto& rows = sheet_.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& r = rows[i];
            const std::string which = "row " + std::to_string(r.row + 1);
            if (i > 0 && r.row <= rows[i - 1].row)
                refuseToSave("the rows" + in_ + " are not sorted, or one is given twice");
            if (r.height > kMaxRowHeight)
                refuseToSave(which + in_ + " is higher than " + points(kMaxRowHeight) + " points");
            if (r.outlineLevel > kMaxOutlineLevel)
                refuseToSave("a row outline level" + in_ + " is over " + std::to_string(kMaxOutlineLevel));
            if (r.xf)
                cellXf(*r.xf, which);
        }
    }

    void checkCell(const XlsCell& cell) const
    {
        const std::string where = cellName(cell.row, std::min<uint16_t>(cell.column, kMaxColumn)) + in_;
        if (cell.column > kMaxColumn)
            refuseToSave("a cell" + in_ + " lies right of column " + columnName(kMaxColumn));
        cellXf(cell.xf, "cell " + where);
        if (const auto* f = std::get_if<XlsFormula>(&cell.value))
            checkFormula(*f, where);
        else
            std::visit([&](const auto& v) { checkValue(v, where, false); }, cell.value);
    }

    void checkFormula(const XlsFormula& f, const std::string& where) const
    {
        if (f.rgce.empty() || f.rgce.size() > kMaxFormulaTokens)
            refuseToSave("the formula in " + where + " has no tokens or more than " + withThousands(kMaxFormulaTokens)
                         + " bytes of them");
        if (f.rgce.size() + f.rgcb.size() > kMaxFormulaData)
            refuseToSave("the formula in " + where + " is too long");
        std::visit([&](const auto& v) { checkValue(v, where, true); }, f.cached);
    }

    // A cell's value, or a formula's result.
    template <class Value>
    static void checkValue(const Value& v, const std::string& where, bool result)
    {
        if constexpr (std::is_same_v<Value, std::u16string>) {
            checkText(v, where);
        } else if constexpr (std::is_same_v<Value, double>) {
            checkNumber(v, where);
        } else if constexpr (std::is_same_v<Value, XlsErrorCode>) {
            if (!mapping::isKnownError(uint8_t(v)))
                refuseToSave(result ? "the formula in " + where + " has an unknown error value as result"
                                    : "cell " + where + " holds an unknown error value");
        }
    }

    void checkMerges() const
    {
        std::vector<XlsRange> merges = sheet_.merges;
        for (const auto& m : merges) {
            checkRange(m, "the merged range" + in_);
            if (m.firstRow == m.lastRow && m.firstColumn == m.lastColumn)
                refuseToSave("the merged range " + cellName(m.firstRow, m.firstColumn) + in_ + " is a single cell");
        }
        std::sort(merges.begin(), merges.end(),
                  [](const XlsRange& a, const XlsRange& b) { return a.firstRow < b.firstRow; });
        for (std::size_t i = 0; i < merges.size(); ++i) {
            for (std::size_t j = i + 1; j < merges.size() && merges[j].firstRow <= merges[i].lastRow; ++j) {
                if (merges[j].firstColumn <= merges[i].lastColumn && merges[i].firstColumn <= merges[j].lastColumn)
                    refuseToSave("merged ranges overlap" + in_ + " at "
                                 + cellName(merges[j].firstRow, merges[j].firstColumn));
            }
        }
    }

    void checkView() const
    {
        const auto& sel = sheet_.selection;
        if (sel.ranges.empty() || sel.ranges.size() > kMaxSelectedRanges || sel.activeRange >= sel.ranges.size()
            || sel.activeColumn > kMaxColumn)
            refuseToSave("the selection" + in_ + " is not one the file can hold");
        for (const auto& r : sel.ranges)
            checkRange(r, "the selected range" + in_);
        const auto& w = sheet_.window;
        if (w.zoom < kMinZoom || w.zoom > kMaxZoom || w.leftColumn > kMaxColumn)
            refuseToSave("the window" + in_ + " has a zoom or position the file cannot hold");
    }

    void checkPage() const
    {
        const auto& p = sheet_.page;
        if (p.scale < kMinZoom || p.scale > kMaxZoom)
            refuseToSave("the print scale" + in_ + " is not between " + std::to_string(kMinZoom) + "% and "
                         + std::to_string(kMaxZoom) + "%");
        if (p.fitWidth > kMaxFitPages || p.fitHeight > kMaxFitPages || p.printErrors > rec::Setup::kPrintErrors.mask())
            refuseToSave("the page setup" + in_ + " has values the file cannot hold");
        for (double m : {p.leftMargin, p.rightMargin, p.topMargin, p.bottomMargin, p.headerMargin, p.footerMargin}) {
            if (!std::isfinite(m) || m < 0 || m >= kMaxMarginInches)
                refuseToSave("a page margin" + in_ + " is not between 0 and " + decimal(kMaxMarginInches) + " inches");
        }
        if (p.header.size() > kMaxShortText || p.footer.size() > kMaxShortText)
            refuseToSave("the page header or footer" + in_ + " is over " + std::to_string(kMaxShortText)
                         + " characters");
    }

    const XlsWorkbook& wb_;
    const XlsSheet& sheet_;
    const std::string in_;
};

void checkBook(const XlsWorkbook& wb)
{
    if (wb.sheets.empty())
        refuseToSave("a workbook needs at least one sheet");
    if (wb.sheets.size() > kMaxSheets)
        refuseToSave("a workbook has at most " + withThousands(kMaxSheets) + " sheets");
    if (wb.activeSheet >= wb.sheets.size() || wb.sheets[wb.activeSheet].visibility != XlsVisibility::Visible)
        refuseToSave("the active sheet is not a visible sheet of the workbook");
    if (wb.window.firstVisibleTab >= wb.sheets.size())
        refuseToSave("the first visible sheet tab is not a sheet of the workbook");
    if (!wb.palette.empty() && wb.palette.size() != kPaletteSize)
        refuseToSave("a palette has " + std::to_string(kPaletteSize) + " colours");
}

}  // namespace

void refuseToSave(const std::string& what) { throw XlsError("cannot save the workbook: " + what); }

void checkWorkbook(const XlsWorkbook& wb)
{
    checkBook(wb);
    checkFonts(wb);
    checkFormats(wb);
    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        checkSheetName(wb.sheets, i);
        SheetCheck(wb, wb.sheets[i]).run();
    }
}

}  // namespace jubilo::xls
