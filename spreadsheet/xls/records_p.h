#pragma once

// The BIFF8 records this layer writes and reads, as data. Each record type
// is a struct with its type and one list of its fields, in file order,
// that both encode() and decode() walk (see record_fields_p.h); the few
// whose layout depends on more than their fields have an encoder and a
// decoder of their own. Field names follow the file format.

#include "spreadsheet/xls/record_fields_p.h"
#include "spreadsheet/xls/record_types_p.h"
#include "spreadsheet/xls/xls_workbook.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace jubilo::xls::rec {

// ---- records of one value or none ------------------------------------------

template <uint16_t Type, class Value>
struct OneValue {
    static constexpr uint16_t kType = Type;
    Value value{};
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.value);
    }
};

template <uint16_t Type>
using Value16 = OneValue<Type, uint16_t>;
template <uint16_t Type>
using Double = OneValue<Type, double>;

using Backup = Value16<kBackupRecord>;
using BookBool = Value16<kBookBoolRecord>;
using CalcCount = Value16<kCalcCountRecord>;
using CalcMode = Value16<kCalcModeRecord>;
using CalcPrecision = Value16<kCalcPrecisionRecord>;
using CodePage = Value16<kCodePageRecord>;
using Date1904 = Value16<kDate1904Record>;
using DefColWidth = Value16<kDefColWidthRecord>;
using Dsf = Value16<kDsfRecord>;
using FnGroupCount = Value16<kFnGroupCountRecord>;
using GridSet = Value16<kGridSetRecord>;
using HCenter = Value16<kHCenterRecord>;
using HideObj = Value16<kHideObjRecord>;
using InterfaceHdr = Value16<kInterfaceHdrRecord>;
using Iteration = Value16<kIterationRecord>;
using Mms = Value16<kMmsRecord>;
using Password = Value16<kPasswordRecord>;
using PrintGridLines = Value16<kPrintGridLinesRecord>;
using PrintHeaders = Value16<kPrintHeadersRecord>;
using Prot4Rev = Value16<kProt4RevRecord>;
using Prot4RevPass = Value16<kProt4RevPassRecord>;
using Protect = Value16<kProtectRecord>;
using RefMode = Value16<kRefModeRecord>;
using RefreshAll = Value16<kRefreshAllRecord>;
using SaveRecalc = Value16<kSaveRecalcRecord>;
using UsesElfs = Value16<kUsesElfsRecord>;
using VCenter = Value16<kVCenterRecord>;
using WindowProtect = Value16<kWindowProtectRecord>;
using WsBool = Value16<kWsBoolRecord>;

// WSBOOL's bits.
inline constexpr BitField kWsBoolShowAutoBreaks{0, 1};
inline constexpr BitField kWsBoolRowSumsBelow{6, 1};
inline constexpr BitField kWsBoolColumnSumsRight{7, 1};
inline constexpr BitField kWsBoolFitToPage{8, 1};
inline constexpr BitField kWsBoolShowOutlineSymbols{10, 1};

template <uint16_t Type>
struct Empty {
    static constexpr uint16_t kType = Type;
    template <class Io, class Self>
    static void fields(Io&, Self&)
    {
    }
};

using Eof = Empty<kEofRecord>;
using InterfaceEnd = Empty<kInterfaceEndRecord>;

using BottomMargin = Double<kBottomMarginRecord>;
using Delta = Double<kDeltaRecord>;
using LeftMargin = Double<kLeftMarginRecord>;
using RightMargin = Double<kRightMarginRecord>;
using TopMargin = Double<kTopMarginRecord>;

// HEADER and FOOTER: empty when there is none.
template <uint16_t Type>
struct PageText {
    static constexpr uint16_t kType = Type;
    std::u16string text;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.optionalString16(r.text);
    }
};

using Footer = PageText<kFooterRecord>;
using Header = PageText<kHeaderRecord>;

// ---- workbook globals ------------------------------------------------------

struct Bof {
    static constexpr uint16_t kType = kBofRecord;
    static constexpr uint16_t kBiff8 = 0x0600;
    static constexpr uint16_t kBiff5 = 0x0500;
    static constexpr uint16_t kGlobals = 0x0005;
    static constexpr uint16_t kWorksheet = 0x0010;
    uint16_t version = kBiff8;
    uint16_t kind = kGlobals;
    uint16_t build = 0x0DBB;
    uint16_t year = 0x07CC;
    uint32_t history = 0;
    uint32_t lowestVersion = 0x00000006;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.version, r.kind);
        if (io.more(12)) {  // the build fields are of no interest here
            io(r.build, r.year, r.history, r.lowestVersion);
        }
    }
};

