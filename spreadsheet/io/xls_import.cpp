#include "spreadsheet/io/xls_import_p.h"

#include "host/constants/color_packing.h"
#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/formula/rgce_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/io/xls_export_p.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace jubilo::spreadsheet {

namespace {

// A file colour index as a palette entry; 0 for the system and automatic
// colours. The eight fixed colours are the first eight default entries.
quint8 paletteEntry(quint16 icv)
{
    if (icv < 8)
        return quint8(icv + 1);
    if (icv < 64)
        return quint8(icv - 7);
    return 0;
}

quint32 toBgr(const xls::XlsColor& c) { return xl::packBgr(c.red, c.green, c.blue); }

Font toFont(const xls::XlsFont& f)
{
    Font out;
    out.name = QString::fromStdU16String(f.name);
    out.height = f.height;
    out.bold = f.weight >= 700;
    out.italic = f.italic;
    out.underline = f.underline != 0;
    out.strikeout = f.strikeout;
    out.colorIndex = paletteEntry(f.color);
    return out;
}

BorderLine toBorder(const xls::XlsBorder& b)
{
    if (b.line == xls::XlsLine::None)
        return {};
    return {b.line, paletteEntry(b.color)};
}

// A number no cell can hold (NaN, an infinity) reads as #NUM!, the value a
// formula whose result is not finite takes.
Value toNumber(double v) { return std::isfinite(v) ? Value(v) : Value(ErrorCode::Num); }

Value toValue(const xls::XlsFormulaResult& r)
{
    return std::visit(
        [](const auto& v) -> Value {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::u16string>)
                return QString::fromStdU16String(v);
            else if constexpr (std::is_same_v<T, double>)
                return toNumber(v);
            else
                return v;
        },
        r);
}

CellRect toRect(const xls::XlsRange& r)
{
    const auto col = [](int c) { return std::min(c, kLastColumn); };
    return {r.firstRow, col(r.firstColumn), r.lastRow, col(r.lastColumn)};
}

// The file's fonts, number formats and cell formats, interned into the
// workbook's table as cells ask for them.
class FormatReader {
public:
    FormatReader(const xls::XlsWorkbook& file, FormatTable& table)
        : file_(file)
        , table_(table)
        , xfs_(file.xfs.size())
    {
        for (const auto& f : file.numberFormats)
            codes_[f.index] = QString::fromStdU16String(f.code);
    }

    quint32 operator()(quint16 index)
    {
        if (index >= xfs_.size())
            return 0;
        if (!xfs_[index])
            xfs_[index] = table_.intern(cellFormat(file_.xfs[index]));
        return *xfs_[index];
    }

private:
    // A cell format takes the groups it does not set itself from its style.
    CellFormat cellFormat(const xls::XlsXf& own)
    {
        xls::XlsXf x = own;
        if (!own.isStyle && own.parent < file_.xfs.size()) {
            const xls::XlsXf& style = file_.xfs[own.parent];
            const auto inherit = [&](int bit) { return (own.usedAttributes & (1 << bit)) == 0; };
            if (inherit(0))
                x.numberFormat = style.numberFormat;
            if (inherit(1))
                x.font = style.font;
            if (inherit(2)) {
                x.hAlign = style.hAlign, x.vAlign = style.vAlign;
                x.wrap = style.wrap, x.indent = style.indent;
            }
            if (inherit(3))
                x.left = style.left, x.right = style.right, x.top = style.top, x.bottom = style.bottom;
            if (inherit(4)) {
                x.fillPattern = style.fillPattern;
                x.fillForeground = style.fillForeground;
            }
        }
        CellFormat f;
        f.font = x.font < file_.fonts.size() ? table_.internFont(toFont(file_.fonts[x.font])) : 0;
        f.numberFormat = numberFormat(x.numberFormat);
        f.hAlign = x.hAlign <= HAlign::Distributed ? x.hAlign : HAlign::General;
        f.vAlign = x.vAlign <= VAlign::Distributed ? x.vAlign : VAlign::Bottom;
        f.indent = std::min<quint8>(x.indent, 15);
        f.wrap = x.wrap;
        f.quotePrefix = x.quotePrefix;
        f.borders[kLeft] = toBorder(x.left);
        f.borders[kRight] = toBorder(x.right);
        f.borders[kTop] = toBorder(x.top);
        f.borders[kBottom] = toBorder(x.bottom);
        // The engine knows solid fills only; a pattern shows in its foreground.
        if (x.fillPattern != 0)
            f.fillColor = x.fillForeground == xls::kIcvWindowBackground ? 2
                : x.fillForeground == xls::kIcvWindowText               ? 1
                                                                        : paletteEntry(x.fillForeground);
        return f;
    }

