#include "spreadsheet/xls/sheet_reader_p.h"

#include "spreadsheet/xls/record_mapping_p.h"
#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/substreams_p.h"

#include <algorithm>
#include <optional>

namespace jubilo::xls {

namespace {

// One handler a record type; the state between records is members.
class SheetReader {
public:
    SheetReader(std::span<const uint8_t> stream, std::size_t at, const WorkbookGlobals& g, const XlsWorkbook& wb,
                XlsSheet& sheet)
        : reader_(stream, at)
        , g_(g)
        , wb_(wb)
        , sheet_(sheet)
    {
    }

    std::size_t read();

private:
    void dispatch(RecordCursor& c);

    // Sheet layout.
    void onDefColWidth(RecordCursor& c);
    void onDefaultRowHeight(RecordCursor& c);
    void onColInfo(RecordCursor& c);
    void onRow(RecordCursor& c);
    void onMergeCells(RecordCursor& c);
    // Cells.
    void onNumber(RecordCursor& c);
    void onRk(RecordCursor& c);
    void onMulRk(RecordCursor& c);
    void onLabelSst(RecordCursor& c);
    void onLabel(RecordCursor& c);
    void onBoolErr(RecordCursor& c);
    void onBlank(RecordCursor& c);
    void onMulBlank(RecordCursor& c);
    void onFormula(RecordCursor& c);
    void onString(RecordCursor& c);
    // View.
    void onWindow2(RecordCursor& c);
    void onScl(RecordCursor& c);
    void onSelection(RecordCursor& c);
    // Page setup.
    void onSetup(RecordCursor& c);
    void onWsBool(RecordCursor& c);
    template <class Record>
    void onPageValue(RecordCursor& c, double XlsPageSetup::*field);
    template <class Record>
    void onPageSwitch(RecordCursor& c, bool XlsPageSetup::*field);
    template <class Record>
    void onPageText(RecordCursor& c, std::u16string XlsPageSetup::*field);

    void onEof();
    void keepRows();
    void orderCells();

    void addCell(const RecordPlace& where, const rec::CellHeader& h, XlsValue value);
    void requireCellFormat(const RecordPlace& where, uint16_t xf, const char* user) const;

