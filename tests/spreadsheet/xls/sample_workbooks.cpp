#include "sample_workbooks.h"

namespace jubilo::xls::testing {

namespace {

void put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

void putInt(std::vector<uint8_t>& v, int16_t x)
{
    v.push_back(0x1E);  // PtgInt
    put16(v, uint16_t(x));
}

void putStr(std::vector<uint8_t>& v, std::u16string_view s)
{
    v.push_back(0x17);  // PtgStr
    v.push_back(uint8_t(s.size()));
    v.push_back(1);  // UTF-16
    for (char16_t c : s)
        put16(v, uint16_t(c));
}

constexpr uint16_t kRelativeRowAndColumn = 0xC000;

XlsXf cellXf(uint16_t font)
{
    XlsXf xf;
    xf.font = font;
    xf.vAlign = XlsVAlign::Center;
    xf.wrap = true;
    xf.fillPattern = 1;
    xf.fillForeground = uint8_t(paletteIcv(2));
    xf.usedAttributes = 0x3F;
    return xf;
}

XlsBorder thin(int paletteEntry) { return {XlsLine::Thin, uint8_t(paletteIcv(paletteEntry))}; }

}  // namespace

std::vector<uint8_t> sumAboveTokens(uint16_t row, uint16_t column, uint16_t count)
{
    std::vector<uint8_t> v{0x25};  // PtgArea, reference class
    put16(v, uint16_t(row - count));
    put16(v, uint16_t(row - 1));
    put16(v, uint16_t(column | kRelativeRowAndColumn));
    put16(v, uint16_t(column | kRelativeRowAndColumn));
    v.push_back(0x22);  // PtgFuncVar, value class
    v.push_back(1);  // one argument
    put16(v, 4);  // SUM
    return v;
}

namespace {

// Two integer operands and a binary operator token.
std::vector<uint8_t> integerOperation(int16_t a, int16_t b, uint8_t ptg)
{
    std::vector<uint8_t> v;
    putInt(v, a);
    putInt(v, b);
    v.push_back(ptg);
    return v;
}

}  // namespace

std::vector<uint8_t> addTokens(int16_t a, int16_t b) { return integerOperation(a, b, 0x03); }  // PtgAdd
std::vector<uint8_t> divideTokens(int16_t a, int16_t b) { return integerOperation(a, b, 0x06); }  // PtgDiv
std::vector<uint8_t> greaterTokens(int16_t a, int16_t b) { return integerOperation(a, b, 0x0D); }  // PtgGt

std::vector<uint8_t> concatTokens(std::u16string_view a, std::u16string_view b)
{
    std::vector<uint8_t> v;
    putStr(v, a);
    putStr(v, b);
    v.push_back(0x08);  // PtgConcat
    return v;
}

namespace {

void addPalette(XlsWorkbook& wb)
{
    static constexpr uint32_t kPaletteRrggbb[kPaletteSize] = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x6896CE, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x547D92,
        0xB8CBD6, 0x37525F, 0x81A478, 0x008080, 0xE0E0E0, 0x808080, 0x9999FF, 0x088483, 0xFEF8E8, 0xCCFFFF,
        0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
        0x008080, 0x0000FF, 0x00CCFF, 0xFEFCF2, 0xDBEBCB, 0xFFE7BD, 0xFCFAF2, 0xFF99CC, 0xEAEAEA, 0xFDF7DF,
        0x3366FF, 0x33CCCC, 0xB1FFD1, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFBF8EF, 0xCFCFCF, 0xBEBEBE, 0x339966,
        0x739ED3, 0xECF5D7, 0x993300, 0x993366, 0xCCFFCC, 0x333333,
    };
    for (uint32_t rrggbb : kPaletteRrggbb)
        wb.palette.push_back(colorFromRrggbb(rrggbb));
}

struct SampleFonts {
    uint16_t title, date, block, header, total, odd;
};

SampleFonts addFonts(XlsWorkbook& wb)
{
    XlsFont base;
    base.name = u"Century Gothic";
    base.height = 180;
    wb.fonts.assign(4, base);
    const auto font = [&](std::u16string name, uint16_t twips, bool bold, bool italic, int paletteEntry) {
        XlsFont f;
        f.name = std::move(name);
        f.height = twips;
        f.weight = bold ? 700 : 400;
        f.italic = italic;
        f.color = paletteIcv(paletteEntry);
        wb.fonts.push_back(f);
        return uint16_t(wb.fonts.size() - 1);
    };
    SampleFonts fonts{};
    fonts.title = font(u"Palatino Linotype", 480, true, true, 53);  // logical 4: file font 5
    fonts.date = font(u"Palatino Linotype", 200, true, true, 53);
    fonts.block = font(u"Century Gothic", 200, true, false, 35);
    fonts.header = font(u"Century Gothic", 180, true, false, 13);
    fonts.total = font(u"Century Gothic", 180, true, false, 53);
    XlsFont odd = base;
    odd.underline = 1;
    odd.strikeout = true;
    odd.script = 1;
    odd.name = u"Noto Sans 日本語";
    wb.fonts.push_back(odd);
    fonts.odd = uint16_t(wb.fonts.size() - 1);
    return fonts;
}

struct SampleFormats {
    uint16_t sheet, title, date, block, data, money, total, header, borders, dated, percent;
};

// Every alignment, border and fill there is, in one format.
XlsXf oddBordersXf(uint16_t font)
{
    XlsXf borders = cellXf(font);
    borders.left = {XlsLine::Dashed, uint8_t(paletteIcv(3))};
    borders.right = {XlsLine::Double, uint8_t(paletteIcv(4))};
    borders.top = {XlsLine::Thick, uint8_t(paletteIcv(5))};
    borders.bottom = {XlsLine::MediumDashDotDot, uint8_t(paletteIcv(56))};
    borders.diagonal = {XlsLine::Hair, uint8_t(paletteIcv(10))};
    borders.diagonalKind = 3;
    borders.fillPattern = 4;
    borders.fillForeground = uint8_t(paletteIcv(16));
    borders.fillBackground = uint8_t(paletteIcv(36));
    borders.rotation = 90;
    borders.shrinkToFit = true;
    borders.hAlign = XlsHAlign::Distributed;
    borders.vAlign = XlsVAlign::Justify;
    borders.locked = false;
    borders.formulaHidden = true;
    borders.numberFormat = 165;
    return borders;
}

// The plan's formats: title, date, block titles, striped data, money and
// totals.
void addPlanFormats(XlsWorkbook& wb, const SampleFonts& fonts, SampleFormats& f)
{
    const auto addXf = [&](const XlsXf& xf) {
        wb.xfs.push_back(xf);
        return uint16_t(wb.xfs.size() - 1);
    };
    f.sheet = addXf(cellXf(0));
    XlsXf title = cellXf(fonts.title);
    title.vAlign = XlsVAlign::Bottom;
    title.wrap = false;
    f.title = addXf(title);
    XlsXf date = cellXf(fonts.date);
    date.hAlign = XlsHAlign::Right;
    date.vAlign = XlsVAlign::Bottom;
    date.wrap = false;
    f.date = addXf(date);
    XlsXf block = cellXf(fonts.block);
    block.fillForeground = uint8_t(paletteIcv(13));
    block.left = block.top = thin(1);
    block.left.color = uint8_t(kIcvWindowText);
    block.right = thin(48);
    f.block = addXf(block);
    XlsXf data = cellXf(0);
    data.fillForeground = uint8_t(paletteIcv(19));
    data.indent = 1;
    data.left = thin(48);
    data.right = thin(48);
    f.data = addXf(data);
    XlsXf money = data;
    money.numberFormat = 164;
    money.hAlign = XlsHAlign::Left;
    f.money = addXf(money);
    XlsXf total = cellXf(fonts.total);
    total.fillForeground = uint8_t(paletteIcv(39));
    total.numberFormat = 164;
    total.hAlign = XlsHAlign::Left;
    total.indent = 1;
    total.bottom = thin(1);
    f.total = addXf(total);
}

SampleFormats addFormats(XlsWorkbook& wb, const SampleFonts& fonts)
{
    wb.numberFormats.push_back({164, u"\"$\"#,##0.00"});
    wb.numberFormats.push_back({165, u"0.0%;[Red]-0.0%"});
    wb.numberFormats.push_back({166, u"yyyy-mm-dd \"€\""});
    const auto addXf = [&](const XlsXf& xf) {
        wb.xfs.push_back(xf);
        return uint16_t(wb.xfs.size() - 1);
    };
    SampleFormats f{};
    addPlanFormats(wb, fonts, f);
    XlsXf header = cellXf(fonts.header);
    header.fillForeground = uint8_t(paletteIcv(35));
    header.hAlign = XlsHAlign::Center;
    f.header = addXf(header);
    f.borders = addXf(oddBordersXf(fonts.odd));
    XlsXf dated = wb.xfs[f.data];
    dated.numberFormat = 166;
    f.dated = addXf(dated);
    XlsXf percent = wb.xfs[f.data];
    percent.numberFormat = 10;  // built-in 0.00%
    f.percent = addXf(percent);

    // A user style on its own style format.
    XlsXf styleXf = wb.xfs[0];
    styleXf.font = fonts.block;
    styleXf.fillPattern = 1;
    styleXf.fillForeground = uint8_t(paletteIcv(35));
    const uint16_t userStyleXf = addXf(styleXf);
    wb.styles.push_back({userStyleXf, false, 0, 0xFF, u"Block title ✓"});
    return f;
}

// Adds rows, cells and merges to a sheet.
struct SheetFiller {
    XlsSheet& s;

