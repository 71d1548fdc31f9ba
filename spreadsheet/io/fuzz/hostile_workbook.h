#pragma once
// Decoded workbooks built from fuzz input: the structure the .xls layer
// hands the engine, with hostile values in every part (far and odd cells,
// formats and fonts out of range, merges over merges, page setups no dialog
// allows, sheet names the engine refuses, texts longer than a cell holds).
// Small counts keep each input quick.

#include "spreadsheet/xls/xls_workbook.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace jubilo::spreadsheet::fuzz {

xls::XlsWorkbook hostileWorkbook(FuzzedDataProvider& in);

}  // namespace jubilo::spreadsheet::fuzz
