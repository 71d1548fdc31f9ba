#pragma once

// The BIFF8 records this layer writes and reads, as data. Each record type
// is a struct with its type number, one encoder and one decoder; the writer
// and the reader share them. Field names follow the file format.

#include "spreadsheet/xls/record_stream_p.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jubilo::xls::rec {

// ---- strings ---------------------------------------------------------------

// XLUnicodeString (16-bit count) and ShortXLUnicodeString (8-bit count).
// The header and the first character never part; the characters may go on
// in a continuation that repeats the option byte.
void putString16(RecordBody& b, std::u16string_view s);
void putString8(RecordBody& b, std::u16string_view s);
std::u16string getString16(RecordCursor& c);
std::u16string getString8(RecordCursor& c);
// A shared-string-table entry (rich text runs and phonetic data skipped).
std::u16string getRichString(RecordCursor& c);

// ---- records with one 16-bit value -----------------------------------------

template <uint16_t Type>
struct Value16 {
    static constexpr uint16_t kType = Type;
    uint16_t value = 0;
    void encode(RecordBody& b) const { b.u16(value); }
    static Value16 decode(RecordCursor& c) { return {c.u16()}; }
};

using CodePage = Value16<0x0042>;
using Dsf = Value16<0x0161>;
using FnGroupCount = Value16<0x009C>;
using WindowProtect = Value16<0x0019>;
using Protect = Value16<0x0012>;
using Password = Value16<0x0013>;
using Prot4Rev = Value16<0x01AF>;
using Prot4RevPass = Value16<0x01BC>;
using Backup = Value16<0x0040>;
using HideObj = Value16<0x008D>;
using Date1904 = Value16<0x0022>;
using CalcPrecision = Value16<0x000E>;
using RefreshAll = Value16<0x01B7>;
using BookBool = Value16<0x00DA>;
using UsesElfs = Value16<0x0160>;
using InterfaceHdr = Value16<0x00E1>;
using Mms = Value16<0x00C1>;
using CalcMode = Value16<0x000D>;
using CalcCount = Value16<0x000C>;
using RefMode = Value16<0x000F>;
using Iteration = Value16<0x0011>;
using SaveRecalc = Value16<0x005F>;
using PrintHeaders = Value16<0x002A>;
using PrintGridLines = Value16<0x002B>;
using GridSet = Value16<0x0082>;
using WsBool = Value16<0x0081>;
using HCenter = Value16<0x0083>;
using VCenter = Value16<0x0084>;
using DefColWidth = Value16<0x0055>;

template <uint16_t Type>
struct Empty {
    static constexpr uint16_t kType = Type;
    void encode(RecordBody&) const {}
    static Empty decode(RecordCursor&) { return {}; }
};

using Eof = Empty<0x000A>;
using InterfaceEnd = Empty<0x00E2>;

template <uint16_t Type>
struct Double {
    static constexpr uint16_t kType = Type;
    double value = 0;
    void encode(RecordBody& b) const { b.f64(value); }
    static Double decode(RecordCursor& c) { return {c.f64()}; }
};

using Delta = Double<0x0010>;
using LeftMargin = Double<0x0026>;
using RightMargin = Double<0x0027>;
using TopMargin = Double<0x0028>;
using BottomMargin = Double<0x0029>;

// HEADER and FOOTER: empty when there is none.
template <uint16_t Type>
struct PageText {
    static constexpr uint16_t kType = Type;
    std::u16string text;
    void encode(RecordBody& b) const
    {
        if (!text.empty())
            putString16(b, text);
    }
    static PageText decode(RecordCursor& c) { return {c.atEnd() ? std::u16string() : getString16(c)}; }
};

using Header = PageText<0x0014>;
using Footer = PageText<0x0015>;

// ---- workbook globals ------------------------------------------------------

