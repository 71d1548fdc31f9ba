#pragma once

// Every BIFF8 record type this layer writes or reads, by name, and the
// names messages show for them. A type number appears here and nowhere
// else.

#include <cstdint>
#include <string>

namespace jubilo::xls {

// Cells.
inline constexpr uint16_t kBlankRecord = 0x0201;
inline constexpr uint16_t kBoolErrRecord = 0x0205;
inline constexpr uint16_t kFormulaRecord = 0x0006;
inline constexpr uint16_t kLabelRecord = 0x0204;
inline constexpr uint16_t kLabelSstRecord = 0x00FD;
inline constexpr uint16_t kMulBlankRecord = 0x00BE;
inline constexpr uint16_t kMulRkRecord = 0x00BD;
inline constexpr uint16_t kNumberRecord = 0x0203;
inline constexpr uint16_t kRkRecord = 0x027E;
inline constexpr uint16_t kStringRecord = 0x0207;
// Formula parts other writers put after a FORMULA record; read past.
inline constexpr uint16_t kArrayRecord = 0x0221;
inline constexpr uint16_t kShrFmlaRecord = 0x04BC;

// Stream structure.
inline constexpr uint16_t kBofRecord = 0x0809;
inline constexpr uint16_t kContinueRecord = 0x003C;
inline constexpr uint16_t kEofRecord = 0x000A;

// Workbook globals.
inline constexpr uint16_t kBackupRecord = 0x0040;
inline constexpr uint16_t kBookBoolRecord = 0x00DA;
inline constexpr uint16_t kBoundSheetRecord = 0x0085;
inline constexpr uint16_t kCalcPrecisionRecord = 0x000E;
inline constexpr uint16_t kCodePageRecord = 0x0042;
inline constexpr uint16_t kCountryRecord = 0x008C;
inline constexpr uint16_t kDate1904Record = 0x0022;
inline constexpr uint16_t kDsfRecord = 0x0161;
inline constexpr uint16_t kExternSheetRecord = 0x0017;
inline constexpr uint16_t kExtSstRecord = 0x00FF;
inline constexpr uint16_t kFilePassRecord = 0x002F;
inline constexpr uint16_t kFnGroupCountRecord = 0x009C;
inline constexpr uint16_t kFontRecord = 0x0031;
inline constexpr uint16_t kFormatRecord = 0x041E;
inline constexpr uint16_t kHideObjRecord = 0x008D;
inline constexpr uint16_t kInterfaceEndRecord = 0x00E2;
inline constexpr uint16_t kInterfaceHdrRecord = 0x00E1;
inline constexpr uint16_t kMmsRecord = 0x00C1;
inline constexpr uint16_t kNameRecord = 0x0018;
inline constexpr uint16_t kPaletteRecord = 0x0092;
inline constexpr uint16_t kPasswordRecord = 0x0013;
inline constexpr uint16_t kProt4RevPassRecord = 0x01BC;
inline constexpr uint16_t kProt4RevRecord = 0x01AF;
inline constexpr uint16_t kProtectRecord = 0x0012;
inline constexpr uint16_t kRefreshAllRecord = 0x01B7;
inline constexpr uint16_t kSstRecord = 0x00FC;
inline constexpr uint16_t kStyleRecord = 0x0293;
inline constexpr uint16_t kSupBookRecord = 0x01AE;
inline constexpr uint16_t kTabIdRecord = 0x013D;
inline constexpr uint16_t kUsesElfsRecord = 0x0160;
inline constexpr uint16_t kWindow1Record = 0x003D;
inline constexpr uint16_t kWindowProtectRecord = 0x0019;
inline constexpr uint16_t kWriteAccessRecord = 0x005C;
inline constexpr uint16_t kXfRecord = 0x00E0;

// Worksheet structure, calculation and view.
inline constexpr uint16_t kCalcCountRecord = 0x000C;
inline constexpr uint16_t kCalcModeRecord = 0x000D;
inline constexpr uint16_t kColInfoRecord = 0x007D;
inline constexpr uint16_t kDbCellRecord = 0x00D7;
inline constexpr uint16_t kDefaultRowHeightRecord = 0x0225;
inline constexpr uint16_t kDefColWidthRecord = 0x0055;
inline constexpr uint16_t kDeltaRecord = 0x0010;
inline constexpr uint16_t kDimensionsRecord = 0x0200;
inline constexpr uint16_t kGutsRecord = 0x0080;
inline constexpr uint16_t kIndexRecord = 0x020B;
inline constexpr uint16_t kIterationRecord = 0x0011;
inline constexpr uint16_t kMergeCellsRecord = 0x00E5;
inline constexpr uint16_t kRefModeRecord = 0x000F;
inline constexpr uint16_t kRowRecord = 0x0208;
inline constexpr uint16_t kSaveRecalcRecord = 0x005F;
inline constexpr uint16_t kSclRecord = 0x00A0;
inline constexpr uint16_t kSelectionRecord = 0x001D;
inline constexpr uint16_t kWindow2Record = 0x023E;

// Page setup.
inline constexpr uint16_t kBottomMarginRecord = 0x0029;
inline constexpr uint16_t kFooterRecord = 0x0015;
inline constexpr uint16_t kGridSetRecord = 0x0082;
inline constexpr uint16_t kHCenterRecord = 0x0083;
inline constexpr uint16_t kHeaderRecord = 0x0014;
inline constexpr uint16_t kLeftMarginRecord = 0x0026;
inline constexpr uint16_t kPrintGridLinesRecord = 0x002B;
inline constexpr uint16_t kPrintHeadersRecord = 0x002A;
inline constexpr uint16_t kRightMarginRecord = 0x0027;
inline constexpr uint16_t kSetupRecord = 0x00A1;
inline constexpr uint16_t kTopMarginRecord = 0x0028;
inline constexpr uint16_t kVCenterRecord = 0x0084;
inline constexpr uint16_t kWsBoolRecord = 0x0081;

// The name of a record type for messages: "SST", "BOF", "ROW"; a type
// this layer does not know shows as its number, "0x1234".
std::string recordName(uint16_t type);

}  // namespace jubilo::xls