    void row(uint16_t r, double points, std::optional<uint16_t> xf)
    {
        XlsRowInfo info;
        info.row = r;
        info.height = uint16_t(points * 20 + 0.5);
        info.customHeight = true;
        info.xf = xf;
        s.rows.push_back(info);
    }
    void put(uint16_t r, uint16_t c, uint16_t xf, XlsValue v) { s.cells.push_back({r, c, xf, std::move(v)}); }
    void merge(uint16_t r1, uint16_t c1, uint16_t r2, uint16_t c2) { s.merges.push_back({r1, r2, c1, c2}); }
};

void planColumns(XlsSheet& s, uint16_t sheetXf)
{
    const double widths[6] = {2.43, 19.14, 17.57, 7.29, 13.86, 27.86};
    for (uint16_t c = 0; c < 6; ++c) {
        XlsColumnInfo col;
        col.first = col.last = c;
        col.width = columnWidthUnits(widths[c], 7);
        col.xf = sheetXf;
        s.columns.push_back(col);
    }
    XlsColumnInfo rest;
    rest.first = 6;
    rest.last = 255;
    rest.width = columnWidthUnits(8.43, 7);
    rest.xf = sheetXf;
    rest.customWidth = false;
    s.columns.push_back(rest);
}

// The title and the Music block: title row, three data rows, total row.
void planBlock(SheetFiller& add, const SampleFormats& f)
{
    add.row(0, 4.5, f.sheet);
    add.row(1, 42.75, f.sheet);
    add.put(1, 1, f.title, std::u16string(u"Holiday Party Plans"));
    add.put(1, 4, f.date, std::u16string(u"December 24"));
    add.put(1, 5, f.date, XlsBlank{});
    add.merge(1, 4, 1, 5);

    add.row(2, 20, f.sheet);
    add.put(2, 1, f.block, std::u16string(u"Music"));
    add.put(2, 2, f.block, std::u16string(u"Format"));
    add.put(2, 3, f.block, XlsBlank{});
    add.merge(2, 2, 2, 3);
    add.put(2, 4, f.block, std::u16string(u"Purchased?"));
    add.put(2, 5, f.block, std::u16string(u"Budget: $250"));
    const double amounts[3] = {12.5, 1999.99, 0.1};
    const char16_t* names[3] = {u"Jingle Bells", u"Stille Nacht — «Weihnacht»", u"きよしこの夜 🎄"};
    for (uint16_t i = 0; i < 3; ++i) {
        const uint16_t r = uint16_t(3 + i);
        add.row(r, 14.25, f.sheet);
        add.put(r, 1, f.data, std::u16string(names[i]));
        add.put(r, 2, f.data, std::u16string(u"CD"));
        add.put(r, 3, f.data, XlsBlank{});
        add.merge(r, 2, r, 3);
        add.put(r, 4, f.data, i != 1);
        add.put(r, 5, f.money, amounts[i]);
    }
    add.put(7, 1, f.header, std::u16string(u"Notes"));
    add.put(6, 1, f.total, std::u16string(u"Total:"));
    for (uint16_t c = 2; c <= 4; ++c)
        add.put(6, c, f.total, XlsBlank{});
    add.merge(6, 1, 6, 4);
    add.put(6, 5, f.total, XlsFormula{sumAboveTokens(6, 5, 3), {}, 2012.59, true, true});
}

// A row of other values and formulas of every result type.
void otherValues(SheetFiller& add, const SampleFormats& f)
{
    add.row(8, 30, std::nullopt);
    add.put(8, 1, f.borders, -0.25);
    add.put(8, 2, f.percent, 0.125);
    add.put(8, 3, f.dated, 45285.0);
    add.put(8, 4, f.data, XlsErrorCode::Div0);
    add.put(8, 5, f.data, XlsErrorCode::NA);
    add.put(9, 1, f.data, XlsFormula{addTokens(2, 3), {}, 5.0, true, true});
    add.put(9, 2, f.data,
            XlsFormula{concatTokens(u"Happy ", u"holidays ☃"), {}, std::u16string(u"Happy holidays ☃"), true, true});
    add.put(9, 3, f.data, XlsFormula{greaterTokens(1, 0), {}, true, true, true});
    add.put(9, 4, f.data, XlsFormula{divideTokens(1, 0), {}, XlsErrorCode::Div0, true, true});
    add.put(9, 5, f.data, XlsFormula{concatTokens(u"", u""), {}, std::u16string(), true, true});
    add.put(10, 1, f.data, 1e300);
    add.put(10, 2, f.data, -123456789.0);
    add.put(10, 3, f.data, 3.14159);
    add.put(10, 4, f.data, false);
    add.put(10, 5, f.data, 42.0);
}

void planPage(XlsSheet& s)
{
    s.printArea = XlsRange{1, 10, 1, 5};
    s.page.paperSize = 9;
    s.page.portrait = true;
    s.page.fitToPage = true;
    s.page.fitWidth = 1;
    s.page.fitHeight = 1;
    s.page.leftMargin = s.page.rightMargin = s.page.topMargin = s.page.bottomMargin = 0.5;
    s.page.headerMargin = s.page.footerMargin = 0;
    s.page.printNotes = false;
    s.page.header = u"&CHoliday Party Plans";
    s.page.footer = u"&RPage &P of &N";
    s.page.centerHorizontally = true;
    s.selection.activeRow = 14;
    s.selection.activeColumn = 2;
    s.selection.ranges = {XlsRange{14, 14, 2, 2}};
    s.window.showGridLines = false;
    s.window.zoom = 85;
}

// Hidden, non-Latin, emoji, the grid's last cell.
XlsSheet secondSheet(uint16_t dataXf)
{
    XlsSheet second;
    second.name = u"Ünïcödé 日本 ✓";
    second.visibility = XlsVisibility::Hidden;
    second.cells.push_back({0, 0, dataXf, std::u16string(u"Ελληνικά, русский, עברית, العربية, 中文, 한국어")});
    second.cells.push_back({0, 1, dataXf, std::u16string(u"😀👍🏽👨‍👩‍👧‍👦 𝄞 𠜎")});
    second.cells.push_back({1, 0, 15, std::u16string(u"Holiday Party Plans")});  // shared with sheet 1
    second.cells.push_back({kMaxRow, kMaxColumn, 15, std::u16string(u"the last cell")});
    second.merges.push_back({100, 200, 10, 20});
    second.page.portrait = false;
    second.page.paperSize = 1;
    second.page.scale = 75;
    second.page.blackAndWhite = true;
    second.page.printErrors = 2;
    second.page.printGridLines = true;
    second.page.printHeadings = true;
    second.printArea = XlsRange{0, kMaxRow, 0, kMaxColumn};
    second.window.rightToLeft = true;
    second.window.topRow = 10;
    second.window.leftColumn = 3;
    second.selection.activeRow = 1;
    second.selection.activeColumn = 1;
    second.selection.ranges = {XlsRange{0, 3, 0, 3}, XlsRange{7, 9, 7, 9}};
    second.selection.activeRange = 0;
    return second;
}

}  // namespace