struct Bof {
    static constexpr uint16_t kType = 0x0809;
    static constexpr uint16_t kGlobals = 0x0005;
    static constexpr uint16_t kWorksheet = 0x0010;
    uint16_t version = 0x0600;
    uint16_t kind = kGlobals;
    uint16_t build = 0x0DBB;
    uint16_t year = 0x07CC;
    uint32_t history = 0;
    uint32_t lowestVersion = 0x00000006;
    void encode(RecordBody& b) const;
    static Bof decode(RecordCursor& c);
};

struct WriteAccess {
    static constexpr uint16_t kType = 0x005C;
    std::u16string user;
    void encode(RecordBody& b) const; // padded with spaces to 112 bytes
    static WriteAccess decode(RecordCursor& c);
};

struct TabId {
    static constexpr uint16_t kType = 0x013D;
    std::vector<uint16_t> ids;
    void encode(RecordBody& b) const;
    static TabId decode(RecordCursor& c);
};

struct Window1 {
    static constexpr uint16_t kType = 0x003D;
    int16_t x = 0, y = 0;
    uint16_t width = 0, height = 0;
    uint16_t flags = 0x0038;
    uint16_t activeTab = 0, firstTab = 0, selectedTabs = 1, tabRatio = 600;
    void encode(RecordBody& b) const;
    static Window1 decode(RecordCursor& c);
};

struct Font {
    static constexpr uint16_t kType = 0x0031;
    uint16_t height = 200, flags = 0, color = 0x7FFF, weight = 400, script = 0;
    uint8_t underline = 0, family = 0, charset = 0;
    std::u16string name;
    void encode(RecordBody& b) const;
    static Font decode(RecordCursor& c);
};

struct Format {
    static constexpr uint16_t kType = 0x041E;
    uint16_t index = 0;
    std::u16string code;
    void encode(RecordBody& b) const;
    static Format decode(RecordCursor& c);
};

struct Xf {
    static constexpr uint16_t kType = 0x00E0;
    uint16_t font = 0, format = 0, protection = 0; // protection: flags + parent
    uint8_t alignment = 0x20, rotation = 0, indentation = 0, used = 0;
    uint32_t border1 = 0, border2 = 0;
    uint16_t fill = 0x20C0;
    void encode(RecordBody& b) const;
    static Xf decode(RecordCursor& c);
};

struct Style {
    static constexpr uint16_t kType = 0x0293;
    uint16_t xf = 0; // bit 15: built-in
    uint8_t builtInId = 0, level = 0xFF;
    std::u16string name;
    void encode(RecordBody& b) const;
    static Style decode(RecordCursor& c);
};

struct Palette {
    static constexpr uint16_t kType = 0x0092;
    std::vector<uint32_t> colors; // 0x00BBGGRR
    void encode(RecordBody& b) const;
    static Palette decode(RecordCursor& c);
};

struct BoundSheet {
    static constexpr uint16_t kType = 0x0085;
    uint32_t position = 0; // patched once the sheet is written
    uint8_t state = 0, sheetType = 0;
    std::u16string name;
    void encode(RecordBody& b) const;
    static BoundSheet decode(RecordCursor& c);
};

struct Country {
    static constexpr uint16_t kType = 0x008C;
    uint16_t defaults = 1, windows = 1;
    void encode(RecordBody& b) const;
    static Country decode(RecordCursor& c);
};

// The SUPBOOK of references into this workbook itself.
struct SupBook {
    static constexpr uint16_t kType = 0x01AE;
    static constexpr uint16_t kSelf = 0x0401;
    uint16_t sheets = 1;
    uint16_t kind = kSelf; // 0x0401 this workbook; others are not written
    void encode(RecordBody& b) const;
    static SupBook decode(RecordCursor& c);
};

struct ExternSheet {
    static constexpr uint16_t kType = 0x0017;
    struct Entry {
        uint16_t supBook = 0, firstTab = 0, lastTab = 0;
    };
    std::vector<Entry> entries;
    void encode(RecordBody& b) const;
    static ExternSheet decode(RecordCursor& c);
};

struct Name {
    static constexpr uint16_t kType = 0x0018;
    static constexpr uint8_t kPrintArea = 0x06;
    uint16_t flags = 0x0020; // built-in
    uint8_t shortcut = 0;
    uint16_t sheet = 0;      // 1-based sheet of a local name, 0 global
    std::u16string name;     // one character for built-in names
    std::vector<uint8_t> formula;
    void encode(RecordBody& b) const;
    static Name decode(RecordCursor& c);
};

