#include "spreadsheet/xls/sheet_writer_p.h"

#include "spreadsheet/xls/record_mapping_p.h"
#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/workbook_checks_p.h"

#include <algorithm>

namespace jubilo::xls {

uint32_t SharedStrings::add(const std::u16string& s)
{
    ++sst.total;
    const auto [it, added] = index.emplace(s, uint32_t(sst.strings.size()));
    if (added)
        sst.strings.push_back(s);
    return it->second;
}

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
            refuseToSave("cell " + cellName(c.row, c.column) + " on sheet \"" + utf8(sheet.name) + "\" is given twice");
        if (const auto* text = std::get_if<std::u16string>(&c.value))
            out.sst[i] = strings.add(*text);
    }
    return out;
}

namespace {

// Rows go in blocks of this many row numbers, each block's ROW records
// first, then its cells, then a DBCELL that leads back to them.
constexpr uint16_t kRowsPerBlock = 32;

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
                if (rec::packRk(v, rk))
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
                w.put(mapping::toRecord(v, h));
                // A text result follows in a record of its own.
                const auto* text = std::get_if<std::u16string>(&v.cached);
                if (text && !text->empty())
                    w.put(rec::String{*text});
            }
        },
        cell.value);
}

// The steps of a sheet, in the order its records go into the stream.
class SheetWriter {
public:
    SheetWriter(RecordWriter& w, const XlsWorkbook& wb, std::size_t sheetIndex, const SheetCells& sorted)
        : w_(w)
        , wb_(wb)
        , sheetIndex_(sheetIndex)
        , sheet_(wb.sheets[sheetIndex])
        , sorted_(sorted)
    {
    }

    void write()
    {
        planRows();
        planBlocks();
        writeStart();
        writeCalculation();
        writePrintOptions();
        writeOutlineLevels();
        writePageSetup();
        writeColumns();
        writeDimensions();
        for (std::size_t b = 0; b < blocks_.size(); ++b)
            writeRowBlock(b);
        patchIndex();
        writeWindow();
        writeSelection();
        writeMerges();
        w_.put(rec::Eof{});
    }

private:
    struct RowOut {
        rec::Row record;
        std::size_t firstCell = 0, endCell = 0;
    };
    struct Block {
        std::size_t firstRow = 0, endRow = 0;  // indexes into rows_
    };

    // A ROW record for every row with cells or a row entry.
    void planRows()
    {
        constexpr uint32_t kNoRow = uint32_t(kMaxRow) + 1;
        std::size_t ci = 0;
        std::size_t ri = 0;
        while (ci < sorted_.cells.size() || ri < sheet_.rows.size()) {
            const uint32_t cellRow = ci < sorted_.cells.size() ? sorted_.cells[ci]->row : kNoRow;
            const uint32_t infoRow = ri < sheet_.rows.size() ? sheet_.rows[ri].row : kNoRow;
            RowOut out;
            out.record.row = uint16_t(std::min(cellRow, infoRow));
            out.record.height = sheet_.defaultRowHeight;
            if (infoRow == out.record.row) {
                const XlsRowInfo& info = sheet_.rows[ri++];
                out.record.height = info.height;
                out.record.flags = mapping::rowFlags(info);
            }
            out.firstCell = ci;
            while (ci < sorted_.cells.size() && sorted_.cells[ci]->row == out.record.row)
                ++ci;
            out.endCell = ci;
            if (out.endCell > out.firstCell) {
                out.record.firstColumn = sorted_.cells[out.firstCell]->column;
                out.record.lastColumnPlus1 = uint16_t(sorted_.cells[out.endCell - 1]->column + 1);
            }
            rows_.push_back(out);
        }
    }

    void planBlocks()
    {
        for (std::size_t i = 0; i < rows_.size();) {
            std::size_t j = i;
            while (j < rows_.size() && rows_[j].record.row / kRowsPerBlock == rows_[i].record.row / kRowsPerBlock)
                ++j;
            blocks_.push_back({i, j});
            i = j;
        }
    }

    // BOF, and an INDEX whose positions are filled in as the records land.
    void writeStart()
    {
        w_.put(rec::Bof{rec::Bof::kBiff8, rec::Bof::kWorksheet});
        indexAt_ = w_.position();
        rec::Index index;
        index.dbCells.assign(blocks_.size(), 0);
        w_.put(index);
    }

    void writeCalculation()
    {
        w_.put(rec::CalcMode{1});
        w_.put(rec::CalcCount{100});
        w_.put(rec::RefMode{1});
        w_.put(rec::Iteration{0});
        w_.put(rec::Delta{0.001});
        w_.put(rec::SaveRecalc{1});
    }

    void writePrintOptions()
    {
        w_.put(rec::PrintHeaders{uint16_t(sheet_.page.printHeadings ? 1 : 0)});
        w_.put(rec::PrintGridLines{uint16_t(sheet_.page.printGridLines ? 1 : 0)});
        w_.put(rec::GridSet{1});
    }

    // GUTS counts outline levels from 1; none is 0.
    void writeOutlineLevels()
    {
        uint8_t rowLevels = 0, columnLevels = 0;
        for (const auto& r : sheet_.rows)
            rowLevels = std::max(rowLevels, r.outlineLevel);
        for (const auto& c : sheet_.columns)
            columnLevels = std::max(columnLevels, c.outlineLevel);
        rec::Guts guts;
        guts.rowLevels = rowLevels ? uint16_t(rowLevels + 1) : 0;
        guts.columnLevels = columnLevels ? uint16_t(columnLevels + 1) : 0;
        w_.put(guts);
        w_.put(mapping::defaultRowHeight(sheet_));
    }

