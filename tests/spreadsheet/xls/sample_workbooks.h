#pragma once

// Workbooks the .xls tests, the seed corpus and the benchmark write.

#include "spreadsheet/xls/xls_workbook.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jubilo::xls::testing {

// Formula tokens for a few formulas (cell formulas: PtgRef/PtgArea with
// relative flags).
std::vector<uint8_t> sumAboveTokens(uint16_t row, uint16_t column, uint16_t count);  // SUM of the count cells above
std::vector<uint8_t> addTokens(int16_t a, int16_t b);  // a+b
std::vector<uint8_t> concatTokens(std::u16string_view a, std::u16string_view b);  // "a"&"b"
std::vector<uint8_t> divideTokens(int16_t a, int16_t b);  // a/b
std::vector<uint8_t> greaterTokens(int16_t a, int16_t b);  // a>b

// A styled sheet like the party plan report: palette, fonts, fills,
// borders, money formats, merges, widths, heights, formulas with results,
// print area and page setup; a second, hidden sheet with non-Latin names,
// emoji and the grid's last cell.
XlsWorkbook representativeWorkbook();

// n rows of 5 styled columns (text, number, money, boolean, formula).
XlsWorkbook styledRows(int rows);

}  // namespace jubilo::xls::testing
