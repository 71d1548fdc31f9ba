#include "spreadsheet/xls/records_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace jubilo::xls::rec {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

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

// The option byte of a string: bit 0 wide characters, bit 2 phonetic
// data, bit 3 rich text runs.
constexpr uint8_t kWideChars = 0x01;
constexpr uint8_t kHasPhonetic = 0x04;
constexpr uint8_t kHasRuns = 0x08;
// A rich text run: the character it starts at and its font.
constexpr std::size_t kRunSize = 4;

uint8_t optionByte(bool wide) { return wide ? kWideChars : 0; }

}  // namespace

// ---- strings ---------------------------------------------------------------

bool needsWide(std::u16string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return c > 0xFF; });
}

namespace {

// A count of countBytes, the option byte, the characters.
void putCountedString(RecordBody& b, std::u16string_view s, std::size_t countBytes, const char* what)
{
    const std::size_t maxLength = countBytes == 1 ? 0xFF : 0xFFFF;
    if (s.size() > maxLength)
        throw XlsError(std::string(what) + " of " + std::to_string(s.size()) + " characters is too long for the file");
    const bool wide = needsWide(s);
    b.beginAtomic();
    if (countBytes == 1)
        b.u8(uint8_t(s.size()));
    else
        b.u16(uint16_t(s.size()));
    b.u8(optionByte(wide));
    putStringBody(b, s, wide);
}

}  // namespace

void putString16(RecordBody& b, std::u16string_view s) { putCountedString(b, s, 2, "a text"); }

void putString8(RecordBody& b, std::u16string_view s) { putCountedString(b, s, 1, "a name"); }

std::u16string getString16(RecordCursor& c)
{
    const uint16_t n = c.u16();
    const uint8_t flags = c.u8();
    return c.chars(n, flags & kWideChars);
}

std::u16string getString8(RecordCursor& c)
{
    const uint8_t n = c.u8();
    const uint8_t flags = c.u8();
    return c.chars(n, flags & kWideChars);
}

std::u16string getRichString(RecordCursor& c)
{
    const uint16_t n = c.u16();
    const uint8_t flags = c.u8();
    const uint16_t runs = (flags & kHasRuns) ? c.u16() : 0;
    const uint32_t phonetic = (flags & kHasPhonetic) ? c.u32() : 0;
    std::u16string s = c.chars(n, flags & kWideChars);
    c.skip(std::size_t(runs) * kRunSize);
    c.skip(phonetic);
    return s;
}

// ---- NAME ------------------------------------------------------------------

template <>
void encode<Name>(const Name& r, RecordBody& b)
{
    if (r.name.size() > 0xFF || r.formula.size() > 0xFFFF)
        throw XlsError("a defined name is too long for the file");
    const bool wide = needsWide(r.name);
    b.u16(r.flags);
    b.u8(r.shortcut);
    b.u8(uint8_t(r.name.size()));
    b.u16(uint16_t(r.formula.size()));
    b.zeros(2);
    b.u16(r.sheet);
    b.zeros(4);
    b.beginAtomic();
    b.u8(optionByte(wide));
    b.chars(r.name, wide);
    b.endAtomic();
    b.bytes(r.formula);
}

template <>
Name decode<Name>(RecordCursor& c)
{
    Name r;
    r.flags = c.u16();
    r.shortcut = c.u8();
    const uint8_t length = c.u8();
    const uint16_t formulaSize = c.u16();
    c.skip(2);
    r.sheet = c.u16();
    c.skip(4);
    const uint8_t option = c.u8();
    r.name = c.chars(length, option & kWideChars);
    r.formula = c.bytes(std::min<std::size_t>(formulaSize, c.remaining()));
    return r;
}

// PtgArea3d in its three classes: reference, value, array.
constexpr uint8_t kPtgArea3d = 0x3B;
constexpr uint8_t kPtgArea3dValue = 0x5B;
constexpr uint8_t kPtgArea3dArray = 0x7B;
constexpr std::size_t kArea3dSize = 11;
// Column fields carry the relative-reference flags in their top bits.
constexpr BitField kArea3dColumn{0, 14};

