#pragma once

// Writing one worksheet's sub-stream, and what the globals need to know of
// its cells first (their texts go into the shared string table).

#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_workbook.h"

#include <unordered_map>
#include <vector>

namespace jubilo::xls {

// The shared string table as it fills.
struct SharedStrings {
    std::unordered_map<std::u16string, uint32_t> index;
    rec::Sst sst;

    uint32_t add(const std::u16string& s);
};

// A sheet's cells in row order, with the table index of each text.
struct SheetCells {
    std::vector<const XlsCell*> cells;  // sorted row by row
    std::vector<uint32_t> sst;  // string index per cell, parallel to cells
};

// Throws XlsError for two cells in one place.
SheetCells sortCells(const XlsSheet& sheet, SharedStrings& strings);

// Writes sheet sheetIndex of wb, from its BOF to its EOF.
void writeSheet(RecordWriter& w, const XlsWorkbook& wb, std::size_t sheetIndex, const SheetCells& sorted);

}  // namespace jubilo::xls