    void writePageSetup()
    {
        const XlsPageSetup& page = sheet_.page;
        w_.put(rec::WsBool{mapping::wsBool(page)});
        w_.put(rec::Header{page.header});
        w_.put(rec::Footer{page.footer});
        w_.put(rec::HCenter{uint16_t(page.centerHorizontally ? 1 : 0)});
        w_.put(rec::VCenter{uint16_t(page.centerVertically ? 1 : 0)});
        w_.put(rec::LeftMargin{page.leftMargin});
        w_.put(rec::RightMargin{page.rightMargin});
        w_.put(rec::TopMargin{page.topMargin});
        w_.put(rec::BottomMargin{page.bottomMargin});
        w_.put(mapping::toRecord(page));
    }

    void writeColumns()
    {
        defColWidthAt_ = w_.position();
        w_.put(rec::DefColWidth{sheet_.defaultColumnWidth});
        for (const auto& c : sheet_.columns)
            w_.put(mapping::toRecord(c));
    }

    void writeDimensions()
    {
        rec::Dimensions dims;
        if (!sorted_.cells.empty()) {
            dims.firstRow = sorted_.cells.front()->row;
            dims.lastRowPlus1 = uint32_t(sorted_.cells.back()->row) + 1;
            uint16_t firstColumn = kMaxColumn, lastColumn = 0;
            for (const XlsCell* c : sorted_.cells) {
                firstColumn = std::min(firstColumn, c->column);
                lastColumn = std::max(lastColumn, c->column);
            }
            dims.firstColumn = firstColumn;
            dims.lastColumnPlus1 = uint16_t(lastColumn + 1);
        }
        w_.put(dims);
    }

    // The DBCELL gives each row's first cell as an offset from the one
    // before (the first from the end of the block's first ROW), and the
    // block's first ROW as an offset back from itself.
    void writeRowBlock(std::size_t b)
    {
        const Block block = blocks_[b];
        const std::size_t firstRowAt = w_.position();
        for (std::size_t i = block.firstRow; i < block.endRow; ++i)
            w_.put(rows_[i].record);
        rec::DbCell db;
        std::size_t previous = firstRowAt + rec::Row::kSizeWithHeader;
        for (std::size_t i = block.firstRow; i < block.endRow; ++i) {
            const std::size_t at = w_.position();
            db.cellOffsets.push_back(uint16_t(std::min<std::size_t>(at - previous, 0xFFFF)));
            previous = at;
            for (std::size_t c = rows_[i].firstCell; c < rows_[i].endCell; ++c)
                writeCell(w_, *sorted_.cells[c], sorted_.sst[c]);
        }
        const std::size_t dbCellAt = w_.position();
        db.firstRowOffset = uint32_t(dbCellAt - firstRowAt);
        w_.put(db);
        w_.patchU32(indexAt_ + rec::Index::kDbCellsAt + 4 * b, uint32_t(dbCellAt));
    }

    void patchIndex()
    {
        if (!rows_.empty()) {
            w_.patchU32(indexAt_ + rec::Index::kFirstRowAt, rows_.front().record.row);
            w_.patchU32(indexAt_ + rec::Index::kLastRowAt, uint32_t(rows_.back().record.row) + 1);
        }
        w_.patchU32(indexAt_ + rec::Index::kDefColWidthAt, uint32_t(defColWidthAt_));
    }

    // SCL holds a zoom other than 100%.
    void writeWindow()
    {
        const XlsSheetWindow& win = sheet_.window;
        rec::Window2 w2;
        w2.flags = mapping::window2Flags(win, sheetIndex_ == wb_.activeSheet);
        w2.topRow = win.topRow;
        w2.leftColumn = win.leftColumn;
        w2.gridColor = win.gridColor;
        w2.zoomNormal = win.zoom == 100 ? 0 : win.zoom;
        w_.put(w2);
        if (win.zoom != 100)
            w_.put(rec::Scl{win.zoom, 100});
    }

    void writeSelection()
    {
        const XlsSelection& selection = sheet_.selection;
        rec::Selection sel;
        sel.activeRow = selection.activeRow;
        sel.activeColumn = selection.activeColumn;
        sel.activeRef = selection.activeRange;
        for (const auto& r : selection.ranges)
            sel.refs.push_back({r.firstRow, r.lastRow, uint8_t(r.firstColumn), uint8_t(r.lastColumn)});
        w_.put(sel);
    }

    void writeMerges()
    {
        const auto& merges = sheet_.merges;
        for (std::size_t i = 0; i < merges.size(); i += rec::MergeCells::kMaxPerRecord) {
            rec::MergeCells mc;
            const std::size_t end = std::min(merges.size(), i + rec::MergeCells::kMaxPerRecord);
            for (std::size_t k = i; k < end; ++k)
                mc.refs.push_back({merges[k].firstRow, merges[k].lastRow, merges[k].firstColumn, merges[k].lastColumn});
            w_.put(mc);
        }
    }

    RecordWriter& w_;
    const XlsWorkbook& wb_;
    const std::size_t sheetIndex_;
    const XlsSheet& sheet_;
    const SheetCells& sorted_;
    std::vector<RowOut> rows_;
    std::vector<Block> blocks_;
    std::size_t indexAt_ = 0;
    std::size_t defColWidthAt_ = 0;
};

}  // namespace

void writeSheet(RecordWriter& w, const XlsWorkbook& wb, std::size_t sheetIndex, const SheetCells& sorted)
{
    SheetWriter(w, wb, sheetIndex, sorted).write();
}

}  // namespace jubilo::xls
