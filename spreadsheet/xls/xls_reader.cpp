#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/image_codec_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <algorithm>
#include <fstream>
#include <optional>

namespace jubilo::xls {

namespace {

[[noreturn]] void damaged(const std::string& what) { throw XlsError("damaged workbook: " + what); }

// Deeper nesting of sub-streams (charts inside sheets) than any real file has.
constexpr int kMaxNesting = 8;

struct Globals {
    std::vector<rec::Xf> xfs;
    std::vector<rec::BoundSheet> sheets;
    std::vector<rec::SupBook> supBooks;
    std::vector<rec::ExternSheet::Entry> externs;
    std::vector<rec::Name> names;
    std::vector<std::u16string> strings;
    std::size_t end = 0; // stream offset after the globals' EOF
};

rec::Bof expectBof(RecordReader& reader, uint16_t kind)
{
    LogicalRecord r;
    if (!reader.next(r) || r.type != rec::Bof::kType)
        damaged("a part of the workbook does not start with a BOF record");
    auto c = r.cursor();
    const rec::Bof bof = rec::Bof::decode(c);
    if (bof.version != 0x0600) {
        if (bof.version == 0x0500)
            throw XlsError("the file is an Excel 5.0/95 (BIFF5) workbook, which is not supported");
        throw XlsError("the file is not an Excel 97-2003 (BIFF8) workbook");
    }
    if (bof.kind != kind)
        damaged("a part of the workbook is of an unexpected kind");
    return bof;
}

// Skips a nested sub-stream (an embedded chart) up to its EOF.
void skipSubstream(RecordReader& reader, int depth)
{
    if (depth > kMaxNesting)
        damaged("sub-streams are nested too deeply");
    LogicalRecord r;
    while (reader.next(r)) {
        if (r.type == rec::Eof::kType)
            return;
        if (r.type == rec::Bof::kType)
            skipSubstream(reader, depth + 1);
    }
    damaged("the workbook stream ends inside an embedded object");
}

Globals readGlobals(std::span<const uint8_t> stream, XlsWorkbook& wb)
{
    Globals g;
    RecordReader reader(stream);
    expectBof(reader, rec::Bof::kGlobals);
    bool haveWindow = false;
    std::vector<uint32_t> palette;
    LogicalRecord r;
    for (;;) {
        if (!reader.next(r))
            damaged("the workbook stream ends before the end of its global part");
        auto c = r.cursor();
        switch (r.type) {
        case rec::kFilePass:
            throw XlsError("the workbook is password-protected (encrypted), which is not supported");
        case rec::Window1::kType:
            if (!haveWindow) {
                const auto w1 = rec::Window1::decode(c);
                wb.window.x = w1.x;
                wb.window.y = w1.y;
                wb.window.width = w1.width;
                wb.window.height = w1.height;
                wb.window.tabRatio = w1.tabRatio;
                wb.window.firstVisibleTab = w1.firstTab;
                wb.window.showHorizontalScroll = w1.flags & 0x08;
                wb.window.showVerticalScroll = w1.flags & 0x10;
                wb.window.showTabs = w1.flags & 0x20;
                wb.activeSheet = w1.activeTab;
                haveWindow = true;
            }
            break;
        case rec::Date1904::kType:
            wb.date1904 = rec::Date1904::decode(c).value != 0;
            break;
        case rec::Font::kType:
            wb.fonts.push_back(codec::fromRecord(rec::Font::decode(c)));
            break;
        case rec::Format::kType: {
            const auto f = rec::Format::decode(c);
            wb.numberFormats.push_back({f.index, f.code});
            break;
        }
        case rec::Xf::kType:
            g.xfs.push_back(rec::Xf::decode(c));
            break;
        case rec::Style::kType: {
            const auto s = rec::Style::decode(c);
            wb.styles.push_back({uint16_t(s.xf & 0x0FFF), (s.xf & 0x8000) != 0, s.builtInId, s.level, s.name});
            break;
        }
        case rec::Palette::kType:
            palette = rec::Palette::decode(c).colors;
            break;
        case rec::BoundSheet::kType:
            g.sheets.push_back(rec::BoundSheet::decode(c));
            break;
        case rec::SupBook::kType:
            g.supBooks.push_back(rec::SupBook::decode(c));
            break;
        case rec::ExternSheet::kType: {
            auto e = rec::ExternSheet::decode(c);
            g.externs.insert(g.externs.end(), e.entries.begin(), e.entries.end());
            break;
        }
        case rec::Name::kType:
            g.names.push_back(rec::Name::decode(c));
            break;
        case rec::Sst::kType:
            g.strings = rec::Sst::decode(c).strings;
            break;
        case rec::Bof::kType:
            damaged("a sub-stream starts inside the workbook's global part");
        case rec::Eof::kType:
            g.end = reader.position();
            if (!palette.empty()) {
                for (std::size_t i = 0; i < 56; ++i)
                    wb.palette.push_back(i < palette.size() ? codec::fromRgb(palette[i]) : defaultPalette()[i]);
            }
            return g;
        default:
            break; // records of no interest here
        }
    }
}

void requireCellFormat(const XlsWorkbook& wb, uint16_t xf)
{
    if (xf >= wb.xfs.size())
        damaged("a cell uses format " + std::to_string(xf) + ", which is not there");
}

void readSheet(std::span<const uint8_t> stream, std::size_t at, const Globals& g, XlsWorkbook& wb, XlsSheet& sheet,
               std::size_t& end)
{
    RecordReader reader(stream, at);
    expectBof(reader, rec::Bof::kWorksheet);
    bool haveWindow = false, haveSelection = false, haveZoom = false;
    std::vector<rec::Row> rows;
    std::optional<std::size_t> pendingString; // formula cell waiting for its STRING
    const auto addCell = [&](const rec::CellHeader& h, XlsValue value) {
        if (h.column > kMaxColumn)
            damaged("a cell lies right of column IV");
        requireCellFormat(wb, h.xf);
        sheet.cells.push_back({h.row, h.column, h.xf, std::move(value)});
    };

    LogicalRecord r;
    for (;;) {
        if (!reader.next(r))
            damaged("the workbook stream ends inside sheet \"" + std::string(sheet.name.begin(), sheet.name.end()) + "\"");
        auto c = r.cursor();
        if (r.type != rec::String::kType && r.type != 0x04BC /* SHRFMLA */ && r.type != 0x0221 /* ARRAY */)
            pendingString.reset();
        switch (r.type) {
        case rec::Eof::kType: {
            end = reader.position();
            for (const auto& row : rows) {
                XlsRowInfo info = codec::fromRecord(row);
                if (info.xf)
                    requireCellFormat(wb, *info.xf);
                const bool plain = info.height == sheet.defaultRowHeight && !info.customHeight && !info.hidden
                                   && !info.xf && info.outlineLevel == 0 && !info.collapsed;
                if (!plain)
                    sheet.rows.push_back(info);
            }
            std::stable_sort(sheet.rows.begin(), sheet.rows.end(),
                             [](const XlsRowInfo& a, const XlsRowInfo& b) { return a.row < b.row; });
            sheet.rows.erase(std::unique(sheet.rows.begin(), sheet.rows.end(),
                                         [](const XlsRowInfo& a, const XlsRowInfo& b) { return a.row == b.row; }),
                             sheet.rows.end());
            // Cells row by row; of two cells in one place the later counts.
            // Files in order (all this writer's) skip the sorting.
            const auto before = [](const XlsCell& a, const XlsCell& b) {
                return a.row != b.row ? a.row < b.row : a.column < b.column;
            };
            const auto same = [](const XlsCell& a, const XlsCell& b) { return a.row == b.row && a.column == b.column; };
            if (!std::is_sorted(sheet.cells.begin(), sheet.cells.end(), before))
                std::stable_sort(sheet.cells.begin(), sheet.cells.end(), before);
            if (std::adjacent_find(sheet.cells.begin(), sheet.cells.end(), same) != sheet.cells.end()) {
                std::vector<XlsCell> unique;
                unique.reserve(sheet.cells.size());
                for (auto& cell : sheet.cells) {
                    if (!unique.empty() && same(unique.back(), cell))
                        unique.back() = std::move(cell);
                    else
                        unique.push_back(std::move(cell));
                }
                sheet.cells = std::move(unique);
            }
            return;
        }
        case rec::Bof::kType:
            skipSubstream(reader, 1);
            break;
        case rec::DefColWidth::kType:
            sheet.defaultColumnWidth = rec::DefColWidth::decode(c).value;
            break;
        case rec::DefaultRowHeight::kType: {
            const auto d = rec::DefaultRowHeight::decode(c);
            sheet.defaultRowHeight = d.height;
            sheet.defaultRowHeightCustom = d.flags & 1;
            break;
        }
        case rec::ColInfo::kType: {
            XlsColumnInfo info = codec::fromRecord(rec::ColInfo::decode(c));
            if (info.first > info.last || info.first > kMaxColumn)
                damaged("a column width record covers no columns of the grid");
            info.last = std::min<uint16_t>(info.last, kMaxColumn);
            requireCellFormat(wb, info.xf);
            sheet.columns.push_back(info);
            break;
        }
        case rec::Row::kType:
            rows.push_back(rec::Row::decode(c));
            break;
        case rec::Number::kType: {
            const auto n = rec::Number::decode(c);
            addCell(n.cell, n.value);
            break;
        }
        case rec::Rk::kType: {
            const auto n = rec::Rk::decode(c);
            addCell(n.cell, rec::Rk::unpack(n.rk));
            break;
        }
        case rec::MulRk::kType: {
            const auto m = rec::MulRk::decode(c);
            for (std::size_t i = 0; i < m.cells.size(); ++i)
                addCell({m.row, uint16_t(m.firstColumn + i), m.cells[i].first}, rec::Rk::unpack(m.cells[i].second));
            break;
        }
        case rec::LabelSst::kType: {
            const auto l = rec::LabelSst::decode(c);
            if (l.index >= g.strings.size())
                damaged("a cell refers to shared string " + std::to_string(l.index) + ", which is not there");
            addCell(l.cell, g.strings[l.index]);
            break;
        }
        case rec::Label::kType: {
            auto l = rec::Label::decode(c);
            addCell(l.cell, std::move(l.text));
            break;
        }
        case rec::BoolErr::kType: {
            const auto b = rec::BoolErr::decode(c);
            if (b.isError) {
                if (!codec::isKnownError(b.value))
                    damaged("a cell holds an unknown error value");
                addCell(b.cell, XlsErrorCode(b.value));
            } else {
                addCell(b.cell, b.value != 0);
            }
            break;
        }
        case rec::Blank::kType:
            addCell(rec::Blank::decode(c).cell, XlsBlank{});
            break;
        case rec::MulBlank::kType: {
            const auto m = rec::MulBlank::decode(c);
            for (std::size_t i = 0; i < m.xfs.size(); ++i)
                addCell({m.row, uint16_t(m.firstColumn + i), m.xfs[i]}, XlsBlank{});
            break;
        }
        case rec::Formula::kType: {
            auto f = rec::Formula::decode(c);
            XlsFormula formula;
            const bool textFollows = codec::decodeResult(f.result, formula.cached);
            formula.rgce = std::move(f.rgce);
            formula.rgcb = std::move(f.rgcb);
            formula.alwaysCalc = f.flags & 0x01;
            formula.calcOnLoad = f.flags & 0x02;
            addCell(f.cell, std::move(formula));
            if (textFollows)
                pendingString = sheet.cells.size() - 1;
            break;
        }
        case rec::String::kType:
            if (pendingString) {
                auto& formula = std::get<XlsFormula>(sheet.cells[*pendingString].value);
                formula.cached = rec::String::decode(c).text;
                pendingString.reset();
            }
            break;
        case rec::MergeCells::kType:
            for (const auto& m : rec::MergeCells::decode(c).refs) {
                if (m.firstRow > m.lastRow || m.firstColumn > m.lastColumn || m.lastColumn > kMaxColumn)
                    damaged("a merged range is not a range of the grid");
                sheet.merges.push_back({m.firstRow, m.lastRow, m.firstColumn, m.lastColumn});
            }
            break;
        case rec::Window2::kType:
            if (!haveWindow) {
                const auto w2 = rec::Window2::decode(c);
                codec::fromFlags(w2.flags, sheet.window);
                sheet.window.topRow = w2.topRow;
                sheet.window.leftColumn = w2.leftColumn;
                sheet.window.gridColor = w2.gridColor;
                if (!haveZoom)
                    sheet.window.zoom = w2.zoomNormal ? w2.zoomNormal : 100;
                haveWindow = true;
            }
            break;
        case rec::Scl::kType: {
            const auto s = rec::Scl::decode(c);
            if (s.denominator != 0 && s.numerator != 0) {
                const uint32_t zoom = uint32_t(s.numerator) * 100 / s.denominator;
                sheet.window.zoom = uint16_t(std::clamp<uint32_t>(zoom, 10, 400));
                haveZoom = true;
            }
            break;
        }
        case rec::Selection::kType:
            if (!haveSelection) {
                const auto s = rec::Selection::decode(c);
                XlsSelection sel;
                sel.activeRow = s.activeRow;
                sel.activeColumn = s.activeColumn;
                sel.ranges.clear();
                for (const auto& ref : s.refs)
                    sel.ranges.push_back({ref.firstRow, ref.lastRow, ref.firstColumn, ref.lastColumn});
                if (sel.ranges.empty())
                    sel.ranges.push_back({s.activeRow, s.activeRow, s.activeColumn, s.activeColumn});
                sel.activeRange = s.activeRef < sel.ranges.size() ? s.activeRef : 0;
                sheet.selection = std::move(sel);
                haveSelection = true;
            }
            break;
        case rec::Setup::kType:
            codec::fromRecord(rec::Setup::decode(c), sheet.page);
            break;
        case rec::WsBool::kType:
            sheet.page.fitToPage = rec::WsBool::decode(c).value & 0x0100;
            break;
        case rec::Header::kType:
            sheet.page.header = rec::Header::decode(c).text;
            break;
        case rec::Footer::kType:
            sheet.page.footer = rec::Footer::decode(c).text;
            break;
        case rec::HCenter::kType:
            sheet.page.centerHorizontally = rec::HCenter::decode(c).value != 0;
            break;
        case rec::VCenter::kType:
            sheet.page.centerVertically = rec::VCenter::decode(c).value != 0;
            break;
        case rec::LeftMargin::kType:
            sheet.page.leftMargin = rec::LeftMargin::decode(c).value;
            break;
        case rec::RightMargin::kType:
            sheet.page.rightMargin = rec::RightMargin::decode(c).value;
            break;
        case rec::TopMargin::kType:
            sheet.page.topMargin = rec::TopMargin::decode(c).value;
            break;
        case rec::BottomMargin::kType:
            sheet.page.bottomMargin = rec::BottomMargin::decode(c).value;
            break;
        case rec::PrintHeaders::kType:
            sheet.page.printHeadings = rec::PrintHeaders::decode(c).value != 0;
            break;
        case rec::PrintGridLines::kType:
            sheet.page.printGridLines = rec::PrintGridLines::decode(c).value != 0;
            break;
        default:
            break;
        }
    }
}

void applyPrintAreas(const Globals& g, XlsWorkbook& wb)
{
    for (const auto& name : g.names) {
        if (!(name.flags & 0x0020) || name.name != std::u16string(1, char16_t(rec::Name::kPrintArea)))
            continue;
        if (name.sheet == 0 || name.sheet > wb.sheets.size())
            continue;
        uint16_t ixti = 0, r1 = 0, r2 = 0, c1 = 0, c2 = 0;
        if (!rec::parseArea3d(name.formula, ixti, r1, r2, c1, c2))
            continue; // several areas, or a form this layer does not write
        if (ixti >= g.externs.size())
            damaged("the print area refers to an external sheet entry that is not there");
        const auto& e = g.externs[ixti];
        if (e.supBook >= g.supBooks.size() || g.supBooks[e.supBook].kind != rec::SupBook::kSelf)
            continue; // a reference into another workbook
        if (r1 > r2 || c1 > c2 || c2 > kMaxColumn)
            damaged("the print area is not a range of the grid");
        wb.sheets[name.sheet - 1].printArea = XlsRange{r1, r2, c1, c2};
    }
}

} // namespace

XlsWorkbook decodeWorkbookStream(std::span<const uint8_t> stream)
{
    if (stream.size() > kMaxFileSize)
        throw XlsError("the workbook is too large");
    XlsWorkbook wb;
    Globals g = readGlobals(stream, wb);

    if (wb.fonts.empty())
        damaged("it has no fonts");
    for (const auto& x : g.xfs) {
        XlsXf xf = codec::fromRecord(x);
        if (xf.font >= wb.fonts.size())
            damaged("a cell format uses a font that is not there");
        wb.xfs.push_back(xf);
    }
    if (g.sheets.empty())
        damaged("it has no sheets");

    std::size_t minimum = g.end;
    for (const auto& bs : g.sheets) {
        if (bs.sheetType != 0)
            throw XlsError("the workbook has a chart, macro or module sheet, which is not supported");
        // Sheets follow the global part and each other: every byte is read once.
        if (bs.position < minimum || bs.position >= stream.size())
            damaged("a sheet's position in the workbook stream is wrong");
        XlsSheet sheet;
        sheet.name = bs.name;
        sheet.visibility = bs.state <= 2 ? XlsVisibility(bs.state) : XlsVisibility::Hidden;
        readSheet(stream, bs.position, g, wb, sheet, minimum);
        wb.sheets.push_back(std::move(sheet));
    }
    if (wb.activeSheet >= wb.sheets.size())
        wb.activeSheet = 0;
    if (wb.window.firstVisibleTab >= wb.sheets.size())
        wb.window.firstVisibleTab = 0;
    applyPrintAreas(g, wb);
    return wb;
}

XlsWorkbook readWorkbookBytes(std::span<const uint8_t> file)
{
    const std::vector<uint8_t> stream = unpackWorkbookStream(file);
    return decodeWorkbookStream(stream);
}

XlsWorkbook readWorkbook(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw XlsError("cannot open " + path.string());
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw XlsError("cannot read " + path.string());
    if (std::size_t(size) > kMaxFileSize)
        throw XlsError(path.string() + " is too large for a workbook");
    in.seekg(0, std::ios::beg);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw XlsError("cannot read " + path.string());
    return readWorkbookBytes(bytes);
}

} // namespace jubilo::xls