    quint16 numberFormat(quint16 index)
    {
        const auto found = codes_.find(index);
        if (found != codes_.end())
            return table_.internNumberFormat(found->second);
        // Built-in codes the engine does not know show as General.
        return index < kFirstCustomNumberFormat ? table_.internNumberFormat(table_.numberFormat(index)) : 0;
    }

    const xls::XlsWorkbook& file_;
    FormatTable& table_;
    std::vector<std::optional<quint32>> xfs_;
    std::map<quint16, QString> codes_;
};

// Sets a page setup value unless the engine refuses it; a foreign file's
// odd paper size or margin keeps the engine's default instead.
template <typename F>
void tryPage(F&& set)
{
    try {
        set();
    } catch (const SpreadsheetError&) {
    }
}

}  // namespace

// Fills a new sheet from the file directly: the object model's public
// members would re-read every value as typed input.
struct SheetLoader {
    static void load(Worksheet& sheet, const xls::XlsSheet& in, FormatReader& formats, int digit)
    {
        loadColumns(sheet, in, formats, digit);

        for (const xls::XlsRowInfo& row : in.rows) {
            if (row.customHeight || row.hidden)
                sheet.setRowHeight(row.row, row.row, row.hidden ? 0.0 : std::min(row.height / 20.0, 409.0));
            if (row.xf)
                sheet.cells_.obtainRow(row.row).xf = formats(*row.xf);
        }

        for (const xls::XlsCell& c : in.cells) {
            if (c.column > kLastColumn)
                continue;
            Cell& cell = sheet.cells_.obtain(c.row, c.column, formats(c.xf));
            std::visit(
                [&](const auto& v) {
                    using T = std::decay_t<decltype(v)>;
                    if constexpr (std::is_same_v<T, xls::XlsFormula>) {
                        const QByteArray bytes(reinterpret_cast<const char*>(v.rgce.data()), qsizetype(v.rgce.size()));
                        auto tokens = v.rgcb.empty() ? formula::decodeRgce(bytes) : std::nullopt;
                        if (!tokens) {
                            cell.value = toValue(v.cached);
                            return;
                        }
                        // Computed again when first read: the file asks for
                        // recalculation on open.
                        cell.formula = std::make_unique<FormulaCell>();
                        cell.formula->tokens = std::move(*tokens);
                        cell.formula->result = toValue(v.cached);
                    } else if constexpr (std::is_same_v<T, std::u16string>) {
                        cell.value = QString::fromStdU16String(v);
                    } else if constexpr (std::is_same_v<T, xls::XlsErrorCode>) {
                        cell.value = v;
                    } else if constexpr (std::is_same_v<T, double>) {
                        cell.value = toNumber(v);
                    } else if constexpr (std::is_same_v<T, bool>) {
                        cell.value = v;
                    }
                },
                c.value);
        }
        ++sheet.generation_;

        for (const xls::XlsRange& m : in.merges)
            sheet.merge(toRect(m));

        // A selection that names none of its ranges selects A1, widened over
        // a merged area as every selection is.
        const auto& sel = in.selection;
        sheet.select(sel.activeRange < sel.ranges.size() ? toRect(sel.ranges[sel.activeRange]) : CellRect::at(0, 0));

        PageSetup& page = sheet.pageSetup();
        const xls::XlsPageSetup& p = in.page;
        if (in.printArea)
            page.setPrintArea(absoluteAddress(toRect(*in.printArea)));
        tryPage([&] { page.setPaperSize(p.paperSize); });
        page.setOrientation(p.portrait ? xl::kPortrait : xl::kLandscape);
        tryPage([&] { page.setZoom(p.fitToPage ? std::nullopt : std::optional<int>(p.scale)); });
        tryPage([&] { page.setFitToPagesWide(p.fitWidth); });
        tryPage([&] { page.setFitToPagesTall(p.fitHeight); });
        tryPage([&] { page.setLeftMargin(p.leftMargin * 72.0); });
        tryPage([&] { page.setRightMargin(p.rightMargin * 72.0); });
        tryPage([&] { page.setTopMargin(p.topMargin * 72.0); });
        tryPage([&] { page.setBottomMargin(p.bottomMargin * 72.0); });
        tryPage([&] { page.setHeaderMargin(p.headerMargin * 72.0); });
        tryPage([&] { page.setFooterMargin(p.footerMargin * 72.0); });
        // A text the sheet cannot hold whole is refused with the limit, not
        // lost: it is what the file prints on every page.
        page.setHeader(QString::fromStdU16String(p.header));
        page.setFooter(QString::fromStdU16String(p.footer));
        page.setPrintComments(!p.printNotes      ? xl::kPrintNoComments
                                  : p.notesAtEnd ? xl::kPrintSheetEnd
                                                 : xl::kPrintInPlace);
        page.setCenterHorizontally(p.centerHorizontally);
        page.setCenterVertically(p.centerVertically);
        page.setOrder(p.overThenDown ? xl::kOverThenDown : xl::kDownThenOver);
    }

private:
    // Column records that cover the whole grid carry the sheet's format:
    // the one most columns share becomes it, the others column formats.
    static void loadColumns(Worksheet& sheet, const xls::XlsSheet& in, FormatReader& formats, int digit)
    {
        std::array<std::optional<quint16>, kColumnCount> xfOf{};
        const quint16 defaultUnits = xls::columnWidthUnits(kDefaultColumnWidth, digit);
        for (const xls::XlsColumnInfo& col : in.columns) {
            for (int c = col.first; c <= std::min<int>(col.last, kLastColumn); ++c)
                xfOf[c] = col.xf;
            if (col.first > kLastColumn)
                continue;
            const int last = std::min<int>(col.last, kLastColumn);
            if (col.hidden)
                sheet.setColumnWidth(col.first, last, 0.0);
            else if (col.customWidth || col.width != defaultUnits)
                sheet.setColumnWidth(col.first, last, std::min(xls::columnWidthCharacters(col.width, digit), 255.0));
        }
        std::optional<quint16> sheetXf;
        if (std::all_of(xfOf.begin(), xfOf.end(), [](const auto& xf) { return xf.has_value(); })) {
            std::map<quint16, int> votes;
            for (const auto& xf : xfOf)
                ++votes[*xf];
            sheetXf = std::max_element(votes.begin(), votes.end(), [](const auto& a, const auto& b) {
                          return a.second < b.second;
                      })->first;
            sheet.sheetXf_ = formats(*sheetXf);
        }
        for (int c = 0; c < kColumnCount; ++c) {
            if (!xfOf[c] || xfOf[c] == sheetXf)
                continue;
            const quint32 xf = formats(*xfOf[c]);
            if (xf != sheet.sheetXf_)
                sheet.columns_[c].xf = xf;
        }
    }
};

