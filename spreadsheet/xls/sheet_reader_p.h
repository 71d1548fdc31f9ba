#pragma once

// Reading one worksheet's sub-stream into the image.

#include "spreadsheet/xls/globals_reader_p.h"

namespace jubilo::xls {

// Reads the sheet whose BOF record is at offset at into sheet; returns the
// stream offset after its EOF. Throws XlsError.
std::size_t readSheet(std::span<const uint8_t> stream, std::size_t at, const WorkbookGlobals& globals,
                      const XlsWorkbook& wb, XlsSheet& sheet);

}  // namespace jubilo::xls