XlsWorkbook representativeWorkbook()
{
    XlsWorkbook wb = makeDefaultWorkbook();
    addPalette(wb);
    const SampleFonts fonts = addFonts(wb);
    const SampleFormats formats = addFormats(wb, fonts);

    XlsSheet& s = wb.sheets[0];
    s.name = u"Holiday Party Plans";
    s.defaultRowHeight = 240;
    planColumns(s, formats.sheet);
    SheetFiller add{s};
    planBlock(add, formats);
    otherValues(add, formats);
    planPage(s);

    wb.sheets.push_back(secondSheet(formats.data));
    wb.activeSheet = 0;
    return wb;
}

XlsWorkbook styledRows(int rows)
{
    XlsWorkbook wb = makeDefaultWorkbook();
    wb.numberFormats.push_back({164, u"\"$\"#,##0.00"});
    XlsXf odd = cellXf(0);
    odd.fillForeground = uint8_t(paletteIcv(19));
    odd.left = odd.right = thin(48);
    XlsXf even = odd;
    even.fillForeground = uint8_t(paletteIcv(2));
    wb.xfs.push_back(odd);  // 16
    wb.xfs.push_back(even);  // 17
    XlsXf money = odd;
    money.numberFormat = 164;
    wb.xfs.push_back(money);  // 18
    XlsSheet& s = wb.sheets[0];
    s.name = u"Rows";
    const auto add = [&s](uint16_t r, uint16_t c, uint16_t xf, XlsValue v) {
        XlsCell cell;
        cell.row = r;
        cell.column = c;
        cell.xf = xf;
        cell.value = std::move(v);
        s.cells.push_back(std::move(cell));
    };
    for (int i = 0; i < rows; ++i) {
        const auto r = uint16_t(i);
        const uint16_t xf = i % 2 ? 17 : 16;
        XlsRowInfo info;
        info.row = r;
        info.height = 285;
        info.customHeight = true;
        info.xf = xf;
        s.rows.push_back(info);
        std::u16string name = u"Guest number ";
        name += char16_t(u'A' + i % 26);
        name += char16_t(u'0' + i % 10);
        add(r, 0, xf, std::move(name));
        add(r, 1, xf, double(i) * 1.5);
        add(r, 2, 18, double(i) + 0.99);
        add(r, 3, xf, i % 3 == 0);
        XlsFormula f;
        f.rgce = addTokens(int16_t(i % 1000), 1);
        f.cached = double(i % 1000 + 1);
        add(r, 4, xf, std::move(f));
    }
    return wb;
}

}  // namespace jubilo::xls::testing
