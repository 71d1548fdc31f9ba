#include "spreadsheet/io/xls_export_p.h"

#include "host/constants/color_packing.h"
#include "spreadsheet/core/address.h"
#include "spreadsheet/formula/rgce_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace jubilo::spreadsheet {

namespace {

constexpr int kFirstCellXf = 15;  // the file's default cell format; styles come before it

// Digit advance as a fraction of the em, for the faces sheets commonly use.
double digitEm(const QString& name)
{
    static const std::pair<const char*, double> kFaces[] = {
        {"arial", 0.556},     {"liberation sans", 0.556}, {"helvetica", 0.556},     {"arimo", 0.556},
        {"calibri", 0.507},   {"carlito", 0.507},         {"cambria", 0.556},       {"tahoma", 0.546},
        {"verdana", 0.636},   {"century gothic", 0.552},  {"times new roman", 0.5}, {"liberation serif", 0.5},
        {"courier new", 0.6}, {"palatino linotype", 0.5},
    };
    const QString folded = name.trimmed().toLower();
    for (const auto& [face, em] : kFaces)
        if (folded == QLatin1String(face))
            return em;
    return 0.556;
}

xls::XlsColor toXlsColor(quint32 bgr) { return {xl::redOfBgr(bgr), xl::greenOfBgr(bgr), xl::blueOfBgr(bgr)}; }

// Palette entry 1..56 to the file's colour index; 0 (automatic) to `automatic`.
quint16 icv(quint8 entry, quint16 automatic) { return entry ? xls::paletteIcv(entry) : automatic; }

xls::XlsFont toXlsFont(const Font& f)
{
    xls::XlsFont out;
    out.name = f.name.toStdU16String();
    out.height = f.height;
    out.weight = f.bold ? 700 : 400;
    out.italic = f.italic;
    out.underline = f.underline ? 1 : 0;
    out.strikeout = f.strikeout;
    out.color = icv(f.colorIndex, xls::kIcvAutomaticFont);
    return out;
}

xls::XlsBorder toXlsBorder(const BorderLine& b) { return {b.style, quint8(icv(b.colorIndex, xls::kIcvWindowText))}; }

xls::XlsFormulaResult toResult(const Value& v)
{
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* s = std::get_if<QString>(&v))
        return s->toStdU16String();
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* e = std::get_if<ErrorCode>(&v))
        return *e;
    return 0.0;  // a reference to an empty cell shows as 0
}

xls::XlsRange toXlsRange(const CellRect& r)
{
    return {quint16(r.top), quint16(r.bottom), quint16(r.left), quint16(r.right)};
}

// Engine format indexes in use, and the file's index for each.
class FormatMap {
public:
    FormatMap(Workbook& book, xls::XlsWorkbook& file)
        : book_(book)
        , file_(file)
    {
    }

    void use(quint32 xf) { used_.emplace(xf, 0); }

    // Writes the fonts, number formats and cell formats in use.
    void writeFormats()
    {
        const FormatTable& table = book_.formats();
        std::map<quint16, quint16> fonts{{0, 0}};
        std::map<quint16, quint16> codes;
        for (auto& [xf, fileIndex] : used_) {
            if (xf == 0) {
                fileIndex = kFirstCellXf;
                continue;
            }
            const CellFormat& f = table.format(xf);
            xls::XlsXf out;
            auto font = fonts.find(f.font);
            if (font == fonts.end()) {
                font = fonts.emplace(f.font, quint16(file_.fonts.size())).first;
                file_.fonts.push_back(toXlsFont(table.font(f.font)));
            }
            out.font = font->second;
            out.numberFormat = numberFormat(f.numberFormat, codes);
            out.hAlign = f.hAlign;
            out.vAlign = f.vAlign;
            out.indent = f.indent;
            out.wrap = f.wrap;
            out.quotePrefix = f.quotePrefix;
            out.left = toXlsBorder(f.borders[kLeft]);
            out.right = toXlsBorder(f.borders[kRight]);
            out.top = toXlsBorder(f.borders[kTop]);
            out.bottom = toXlsBorder(f.borders[kBottom]);
            if (f.fillColor) {
                out.fillPattern = 1;
                out.fillForeground = quint8(xls::paletteIcv(f.fillColor));
                out.fillBackground = xls::kIcvWindowText;
            }
            // Every attribute is the cell format's own, not the Normal style's.
            out.usedAttributes = 0x3F;
            fileIndex = quint16(file_.xfs.size());
            file_.xfs.push_back(out);
        }
    }