std::shared_ptr<Workbook> importWorkbook(const xls::XlsWorkbook& file, Application& app, const QString& name)
{
    if (file.sheets.empty())
        throw SpreadsheetError(QStringLiteral("The workbook has no sheets"));
    auto book = std::make_shared<Workbook>(app, name, int(file.sheets.size()));

    const auto& palette = file.palette.size() == kPaletteSize
        ? file.palette
        : std::vector<xls::XlsColor>(xls::defaultPalette().begin(), xls::defaultPalette().end());
    for (int i = 0; i < kPaletteSize; ++i)
        book->setColor(i + 1, toBgr(palette[std::size_t(i)]));

    // Names first without checks, then checked against the final names, so
    // files that swap the default names load too.
    for (int i = 1; i <= book->sheetCount(); ++i)
        book->sheet(i)->assignName(QString::fromStdU16String(file.sheets[std::size_t(i - 1)].name));
    for (int i = 1; i <= book->sheetCount(); ++i)
        book->renameSheet(*book->sheet(i), book->sheet(i)->name());

    const xls::XlsFont normal = file.fonts.empty() ? xls::XlsFont{} : file.fonts.front();
    const int digit = maxDigitWidth(QString::fromStdU16String(normal.name), normal.height);
    FormatReader formats(file, book->formats());
    for (std::size_t i = 0; i < file.sheets.size(); ++i)
        SheetLoader::load(*book->sheet(int(i) + 1), file.sheets[i], formats, digit);

    const int active = file.activeSheet < file.sheets.size() ? file.activeSheet + 1 : 1;
    book->activate(*book->sheet(active));
    return book;
}

}  // namespace jubilo::spreadsheet
