#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/image_codec_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>
#include <set>
#include <string>
#include <system_error>
#include <unordered_map>

namespace jubilo::xls {

namespace {

// Longest token string a cell formula may have.
constexpr std::size_t kMaxFormulaTokens = 1800;
// Stream size below which the container would keep the workbook in its
// small-stream area; the stream is padded to stay out of it.
constexpr std::size_t kMinStreamSize = 4096;

std::string utf8(std::u16string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string cellName(uint16_t row, uint16_t column)
{
    std::string letters;
    int c = column + 1;
    while (c > 0) {
        letters.insert(letters.begin(), char('A' + (c - 1) % 26));
        c = (c - 1) / 26;
    }
    return letters + std::to_string(row + 1);
}

[[noreturn]] void invalid(const std::string& what) { throw XlsError("cannot save the workbook: " + what); }

// ---- checks ------------------------------------------------------------------

void checkRange(const XlsRange& r, const std::string& what)
{
    if (r.firstRow > r.lastRow || r.firstColumn > r.lastColumn || r.lastColumn > kMaxColumn)
        invalid(what + " " + cellName(r.firstRow, r.firstColumn) + ":" + cellName(r.lastRow, r.lastColumn)
                + " is not a range of the grid");
}

void checkText(std::u16string_view text, const std::string& where)
{
    if (text.size() > kMaxCellText)
        invalid("the text in " + where + " has " + std::to_string(text.size())
                + " characters; a cell holds at most 32,767");
}

void checkNumber(double v, const std::string& where)
{
    if (!std::isfinite(v))
        invalid("the number in " + where + " is not finite");
}

void checkSheetName(const std::u16string& name, const std::vector<XlsSheet>& sheets, std::size_t index)
{
    const std::string shown = "\"" + utf8(name) + "\"";
    if (name.empty() || name.size() > 31)
        invalid("the sheet name " + shown + " must have 1 to 31 characters");
    for (char16_t c : name) {
        if (c == u':' || c == u'\\' || c == u'/' || c == u'?' || c == u'*' || c == u'[' || c == u']')
            invalid("the sheet name " + shown + " contains one of : \\ / ? * [ ]");
    }
    if (name.front() == u'\'' || name.back() == u'\'')
        invalid("the sheet name " + shown + " starts or ends with an apostrophe");
    const auto fold = [](std::u16string s) {
        for (auto& c : s)
            if (c >= u'a' && c <= u'z')
                c = char16_t(c - u'a' + u'A');
        return s;
    };
    for (std::size_t j = 0; j < index; ++j) {
        if (fold(sheets[j].name) == fold(name))
            invalid("two sheets are named " + shown);
    }
}

void checkXf(const XlsWorkbook& wb, const XlsXf& xf, std::size_t index)
{
    const std::string which = "cell format " + std::to_string(index);
    if (xf.font >= wb.fonts.size())
        invalid(which + " uses font " + std::to_string(xf.font) + ", which is not there");
    if (xf.numberFormat >= kFirstCustomFormat
        && std::none_of(wb.numberFormats.begin(), wb.numberFormats.end(),
                        [&](const XlsNumberFormat& f) { return f.index == xf.numberFormat; }))
        invalid(which + " uses number format " + std::to_string(xf.numberFormat) + ", which is not there");
    if (xf.isStyle && xf.parent != 0)
        invalid(which + " is a style format and cannot have a parent");
    if (!xf.isStyle && (xf.parent >= wb.xfs.size() || !wb.xfs[xf.parent].isStyle))
        invalid(which + " builds on format " + std::to_string(xf.parent) + ", which is no style format");
    if (xf.indent > 15 || uint8_t(xf.hAlign) > 7 || uint8_t(xf.vAlign) > 4 || xf.readingOrder > 2
        || (xf.rotation > 180 && xf.rotation != 255) || xf.usedAttributes > 0x3F || xf.diagonalKind > 3)
        invalid(which + " has an alignment the file cannot hold");
    for (const XlsBorder* b : {&xf.left, &xf.right, &xf.top, &xf.bottom, &xf.diagonal}) {
        if (uint8_t(b->line) > uint8_t(XlsLine::SlantDashDot) || b->color > 127)
            invalid(which + " has a border the file cannot hold");
    }
    if (xf.fillPattern > 18 || xf.fillForeground > 127 || xf.fillBackground > 127)
        invalid(which + " has a fill the file cannot hold");
}

void checkSheet(const XlsWorkbook& wb, const XlsSheet& sheet)
{
    const std::string in = " on sheet \"" + utf8(sheet.name) + "\"";
    if (sheet.defaultRowHeight > 8192 || sheet.defaultColumnWidth > 255)
        invalid("the default row height or column width" + in + " is larger than the file can hold");
    const auto cellXf = [&](uint16_t xf, const std::string& what) {
        if (xf >= wb.xfs.size() || wb.xfs[xf].isStyle)
            invalid(what + in + " uses format " + std::to_string(xf) + ", which is no cell format");
    };

    for (std::size_t i = 0; i < sheet.columns.size(); ++i) {
        const auto& c = sheet.columns[i];
        if (c.first > c.last || c.last > kMaxColumn || (i > 0 && c.first <= sheet.columns[i - 1].last))
            invalid("the column widths" + in + " are not sorted ranges of the grid");
        if (c.outlineLevel > 7)
            invalid("a column outline level" + in + " is over 7");
        cellXf(c.xf, "a column");
    }
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const auto& r = sheet.rows[i];
        if (i > 0 && r.row <= sheet.rows[i - 1].row)
            invalid("the rows" + in + " are not sorted, or one is given twice");
        if (r.height > 8192)
            invalid("row " + std::to_string(r.row + 1) + in + " is higher than 409.6 points");
        if (r.outlineLevel > 7)
            invalid("a row outline level" + in + " is over 7");
        if (r.xf)
            cellXf(*r.xf, "row " + std::to_string(r.row + 1));
    }
    for (const auto& cell : sheet.cells) {
        const std::string where = cellName(cell.row, std::min<uint16_t>(cell.column, kMaxColumn)) + in;
        if (cell.column > kMaxColumn)
            invalid("a cell" + in + " lies right of column IV");
        cellXf(cell.xf, "cell " + where);
        if (const auto* text = std::get_if<std::u16string>(&cell.value))
            checkText(*text, where);
        else if (const auto* number = std::get_if<double>(&cell.value))
            checkNumber(*number, where);
        else if (const auto* error = std::get_if<XlsErrorCode>(&cell.value)) {
            if (!codec::isKnownError(uint8_t(*error)))
                invalid("cell " + where + " holds an unknown error value");
        } else if (const auto* f = std::get_if<XlsFormula>(&cell.value)) {
            if (f->rgce.empty() || f->rgce.size() > kMaxFormulaTokens)
                invalid("the formula in " + where + " has no tokens or more than 1,800 bytes of them");
            if (f->rgce.size() + f->rgcb.size() > 8000)
                invalid("the formula in " + where + " is too long");
            if (const auto* text = std::get_if<std::u16string>(&f->cached))
                checkText(*text, where);
            else if (const auto* number = std::get_if<double>(&f->cached))
                checkNumber(*number, where);
            else if (const auto* error = std::get_if<XlsErrorCode>(&f->cached)) {
                if (!codec::isKnownError(uint8_t(*error)))
                    invalid("the formula in " + where + " has an unknown error value as result");
            }
        }
    }

    std::vector<XlsRange> merges = sheet.merges;
    for (const auto& m : merges) {
        checkRange(m, "the merged range" + in);
        if (m.firstRow == m.lastRow && m.firstColumn == m.lastColumn)
            invalid("the merged range " + cellName(m.firstRow, m.firstColumn) + in + " is a single cell");
    }
    std::sort(merges.begin(), merges.end(), [](const XlsRange& a, const XlsRange& b) { return a.firstRow < b.firstRow; });
    for (std::size_t i = 0; i < merges.size(); ++i) {
        for (std::size_t j = i + 1; j < merges.size() && merges[j].firstRow <= merges[i].lastRow; ++j) {
            if (merges[j].firstColumn <= merges[i].lastColumn && merges[i].firstColumn <= merges[j].lastColumn)
                invalid("merged ranges overlap" + in + " at " + cellName(merges[j].firstRow, merges[j].firstColumn));
        }
    }
    if (sheet.printArea)
        checkRange(*sheet.printArea, "the print area" + in);

    const auto& sel = sheet.selection;
    if (sel.ranges.empty() || sel.ranges.size() > 1000 || sel.activeRange >= sel.ranges.size()
        || sel.activeColumn > kMaxColumn)
        invalid("the selection" + in + " is not one the file can hold");
    for (const auto& r : sel.ranges)
        checkRange(r, "the selected range" + in);

    const auto& w = sheet.window;
    if (w.zoom < 10 || w.zoom > 400 || w.leftColumn > kMaxColumn)
        invalid("the window" + in + " has a zoom or position the file cannot hold");

    const auto& p = sheet.page;
    if (p.scale < 10 || p.scale > 400)
        invalid("the print scale" + in + " is not between 10% and 400%");
    if (p.fitWidth > 32767 || p.fitHeight > 32767 || p.printErrors > 3)
        invalid("the page setup" + in + " has values the file cannot hold");
    for (double m : {p.leftMargin, p.rightMargin, p.topMargin, p.bottomMargin, p.headerMargin, p.footerMargin}) {
        if (!std::isfinite(m) || m < 0 || m >= 49)
            invalid("a page margin" + in + " is not between 0 and 49 inches");
    }
    if (p.header.size() > 255 || p.footer.size() > 255)
        invalid("the page header or footer" + in + " is over 255 characters");
}

void validate(const XlsWorkbook& wb)
{
    if (wb.sheets.empty())
        invalid("a workbook needs at least one sheet");
    if (wb.sheets.size() > 4096)
        invalid("too many sheets");
    if (wb.activeSheet >= wb.sheets.size() || wb.sheets[wb.activeSheet].visibility != XlsVisibility::Visible)
        invalid("the active sheet is not a visible sheet of the workbook");
    if (wb.window.firstVisibleTab >= wb.sheets.size())
        invalid("the first visible sheet tab is not a sheet of the workbook");
    if (!wb.palette.empty() && wb.palette.size() != 56)
        invalid("a palette has 56 colours");
    if (wb.fonts.empty() || wb.fonts.size() > 0x7FFF)
        invalid("a workbook needs at least one font");
    for (const auto& f : wb.fonts) {
        if (f.name.empty() || f.name.size() > 255)
            invalid("a font name must have 1 to 255 characters");
        if (f.height < 20 || f.height > 8191)
            invalid("a font size must be between 1 and 409 points");
    }
    std::set<uint16_t> formatIndexes;
    for (const auto& f : wb.numberFormats) {
        if (!formatIndexes.insert(f.index).second)
            invalid("number format " + std::to_string(f.index) + " is given twice");
        if (f.code.empty() || f.code.size() > 255)
            invalid("number format " + std::to_string(f.index) + " must have 1 to 255 characters");
    }
    if (wb.xfs.size() < 16 || wb.xfs.size() > 4050)
        invalid("a workbook has 16 to 4,050 cell formats");
    for (std::size_t i = 0; i < wb.xfs.size(); ++i)
        checkXf(wb, wb.xfs[i], i);
    for (const auto& s : wb.styles) {
        if (s.xf >= wb.xfs.size() || !wb.xfs[s.xf].isStyle)
            invalid("a cell style refers to format " + std::to_string(s.xf) + ", which is no style format");
        if (!s.builtIn && (s.name.empty() || s.name.size() > 255))
            invalid("a cell style name must have 1 to 255 characters");
    }
    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        checkSheetName(wb.sheets[i].name, wb.sheets, i);
        checkSheet(wb, wb.sheets[i]);
    }
}

// ---- the shared string table -------------------------------------------------

struct SharedStrings {
    std::unordered_map<std::u16string, uint32_t> index;
    rec::Sst sst;