    quint16 operator[](quint32 xf) const { return used_.at(xf); }

private:
    // Built-in codes keep their index; the currency ones are written out as
    // well, because readers otherwise put their own locale's currency there.
    quint16 numberFormat(quint16 index, std::map<quint16, quint16>& codes)
    {
        const bool custom = index >= kFirstCustomNumberFormat;
        if (!custom && (index < 5 || index > 8))
            return index;
        const auto found = codes.find(index);
        if (found != codes.end())
            return found->second;
        const quint16 fileIndex = custom ? quint16(kFirstCustomNumberFormat + nextCustom_++) : index;
        file_.numberFormats.push_back({fileIndex, book_.formats().numberFormat(index).toStdU16String()});
        codes.emplace(index, fileIndex);
        return fileIndex;
    }

    Workbook& book_;
    xls::XlsWorkbook& file_;
    std::map<quint32, quint16> used_;
    int nextCustom_ = 0;
};

void collectFormats(const Worksheet& sheet, FormatMap& formats)
{
    formats.use(sheet.sheetXf());
    for (int c = 0; c < kColumnCount; ++c)
        if (sheet.column(c).xf)
            formats.use(*sheet.column(c).xf);
    const CellStore& store = sheet.cells();
    store.forEachRow(0, kLastRow, [&](int, const RowStore& row) {
        if (row.xf)
            formats.use(*row.xf);
        for (const Cell& cell : row.cells)
            formats.use(cell.xf);
    });
}

// COLINFO records: every column whose width or format differs from the
// default. A sheet-wide format reaches every column, as spreadsheets store it.
void exportColumns(const Worksheet& sheet, const FormatMap& formats, int digit, xls::XlsSheet& out)
{
    const quint16 defaultUnits = xls::columnWidthUnits(kDefaultColumnWidth, digit);
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnInfo& info = sheet.column(c);
        const quint32 xf = info.xf.value_or(sheet.sheetXf());
        if (!info.width && xf == 0)
            continue;
        xls::XlsColumnInfo col;
        col.first = col.last = quint16(c);
        col.xf = formats[xf];
        col.customWidth = info.width.has_value();
        col.width = info.width ? xls::columnWidthUnits(*info.width, digit) : defaultUnits;
        col.hidden = info.width && col.width == 0;
        if (!out.columns.empty()) {
            xls::XlsColumnInfo& prev = out.columns.back();
            if (prev.last + 1 == c && prev.xf == col.xf && prev.width == col.width
                && prev.customWidth == col.customWidth && prev.hidden == col.hidden) {
                prev.last = col.last;
                continue;
            }
        }
        out.columns.push_back(col);
    }
}

void exportPage(const PageSetup& page, xls::XlsSheet& out)
{
    xls::XlsPageSetup& p = out.page;
    p.paperSize = quint16(page.paperSize());
    p.portrait = page.orientation() == xl::kPortrait;
    p.fitToPage = !page.zoom().has_value();
    p.scale = quint16(page.zoom().value_or(100));
    p.fitWidth = quint16(page.fitToPagesWide());
    p.fitHeight = quint16(page.fitToPagesTall());
    p.leftMargin = page.leftMargin() / 72.0;
    p.rightMargin = page.rightMargin() / 72.0;
    p.topMargin = page.topMargin() / 72.0;
    p.bottomMargin = page.bottomMargin() / 72.0;
    p.headerMargin = page.headerMargin() / 72.0;
    p.footerMargin = page.footerMargin() / 72.0;
    p.printNotes = page.printComments() != xl::kPrintNoComments;
    p.notesAtEnd = page.printComments() == xl::kPrintSheetEnd;
    p.centerHorizontally = page.centerHorizontally();
    p.centerVertically = page.centerVertically();
    p.overThenDown = page.order() == xl::kOverThenDown;
    p.header = page.header().toStdU16String();
    p.footer = page.footer().toStdU16String();
    if (!page.printArea().isEmpty())
        out.printArea = toXlsRange(parseA1Range(page.printArea()));
}

