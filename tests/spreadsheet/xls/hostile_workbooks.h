#pragma once

// Small files that claim far more than they hold: a used range reaching the
// grid's last cell, the tallest rows and widest columns, counts of strings
// and list entries no record could carry, a container cut short or claiming
// a stream larger than itself. The tests read them within a memory budget
// and the fuzzer starts from them.

#include "spreadsheet/xls/xls_workbook.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jubilo::xls::testing {

struct HostileInput {
    std::string name;  // a file name without extension
    std::vector<uint8_t> bytes;
    bool container = false;  // a whole .xls file, else a bare workbook stream
};

// A1 and the grid's last cell, IV65536.
XlsWorkbook farCellWorkbook();
// Every row and column at the largest size the file holds, and IV65536.
XlsWorkbook tallestAndWidestWorkbook();

std::vector<HostileInput> hostileInputs();

// A workbook stream of `count` copies of one empty sheet.
std::vector<uint8_t> streamWithSheets(std::size_t count);

}  // namespace jubilo::xls::testing
