#pragma once

// Between the data image's structures and their record fields: one pair of
// functions per structure that more than one record field describes, or
// whose fields are packed into bits.

#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_workbook.h"

namespace jubilo::xls::mapping {

// XF font indexes skip 4: the file has no font record with that index.
uint16_t fileFontIndex(uint16_t logical);

// The decoders that can meet values no file should hold report them as
// damage of the record at where.
rec::Xf toRecord(const XlsXf& xf);
XlsXf fromRecord(const rec::Xf& r, const RecordPlace& where);

rec::Font toRecord(const XlsFont& f);
XlsFont fromRecord(const rec::Font& r);

rec::Style toRecord(const XlsStyle& s);
XlsStyle fromRecord(const rec::Style& r);

rec::Window1 toRecord(const XlsBookWindow& w, uint16_t activeSheet);
// The window, and the active sheet into activeSheet.
XlsBookWindow fromRecord(const rec::Window1& r, uint16_t& activeSheet);

rec::ColInfo toRecord(const XlsColumnInfo& c);
XlsColumnInfo fromRecord(const rec::ColInfo& r);

uint32_t rowFlags(const XlsRowInfo& row);
XlsRowInfo fromRecord(const rec::Row& r);

rec::DefaultRowHeight defaultRowHeight(const XlsSheet& sheet);
void fromRecord(const rec::DefaultRowHeight& r, XlsSheet& sheet);

rec::Setup toRecord(const XlsPageSetup& page);
void fromRecord(const rec::Setup& r, XlsPageSetup& page);

uint16_t wsBool(const XlsPageSetup& page);
bool fitToPage(uint16_t wsBool);

uint16_t window2Flags(const XlsSheetWindow& w, bool active);
void fromFlags(uint16_t flags, XlsSheetWindow& w);

// PALETTE entries: 0x00BBGGRR.
uint32_t toBgr(const XlsColor& c);
XlsColor fromBgr(uint32_t bgr);

rec::Formula toRecord(const XlsFormula& f, const rec::CellHeader& cell);
// Sets textFollows when the result is a text whose characters follow in a
// STRING record; the formula's result is an empty text until then.
XlsFormula fromRecord(const rec::Formula& r, bool& textFollows, const RecordPlace& where);

bool isKnownError(uint8_t code);

}  // namespace jubilo::xls::mapping