std::vector<uint8_t> area3d(uint16_t externSheet, uint16_t firstRow, uint16_t lastRow, uint16_t firstColumn,
                            uint16_t lastColumn)
{
    const auto lo = [](uint16_t v) { return uint8_t(v); };
    const auto hi = [](uint16_t v) { return uint8_t(v >> 8); };
    return {kPtgArea3d,  lo(externSheet), hi(externSheet), lo(firstRow),   hi(firstRow),  lo(lastRow),
            hi(lastRow), lo(firstColumn), hi(firstColumn), lo(lastColumn), hi(lastColumn)};
}

bool parseArea3d(const std::vector<uint8_t>& f, uint16_t& externSheet, uint16_t& firstRow, uint16_t& lastRow,
                 uint16_t& firstColumn, uint16_t& lastColumn)
{
    if (f.size() != kArea3dSize || (f[0] != kPtgArea3d && f[0] != kPtgArea3dValue && f[0] != kPtgArea3dArray))
        return false;
    const auto at = [&](std::size_t i) { return uint16_t(f[i] | (f[i + 1] << 8)); };
    externSheet = at(1);
    firstRow = at(3);
    lastRow = at(5);
    firstColumn = uint16_t(kArea3dColumn.extract(at(7)));
    lastColumn = uint16_t(kArea3dColumn.extract(at(9)));
    return true;
}

// ---- SST and EXTSST --------------------------------------------------------

std::vector<StreamLocation> Sst::write(RecordWriter& w) const
{
    RecordBody b;
    b.u32(total);
    b.u32(uint32_t(strings.size()));
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (i % bucketSize == 0)
            b.mark();
        putString16(b, strings[i]);  // no rich text runs, no phonetic data
    }
    return w.write(kType, b);
}

template <>
Sst decode<Sst>(RecordCursor& c)
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

// A bucket: the stream position of its first string, that string's offset
// in its record, and two bytes of nothing.
constexpr std::size_t kBucketSize = 8;

template <>
void encode<ExtSst>(const ExtSst& r, RecordBody& b)
{
    b.u16(r.bucketSize);
    for (const auto& loc : r.buckets) {
        b.u32(loc.recordStart + loc.offsetInRecord);
        b.u16(loc.offsetInRecord);
        b.zeros(2);
    }
}

template <>
ExtSst decode<ExtSst>(RecordCursor& c)
{
    ExtSst r;
    r.bucketSize = c.u16();
    while (c.remaining() >= kBucketSize) {
        const uint32_t at = c.u32();
        const uint16_t offset = c.u16();
        c.skip(2);
        r.buckets.push_back({at - offset, offset});
    }
    return r;
}

// ---- RK numbers ------------------------------------------------------------

namespace {

constexpr uint32_t kRkHundredths = 0x1;  // the value is a hundredth of what is stored
constexpr uint32_t kRkInteger = 0x2;  // a 30-bit integer, else the top of a double
constexpr double kRkMinInteger = -536870912.0;
constexpr double kRkMaxInteger = 536870911.0;
constexpr uint64_t kRkDroppedDoubleBits = 0x3FFFFFFFFull;

}  // namespace

bool packRk(double value, uint32_t& rk)
{
    if (value == std::floor(value) && value >= kRkMinInteger && value <= kRkMaxInteger
        && !(value == 0 && std::signbit(value))) {
        rk = (uint32_t(int32_t(value)) << 2) | kRkInteger;
        return true;
    }
    const auto bits = std::bit_cast<uint64_t>(value);
    if ((bits & kRkDroppedDoubleBits) == 0) {
        rk = uint32_t(bits >> 32);
        return true;
    }
    return false;
}

double unpackRk(uint32_t rk)
{
    double v;
    if (rk & kRkInteger)
        v = double(int32_t(rk) >> 2);
    else
        v = std::bit_cast<double>(uint64_t(rk & ~(kRkInteger | kRkHundredths)) << 32);
    if (rk & kRkHundredths)
        v /= 100;
    return v;
}

}  // namespace jubilo::xls::rec
