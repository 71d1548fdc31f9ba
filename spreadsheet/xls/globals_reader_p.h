#pragma once

// Reading the workbook's global part: fonts, formats, styles and window
// straight into the image, and what the sheets and print areas need later.

#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_workbook.h"

#include <span>
#include <vector>

namespace jubilo::xls {

// A record as read, with its place for messages about it.
template <class Record>
struct Placed {
    Record record;
    RecordPlace place;
};

struct WorkbookGlobals {
    std::vector<Placed<rec::Xf>> xfs;
    std::vector<Placed<rec::BoundSheet>> sheets;
    std::vector<rec::SupBook> supBooks;
    std::vector<rec::ExternSheet::Entry> externs;
    std::vector<Placed<rec::Name>> names;
    std::vector<std::u16string> strings;
    std::size_t end = 0;  // stream offset after the globals' EOF
};

// Reads the global part at the start of the stream. Throws XlsError.
WorkbookGlobals readGlobals(std::span<const uint8_t> stream, XlsWorkbook& wb);

}  // namespace jubilo::xls
