#pragma once

// The BIFF record layer: a record is a 2-byte type, a 2-byte length and at
// most 8,224 bytes of data. Longer data goes on in CONTINUE records; where a
// continuation may start, and what it must repeat, depends on the data, so a
// record body is built as a list of pieces that say how they may be split.

#include "spreadsheet/xls/record_types_p.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace jubilo::xls {

inline constexpr std::size_t kMaxRecordData = 8224;
// Bytes of a record header: the type and the length.
inline constexpr std::size_t kRecordHeaderSize = 4;

// A record's type and the stream offset of its header: what a message about
// a damaged record names, as "damaged SST record at offset 0x1A2F: ...".
struct RecordPlace {
    uint16_t type = 0;
    std::size_t offset = 0;

    [[noreturn]] void damaged(const std::string& what) const;
};

// A stream offset as messages show it: "0x1A2F".
std::string streamOffset(std::size_t offset);
// Damage that no single record holds: "damaged workbook: ...".
[[noreturn]] void damagedWorkbook(const std::string& what);

// The data of one logical record while it is being encoded.
class RecordBody {
public:
    void u8(uint8_t v);
    void u16(uint16_t v);
    void u32(uint32_t v);
    void f64(double v);
    void bytes(std::span<const uint8_t> data);
    void zeros(std::size_t n);

    // Bytes written between beginAtomic() and endAtomic() always land in
    // the same physical record (a string header, for instance).
    void beginAtomic();
    void endAtomic();

    // UTF-16 character data, one byte per unit when !wide. A continuation
    // may start between two characters (never inside a surrogate pair); the
    // CONTINUE record then starts with the option byte (0 or 1) again.
    void chars(std::u16string_view text, bool wide);

    // Marks the current position; RecordWriter::write reports where it
    // landed (used for the shared string table's index).
    std::size_t mark();

    std::size_t size() const { return data_.size(); }
    const std::vector<uint8_t>& data() const { return data_; }

    enum class Split : uint8_t { Anywhere, Atomic, NarrowChars, WideChars };
    struct Piece {
        std::size_t begin;
        std::size_t end;
        Split split;
        int mark;  // -1: none
    };
    const std::vector<Piece>& pieces() const { return pieces_; }

private:
    Piece& current(Split split);
    void raw(const void* p, std::size_t n, Split split);

    std::vector<uint8_t> data_;
    std::vector<Piece> pieces_;
    bool atomic_ = false;
    int marks_ = 0;
    bool pendingMark_ = false;
};

// Where a marked position of a record body ended up in the stream.
struct StreamLocation {
    uint32_t recordStart;  // stream offset of the record header holding it
    uint16_t offsetInRecord;  // offset from that header's first byte
};

// Appends records to a workbook stream, splitting long ones into CONTINUE
// records of at most kMaxRecordData bytes.
class RecordWriter {
public:
    std::vector<StreamLocation> write(uint16_t type, const RecordBody& body);

    // A record of records_p.h: its encode() is found in its namespace.
    template <class Record>
    void put(const Record& r)
    {
        RecordBody body;
        encode(r, body);
        write(Record::kType, body);
    }

    std::size_t position() const { return out_.size(); }
    void patchU32(std::size_t at, uint32_t value);
    std::vector<uint8_t>& bytes() { return out_; }

private:
    void startRecord(uint16_t type);
    void finishRecord();

    std::vector<uint8_t> out_;
    std::size_t headerAt_ = 0;
};

// Reads one logical record (a record plus the CONTINUE records after it)
// field by field; reads run on across the continuation boundaries.
class RecordCursor {
public:
    RecordCursor(RecordPlace place, std::span<const std::span<const uint8_t>> fragments);

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    double f64();
    void skip(std::size_t n);
    std::vector<uint8_t> bytes(std::size_t n);
    // n UTF-16 units, starting one byte per unit when !wide; at the start
    // of a continuation the option byte says the width of what follows.
    std::u16string chars(std::size_t n, bool wide);

    std::size_t remaining() const;
    bool atEnd() const { return remaining() == 0; }
    uint16_t type() const { return place_.type; }
    const RecordPlace& place() const { return place_; }

    // Throws XlsError naming this record and its offset.
    [[noreturn]] void fail(const std::string& what) const { place_.damaged(what); }

private:
    bool advanceFragment();

    RecordPlace place_;
    std::span<const std::span<const uint8_t>> fragments_;
    std::size_t frag_ = 0;
    std::size_t pos_ = 0;
    std::size_t total_ = 0;
    std::size_t consumed_ = 0;
};

struct LogicalRecord {
    uint16_t type = 0;
    std::size_t offset = 0;  // stream offset of the first header
    std::vector<std::span<const uint8_t>> fragments;

    RecordPlace place() const { return {type, offset}; }
    RecordCursor cursor() const { return RecordCursor(place(), fragments); }
    std::size_t size() const;
};

// Walks the records of a workbook stream from a given offset. Every length
// is checked against the bytes that are there.
class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> stream, std::size_t start = 0);

    // False at the end of the stream; throws XlsError on a record that runs
    // past it.
    bool next(LogicalRecord& out);
    std::size_t position() const { return pos_; }

private:
    bool header(std::size_t at, uint16_t& type, uint16_t& length) const;

    std::span<const uint8_t> stream_;
    std::size_t pos_;
};

}  // namespace jubilo::xls