    uint32_t add(const std::u16string& s)
    {
        ++sst.total;
        const auto [it, added] = index.emplace(s, uint32_t(sst.strings.size()));
        if (added)
            sst.strings.push_back(s);
        return it->second;
    }
};

// ---- one sheet -----------------------------------------------------------------

struct SheetCells {
    std::vector<const XlsCell*> cells; // sorted row by row
    std::vector<uint32_t> sst;         // string index per cell, parallel to cells
};

SheetCells sortCells(const XlsSheet& sheet, SharedStrings& strings)
{
    SheetCells out;
    out.cells.reserve(sheet.cells.size());
    for (const auto& c : sheet.cells)
        out.cells.push_back(&c);
    std::stable_sort(out.cells.begin(), out.cells.end(), [](const XlsCell* a, const XlsCell* b) {
        return a->row != b->row ? a->row < b->row : a->column < b->column;
    });
    out.sst.assign(out.cells.size(), 0);
    for (std::size_t i = 0; i < out.cells.size(); ++i) {
        const XlsCell& c = *out.cells[i];
        if (i > 0 && out.cells[i - 1]->row == c.row && out.cells[i - 1]->column == c.column)
            invalid("cell " + cellName(c.row, c.column) + " on sheet \"" + utf8(sheet.name) + "\" is given twice");
        if (const auto* text = std::get_if<std::u16string>(&c.value))
            out.sst[i] = strings.add(*text);
    }
    return out;
}

void writeCell(RecordWriter& w, const XlsCell& cell, uint32_t sstIndex)
{
    const rec::CellHeader h{cell.row, cell.column, cell.xf};
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, XlsBlank>) {
                w.put(rec::Blank{h});
            } else if constexpr (std::is_same_v<T, double>) {
                uint32_t rk = 0;
                if (rec::Rk::pack(v, rk))
                    w.put(rec::Rk{h, rk});
                else
                    w.put(rec::Number{h, v});
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                w.put(rec::LabelSst{h, sstIndex});
            } else if constexpr (std::is_same_v<T, bool>) {
                w.put(rec::BoolErr{h, uint8_t(v ? 1 : 0), false});
            } else if constexpr (std::is_same_v<T, XlsErrorCode>) {
                w.put(rec::BoolErr{h, uint8_t(v), true});
            } else {
                rec::Formula f;
                f.cell = h;
                codec::encodeResult(v.cached, f.result);
                f.flags = uint16_t((v.alwaysCalc ? 0x01 : 0) | (v.calcOnLoad ? 0x02 : 0));
                f.rgce = v.rgce;
                f.rgcb = v.rgcb;
                w.put(f);
                const auto* text = std::get_if<std::u16string>(&v.cached);
                if (text && !text->empty())
                    w.put(rec::String{*text});
            }
        },
        cell.value);
}