struct WriteAccess {
    static constexpr uint16_t kType = kWriteAccessRecord;
    static constexpr std::size_t kSize = 112;  // padded with spaces
    std::u16string user;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.string16(r.user);
        io.padTo(kSize, ' ');
    }
};

struct TabId {
    static constexpr uint16_t kType = kTabIdRecord;
    std::vector<uint16_t> ids;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.tail(r.ids, 2, [](auto& io, auto& id) { io(id); });
    }
};

struct Window1 {
    static constexpr uint16_t kType = kWindow1Record;
    static constexpr BitField kShowHorizontalScroll{3, 1};
    static constexpr BitField kShowVerticalScroll{4, 1};
    static constexpr BitField kShowTabs{5, 1};
    int16_t x = 0, y = 0;
    uint16_t width = 0, height = 0;
    uint16_t flags = 0x0038;
    uint16_t activeTab = 0, firstTab = 0, selectedTabs = 1, tabRatio = 600;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.x, r.y, r.width, r.height, r.flags, r.activeTab, r.firstTab, r.selectedTabs, r.tabRatio);
    }
};

struct Font {
    static constexpr uint16_t kType = kFontRecord;
    // Bit 0 repeats "bold" for readers of older versions; the weight counts.
    static constexpr BitField kBold{0, 1};
    static constexpr BitField kItalic{1, 1};
    static constexpr BitField kStrikeout{3, 1};
    static constexpr BitField kOutline{4, 1};
    static constexpr BitField kShadow{5, 1};
    uint16_t height = 200, flags = 0, color = kIcvAutomaticFont, weight = 400, script = 0;
    uint8_t underline = 0, family = 0, charset = 0;
    std::u16string name;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.height, r.flags, r.color, r.weight, r.script, r.underline, r.family, r.charset);
        io.reserved(1);
        io.string8(r.name);
    }
};

struct Format {
    static constexpr uint16_t kType = kFormatRecord;
    uint16_t index = 0;
    std::u16string code;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.index);
        io.string16(r.code);
    }
};

struct Xf {
    static constexpr uint16_t kType = kXfRecord;
    // protection
    static constexpr BitField kLocked{0, 1}, kFormulaHidden{1, 1}, kIsStyle{2, 1}, kQuotePrefix{3, 1};
    static constexpr BitField kParent{4, 12};  // all ones in a style format
    // alignment
    static constexpr BitField kHAlign{0, 3}, kWrap{3, 1}, kVAlign{4, 3}, kJustifyLast{7, 1};
    // indentation
    static constexpr BitField kIndent{0, 4}, kShrinkToFit{4, 1}, kReadingOrder{6, 2};
    // used
    static constexpr BitField kUsedAttributes{2, 6};
    // border1
    static constexpr BitField kLeftLine{0, 4}, kRightLine{4, 4}, kTopLine{8, 4}, kBottomLine{12, 4};
    static constexpr BitField kLeftColor{16, 7}, kRightColor{23, 7}, kDiagonalKind{30, 2};
    // border2
    static constexpr BitField kTopColor{0, 7}, kBottomColor{7, 7}, kDiagonalColor{14, 7};
    static constexpr BitField kDiagonalLine{21, 4}, kFillPattern{26, 6};
    // fill
    static constexpr BitField kFillForeground{0, 7}, kFillBackground{7, 7}, kPivotButton{14, 1};

    uint16_t font = 0, format = 0, protection = 0;
    uint8_t alignment = 0x20, rotation = 0, indentation = 0, used = 0;
    uint32_t border1 = 0, border2 = 0;
    uint16_t fill = 0x20C0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.font, r.format, r.protection, r.alignment, r.rotation, r.indentation, r.used, r.border1, r.border2,
           r.fill);
    }
};

struct Style {
    static constexpr uint16_t kType = kStyleRecord;
    static constexpr BitField kXfIndex{0, 12};
    static constexpr BitField kBuiltIn{15, 1};
    uint16_t xf = 0;
    uint8_t builtInId = 0, level = 0xFF;
    std::u16string name;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.xf);
        if (kBuiltIn.extract(r.xf)) {
            io(r.builtInId, r.level);
        } else {
            io.string16(r.name);
        }
    }
};

struct Palette {
    static constexpr uint16_t kType = kPaletteRecord;
    static constexpr uint32_t kColorBits = 0x00FFFFFF;
    std::vector<uint32_t> colors;  // 0x00BBGGRR
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.counted16(r.colors, 4, "colours", [](auto& io, auto& bgr) { io.masked32(bgr, kColorBits); });
    }
};

