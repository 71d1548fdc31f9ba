#pragma once

// Between the data image's structures and their record fields: one pair of
// functions per structure that more than one record field describes.

#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_workbook.h"

namespace jubilo::xls::codec {

// XF font indexes skip 4: the file has no font record with that index.
uint16_t fileFontIndex(uint16_t logical);
// Throws XlsError for index 4, which no font record has.
uint16_t logicalFontIndex(uint16_t file);

rec::Xf toRecord(const XlsXf& xf);
XlsXf fromRecord(const rec::Xf& r);

rec::Font toRecord(const XlsFont& f);
XlsFont fromRecord(const rec::Font& r);

rec::ColInfo toRecord(const XlsColumnInfo& c);
XlsColumnInfo fromRecord(const rec::ColInfo& r);

uint32_t rowFlags(const XlsRowInfo& row);
XlsRowInfo fromRecord(const rec::Row& r);

rec::Setup toRecord(const XlsPageSetup& page);
void fromRecord(const rec::Setup& r, XlsPageSetup& page);

uint16_t window2Flags(const XlsSheetWindow& w, bool active);
void fromFlags(uint16_t flags, XlsSheetWindow& w);

uint16_t wsBool(const XlsPageSetup& page);

uint32_t toRgb(const XlsColor& c);
XlsColor fromRgb(uint32_t rgb);

// FORMULA's cached result, as the 8 bytes of the record.
void encodeResult(const XlsFormulaResult& result, uint8_t out[8]);
// Decodes everything but a text result, whose characters follow in a
// STRING record: then returns true and leaves an empty text.
bool decodeResult(const uint8_t in[8], XlsFormulaResult& result);

bool isKnownError(uint8_t code);

} // namespace jubilo::xls::codec
