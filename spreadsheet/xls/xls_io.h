#pragma once

// Saving and opening BIFF8 (.xls, Excel 97 and later) workbooks.

#include "spreadsheet/xls/xls_error.h"
#include "spreadsheet/xls/xls_workbook.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace jubilo::xls {

// Writes the workbook as an .xls file through Jubilo's one file writer
// (files/safe_write.h): a new file is its owner's alone, and the file at
// path is replaced only once the new one is complete.
// Throws XlsError when the workbook cannot be written as it stands (a text
// over 32,767 characters, a format that is not there, overlapping merges,
// ...) or the file cannot be written; the file at path is then untouched.
void writeWorkbook(const XlsWorkbook& workbook, const std::filesystem::path& path);

// Opens an .xls file. Throws XlsError when it is not a BIFF8 workbook, or
// is damaged or truncated.
XlsWorkbook readWorkbook(const std::filesystem::path& path);

// The same, in memory: the whole file's bytes.
std::vector<uint8_t> writeWorkbookBytes(const XlsWorkbook& workbook);
XlsWorkbook readWorkbookBytes(std::span<const uint8_t> file);

// The BIFF8 workbook stream alone, without the compound-file container.
std::vector<uint8_t> encodeWorkbookStream(const XlsWorkbook& workbook);
XlsWorkbook decodeWorkbookStream(std::span<const uint8_t> stream);

}  // namespace jubilo::xls
