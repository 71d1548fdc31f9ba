#pragma once

// How the fields of a record go into a record body and come out of a
// record cursor. A record lists its fields once, as
//   template <class Io, class Self> static void fields(Io& io, Self& r);
// and that one list is walked by a FieldWriter (encoding a const record)
// or a FieldReader (decoding into a fresh one).

#include "spreadsheet/xls/record_stream_p.h"
#include "spreadsheet/xls/xls_error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
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
// Whether a text needs two bytes a character.
bool needsWide(std::u16string_view s);

// ---- bits inside a packed field --------------------------------------------

// width bits from bit shift on, in a record's flags or packed field.
struct BitField {
    uint8_t shift;
    uint8_t width;

    constexpr uint32_t mask() const { return width >= 32 ? ~0u : (1u << width) - 1; }
    constexpr uint32_t extract(uint32_t word) const { return (word >> shift) & mask(); }
    // The value in its place; bits beyond the width are dropped.
    constexpr uint32_t place(uint32_t value) const { return (value & mask()) << shift; }
};

// ---- the two walkers ---------------------------------------------------------

// A number field's width is its type's: io(r.height, r.flags) walks a
// uint16_t and a uint16_t. A bool has no width of its own; flag8 gives it
// one.
template <class T, class... Options>
inline constexpr bool kIsOneOf = (std::is_same_v<T, Options> || ...);
template <class T>
inline constexpr bool kIsNumberField = kIsOneOf<T, uint8_t, uint16_t, int16_t, uint32_t, double>;

class FieldWriter {
public:
    FieldWriter(RecordBody& body, uint16_t type)
        : b_(body)
        , type_(type)
    {
    }

    template <class... T>
    void operator()(const T&... fields)
    {
        (number(fields), ...);
    }
    // A byte that is 1 or 0.
    void flag8(bool v) { b_.u8(v ? 1 : 0); }
    // A 32-bit field of which only the mask's bits count.
    void masked32(uint32_t v, uint32_t mask) { b_.u32(v & mask); }
    template <std::size_t N>
    void bytes(const uint8_t (&v)[N])
    {
        b_.bytes(v);
    }
    void string8(const std::u16string& s) { putString8(b_, s); }
    void string16(const std::u16string& s) { putString16(b_, s); }
    // A string that is left out when empty (and missing when read).
    void optionalString16(const std::u16string& s)
    {
        if (!s.empty())
            string16(s);
    }
    // Fields no one uses: zeros, skipped when read.
    void reserved(std::size_t n) { b_.zeros(n); }
    // Zeros at the end that other writers may leave out: not read.
    void unread(std::size_t n) { b_.zeros(n); }
    // Fills the body up to size bytes; nothing to read.
    void padTo(std::size_t size, uint8_t fill)
    {
        if (b_.size() < size)
            b_.bytes(std::vector<uint8_t>(size - b_.size(), fill));
    }
    // Fields at the end that older writers leave out: always written.
    bool more(std::size_t) const { return true; }
    // A 16-bit byte count, then the bytes.
    void sized16(const std::vector<uint8_t>& v, const char* what)
    {
        if (v.size() > 0xFFFF)
            throw XlsError(std::string("a ") + what + " is too long for the file");
        b_.u16(uint16_t(v.size()));
        b_.bytes(v);
    }
    // Bytes up to the end of the record.
    void rest(const std::vector<uint8_t>& v) { b_.bytes(v); }
    // Items up to the end of the record.
    template <class T, class Each>
    void tail(const std::vector<T>& items, std::size_t, Each each)
    {
        for (const T& item : items)
            each(*this, item);
    }
    // A 16-bit count of itemSize-byte items, then the items.
    template <class T, class Each>
    void counted16(const std::vector<T>& items, std::size_t, const char* what, Each each, std::size_t maxItems = 0xFFFF)
    {
        if (items.size() > maxItems)
            throw XlsError(std::string("too many ") + what + " for one " + recordName(type_) + " record");
        b_.u16(uint16_t(items.size()));
        for (const T& item : items)
            each(*this, item);
    }

private:
    template <class T>
    void number(T v)
    {
        static_assert(kIsNumberField<T>, "a field of this type has no width in the file");
        if constexpr (std::is_same_v<T, uint8_t>)
            b_.u8(v);
        else if constexpr (std::is_same_v<T, double>)
            b_.f64(v);
        else if constexpr (sizeof(T) == 2)
            b_.u16(uint16_t(v));
        else
            b_.u32(v);
    }

    RecordBody& b_;
    uint16_t type_;
};

class FieldReader {
public:
    explicit FieldReader(RecordCursor& cursor)
        : c_(cursor)
    {
    }

    template <class... T>
    void operator()(T&... fields)
    {
        (number(fields), ...);
    }
    void flag8(bool& v) { v = c_.u8() != 0; }
    void masked32(uint32_t& v, uint32_t mask) { v = c_.u32() & mask; }
    template <std::size_t N>
    void bytes(uint8_t (&v)[N])
    {
        for (auto& byte : v)
            byte = c_.u8();
    }
    void string8(std::u16string& s) { s = getString8(c_); }
    void string16(std::u16string& s) { s = getString16(c_); }
    void optionalString16(std::u16string& s) { s = c_.atEnd() ? std::u16string() : getString16(c_); }
    void reserved(std::size_t n) { c_.skip(n); }
    void unread(std::size_t) {}
    void padTo(std::size_t, uint8_t) {}
    bool more(std::size_t n) const { return c_.remaining() >= n; }
    void sized16(std::vector<uint8_t>& v, const char* what)
    {
        const uint16_t n = c_.u16();
        if (n > c_.remaining())
            c_.fail(std::string("its ") + what + " runs past the record");
        v = c_.bytes(n);
    }
    void rest(std::vector<uint8_t>& v) { v = c_.bytes(c_.remaining()); }
    // Items while at least whileLeft bytes remain.
    template <class T, class Each>
    void tail(std::vector<T>& items, std::size_t whileLeft, Each each)
    {
        while (c_.remaining() >= whileLeft)
            each(*this, items.emplace_back());
    }
    template <class T, class Each>
    void counted16(std::vector<T>& items, std::size_t itemSize, const char* what, Each each, std::size_t = 0)
    {
        const uint16_t n = c_.u16();
        if (std::size_t(n) * itemSize > c_.remaining())
            c_.fail(std::string("it lists more ") + what + " than it holds");
        for (uint16_t i = 0; i < n; ++i)
            each(*this, items.emplace_back());
    }

private:
    template <class T>
    void number(T& v)
    {
        static_assert(kIsNumberField<T>, "a field of this type has no width in the file");
        if constexpr (std::is_same_v<T, uint8_t>)
            v = c_.u8();
        else if constexpr (std::is_same_v<T, double>)
            v = c_.f64();
        else if constexpr (sizeof(T) == 2)
            v = T(c_.u16());
        else
            v = c_.u32();
    }

    RecordCursor& c_;
};

}  // namespace jubilo::xls::rec