    RecordReader reader_;
    const WorkbookGlobals& g_;
    const XlsWorkbook& wb_;
    XlsSheet& sheet_;
    bool haveWindow_ = false, haveSelection_ = false, haveZoom_ = false;
    std::vector<Placed<rec::Row>> rows_;
    std::optional<std::size_t> pendingString_;  // formula cell waiting for its STRING
    bool done_ = false;
};

// Records another writer may put between a FORMULA and its STRING.
bool continuesFormula(uint16_t type) { return type == kStringRecord || type == kShrFmlaRecord || type == kArrayRecord; }

std::size_t SheetReader::read()
{
    expectBof(reader_, rec::Bof::kWorksheet);
    LogicalRecord r;
    while (!done_) {
        if (!reader_.next(r))
            damagedWorkbook("the workbook stream ends inside sheet \"" + utf8(sheet_.name) + "\", before its "
                            + recordName(kEofRecord) + " record");
        auto c = r.cursor();
        if (!continuesFormula(r.type))
            pendingString_.reset();
        dispatch(c);
    }
    return reader_.position();
}

void SheetReader::dispatch(RecordCursor& c)
{
    using P = XlsPageSetup;
    switch (c.type()) {
    case kBofRecord:
        return skipSubstream(reader_, c.place());
    case kEofRecord:
        return onEof();
    case kDefColWidthRecord:
        return onDefColWidth(c);
    case kDefaultRowHeightRecord:
        return onDefaultRowHeight(c);
    case kColInfoRecord:
        return onColInfo(c);
    case kRowRecord:
        return onRow(c);
    case kMergeCellsRecord:
        return onMergeCells(c);
    case kNumberRecord:
        return onNumber(c);
    case kRkRecord:
        return onRk(c);
    case kMulRkRecord:
        return onMulRk(c);
    case kLabelSstRecord:
        return onLabelSst(c);
    case kLabelRecord:
        return onLabel(c);
    case kBoolErrRecord:
        return onBoolErr(c);
    case kBlankRecord:
        return onBlank(c);
    case kMulBlankRecord:
        return onMulBlank(c);
    case kFormulaRecord:
        return onFormula(c);
    case kStringRecord:
        return onString(c);
    case kWindow2Record:
        return onWindow2(c);
    case kSclRecord:
        return onScl(c);
    case kSelectionRecord:
        return onSelection(c);
    case kSetupRecord:
        return onSetup(c);
    case kWsBoolRecord:
        return onWsBool(c);
    case kHeaderRecord:
        return onPageText<rec::Header>(c, &P::header);
    case kFooterRecord:
        return onPageText<rec::Footer>(c, &P::footer);
    case kHCenterRecord:
        return onPageSwitch<rec::HCenter>(c, &P::centerHorizontally);
    case kVCenterRecord:
        return onPageSwitch<rec::VCenter>(c, &P::centerVertically);
    case kLeftMarginRecord:
        return onPageValue<rec::LeftMargin>(c, &P::leftMargin);
    case kRightMarginRecord:
        return onPageValue<rec::RightMargin>(c, &P::rightMargin);
    case kTopMarginRecord:
        return onPageValue<rec::TopMargin>(c, &P::topMargin);
    case kBottomMarginRecord:
        return onPageValue<rec::BottomMargin>(c, &P::bottomMargin);
    case kPrintHeadersRecord:
        return onPageSwitch<rec::PrintHeaders>(c, &P::printHeadings);
    case kPrintGridLinesRecord:
        return onPageSwitch<rec::PrintGridLines>(c, &P::printGridLines);
    default:
        return;
    }
}

// ---- sheet layout ----------------------------------------------------------

void SheetReader::onDefColWidth(RecordCursor& c) { sheet_.defaultColumnWidth = rec::decode<rec::DefColWidth>(c).value; }

void SheetReader::onDefaultRowHeight(RecordCursor& c)
{
    mapping::fromRecord(rec::decode<rec::DefaultRowHeight>(c), sheet_);
}

void SheetReader::onColInfo(RecordCursor& c)
{
    XlsColumnInfo info = mapping::fromRecord(rec::decode<rec::ColInfo>(c));
    if (info.first > info.last || info.first > kMaxColumn)
        c.fail("it covers no columns of the grid");
    info.last = std::min<uint16_t>(info.last, kMaxColumn);
    requireCellFormat(c.place(), info.xf, "the columns use");
    sheet_.columns.push_back(info);
}

// Rows are checked and kept at the end of the sheet, once its default
// height is known.
void SheetReader::onRow(RecordCursor& c) { rows_.push_back({rec::decode<rec::Row>(c), c.place()}); }

void SheetReader::onMergeCells(RecordCursor& c)
{
    for (const auto& m : rec::decode<rec::MergeCells>(c).refs) {
        if (m.firstRow > m.lastRow || m.firstColumn > m.lastColumn || m.lastColumn > kMaxColumn)
            c.fail("a merged range is not a range of the grid");
        sheet_.merges.push_back({m.firstRow, m.lastRow, m.firstColumn, m.lastColumn});
    }
}

// ---- cells -----------------------------------------------------------------

void SheetReader::requireCellFormat(const RecordPlace& where, uint16_t xf, const char* user) const
{
    if (xf >= wb_.xfs.size())
        where.damaged(std::string(user) + " format " + std::to_string(xf) + ", which is not there");
}

void SheetReader::addCell(const RecordPlace& where, const rec::CellHeader& h, XlsValue value)
{
    if (h.column > kMaxColumn)
        where.damaged("a cell lies right of column " + columnName(kMaxColumn));
    requireCellFormat(where, h.xf, "a cell uses");
    sheet_.cells.push_back({h.row, h.column, h.xf, std::move(value)});
}

void SheetReader::onNumber(RecordCursor& c)
{
    const auto n = rec::decode<rec::Number>(c);
    addCell(c.place(), n.cell, n.value);
}

void SheetReader::onRk(RecordCursor& c)
{
    const auto n = rec::decode<rec::Rk>(c);
    addCell(c.place(), n.cell, rec::unpackRk(n.value));
}

void SheetReader::onMulRk(RecordCursor& c)
{
    const auto m = rec::decode<rec::MulRk>(c);
    for (std::size_t i = 0; i < m.cells.size(); ++i) {
        const auto& [xf, rk] = m.cells[i];
        addCell(c.place(), {m.row, uint16_t(m.firstColumn + i), xf}, rec::unpackRk(rk));
    }
}

void SheetReader::onLabelSst(RecordCursor& c)
{
    const auto l = rec::decode<rec::LabelSst>(c);
    if (l.value >= g_.strings.size())
        c.fail("the cell refers to shared string " + std::to_string(l.value) + ", which is not there");
    addCell(c.place(), l.cell, g_.strings[l.value]);
}

void SheetReader::onLabel(RecordCursor& c)
{
    auto l = rec::decode<rec::Label>(c);
    addCell(c.place(), l.cell, std::move(l.text));
}

void SheetReader::onBoolErr(RecordCursor& c)
{
    const auto b = rec::decode<rec::BoolErr>(c);
    if (!b.isError)
        return addCell(c.place(), b.cell, b.value != 0);
    if (!mapping::isKnownError(b.value))
        c.fail("the cell holds an unknown error value");
    addCell(c.place(), b.cell, XlsErrorCode(b.value));
}

void SheetReader::onBlank(RecordCursor& c) { addCell(c.place(), rec::decode<rec::Blank>(c).cell, XlsBlank{}); }

void SheetReader::onMulBlank(RecordCursor& c)
{
    const auto m = rec::decode<rec::MulBlank>(c);
    for (std::size_t i = 0; i < m.xfs.size(); ++i)
        addCell(c.place(), {m.row, uint16_t(m.firstColumn + i), m.xfs[i]}, XlsBlank{});
}

void SheetReader::onFormula(RecordCursor& c)
{
    const auto f = rec::decode<rec::Formula>(c);
    bool textFollows = false;
    XlsFormula formula = mapping::fromRecord(f, textFollows, c.place());
    addCell(c.place(), f.cell, std::move(formula));
    if (textFollows)
        pendingString_ = sheet_.cells.size() - 1;
}

// The text result of the formula just before; a STRING without one is
// ignored.
void SheetReader::onString(RecordCursor& c)
{
    if (!pendingString_)
        return;
    auto& formula = std::get<XlsFormula>(sheet_.cells[*pendingString_].value);
    formula.cached = rec::decode<rec::String>(c).text;
    pendingString_.reset();
}

// ---- view ------------------------------------------------------------------

// The first window and selection count; others belong to other views.
void SheetReader::onWindow2(RecordCursor& c)
{
    if (haveWindow_)
        return;
    const auto w2 = rec::decode<rec::Window2>(c);
    mapping::fromFlags(w2.flags, sheet_.window);
    sheet_.window.topRow = w2.topRow;
    sheet_.window.leftColumn = w2.leftColumn;
    sheet_.window.gridColor = w2.gridColor;
    if (!haveZoom_)
        sheet_.window.zoom = w2.zoomNormal ? w2.zoomNormal : 100;
    haveWindow_ = true;
}

void SheetReader::onScl(RecordCursor& c)
{
    const auto s = rec::decode<rec::Scl>(c);
    if (s.denominator == 0 || s.numerator == 0)
        return;
    const uint32_t zoom = uint32_t(s.numerator) * 100 / s.denominator;
    sheet_.window.zoom = uint16_t(std::clamp<uint32_t>(zoom, kMinZoom, kMaxZoom));
    haveZoom_ = true;
}

void SheetReader::onSelection(RecordCursor& c)
{
    if (haveSelection_)
        return;
    const auto s = rec::decode<rec::Selection>(c);
    XlsSelection sel;
    sel.activeRow = s.activeRow;
    sel.activeColumn = s.activeColumn;
    sel.ranges.clear();
    for (const auto& ref : s.refs)
        sel.ranges.push_back({ref.firstRow, ref.lastRow, ref.firstColumn, ref.lastColumn});
    if (sel.ranges.empty())
        sel.ranges.push_back({s.activeRow, s.activeRow, s.activeColumn, s.activeColumn});
    sel.activeRange = s.activeRef < sel.ranges.size() ? s.activeRef : 0;
    sheet_.selection = std::move(sel);
    haveSelection_ = true;
}

// ---- page setup --------------------------------------------------------------

void SheetReader::onSetup(RecordCursor& c) { mapping::fromRecord(rec::decode<rec::Setup>(c), sheet_.page); }

void SheetReader::onWsBool(RecordCursor& c)
{
    sheet_.page.fitToPage = mapping::fitToPage(rec::decode<rec::WsBool>(c).value);
}

template <class Record>
void SheetReader::onPageValue(RecordCursor& c, double XlsPageSetup::*field)
{
    sheet_.page.*field = rec::decode<Record>(c).value;
}

template <class Record>
void SheetReader::onPageSwitch(RecordCursor& c, bool XlsPageSetup::*field)
{
    sheet_.page.*field = rec::decode<Record>(c).value != 0;
}

template <class Record>
void SheetReader::onPageText(RecordCursor& c, std::u16string XlsPageSetup::*field)
{
    sheet_.page.*field = rec::decode<Record>(c).text;
}

// ---- the end of the sheet ------------------------------------------------------

void SheetReader::onEof()
{
    keepRows();
    orderCells();
    done_ = true;
}

// Rows that carry nothing beyond the sheet's defaults are not kept; of two
// entries for one row the first counts.
void SheetReader::keepRows()
{
    for (const auto& [row, place] : rows_) {
        XlsRowInfo info = mapping::fromRecord(row);
        if (info.xf)
            requireCellFormat(place, *info.xf, "the row uses");
        const bool plain = info.height == sheet_.defaultRowHeight && !info.customHeight && !info.hidden && !info.xf
            && info.outlineLevel == 0 && !info.collapsed;
        if (!plain)
            sheet_.rows.push_back(info);
    }
    auto& rows = sheet_.rows;
    std::stable_sort(rows.begin(), rows.end(), [](const XlsRowInfo& a, const XlsRowInfo& b) { return a.row < b.row; });
    rows.erase(
        std::unique(rows.begin(), rows.end(), [](const XlsRowInfo& a, const XlsRowInfo& b) { return a.row == b.row; }),
        rows.end());
}

// Cells row by row; of two cells in one place the later counts. Files in
// order (all this writer's) skip the sorting.
void SheetReader::orderCells()
{
    auto& cells = sheet_.cells;
    const auto before
        = [](const XlsCell& a, const XlsCell& b) { return a.row != b.row ? a.row < b.row : a.column < b.column; };
    const auto same = [](const XlsCell& a, const XlsCell& b) { return a.row == b.row && a.column == b.column; };
    if (!std::is_sorted(cells.begin(), cells.end(), before))
        std::stable_sort(cells.begin(), cells.end(), before);
    if (std::adjacent_find(cells.begin(), cells.end(), same) == cells.end())
        return;
    std::vector<XlsCell> unique;
    unique.reserve(cells.size());
    for (auto& cell : cells) {
        if (!unique.empty() && same(unique.back(), cell))
            unique.back() = std::move(cell);
        else
            unique.push_back(std::move(cell));
    }
    cells = std::move(unique);
}

}  // namespace

std::size_t readSheet(std::span<const uint8_t> stream, std::size_t at, const WorkbookGlobals& globals,
                      const XlsWorkbook& wb, XlsSheet& sheet)
{
    return SheetReader(stream, at, globals, wb, sheet).read();
}

}  // namespace jubilo::xls