struct BoundSheet {
    static constexpr uint16_t kType = kBoundSheetRecord;
    static constexpr std::size_t kPositionAt = kRecordHeaderSize;  // patched once the sheet is written
    uint32_t position = 0;
    uint8_t state = 0, sheetType = 0;
    std::u16string name;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.position, r.state, r.sheetType);
        io.string8(r.name);
    }
};

struct Country {
    static constexpr uint16_t kType = kCountryRecord;
    uint16_t defaults = 1, windows = 1;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.defaults, r.windows);
    }
};

// The SUPBOOK of references into this workbook itself.
struct SupBook {
    static constexpr uint16_t kType = kSupBookRecord;
    static constexpr uint16_t kSelf = 0x0401;
    uint16_t sheets = 1;
    uint16_t kind = kSelf;  // this workbook; others are not written
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.sheets, r.kind);
    }
};

struct ExternSheet {
    static constexpr uint16_t kType = kExternSheetRecord;
    struct Entry {
        uint16_t supBook = 0, firstTab = 0, lastTab = 0;
    };
    std::vector<Entry> entries;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.counted16(r.entries, 6, "references", [](auto& io, auto& e) { io(e.supBook, e.firstTab, e.lastTab); });
    }
};

// NAME: the name's length and its formula's sit apart from their data.
struct Name {
    static constexpr uint16_t kType = kNameRecord;
    static constexpr uint16_t kBuiltIn = 0x0020;
    static constexpr uint8_t kPrintArea = 0x06;
    uint16_t flags = kBuiltIn;
    uint8_t shortcut = 0;
    uint16_t sheet = 0;  // 1-based sheet of a local name, 0 global
    std::u16string name;  // one character for built-in names
    std::vector<uint8_t> formula;
};

// PtgArea3d: an absolute area on the sheet of an EXTERNSHEET entry.
std::vector<uint8_t> area3d(uint16_t externSheet, uint16_t firstRow, uint16_t lastRow, uint16_t firstColumn,
                            uint16_t lastColumn);
bool parseArea3d(const std::vector<uint8_t>& formula, uint16_t& externSheet, uint16_t& firstRow, uint16_t& lastRow,
                 uint16_t& firstColumn, uint16_t& lastColumn);

// SST: the shared strings; write() gives back where each bucket of the
// index starts, for EXTSST.
struct Sst {
    static constexpr uint16_t kType = kSstRecord;
    uint32_t total = 0;
    std::vector<std::u16string> strings;
    uint16_t bucketSize = 8;
    std::vector<StreamLocation> write(RecordWriter& w) const;
};

// EXTSST: where each bucket of shared strings starts.
struct ExtSst {
    static constexpr uint16_t kType = kExtSstRecord;
    uint16_t bucketSize = 8;
    std::vector<StreamLocation> buckets;
};

// ---- worksheet -------------------------------------------------------------

struct Index {
    static constexpr uint16_t kType = kIndexRecord;
    uint32_t firstRow = 0, lastRowPlus1 = 0, defColWidthPos = 0;
    std::vector<uint32_t> dbCells;
    // Offsets of the patched fields from the start of the record header.
    static constexpr std::size_t kFirstRowAt = 8, kLastRowAt = 12, kDefColWidthAt = 16, kDbCellsAt = 20;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.reserved(4);
        io(r.firstRow, r.lastRowPlus1, r.defColWidthPos);
        io.tail(r.dbCells, 4, [](auto& io, auto& at) { io(at); });
    }
};

struct DbCell {
    static constexpr uint16_t kType = kDbCellRecord;
    uint32_t firstRowOffset = 0;
    std::vector<uint16_t> cellOffsets;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.firstRowOffset);
        io.tail(r.cellOffsets, 2, [](auto& io, auto& offset) { io(offset); });
    }
};

struct Guts {
    static constexpr uint16_t kType = kGutsRecord;
    uint16_t rowGutter = 0, columnGutter = 0, rowLevels = 0, columnLevels = 0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.rowGutter, r.columnGutter, r.rowLevels, r.columnLevels);
    }
};

struct DefaultRowHeight {
    static constexpr uint16_t kType = kDefaultRowHeightRecord;
    static constexpr BitField kCustomHeight{0, 1};
    uint16_t flags = 0, height = 255;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.flags, r.height);
    }
};