void writeSheet(RecordWriter& w, const XlsWorkbook& wb, std::size_t sheetIndex, const SheetCells& sorted)
{
    const XlsSheet& sheet = wb.sheets[sheetIndex];
    const XlsPageSetup& page = sheet.page;

    // Rows with a ROW record: every row with cells or a row entry.
    struct RowOut {
        rec::Row record;
        std::size_t firstCell = 0, endCell = 0;
    };
    std::vector<RowOut> rows;
    {
        std::size_t ci = 0;
        std::size_t ri = 0;
        while (ci < sorted.cells.size() || ri < sheet.rows.size()) {
            const uint32_t cellRow = ci < sorted.cells.size() ? sorted.cells[ci]->row : 0x10000;
            const uint32_t infoRow = ri < sheet.rows.size() ? sheet.rows[ri].row : 0x10000;
            const uint16_t row = uint16_t(std::min(cellRow, infoRow));
            RowOut out;
            out.record.row = row;
            out.record.height = sheet.defaultRowHeight;
            if (infoRow == row) {
                const XlsRowInfo& info = sheet.rows[ri++];
                out.record.height = info.height;
                out.record.flags = codec::rowFlags(info);
            }
            out.firstCell = ci;
            while (ci < sorted.cells.size() && sorted.cells[ci]->row == row)
                ++ci;
            out.endCell = ci;
            if (out.endCell > out.firstCell) {
                out.record.firstColumn = sorted.cells[out.firstCell]->column;
                out.record.lastColumnPlus1 = uint16_t(sorted.cells[out.endCell - 1]->column + 1);
            }
            rows.push_back(out);
        }
    }
    // Row blocks of 32 rows, by row number.
    std::vector<std::pair<std::size_t, std::size_t>> blocks;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j < rows.size() && rows[j].record.row / 32 == rows[i].record.row / 32)
            ++j;
        blocks.emplace_back(i, j);
        i = j;
    }

    w.put(rec::Bof{0x0600, rec::Bof::kWorksheet});
    const std::size_t indexAt = w.position();
    rec::Index index;
    index.dbCells.assign(blocks.size(), 0);
    w.put(index);
    w.put(rec::CalcMode{1});
    w.put(rec::CalcCount{100});
    w.put(rec::RefMode{1});
    w.put(rec::Iteration{0});
    w.put(rec::Delta{0.001});
    w.put(rec::SaveRecalc{1});
    w.put(rec::PrintHeaders{uint16_t(page.printHeadings ? 1 : 0)});
    w.put(rec::PrintGridLines{uint16_t(page.printGridLines ? 1 : 0)});
    w.put(rec::GridSet{1});
    rec::Guts guts;
    uint8_t rowLevels = 0, columnLevels = 0;
    for (const auto& r : sheet.rows)
        rowLevels = std::max(rowLevels, r.outlineLevel);
    for (const auto& c : sheet.columns)
        columnLevels = std::max(columnLevels, c.outlineLevel);
    guts.rowLevels = rowLevels ? uint16_t(rowLevels + 1) : 0;
    guts.columnLevels = columnLevels ? uint16_t(columnLevels + 1) : 0;
    w.put(guts);
    w.put(rec::DefaultRowHeight{uint16_t(sheet.defaultRowHeightCustom ? 1 : 0), sheet.defaultRowHeight});
    w.put(rec::WsBool{codec::wsBool(page)});
    w.put(rec::Header{page.header});
    w.put(rec::Footer{page.footer});
    w.put(rec::HCenter{uint16_t(page.centerHorizontally ? 1 : 0)});
    w.put(rec::VCenter{uint16_t(page.centerVertically ? 1 : 0)});
    w.put(rec::LeftMargin{page.leftMargin});
    w.put(rec::RightMargin{page.rightMargin});
    w.put(rec::TopMargin{page.topMargin});
    w.put(rec::BottomMargin{page.bottomMargin});
    w.put(codec::toRecord(page));
    const std::size_t defColWidthAt = w.position();
    w.put(rec::DefColWidth{sheet.defaultColumnWidth});
    for (const auto& c : sheet.columns)
        w.put(codec::toRecord(c));

    rec::Dimensions dims;
    if (!sorted.cells.empty()) {
        dims.firstRow = sorted.cells.front()->row;
        dims.lastRowPlus1 = uint32_t(sorted.cells.back()->row) + 1;
        uint16_t firstColumn = kMaxColumn, lastColumn = 0;
        for (const XlsCell* c : sorted.cells) {
            firstColumn = std::min(firstColumn, c->column);
            lastColumn = std::max(lastColumn, c->column);
        }
        dims.firstColumn = firstColumn;
        dims.lastColumnPlus1 = uint16_t(lastColumn + 1);
    }
    w.put(dims);

    constexpr std::size_t kRowRecordSize = 20;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const auto [first, end] = blocks[b];
        const std::size_t firstRowAt = w.position();
        for (std::size_t i = first; i < end; ++i)
            w.put(rows[i].record);
        rec::DbCell db;
        std::size_t previous = firstRowAt + kRowRecordSize;
        for (std::size_t i = first; i < end; ++i) {
            const std::size_t at = w.position();
            db.cellOffsets.push_back(uint16_t(std::min<std::size_t>(at - previous, 0xFFFF)));
            previous = at;
            for (std::size_t c = rows[i].firstCell; c < rows[i].endCell; ++c)
                writeCell(w, *sorted.cells[c], sorted.sst[c]);
        }
        const std::size_t dbCellAt = w.position();
        db.firstRowOffset = uint32_t(dbCellAt - firstRowAt);
        w.put(db);
        w.patchU32(indexAt + rec::Index::kDbCellsAt + 4 * b, uint32_t(dbCellAt));
    }
    if (!rows.empty()) {
        w.patchU32(indexAt + rec::Index::kFirstRowAt, rows.front().record.row);
        w.patchU32(indexAt + rec::Index::kLastRowAt, uint32_t(rows.back().record.row) + 1);
    }
    w.patchU32(indexAt + rec::Index::kDefColWidthAt, uint32_t(defColWidthAt));

    const XlsSheetWindow& win = sheet.window;
    rec::Window2 w2;
    w2.flags = codec::window2Flags(win, sheetIndex == wb.activeSheet);
    w2.topRow = win.topRow;
    w2.leftColumn = win.leftColumn;
    w2.gridColor = win.gridColor;
    w2.zoomNormal = win.zoom == 100 ? 0 : win.zoom;
    w.put(w2);
    if (win.zoom != 100)
        w.put(rec::Scl{win.zoom, 100});

    rec::Selection sel;
    sel.activeRow = sheet.selection.activeRow;
    sel.activeColumn = sheet.selection.activeColumn;
    sel.activeRef = sheet.selection.activeRange;
    for (const auto& r : sheet.selection.ranges)
        sel.refs.push_back({r.firstRow, r.lastRow, uint8_t(r.firstColumn), uint8_t(r.lastColumn)});
    w.put(sel);

    for (std::size_t i = 0; i < sheet.merges.size(); i += rec::MergeCells::kMaxPerRecord) {
        rec::MergeCells mc;
        const std::size_t end = std::min(sheet.merges.size(), i + rec::MergeCells::kMaxPerRecord);
        for (std::size_t k = i; k < end; ++k) {
            const auto& m = sheet.merges[k];
            mc.refs.push_back({m.firstRow, m.lastRow, m.firstColumn, m.lastColumn});
        }
        w.put(mc);
    }
    w.put(rec::Eof{});
}

} // namespace