// PtgArea3d: an absolute area on the sheet of an EXTERNSHEET entry.
std::vector<uint8_t> area3d(uint16_t externSheet, uint16_t firstRow, uint16_t lastRow,
                            uint16_t firstColumn, uint16_t lastColumn);
bool parseArea3d(const std::vector<uint8_t>& formula, uint16_t& externSheet, uint16_t& firstRow,
                 uint16_t& lastRow, uint16_t& firstColumn, uint16_t& lastColumn);

// SST: the shared strings; write() gives back where each bucket of the
// index starts, for EXTSST.
struct Sst {
    static constexpr uint16_t kType = 0x00FC;
    uint32_t total = 0;
    std::vector<std::u16string> strings;
    uint16_t bucketSize = 8;
    std::vector<StreamLocation> write(RecordWriter& w) const;
    static Sst decode(RecordCursor& c);
};

struct ExtSst {
    static constexpr uint16_t kType = 0x00FF;
    uint16_t bucketSize = 8;
    std::vector<StreamLocation> buckets;
    void encode(RecordBody& b) const;
    static ExtSst decode(RecordCursor& c);
};

// ---- worksheet -------------------------------------------------------------

struct Index {
    static constexpr uint16_t kType = 0x020B;
    uint32_t firstRow = 0, lastRowPlus1 = 0, defColWidthPos = 0;
    std::vector<uint32_t> dbCells;
    void encode(RecordBody& b) const;
    static Index decode(RecordCursor& c);
    // Offsets of the patched fields from the start of the record header.
    static constexpr std::size_t kFirstRowAt = 8, kLastRowAt = 12, kDefColWidthAt = 16, kDbCellsAt = 20;
};

struct DbCell {
    static constexpr uint16_t kType = 0x00D7;
    uint32_t firstRowOffset = 0;
    std::vector<uint16_t> cellOffsets;
    void encode(RecordBody& b) const;
    static DbCell decode(RecordCursor& c);
};

struct Guts {
    static constexpr uint16_t kType = 0x0080;
    uint16_t rowGutter = 0, columnGutter = 0, rowLevels = 0, columnLevels = 0;
    void encode(RecordBody& b) const;
    static Guts decode(RecordCursor& c);
};

struct DefaultRowHeight {
    static constexpr uint16_t kType = 0x0225;
    uint16_t flags = 0, height = 255;
    void encode(RecordBody& b) const;
    static DefaultRowHeight decode(RecordCursor& c);
};

struct Setup {
    static constexpr uint16_t kType = 0x00A1;
    uint16_t paperSize = 9, scale = 100, pageStart = 1, fitWidth = 1, fitHeight = 1, flags = 0;
    uint16_t resolution = 600, verticalResolution = 600;
    double headerMargin = 0.5, footerMargin = 0.5;
    uint16_t copies = 1;
    void encode(RecordBody& b) const;
    static Setup decode(RecordCursor& c);
};

struct ColInfo {
    static constexpr uint16_t kType = 0x007D;
    uint16_t first = 0, last = 0, width = 0, xf = 15, flags = 0;
    void encode(RecordBody& b) const;
    static ColInfo decode(RecordCursor& c);
};

struct Dimensions {
    static constexpr uint16_t kType = 0x0200;
    uint32_t firstRow = 0, lastRowPlus1 = 0;
    uint16_t firstColumn = 0, lastColumnPlus1 = 0;
    void encode(RecordBody& b) const;
    static Dimensions decode(RecordCursor& c);
};

struct Row {
    static constexpr uint16_t kType = 0x0208;
    uint16_t row = 0, firstColumn = 0, lastColumnPlus1 = 0, height = 255;
    uint32_t flags = 0x100;
    void encode(RecordBody& b) const;
    static Row decode(RecordCursor& c);
};