struct Setup {
    static constexpr uint16_t kType = kSetupRecord;
    static constexpr BitField kOverThenDown{0, 1}, kPortrait{1, 1};
    static constexpr BitField kNoPrinterData{2, 1};  // paper, scale, resolution and copies not set
    static constexpr BitField kBlackAndWhite{3, 1}, kDraft{4, 1}, kPrintNotes{5, 1};
    static constexpr BitField kNoOrientation{6, 1};  // portrait not set
    static constexpr BitField kUsePageStart{7, 1}, kNotesAtEnd{9, 1}, kPrintErrors{10, 2};
    uint16_t paperSize = 9, scale = 100, pageStart = 1, fitWidth = 1, fitHeight = 1, flags = 0;
    uint16_t resolution = 600, verticalResolution = 600;
    double headerMargin = 0.5, footerMargin = 0.5;
    uint16_t copies = 1;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.paperSize, r.scale, r.pageStart, r.fitWidth, r.fitHeight, r.flags, r.resolution, r.verticalResolution,
           r.headerMargin, r.footerMargin, r.copies);
    }
};

struct ColInfo {
    static constexpr uint16_t kType = kColInfoRecord;
    static constexpr BitField kHidden{0, 1}, kCustomWidth{1, 1}, kBestFit{2, 1};
    static constexpr BitField kOutlineLevel{8, 3}, kCollapsed{12, 1};
    uint16_t first = 0, last = 0, width = 0, xf = 15, flags = 0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.first, r.last, r.width, r.xf, r.flags);
        io.unread(2);
    }
};

struct Dimensions {
    static constexpr uint16_t kType = kDimensionsRecord;
    uint32_t firstRow = 0, lastRowPlus1 = 0;
    uint16_t firstColumn = 0, lastColumnPlus1 = 0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.firstRow, r.lastRowPlus1, r.firstColumn, r.lastColumnPlus1);
        io.unread(2);
    }
};

struct Row {
    static constexpr uint16_t kType = kRowRecord;
    static constexpr std::size_t kSizeWithHeader = kRecordHeaderSize + 16;
    static constexpr BitField kHeight{0, 15};
    static constexpr BitField kOutlineLevel{0, 3}, kCollapsed{4, 1}, kHidden{5, 1}, kCustomHeight{6, 1};
    static constexpr BitField kHasFormat{7, 1};
    static constexpr BitField kAlwaysSet{8, 1};
    static constexpr BitField kFormat{16, 12};
    uint16_t row = 0, firstColumn = 0, lastColumnPlus1 = 0, height = 255;
    uint32_t flags = kAlwaysSet.place(1);
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.row, r.firstColumn, r.lastColumnPlus1, r.height);
        io.reserved(4);
        io(r.flags);
    }
};

// The row, column and format every cell record starts with.
struct CellHeader {
    uint16_t row = 0, column = 0, xf = 0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.row, r.column, r.xf);
    }
};

// A cell record whose data is the cell header and one number: NUMBER's
// value, RK's value in RK form (see packRk), LABELSST's index into the
// shared strings.
template <uint16_t Type, class Value>
struct CellNumber {
    static constexpr uint16_t kType = Type;
    CellHeader cell;
    Value value{};
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        CellHeader::fields(io, r.cell);
        io(r.value);
    }
};

using LabelSst = CellNumber<kLabelSstRecord, uint32_t>;
using Number = CellNumber<kNumberRecord, double>;
using Rk = CellNumber<kRkRecord, uint32_t>;

// The RK form of a number, when it has one that keeps it exactly.
bool packRk(double value, uint32_t& rk);
double unpackRk(uint32_t rk);

// MULRK and MULBLANK: cells side by side in one row; read only.
struct MulRk {
    static constexpr uint16_t kType = kMulRkRecord;
    uint16_t row = 0, firstColumn = 0, lastColumn = 0;
    std::vector<std::pair<uint16_t, uint32_t>> cells;  // xf, rk
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.row, r.firstColumn);
        // 6 bytes a cell, while the last column's 2 bytes remain after it.
        io.tail(r.cells, 8, [](auto& io, auto& cell) { io(cell.first, cell.second); });
        io(r.lastColumn);
    }
};

struct MulBlank {
    static constexpr uint16_t kType = kMulBlankRecord;
    uint16_t row = 0, firstColumn = 0, lastColumn = 0;
    std::vector<uint16_t> xfs;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.row, r.firstColumn);
        io.tail(r.xfs, 4, [](auto& io, auto& xf) { io(xf); });
        io(r.lastColumn);
    }
};