std::vector<uint8_t> encodeWorkbookStream(const XlsWorkbook& wb)
{
    validate(wb);

    SharedStrings strings;
    std::vector<SheetCells> sorted;
    for (const auto& sheet : wb.sheets)
        sorted.push_back(sortCells(sheet, strings));

    RecordWriter w;
    w.put(rec::Bof{0x0600, rec::Bof::kGlobals});
    w.put(rec::InterfaceHdr{1200});
    w.put(rec::Mms{0});
    w.put(rec::InterfaceEnd{});
    w.put(rec::WriteAccess{u"Jubilo"});
    w.put(rec::CodePage{1200});
    w.put(rec::Dsf{0});
    rec::TabId tabs;
    for (std::size_t i = 0; i < wb.sheets.size(); ++i)
        tabs.ids.push_back(uint16_t(i + 1));
    w.put(tabs);
    w.put(rec::FnGroupCount{14});
    w.put(rec::WindowProtect{0});
    w.put(rec::Protect{0});
    w.put(rec::Password{0});
    w.put(rec::Prot4Rev{0});
    w.put(rec::Prot4RevPass{0});

    rec::Window1 w1;
    w1.x = wb.window.x;
    w1.y = wb.window.y;
    w1.width = wb.window.width;
    w1.height = wb.window.height;
    w1.flags = uint16_t((wb.window.showHorizontalScroll ? 0x08 : 0) | (wb.window.showVerticalScroll ? 0x10 : 0)
                        | (wb.window.showTabs ? 0x20 : 0));
    w1.activeTab = wb.activeSheet;
    w1.firstTab = wb.window.firstVisibleTab;
    w1.selectedTabs = 1;
    w1.tabRatio = wb.window.tabRatio;
    w.put(w1);

    w.put(rec::Backup{0});
    w.put(rec::HideObj{0});
    w.put(rec::Date1904{uint16_t(wb.date1904 ? 1 : 0)});
    w.put(rec::CalcPrecision{1});
    w.put(rec::RefreshAll{0});
    w.put(rec::BookBool{0});
    for (const auto& f : wb.fonts) {
        w.put(codec::toRecord(f));
        // Font index 4 does not exist: the fifth record is font 5.
    }
    for (const auto& f : wb.numberFormats)
        w.put(rec::Format{f.index, f.code});
    for (const auto& xf : wb.xfs)
        w.put(codec::toRecord(xf));
    for (const auto& s : wb.styles)
        w.put(rec::Style{uint16_t((s.xf & 0x0FFF) | (s.builtIn ? 0x8000 : 0)), s.builtInId, s.outlineLevel, s.name});
    if (!wb.palette.empty()) {
        rec::Palette palette;
        for (const auto& c : wb.palette)
            palette.colors.push_back(codec::toRgb(c));
        w.put(palette);
    }
    w.put(rec::UsesElfs{0});

    std::vector<std::size_t> boundSheetAt;
    for (const auto& sheet : wb.sheets) {
        boundSheetAt.push_back(w.position());
        w.put(rec::BoundSheet{0, uint8_t(sheet.visibility), 0, sheet.name});
    }
    w.put(rec::Country{});

    // Print areas: one EXTERNSHEET entry and one built-in name per sheet.
    std::vector<std::size_t> printAreaSheets;
    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        if (wb.sheets[i].printArea)
            printAreaSheets.push_back(i);
    }
    if (!printAreaSheets.empty()) {
        w.put(rec::SupBook{uint16_t(wb.sheets.size()), rec::SupBook::kSelf});
        rec::ExternSheet externs;
        for (std::size_t i : printAreaSheets)
            externs.entries.push_back({0, uint16_t(i), uint16_t(i)});
        w.put(externs);
        for (std::size_t k = 0; k < printAreaSheets.size(); ++k) {
            const std::size_t i = printAreaSheets[k];
            const XlsRange& a = *wb.sheets[i].printArea;
            rec::Name name;
            name.sheet = uint16_t(i + 1);
            name.name = std::u16string(1, char16_t(rec::Name::kPrintArea));
            name.formula = rec::area3d(uint16_t(k), a.firstRow, a.lastRow, a.firstColumn, a.lastColumn);
            w.put(name);
        }
    }

    strings.sst.bucketSize = uint16_t(std::max<std::size_t>(8, (strings.sst.strings.size() + 127) / 128));
    const auto buckets = strings.sst.write(w);
    w.put(rec::ExtSst{strings.sst.bucketSize, buckets});
    w.put(rec::Eof{});

    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        w.patchU32(boundSheetAt[i] + 4, uint32_t(w.position()));
        writeSheet(w, wb, i, sorted[i]);
    }
    if (w.position() > kMaxFileSize)
        invalid("the workbook is larger than 256 MiB");
    if (w.bytes().size() < kMinStreamSize)
        w.bytes().resize(kMinStreamSize, 0);
    return std::move(w.bytes());
}

std::vector<uint8_t> writeWorkbookBytes(const XlsWorkbook& workbook)
{
    return packWorkbookStream(encodeWorkbookStream(workbook));
}

void writeWorkbook(const XlsWorkbook& workbook, const std::filesystem::path& path)
{
    const std::vector<uint8_t> bytes = writeWorkbookBytes(workbook);
    std::filesystem::path temp = path;
    temp += ".saving";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw XlsError("cannot create " + path.string());
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            throw XlsError("cannot write " + path.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw XlsError("cannot write " + path.string() + ": " + ec.message());
    }
}

} // namespace jubilo::xls
