#include "spreadsheet/xls/record_types_p.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace jubilo::xls {

namespace {

struct RecordTypeName {
    uint16_t type;
    std::string_view name;
};

constexpr std::array kRecordNames{
    RecordTypeName{kArrayRecord, "ARRAY"},
    RecordTypeName{kBackupRecord, "BACKUP"},
    RecordTypeName{kBlankRecord, "BLANK"},
    RecordTypeName{kBofRecord, "BOF"},
    RecordTypeName{kBookBoolRecord, "BOOKBOOL"},
    RecordTypeName{kBoolErrRecord, "BOOLERR"},
    RecordTypeName{kBottomMarginRecord, "BOTTOMMARGIN"},
    RecordTypeName{kBoundSheetRecord, "BOUNDSHEET"},
    RecordTypeName{kCalcCountRecord, "CALCCOUNT"},
    RecordTypeName{kCalcModeRecord, "CALCMODE"},
    RecordTypeName{kCalcPrecisionRecord, "CALCPRECISION"},
    RecordTypeName{kCodePageRecord, "CODEPAGE"},
    RecordTypeName{kColInfoRecord, "COLINFO"},
    RecordTypeName{kContinueRecord, "CONTINUE"},
    RecordTypeName{kCountryRecord, "COUNTRY"},
    RecordTypeName{kDate1904Record, "DATE1904"},
    RecordTypeName{kDbCellRecord, "DBCELL"},
    RecordTypeName{kDefaultRowHeightRecord, "DEFAULTROWHEIGHT"},
    RecordTypeName{kDefColWidthRecord, "DEFCOLWIDTH"},
    RecordTypeName{kDeltaRecord, "DELTA"},
    RecordTypeName{kDimensionsRecord, "DIMENSIONS"},
    RecordTypeName{kDsfRecord, "DSF"},
    RecordTypeName{kEofRecord, "EOF"},
    RecordTypeName{kExternSheetRecord, "EXTERNSHEET"},
    RecordTypeName{kExtSstRecord, "EXTSST"},
    RecordTypeName{kFilePassRecord, "FILEPASS"},
    RecordTypeName{kFnGroupCountRecord, "FNGROUPCOUNT"},
    RecordTypeName{kFontRecord, "FONT"},
    RecordTypeName{kFooterRecord, "FOOTER"},
    RecordTypeName{kFormatRecord, "FORMAT"},
    RecordTypeName{kFormulaRecord, "FORMULA"},
    RecordTypeName{kGridSetRecord, "GRIDSET"},
    RecordTypeName{kGutsRecord, "GUTS"},
    RecordTypeName{kHCenterRecord, "HCENTER"},
    RecordTypeName{kHeaderRecord, "HEADER"},
    RecordTypeName{kHideObjRecord, "HIDEOBJ"},
    RecordTypeName{kIndexRecord, "INDEX"},
    RecordTypeName{kInterfaceEndRecord, "INTERFACEEND"},
    RecordTypeName{kInterfaceHdrRecord, "INTERFACEHDR"},
    RecordTypeName{kIterationRecord, "ITERATION"},
    RecordTypeName{kLabelRecord, "LABEL"},
    RecordTypeName{kLabelSstRecord, "LABELSST"},
    RecordTypeName{kLeftMarginRecord, "LEFTMARGIN"},
    RecordTypeName{kMergeCellsRecord, "MERGECELLS"},
    RecordTypeName{kMmsRecord, "MMS"},
    RecordTypeName{kMulBlankRecord, "MULBLANK"},
    RecordTypeName{kMulRkRecord, "MULRK"},
    RecordTypeName{kNameRecord, "NAME"},
    RecordTypeName{kNumberRecord, "NUMBER"},
    RecordTypeName{kPaletteRecord, "PALETTE"},
    RecordTypeName{kPasswordRecord, "PASSWORD"},
    RecordTypeName{kPrintGridLinesRecord, "PRINTGRIDLINES"},
    RecordTypeName{kPrintHeadersRecord, "PRINTHEADERS"},
    RecordTypeName{kProt4RevPassRecord, "PROT4REVPASS"},
    RecordTypeName{kProt4RevRecord, "PROT4REV"},
    RecordTypeName{kProtectRecord, "PROTECT"},
    RecordTypeName{kRefModeRecord, "REFMODE"},
    RecordTypeName{kRefreshAllRecord, "REFRESHALL"},
    RecordTypeName{kRightMarginRecord, "RIGHTMARGIN"},
    RecordTypeName{kRkRecord, "RK"},
    RecordTypeName{kRowRecord, "ROW"},
    RecordTypeName{kSaveRecalcRecord, "SAVERECALC"},
    RecordTypeName{kSclRecord, "SCL"},
    RecordTypeName{kSelectionRecord, "SELECTION"},
    RecordTypeName{kSetupRecord, "SETUP"},
    RecordTypeName{kShrFmlaRecord, "SHRFMLA"},
    RecordTypeName{kSstRecord, "SST"},
    RecordTypeName{kStringRecord, "STRING"},
    RecordTypeName{kStyleRecord, "STYLE"},
    RecordTypeName{kSupBookRecord, "SUPBOOK"},
    RecordTypeName{kTabIdRecord, "TABID"},
    RecordTypeName{kTopMarginRecord, "TOPMARGIN"},
    RecordTypeName{kUsesElfsRecord, "USESELFS"},
    RecordTypeName{kVCenterRecord, "VCENTER"},
    RecordTypeName{kWindow1Record, "WINDOW1"},
    RecordTypeName{kWindow2Record, "WINDOW2"},
    RecordTypeName{kWindowProtectRecord, "WINDOWPROTECT"},
    RecordTypeName{kWriteAccessRecord, "WRITEACCESS"},
    RecordTypeName{kWsBoolRecord, "WSBOOL"},
    RecordTypeName{kXfRecord, "XF"},
};

// Two constants with one number would give one of them the other's name.
constexpr bool eachTypeOnce()
{
    for (std::size_t i = 0; i < kRecordNames.size(); ++i)
        for (std::size_t j = i + 1; j < kRecordNames.size(); ++j)
            if (kRecordNames[i].type == kRecordNames[j].type || kRecordNames[i].name == kRecordNames[j].name)
                return false;
    return true;
}
static_assert(eachTypeOnce(), "a record type or name is listed twice");

}  // namespace

std::string recordName(uint16_t type)
{
    for (const auto& r : kRecordNames) {
        if (r.type == type)
            return std::string(r.name);
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", type);
    return buf;
}

}  // namespace jubilo::xls