// LABEL: an inline cell text, read only (other writers use it).
struct Label {
    static constexpr uint16_t kType = kLabelRecord;
    CellHeader cell;
    std::u16string text;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        CellHeader::fields(io, r.cell);
        io.string16(r.text);
    }
};

struct BoolErr {
    static constexpr uint16_t kType = kBoolErrRecord;
    CellHeader cell;
    uint8_t value = 0;
    bool isError = false;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        CellHeader::fields(io, r.cell);
        io(r.value);
        io.flag8(r.isError);
    }
};

struct Blank {
    static constexpr uint16_t kType = kBlankRecord;
    CellHeader cell;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        CellHeader::fields(io, r.cell);
    }
};

struct Formula {
    static constexpr uint16_t kType = kFormulaRecord;
    static constexpr BitField kAlwaysCalc{0, 1}, kCalcOnLoad{1, 1};
    CellHeader cell;
    uint8_t result[8] = {};  // FormulaValue as stored
    uint16_t flags = 0;
    std::vector<uint8_t> rgce, rgcb;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        CellHeader::fields(io, r.cell);
        io.bytes(r.result);
        io(r.flags);
        io.reserved(4);
        io.sized16(r.rgce, "formula");
        io.rest(r.rgcb);
    }
};

struct String {
    static constexpr uint16_t kType = kStringRecord;
    std::u16string text;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io.string16(r.text);
    }
};

struct Window2 {
    static constexpr uint16_t kType = kWindow2Record;
    static constexpr BitField kShowFormulas{0, 1}, kShowGridLines{1, 1}, kShowHeadings{2, 1};
    static constexpr BitField kShowZeros{4, 1}, kDefaultGridColor{5, 1}, kRightToLeft{6, 1};
    static constexpr BitField kShowOutline{7, 1};
    static constexpr BitField kSelectedAndActive{9, 2};
    static constexpr BitField kPageBreakPreview{11, 1};
    uint16_t flags = 0x06B6, topRow = 0, leftColumn = 0, gridColor = kIcvWindowText;
    uint16_t zoomPageBreak = 0, zoomNormal = 0;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.flags, r.topRow, r.leftColumn, r.gridColor);
        if (io.more(6)) {
            io.reserved(2);
            io(r.zoomPageBreak, r.zoomNormal);
        }
        io.unread(4);
    }
};

struct Scl {
    static constexpr uint16_t kType = kSclRecord;
    uint16_t numerator = 1, denominator = 1;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.numerator, r.denominator);
    }
};

struct Selection {
    static constexpr uint16_t kType = kSelectionRecord;
    uint8_t pane = 3;
    uint16_t activeRow = 0, activeColumn = 0, activeRef = 0;
    struct Ref {
        uint16_t firstRow = 0, lastRow = 0;
        uint8_t firstColumn = 0, lastColumn = 0;
    };
    std::vector<Ref> refs;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        io(r.pane, r.activeRow, r.activeColumn, r.activeRef);
        io.counted16(r.refs, 6, "ranges",
                     [](auto& io, auto& ref) { io(ref.firstRow, ref.lastRow, ref.firstColumn, ref.lastColumn); });
    }
};

struct MergeCells {
    static constexpr uint16_t kType = kMergeCellsRecord;
    static constexpr std::size_t kMaxPerRecord = 1026;
    struct Ref {
        uint16_t firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    };
    std::vector<Ref> refs;
    template <class Io, class Self>
    static void fields(Io& io, Self& r)
    {
        const auto ref = [](auto& io, auto& m) { io(m.firstRow, m.lastRow, m.firstColumn, m.lastColumn); };
        io.counted16(r.refs, 8, "ranges", ref, kMaxPerRecord);
    }
};

// ---- encoding and decoding -------------------------------------------------

// RecordWriter::put finds these beside the record types.
template <class Record>
void encode(const Record& r, RecordBody& b)
{
    FieldWriter writer(b, Record::kType);
    Record::fields(writer, r);
}

template <class Record>
Record decode(RecordCursor& c)
{
    Record r;
    FieldReader reader(c);
    Record::fields(reader, r);
    return r;
}

// The records with an encoder and a decoder of their own.
template <>
void encode<Name>(const Name& r, RecordBody& b);
template <>
Name decode<Name>(RecordCursor& c);
template <>
Sst decode<Sst>(RecordCursor& c);
template <>
void encode<ExtSst>(const ExtSst& r, RecordBody& b);
template <>
ExtSst decode<ExtSst>(RecordCursor& c);

}  // namespace jubilo::xls::rec
