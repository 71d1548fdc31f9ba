#include "spreadsheet/xls/records_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>

namespace jubilo::xls {

namespace {

struct RecordTypeName {
    uint16_t type;
    const char* name;
};

// Names of the record types this layer knows, for messages.
constexpr std::array kRecordNames{
    RecordTypeName{0x0006, "FORMULA"}, RecordTypeName{0x000A, "EOF"},
    RecordTypeName{0x000C, "CALCCOUNT"}, RecordTypeName{0x000D, "CALCMODE"},
    RecordTypeName{0x000E, "CALCPRECISION"}, RecordTypeName{0x000F, "REFMODE"},
    RecordTypeName{0x0010, "DELTA"}, RecordTypeName{0x0011, "ITERATION"},
    RecordTypeName{0x0012, "PROTECT"}, RecordTypeName{0x0013, "PASSWORD"},
    RecordTypeName{0x0014, "HEADER"}, RecordTypeName{0x0015, "FOOTER"},
    RecordTypeName{0x0017, "EXTERNSHEET"}, RecordTypeName{0x0018, "NAME"},
    RecordTypeName{0x0019, "WINDOWPROTECT"}, RecordTypeName{0x001D, "SELECTION"},
    RecordTypeName{0x0022, "DATE1904"}, RecordTypeName{0x0026, "LEFTMARGIN"},
    RecordTypeName{0x0027, "RIGHTMARGIN"}, RecordTypeName{0x0028, "TOPMARGIN"},
    RecordTypeName{0x0029, "BOTTOMMARGIN"}, RecordTypeName{0x002A, "PRINTHEADERS"},
    RecordTypeName{0x002B, "PRINTGRIDLINES"}, RecordTypeName{0x002F, "FILEPASS"},
    RecordTypeName{0x0031, "FONT"}, RecordTypeName{0x003C, "CONTINUE"},
    RecordTypeName{0x003D, "WINDOW1"}, RecordTypeName{0x0040, "BACKUP"},
    RecordTypeName{0x0042, "CODEPAGE"}, RecordTypeName{0x0055, "DEFCOLWIDTH"},
    RecordTypeName{0x005C, "WRITEACCESS"}, RecordTypeName{0x005F, "SAVERECALC"},
    RecordTypeName{0x007D, "COLINFO"}, RecordTypeName{0x0080, "GUTS"},
    RecordTypeName{0x0081, "WSBOOL"}, RecordTypeName{0x0082, "GRIDSET"},
    RecordTypeName{0x0083, "HCENTER"}, RecordTypeName{0x0084, "VCENTER"},
    RecordTypeName{0x0085, "BOUNDSHEET"}, RecordTypeName{0x008C, "COUNTRY"},
    RecordTypeName{0x008D, "HIDEOBJ"}, RecordTypeName{0x0092, "PALETTE"},
    RecordTypeName{0x009C, "FNGROUPCOUNT"}, RecordTypeName{0x00A0, "SCL"},
    RecordTypeName{0x00A1, "SETUP"}, RecordTypeName{0x00BD, "MULRK"},
    RecordTypeName{0x00BE, "MULBLANK"}, RecordTypeName{0x00C1, "MMS"},
    RecordTypeName{0x00D7, "DBCELL"}, RecordTypeName{0x00DA, "BOOKBOOL"},
    RecordTypeName{0x00E0, "XF"}, RecordTypeName{0x00E1, "INTERFACEHDR"},
    RecordTypeName{0x00E2, "INTERFACEEND"}, RecordTypeName{0x00E5, "MERGECELLS"},
    RecordTypeName{0x00FC, "SST"}, RecordTypeName{0x00FD, "LABELSST"},
    RecordTypeName{0x00FF, "EXTSST"}, RecordTypeName{0x013D, "TABID"},
    RecordTypeName{0x0160, "USESELFS"}, RecordTypeName{0x0161, "DSF"},
    RecordTypeName{0x01AE, "SUPBOOK"}, RecordTypeName{0x01AF, "PROT4REV"},
    RecordTypeName{0x01B7, "REFRESHALL"}, RecordTypeName{0x01BC, "PROT4REVPASS"},
    RecordTypeName{0x0200, "DIMENSIONS"}, RecordTypeName{0x0201, "BLANK"},
    RecordTypeName{0x0203, "NUMBER"}, RecordTypeName{0x0204, "LABEL"},
    RecordTypeName{0x0205, "BOOLERR"}, RecordTypeName{0x0207, "STRING"},
    RecordTypeName{0x0208, "ROW"}, RecordTypeName{0x020B, "INDEX"},
    RecordTypeName{0x0225, "DEFAULTROWHEIGHT"}, RecordTypeName{0x023E, "WINDOW2"},
    RecordTypeName{0x027E, "RK"}, RecordTypeName{0x0293, "STYLE"},
    RecordTypeName{0x041E, "FORMAT"}, RecordTypeName{0x0809, "BOF"},
};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool needsWide(std::u16string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return c > 0xFF; });
}