xls::XlsSheet exportSheet(Worksheet& sheet, const FormatMap& formats, int digit)
{
    xls::XlsSheet out;
    out.name = sheet.name().toStdU16String();
    exportColumns(sheet, formats, digit, out);

    const CellStore& store = sheet.cells();
    out.cells.reserve(store.cellCount());
    store.forEachRow(0, kLastRow, [&](int r, const RowStore& row) {
        if (row.height || row.xf) {
            xls::XlsRowInfo info;
            info.row = quint16(r);
            if (row.height) {
                info.height = quint16(std::lround(*row.height * 20.0));
                info.customHeight = true;
                info.hidden = info.height == 0;
            }
            if (row.xf)
                info.xf = formats[*row.xf];
            out.rows.push_back(info);
        }
        for (const Cell& cell : row.cells) {
            xls::XlsCell x;
            x.row = quint16(r);
            x.column = quint16(cell.col);
            x.xf = formats[cell.xf];
            if (cell.formula) {
                xls::XlsFormula f;
                const QByteArray rgce = formula::encodeRgce(cell.formula->tokens);
                f.rgce.assign(rgce.begin(), rgce.end());
                f.cached = toResult(sheet.value(r, cell.col));
                x.value = std::move(f);
            } else if (const auto* d = std::get_if<double>(&cell.value)) {
                x.value = *d;
            } else if (const auto* s = std::get_if<QString>(&cell.value)) {
                x.value = s->toStdU16String();
            } else if (const auto* b = std::get_if<bool>(&cell.value)) {
                x.value = *b;
            } else if (const auto* e = std::get_if<ErrorCode>(&cell.value)) {
                x.value = *e;
            }
            out.cells.push_back(std::move(x));
        }
    });

    for (const CellRect& m : sheet.merges().areas())
        out.merges.push_back(toXlsRange(m));

    out.selection.ranges = {toXlsRange(sheet.selection())};
    out.selection.activeRow = quint16(sheet.activeCell().row);
    out.selection.activeColumn = quint16(sheet.activeCell().col);
    exportPage(sheet.pageSetup(), out);
    return out;
}

}  // namespace

int maxDigitWidth(const QString& fontName, quint16 heightTwips)
{
    const double pixelsPerEm = heightTwips / 20.0 * 96.0 / 72.0;
    return std::max(1, int(std::lround(digitEm(fontName) * pixelsPerEm)));
}

xls::XlsWorkbook exportWorkbook(Workbook& book)
{
    xls::XlsWorkbook file = xls::makeDefaultWorkbook();
    file.sheets.clear();
    file.palette.clear();
    for (quint32 bgr : book.palette())
        file.palette.push_back(toXlsColor(bgr));

    const Font& normal = book.formats().font(0);
    std::fill(file.fonts.begin(), file.fonts.end(), toXlsFont(normal));
    FormatMap formats(book, file);
    formats.use(0);
    for (int i = 1; i <= book.sheetCount(); ++i)
        collectFormats(*book.sheet(i), formats);
    formats.writeFormats();

    const int digit = maxDigitWidth(normal.name, normal.height);
    const auto active = book.activeSheet();
    for (int i = 1; i <= book.sheetCount(); ++i) {
        const auto sheet = book.sheet(i);
        file.sheets.push_back(exportSheet(*sheet, formats, digit));
        if (sheet == active)
            file.activeSheet = quint16(i - 1);
    }
    return file;
}

}  // namespace jubilo::spreadsheet