struct CellHeader {
    uint16_t row = 0, column = 0, xf = 0;
};

struct Number {
    static constexpr uint16_t kType = 0x0203;
    CellHeader cell;
    double value = 0;
    void encode(RecordBody& b) const;
    static Number decode(RecordCursor& c);
};

struct Rk {
    static constexpr uint16_t kType = 0x027E;
    CellHeader cell;
    uint32_t rk = 0;
    void encode(RecordBody& b) const;
    static Rk decode(RecordCursor& c);
    // The RK form of a number, when it has one that keeps it exactly.
    static bool pack(double value, uint32_t& rk);
    static double unpack(uint32_t rk);
};

struct MulRk {
    static constexpr uint16_t kType = 0x00BD;
    uint16_t row = 0, firstColumn = 0;
    std::vector<std::pair<uint16_t, uint32_t>> cells; // xf, rk
    static MulRk decode(RecordCursor& c);
};

struct MulBlank {
    static constexpr uint16_t kType = 0x00BE;
    uint16_t row = 0, firstColumn = 0;
    std::vector<uint16_t> xfs;
    static MulBlank decode(RecordCursor& c);
};

struct LabelSst {
    static constexpr uint16_t kType = 0x00FD;
    CellHeader cell;
    uint32_t index = 0;
    void encode(RecordBody& b) const;
    static LabelSst decode(RecordCursor& c);
};

// LABEL: an inline cell text, read only (other writers use it).
struct Label {
    static constexpr uint16_t kType = 0x0204;
    CellHeader cell;
    std::u16string text;
    static Label decode(RecordCursor& c);
};

struct BoolErr {
    static constexpr uint16_t kType = 0x0205;
    CellHeader cell;
    uint8_t value = 0;
    bool isError = false;
    void encode(RecordBody& b) const;
    static BoolErr decode(RecordCursor& c);
};

struct Blank {
    static constexpr uint16_t kType = 0x0201;
    CellHeader cell;
    void encode(RecordBody& b) const;
    static Blank decode(RecordCursor& c);
};

struct Formula {
    static constexpr uint16_t kType = 0x0006;
    CellHeader cell;
    uint8_t result[8] = {}; // FormulaValue as stored
    uint16_t flags = 0;
    std::vector<uint8_t> rgce, rgcb;
    void encode(RecordBody& b) const;
    static Formula decode(RecordCursor& c);
};

struct String {
    static constexpr uint16_t kType = 0x0207;
    std::u16string text;
    void encode(RecordBody& b) const { putString16(b, text); }
    static String decode(RecordCursor& c) { return {getString16(c)}; }
};

struct Window2 {
    static constexpr uint16_t kType = 0x023E;
    uint16_t flags = 0x06B6, topRow = 0, leftColumn = 0, gridColor = 64;
    uint16_t zoomPageBreak = 0, zoomNormal = 0;
    void encode(RecordBody& b) const;
    static Window2 decode(RecordCursor& c);
};

struct Scl {
    static constexpr uint16_t kType = 0x00A0;
    uint16_t numerator = 1, denominator = 1;
    void encode(RecordBody& b) const;
    static Scl decode(RecordCursor& c);
};

struct Selection {
    static constexpr uint16_t kType = 0x001D;
    uint8_t pane = 3;
    uint16_t activeRow = 0, activeColumn = 0, activeRef = 0;
    struct Ref {
        uint16_t firstRow = 0, lastRow = 0;
        uint8_t firstColumn = 0, lastColumn = 0;
    };
    std::vector<Ref> refs;
    void encode(RecordBody& b) const;
    static Selection decode(RecordCursor& c);
};

struct MergeCells {
    static constexpr uint16_t kType = 0x00E5;
    static constexpr std::size_t kMaxPerRecord = 1026;
    struct Ref {
        uint16_t firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    };
    std::vector<Ref> refs;
    void encode(RecordBody& b) const;
    static MergeCells decode(RecordCursor& c);
};

// Record types the reader recognises but does not need.
inline constexpr uint16_t kFilePass = 0x002F;

} // namespace jubilo::xls::rec