// The header must not end a record: the first character (a whole surrogate
// pair) stays with it.
void putStringBody(RecordBody& b, std::u16string_view s, bool wide)
{
    std::size_t first = s.empty() ? 0 : 1;
    if (s.size() > 1 && isHighSurrogate(s[0]))
        first = 2;
    b.chars(s.substr(0, first), wide);
    b.endAtomic();
    b.chars(s.substr(first), wide);
}

void putCell(RecordBody& b, const rec::CellHeader& c)
{
    b.u16(c.row);
    b.u16(c.column);
    b.u16(c.xf);
}

rec::CellHeader getCell(RecordCursor& c)
{
    rec::CellHeader h;
    h.row = c.u16();
    h.column = c.u16();
    h.xf = c.u16();
    return h;
}

} // namespace

std::string recordName(uint16_t type)
{
    for (const auto& r : kRecordNames) {
        if (r.type == type)
            return r.name;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", type);
    return buf;
}

namespace rec {

void putString16(RecordBody& b, std::u16string_view s)
{
    if (s.size() > 0xFFFF)
        throw XlsError("a text of " + std::to_string(s.size()) + " characters is too long for the file");
    const bool wide = needsWide(s);
    b.beginAtomic();
    b.u16(uint16_t(s.size()));
    b.u8(wide ? 1 : 0);
    putStringBody(b, s, wide);
}

void putString8(RecordBody& b, std::u16string_view s)
{
    if (s.size() > 0xFF)
        throw XlsError("a name of " + std::to_string(s.size()) + " characters is too long for the file");
    const bool wide = needsWide(s);
    b.beginAtomic();
    b.u8(uint8_t(s.size()));
    b.u8(wide ? 1 : 0);
    putStringBody(b, s, wide);
}

std::u16string getString16(RecordCursor& c)
{
    const uint16_t n = c.u16();
    const uint8_t flags = c.u8();
    return c.chars(n, flags & 1);
}

std::u16string getString8(RecordCursor& c)
{
    const uint8_t n = c.u8();
    const uint8_t flags = c.u8();
    return c.chars(n, flags & 1);
}

std::u16string getRichString(RecordCursor& c)
{
    const uint16_t n = c.u16();
    const uint8_t flags = c.u8();
    const uint16_t runs = (flags & 0x08) ? c.u16() : 0;
    const uint32_t phonetic = (flags & 0x04) ? c.u32() : 0;
    std::u16string s = c.chars(n, flags & 1);
    c.skip(std::size_t(runs) * 4);
    c.skip(phonetic);
    return s;
}

// ---- globals ---------------------------------------------------------------

void Bof::encode(RecordBody& b) const
{
    b.u16(version);
    b.u16(kind);
    b.u16(build);
    b.u16(year);
    b.u32(history);
    b.u32(lowestVersion);
}

Bof Bof::decode(RecordCursor& c)
{
    Bof r;
    r.version = c.u16();
    r.kind = c.u16();
    // BIFF8 has 16 bytes; the build fields are of no interest here.
    if (c.remaining() >= 12) {
        r.build = c.u16();
        r.year = c.u16();
        r.history = c.u32();
        r.lowestVersion = c.u32();
    }
    return r;
}

void WriteAccess::encode(RecordBody& b) const
{
    putString16(b, user);
    const std::size_t used = b.size();
    if (used < 112)
        b.bytes(std::vector<uint8_t>(112 - used, ' '));
}

WriteAccess WriteAccess::decode(RecordCursor& c) { return {getString16(c)}; }

void TabId::encode(RecordBody& b) const
{
    for (uint16_t id : ids)
        b.u16(id);
}

TabId TabId::decode(RecordCursor& c)
{
    TabId r;
    while (c.remaining() >= 2)
        r.ids.push_back(c.u16());
    return r;
}

void Window1::encode(RecordBody& b) const
{
    b.u16(uint16_t(x));
    b.u16(uint16_t(y));
    b.u16(width);
    b.u16(height);
    b.u16(flags);
    b.u16(activeTab);
    b.u16(firstTab);
    b.u16(selectedTabs);
    b.u16(tabRatio);
}

Window1 Window1::decode(RecordCursor& c)
{
    Window1 r;
    r.x = int16_t(c.u16());
    r.y = int16_t(c.u16());
    r.width = c.u16();
    r.height = c.u16();
    r.flags = c.u16();
    r.activeTab = c.u16();
    r.firstTab = c.u16();
    r.selectedTabs = c.u16();
    r.tabRatio = c.u16();
    return r;
}

void Font::encode(RecordBody& b) const
{
    b.u16(height);
    b.u16(flags);
    b.u16(color);
    b.u16(weight);
    b.u16(script);
    b.u8(underline);
    b.u8(family);
    b.u8(charset);
    b.u8(0);
    putString8(b, name);
}

Font Font::decode(RecordCursor& c)
{
    Font r;
    r.height = c.u16();
    r.flags = c.u16();
    r.color = c.u16();
    r.weight = c.u16();
    r.script = c.u16();
    r.underline = c.u8();
    r.family = c.u8();
    r.charset = c.u8();
    c.u8();
    r.name = getString8(c);
    return r;
}

void Format::encode(RecordBody& b) const
{
    b.u16(index);
    putString16(b, code);
}

Format Format::decode(RecordCursor& c)
{
    Format r;
    r.index = c.u16();
    r.code = getString16(c);
    return r;
}

void Xf::encode(RecordBody& b) const
{
    b.u16(font);
    b.u16(format);
    b.u16(protection);
    b.u8(alignment);
    b.u8(rotation);
    b.u8(indentation);
    b.u8(used);
    b.u32(border1);
    b.u32(border2);
    b.u16(fill);
}

Xf Xf::decode(RecordCursor& c)
{
    Xf r;
    r.font = c.u16();
    r.format = c.u16();
    r.protection = c.u16();
    r.alignment = c.u8();
    r.rotation = c.u8();
    r.indentation = c.u8();
    r.used = c.u8();
    r.border1 = c.u32();
    r.border2 = c.u32();
    r.fill = c.u16();
    return r;
}

void Style::encode(RecordBody& b) const
{
    b.u16(xf);
    if (xf & 0x8000) {
        b.u8(builtInId);
        b.u8(level);
    } else {
        putString16(b, name);
    }
}

Style Style::decode(RecordCursor& c)
{
    Style r;
    r.xf = c.u16();
    if (r.xf & 0x8000) {
        r.builtInId = c.u8();
        r.level = c.u8();
    } else {
        r.name = getString16(c);
    }
    return r;
}

void Palette::encode(RecordBody& b) const
{
    b.u16(uint16_t(colors.size()));
    for (uint32_t rgb : colors)
        b.u32(rgb & 0x00FFFFFF);
}

Palette Palette::decode(RecordCursor& c)
{
    Palette r;
    const uint16_t n = c.u16();
    if (std::size_t(n) * 4 > c.remaining())
        c.fail("it lists more colours than it holds");
    for (uint16_t i = 0; i < n; ++i)
        r.colors.push_back(c.u32() & 0x00FFFFFF);
    return r;
}

void BoundSheet::encode(RecordBody& b) const
{
    b.u32(position);
    b.u8(state);
    b.u8(sheetType);
    putString8(b, name);
}

BoundSheet BoundSheet::decode(RecordCursor& c)
{
    BoundSheet r;
    r.position = c.u32();
    r.state = c.u8();
    r.sheetType = c.u8();
    r.name = getString8(c);
    return r;
}

void Country::encode(RecordBody& b) const
{
    b.u16(defaults);
    b.u16(windows);
}

Country Country::decode(RecordCursor& c)
{
    Country r;
    r.defaults = c.u16();
    r.windows = c.u16();
    return r;
}

void SupBook::encode(RecordBody& b) const
{
    b.u16(sheets);
    b.u16(kind);
}

SupBook SupBook::decode(RecordCursor& c)
{
    SupBook r;
    r.sheets = c.u16();
    r.kind = c.u16();
    return r;
}

void ExternSheet::encode(RecordBody& b) const
{
    b.u16(uint16_t(entries.size()));
    for (const auto& e : entries) {
        b.u16(e.supBook);
        b.u16(e.firstTab);
        b.u16(e.lastTab);
    }
}

ExternSheet ExternSheet::decode(RecordCursor& c)
{
    ExternSheet r;
    const uint16_t n = c.u16();
    if (std::size_t(n) * 6 > c.remaining())
        c.fail("it lists more references than it holds");
    for (uint16_t i = 0; i < n; ++i) {
        Entry e;
        e.supBook = c.u16();
        e.firstTab = c.u16();
        e.lastTab = c.u16();
        r.entries.push_back(e);
    }
    return r;
}

void Name::encode(RecordBody& b) const
{
    if (name.size() > 255 || formula.size() > 0xFFFF)
        throw XlsError("a defined name is too long for the file");
    const bool wide = needsWide(name);
    b.u16(flags);
    b.u8(shortcut);
    b.u8(uint8_t(name.size()));
    b.u16(uint16_t(formula.size()));
    b.u16(0);
    b.u16(sheet);
    b.u32(0);
    b.beginAtomic();
    b.u8(wide ? 1 : 0);
    b.chars(name, wide);
    b.endAtomic();
    b.bytes(formula);
}

Name Name::decode(RecordCursor& c)
{
    Name r;
    r.flags = c.u16();
    r.shortcut = c.u8();
    const uint8_t length = c.u8();
    const uint16_t cce = c.u16();
    c.skip(2);
    r.sheet = c.u16();
    c.skip(4);
    const uint8_t option = c.u8();
    r.name = c.chars(length, option & 1);
    r.formula = c.bytes(std::min<std::size_t>(cce, c.remaining()));
    return r;
}

std::vector<uint8_t> area3d(uint16_t externSheet, uint16_t firstRow, uint16_t lastRow,
                            uint16_t firstColumn, uint16_t lastColumn)
{
    const auto lo = [](uint16_t v) { return uint8_t(v); };
    const auto hi = [](uint16_t v) { return uint8_t(v >> 8); };
    return {0x3B, lo(externSheet), hi(externSheet), lo(firstRow), hi(firstRow), lo(lastRow), hi(lastRow),
            lo(firstColumn), hi(firstColumn), lo(lastColumn), hi(lastColumn)};
}

bool parseArea3d(const std::vector<uint8_t>& f, uint16_t& externSheet, uint16_t& firstRow,
                 uint16_t& lastRow, uint16_t& firstColumn, uint16_t& lastColumn)
{
    if (f.size() != 11 || (f[0] != 0x3B && f[0] != 0x5B && f[0] != 0x7B))
        return false;
    const auto at = [&](std::size_t i) { return uint16_t(f[i] | (f[i + 1] << 8)); };
    externSheet = at(1);
    firstRow = at(3);
    lastRow = at(5);
    firstColumn = at(7) & 0x3FFF; // the high bits are the relative flags
    lastColumn = at(9) & 0x3FFF;
    return true;
}

std::vector<StreamLocation> Sst::write(RecordWriter& w) const
{
    RecordBody b;
    b.u32(total);
    b.u32(uint32_t(strings.size()));
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (i % bucketSize == 0)
            b.mark();
        putString16(b, strings[i]); // no rich text runs, no phonetic data
    }
    return w.write(kType, b);
}

Sst Sst::decode(RecordCursor& c)
{
    Sst r;
    r.total = c.u32();
    const uint32_t unique = c.u32();
    // Each string takes at least three bytes: never reserve on trust.
    r.strings.reserve(std::min<std::size_t>(unique, c.remaining() / 3));
    for (uint32_t i = 0; i < unique && !c.atEnd(); ++i)
        r.strings.push_back(getRichString(c));
    return r;
}

void ExtSst::encode(RecordBody& b) const
{
    b.u16(bucketSize);
    for (const auto& loc : buckets) {
        b.u32(loc.recordStart + loc.offsetInRecord);
        b.u16(loc.offsetInRecord);
        b.u16(0);
    }
}

ExtSst ExtSst::decode(RecordCursor& c)
{
    ExtSst r;
    r.bucketSize = c.u16();
    while (c.remaining() >= 8) {
        const uint32_t at = c.u32();
        const uint16_t offset = c.u16();
        c.u16();
        r.buckets.push_back({at - offset, offset});
    }
    return r;
}

// ---- worksheet -------------------------------------------------------------

void Index::encode(RecordBody& b) const
{
    b.u32(0);
    b.u32(firstRow);
    b.u32(lastRowPlus1);
    b.u32(defColWidthPos);
    for (uint32_t p : dbCells)
        b.u32(p);
}

Index Index::decode(RecordCursor& c)
{
    Index r;
    c.u32();
    r.firstRow = c.u32();
    r.lastRowPlus1 = c.u32();
    r.defColWidthPos = c.u32();
    while (c.remaining() >= 4)
        r.dbCells.push_back(c.u32());
    return r;
}

void DbCell::encode(RecordBody& b) const
{
    b.u32(firstRowOffset);
    for (uint16_t o : cellOffsets)
        b.u16(o);
}

DbCell DbCell::decode(RecordCursor& c)
{
    DbCell r;
    r.firstRowOffset = c.u32();
    while (c.remaining() >= 2)
        r.cellOffsets.push_back(c.u16());
    return r;
}

void Guts::encode(RecordBody& b) const
{
    b.u16(rowGutter);
    b.u16(columnGutter);
    b.u16(rowLevels);
    b.u16(columnLevels);
}

Guts Guts::decode(RecordCursor& c)
{
    Guts r;
    r.rowGutter = c.u16();
    r.columnGutter = c.u16();
    r.rowLevels = c.u16();
    r.columnLevels = c.u16();
    return r;
}

void DefaultRowHeight::encode(RecordBody& b) const
{
    b.u16(flags);
    b.u16(height);
}

DefaultRowHeight DefaultRowHeight::decode(RecordCursor& c)
{
    DefaultRowHeight r;
    r.flags = c.u16();
    r.height = c.u16();
    return r;
}

void Setup::encode(RecordBody& b) const
{
    b.u16(paperSize);
    b.u16(scale);
    b.u16(pageStart);
    b.u16(fitWidth);
    b.u16(fitHeight);
    b.u16(flags);
    b.u16(resolution);
    b.u16(verticalResolution);
    b.f64(headerMargin);
    b.f64(footerMargin);
    b.u16(copies);
}

Setup Setup::decode(RecordCursor& c)
{
    Setup r;
    r.paperSize = c.u16();
    r.scale = c.u16();
    r.pageStart = c.u16();
    r.fitWidth = c.u16();
    r.fitHeight = c.u16();
    r.flags = c.u16();
    r.resolution = c.u16();
    r.verticalResolution = c.u16();
    r.headerMargin = c.f64();
    r.footerMargin = c.f64();
    r.copies = c.u16();
    return r;
}

void ColInfo::encode(RecordBody& b) const
{
    b.u16(first);
    b.u16(last);
    b.u16(width);
    b.u16(xf);
    b.u16(flags);
    b.u16(0);
}

ColInfo ColInfo::decode(RecordCursor& c)
{
    ColInfo r;
    r.first = c.u16();
    r.last = c.u16();
    r.width = c.u16();
    r.xf = c.u16();
    r.flags = c.u16();
    return r;
}

void Dimensions::encode(RecordBody& b) const
{
    b.u32(firstRow);
    b.u32(lastRowPlus1);
    b.u16(firstColumn);
    b.u16(lastColumnPlus1);
    b.u16(0);
}

Dimensions Dimensions::decode(RecordCursor& c)
{
    Dimensions r;
    r.firstRow = c.u32();
    r.lastRowPlus1 = c.u32();
    r.firstColumn = c.u16();
    r.lastColumnPlus1 = c.u16();
    return r;
}

void Row::encode(RecordBody& b) const
{
    b.u16(row);
    b.u16(firstColumn);
    b.u16(lastColumnPlus1);
    b.u16(height);
    b.u16(0);
    b.u16(0);
    b.u32(flags);
}

Row Row::decode(RecordCursor& c)
{
    Row r;
    r.row = c.u16();
    r.firstColumn = c.u16();
    r.lastColumnPlus1 = c.u16();
    r.height = c.u16();
    c.skip(4);
    r.flags = c.u32();
    return r;
}

void Number::encode(RecordBody& b) const
{
    putCell(b, cell);
    b.f64(value);
}

Number Number::decode(RecordCursor& c)
{
    Number r;
    r.cell = getCell(c);
    r.value = c.f64();
    return r;
}

void Rk::encode(RecordBody& b) const
{
    putCell(b, cell);
    b.u32(rk);
}

Rk Rk::decode(RecordCursor& c)
{
    Rk r;
    r.cell = getCell(c);
    r.rk = c.u32();
    return r;
}

bool Rk::pack(double value, uint32_t& rk)
{
    if (value == std::floor(value) && value >= -536870912.0 && value <= 536870911.0
        && !(value == 0 && std::signbit(value))) {
        rk = (uint32_t(int32_t(value)) << 2) | 0x2;
        return true;
    }
    const auto bits = std::bit_cast<uint64_t>(value);
    if ((bits & 0x3FFFFFFFFull) == 0) {
        rk = uint32_t(bits >> 32);
        return true;
    }
    return false;
}

double Rk::unpack(uint32_t rk)
{
    double v;
    if (rk & 0x2)
        v = double(int32_t(rk) >> 2);
    else
        v = std::bit_cast<double>(uint64_t(rk & 0xFFFFFFFCu) << 32);
    if (rk & 0x1)
        v /= 100;
    return v;
}

MulRk MulRk::decode(RecordCursor& c)
{
    MulRk r;
    r.row = c.u16();
    r.firstColumn = c.u16();
    // 6 bytes per cell, then the last column.
    while (c.remaining() >= 8) {
        const uint16_t xf = c.u16();
        r.cells.emplace_back(xf, c.u32());
    }
    c.u16();
    return r;
}

MulBlank MulBlank::decode(RecordCursor& c)
{
    MulBlank r;
    r.row = c.u16();
    r.firstColumn = c.u16();
    while (c.remaining() >= 4)
        r.xfs.push_back(c.u16());
    c.u16();
    return r;
}

void LabelSst::encode(RecordBody& b) const
{
    putCell(b, cell);
    b.u32(index);
}

LabelSst LabelSst::decode(RecordCursor& c)
{
    LabelSst r;
    r.cell = getCell(c);
    r.index = c.u32();
    return r;
}

Label Label::decode(RecordCursor& c)
{
    Label r;
    r.cell = getCell(c);
    r.text = getString16(c);
    return r;
}

void BoolErr::encode(RecordBody& b) const
{
    putCell(b, cell);
    b.u8(value);
    b.u8(isError ? 1 : 0);
}

BoolErr BoolErr::decode(RecordCursor& c)
{
    BoolErr r;
    r.cell = getCell(c);
    r.value = c.u8();
    r.isError = c.u8() != 0;
    return r;
}

void Blank::encode(RecordBody& b) const { putCell(b, cell); }

Blank Blank::decode(RecordCursor& c) { return {getCell(c)}; }

void Formula::encode(RecordBody& b) const
{
    if (rgce.size() > 0xFFFF)
        throw XlsError("a formula is too long for the file");
    putCell(b, cell);
    b.bytes(result);
    b.u16(flags);
    b.u32(0);
    b.u16(uint16_t(rgce.size()));
    b.bytes(rgce);
    b.bytes(rgcb);
}

Formula Formula::decode(RecordCursor& c)
{
    Formula r;
    r.cell = getCell(c);
    for (auto& byte : r.result)
        byte = c.u8();
    r.flags = c.u16();
    c.u32();
    const uint16_t cce = c.u16();
    if (cce > c.remaining())
        c.fail("its formula runs past the record");
    r.rgce = c.bytes(cce);
    r.rgcb = c.bytes(c.remaining());
    return r;
}

void Window2::encode(RecordBody& b) const
{
    b.u16(flags);
    b.u16(topRow);
    b.u16(leftColumn);
    b.u16(gridColor);
    b.u16(0);
    b.u16(zoomPageBreak);
    b.u16(zoomNormal);
    b.u32(0);
}

Window2 Window2::decode(RecordCursor& c)
{
    Window2 r;
    r.flags = c.u16();
    r.topRow = c.u16();
    r.leftColumn = c.u16();
    r.gridColor = c.u16();
    if (c.remaining() >= 6) {
        c.u16();
        r.zoomPageBreak = c.u16();
        r.zoomNormal = c.u16();
    }
    return r;
}

void Scl::encode(RecordBody& b) const
{
    b.u16(numerator);
    b.u16(denominator);
}

Scl Scl::decode(RecordCursor& c)
{
    Scl r;
    r.numerator = c.u16();
    r.denominator = c.u16();
    return r;
}

void Selection::encode(RecordBody& b) const
{
    b.u8(pane);
    b.u16(activeRow);
    b.u16(activeColumn);
    b.u16(activeRef);
    b.u16(uint16_t(refs.size()));
    for (const auto& r : refs) {
        b.u16(r.firstRow);
        b.u16(r.lastRow);
        b.u8(r.firstColumn);
        b.u8(r.lastColumn);
    }
}

Selection Selection::decode(RecordCursor& c)
{
    Selection r;
    r.pane = c.u8();
    r.activeRow = c.u16();
    r.activeColumn = c.u16();
    r.activeRef = c.u16();
    const uint16_t n = c.u16();
    if (std::size_t(n) * 6 > c.remaining())
        c.fail("it lists more ranges than it holds");
    for (uint16_t i = 0; i < n; ++i) {
        Ref ref;
        ref.firstRow = c.u16();
        ref.lastRow = c.u16();
        ref.firstColumn = c.u8();
        ref.lastColumn = c.u8();
        r.refs.push_back(ref);
    }
    return r;
}

void MergeCells::encode(RecordBody& b) const
{
    if (refs.size() > kMaxPerRecord)
        throw XlsError("too many merged ranges for one MERGECELLS record");
    b.u16(uint16_t(refs.size()));
    for (const auto& r : refs) {
        b.u16(r.firstRow);
        b.u16(r.lastRow);
        b.u16(r.firstColumn);
        b.u16(r.lastColumn);
    }
}

MergeCells MergeCells::decode(RecordCursor& c)
{
    MergeCells r;
    const uint16_t n = c.u16();
    if (std::size_t(n) * 8 > c.remaining())
        c.fail("it lists more ranges than it holds");
    for (uint16_t i = 0; i < n; ++i) {
        Ref ref;
        ref.firstRow = c.u16();
        ref.lastRow = c.u16();
        ref.firstColumn = c.u16();
        ref.lastColumn = c.u16();
        r.refs.push_back(ref);
    }
    return r;
}

} // namespace rec
} // namespace jubilo::xls
