#include "spreadsheet/xls/record_stream_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <algorithm>
#include <bit>
#include <cstdio>

namespace jubilo::xls {

// ---- messages ---------------------------------------------------------------

std::string streamOffset(std::size_t offset)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%04zX", offset);
    return buf;
}

void RecordPlace::damaged(const std::string& what) const
{
    throw XlsError("damaged " + recordName(type) + " record at offset " + streamOffset(offset) + ": " + what);
}

void damagedWorkbook(const std::string& what) { throw XlsError("damaged workbook: " + what); }

// ---- RecordBody -----------------------------------------------------------

RecordBody::Piece& RecordBody::current(Split split)
{
    if (pieces_.empty() || pieces_.back().split != split || pendingMark_ || split == Split::NarrowChars
        || split == Split::WideChars) {
        pieces_.push_back({data_.size(), data_.size(), split, pendingMark_ ? marks_ - 1 : -1});
        pendingMark_ = false;
    }
    return pieces_.back();
}

void RecordBody::raw(const void* p, std::size_t n, Split split)
{
    Piece& piece = current(split);
    const auto* b = static_cast<const uint8_t*>(p);
    data_.insert(data_.end(), b, b + n);
    piece.end = data_.size();
}

void RecordBody::u8(uint8_t v) { raw(&v, 1, atomic_ ? Split::Atomic : Split::Anywhere); }

void RecordBody::u16(uint16_t v)
{
    const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    raw(b, 2, atomic_ ? Split::Atomic : Split::Anywhere);
}

void RecordBody::u32(uint32_t v)
{
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    raw(b, 4, atomic_ ? Split::Atomic : Split::Anywhere);
}

void RecordBody::f64(double v)
{
    const auto bits = std::bit_cast<uint64_t>(v);
    uint8_t b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = uint8_t(bits >> (8 * i));
    raw(b, 8, atomic_ ? Split::Atomic : Split::Anywhere);
}

void RecordBody::bytes(std::span<const uint8_t> data)
{
    raw(data.data(), data.size(), atomic_ ? Split::Atomic : Split::Anywhere);
}

void RecordBody::zeros(std::size_t n)
{
    Piece& piece = current(atomic_ ? Split::Atomic : Split::Anywhere);
    data_.insert(data_.end(), n, uint8_t(0));
    piece.end = data_.size();
}

void RecordBody::beginAtomic()
{
    atomic_ = true;
    // An atomic run always starts a piece of its own.
    pieces_.push_back({data_.size(), data_.size(), Split::Atomic, pendingMark_ ? marks_ - 1 : -1});
    pendingMark_ = false;
}

void RecordBody::endAtomic()
{
    atomic_ = false;
    // The next write must not extend this piece.
    pieces_.push_back({data_.size(), data_.size(), Split::Anywhere, -1});
}

void RecordBody::chars(std::u16string_view text, bool wide)
{
    if (atomic_) {
        for (char16_t c : text) {
            if (wide)
                u16(uint16_t(c));
            else
                u8(uint8_t(c));
        }
        return;
    }
    Piece& piece = current(wide ? Split::WideChars : Split::NarrowChars);
    if (wide) {
        data_.reserve(data_.size() + 2 * text.size());
        for (char16_t c : text) {
            data_.push_back(uint8_t(c));
            data_.push_back(uint8_t(c >> 8));
        }
    } else {
        for (char16_t c : text)
            data_.push_back(uint8_t(c));
    }
    piece.end = data_.size();
}

std::size_t RecordBody::mark()
{
    pendingMark_ = true;
    return std::size_t(marks_++);
}

// ---- RecordWriter ---------------------------------------------------------

void RecordWriter::startRecord(uint16_t type)
{
    headerAt_ = out_.size();
    out_.push_back(uint8_t(type));
    out_.push_back(uint8_t(type >> 8));
    out_.push_back(0);
    out_.push_back(0);
}

void RecordWriter::finishRecord()
{
    const std::size_t length = out_.size() - headerAt_ - kRecordHeaderSize;
    out_[headerAt_ + 2] = uint8_t(length);
    out_[headerAt_ + 3] = uint8_t(length >> 8);
}

std::vector<StreamLocation> RecordWriter::write(uint16_t type, const RecordBody& body)
{
    std::vector<StreamLocation> marks;
    const auto& data = body.data();
    const auto used = [&] { return out_.size() - headerAt_ - kRecordHeaderSize; };
    const auto room = [&] { return kMaxRecordData - used(); };
    const auto newContinue = [&] {
        finishRecord();
        startRecord(kContinueRecord);
    };
    const auto noteMark = [&](const RecordBody::Piece& piece) {
        if (piece.mark < 0)
            return;
        if (marks.size() <= std::size_t(piece.mark))
            marks.resize(std::size_t(piece.mark) + 1);
        marks[std::size_t(piece.mark)] = {uint32_t(headerAt_), uint16_t(out_.size() - headerAt_)};
    };

    startRecord(type);
    for (const auto& piece : body.pieces()) {
        std::size_t i = piece.begin;
        const std::size_t end = piece.end;
        if (i == end) {
            noteMark(piece);
            continue;
        }
        switch (piece.split) {
        case RecordBody::Split::Atomic:
            if (end - i > kMaxRecordData)
                throw XlsError(recordName(type) + " record: an indivisible part is longer than a record");
            if (end - i > room())
                newContinue();
            noteMark(piece);
            out_.insert(out_.end(), data.begin() + std::ptrdiff_t(i), data.begin() + std::ptrdiff_t(end));
            break;
        case RecordBody::Split::Anywhere:
            if (room() == 0)
                newContinue();
            noteMark(piece);
            while (i < end) {
                if (room() == 0)
                    newContinue();
                const std::size_t take = std::min(end - i, room());
                out_.insert(out_.end(), data.begin() + std::ptrdiff_t(i), data.begin() + std::ptrdiff_t(i + take));
                i += take;
            }
            break;
        case RecordBody::Split::NarrowChars:
        case RecordBody::Split::WideChars: {
            const bool wide = piece.split == RecordBody::Split::WideChars;
            const std::size_t unit = wide ? 2 : 1;
            noteMark(piece);
            while (i < end) {
                std::size_t take = std::min(end - i, room());
                take -= take % unit;
                if (wide && take > 0 && i + take < end) {
                    const char16_t last = char16_t(data[i + take - 2] | (data[i + take - 1] << 8));
                    if (last >= 0xD800 && last <= 0xDBFF)
                        take -= 2;  // keep a surrogate pair together
                }
                if (take == 0) {
                    newContinue();
                    out_.push_back(wide ? 1 : 0);
                    continue;
                }
                out_.insert(out_.end(), data.begin() + std::ptrdiff_t(i), data.begin() + std::ptrdiff_t(i + take));
                i += take;
            }
            break;
        }
        }
    }
    finishRecord();
    return marks;
}

void RecordWriter::patchU32(std::size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out_.at(at + std::size_t(i)) = uint8_t(value >> (8 * i));
}

// ---- RecordCursor ---------------------------------------------------------

RecordCursor::RecordCursor(RecordPlace place, std::span<const std::span<const uint8_t>> fragments)
    : place_(place)
    , fragments_(fragments)
{
    for (const auto& f : fragments_)
        total_ += f.size();
}

bool RecordCursor::advanceFragment()
{
    if (frag_ + 1 >= fragments_.size())
        return false;
    ++frag_;
    pos_ = 0;
    return true;
}

uint8_t RecordCursor::u8()
{
    while (frag_ < fragments_.size() && pos_ >= fragments_[frag_].size()) {
        if (!advanceFragment())
            fail("it ends too early");
    }
    if (frag_ >= fragments_.size())
        fail("it ends too early");
    ++consumed_;
    return fragments_[frag_][pos_++];
}

uint16_t RecordCursor::u16()
{
    const uint16_t lo = u8();
    return uint16_t(lo | (uint16_t(u8()) << 8));
}

uint32_t RecordCursor::u32()
{
    const uint32_t lo = u16();
    return lo | (uint32_t(u16()) << 16);
}

double RecordCursor::f64()
{
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= uint64_t(u8()) << (8 * i);
    return std::bit_cast<double>(bits);
}

void RecordCursor::skip(std::size_t n)
{
    if (n > remaining())
        fail("it ends too early");
    while (n > 0) {
        while (pos_ >= fragments_[frag_].size())
            advanceFragment();
        const std::size_t take = std::min(n, fragments_[frag_].size() - pos_);
        pos_ += take;
        consumed_ += take;
        n -= take;
    }
}

std::vector<uint8_t> RecordCursor::bytes(std::size_t n)
{
    if (n > remaining())
        fail("it ends too early");
    std::vector<uint8_t> out;
    out.reserve(n);
    while (out.size() < n)
        out.push_back(u8());
    return out;
}

std::u16string RecordCursor::chars(std::size_t n, bool wide)
{
    std::u16string s;
    // Never trust a count further than the bytes that are there.
    s.reserve(std::min(n, remaining()));
    while (s.size() < n) {
        if (frag_ >= fragments_.size())
            fail("a text ends too early");
        const auto frag = fragments_[frag_];
        if (pos_ >= frag.size()) {
            if (!advanceFragment())
                fail("a text ends too early");
            if (fragments_[frag_].empty())
                continue;
            wide = (fragments_[frag_][0] & 1) != 0;  // option byte of the continuation
            pos_ = 1;
            ++consumed_;
            continue;
        }
        const std::size_t unit = wide ? 2 : 1;
        const std::size_t avail = (frag.size() - pos_) / unit;
        if (avail == 0)
            fail("a character is split between records");
        const std::size_t take = std::min(n - s.size(), avail);
        const uint8_t* p = frag.data() + pos_;
        if (wide) {
            for (std::size_t k = 0; k < take; ++k)
                s.push_back(char16_t(p[2 * k] | (p[2 * k + 1] << 8)));
        } else {
            for (std::size_t k = 0; k < take; ++k)
                s.push_back(char16_t(p[k]));
        }
        pos_ += take * unit;
        consumed_ += take * unit;
    }
    return s;
}

std::size_t RecordCursor::remaining() const { return total_ - consumed_; }

// ---- RecordReader ---------------------------------------------------------

std::size_t LogicalRecord::size() const
{
    std::size_t n = 0;
    for (const auto& f : fragments)
        n += f.size();
    return n;
}

RecordReader::RecordReader(std::span<const uint8_t> stream, std::size_t start)
    : stream_(stream)
    , pos_(start)
{
}

bool RecordReader::header(std::size_t at, uint16_t& type, uint16_t& length) const
{
    if (stream_.size() < kRecordHeaderSize || at > stream_.size() - kRecordHeaderSize)
        return false;
    type = uint16_t(stream_[at] | (stream_[at + 1] << 8));
    length = uint16_t(stream_[at + 2] | (stream_[at + 3] << 8));
    return true;
}

bool RecordReader::next(LogicalRecord& out)
{
    if (pos_ >= stream_.size())
        return false;
    uint16_t type = 0;
    uint16_t length = 0;
    if (!header(pos_, type, length))
        damagedWorkbook("the workbook stream ends inside the record header at offset " + streamOffset(pos_));
    if (length > stream_.size() - pos_ - kRecordHeaderSize)
        RecordPlace{type, pos_}.damaged("it runs past the end of the workbook stream");
    out.type = type;
    out.offset = pos_;
    out.fragments.clear();
    out.fragments.push_back(stream_.subspan(pos_ + kRecordHeaderSize, length));
    pos_ += kRecordHeaderSize + std::size_t(length);
    uint16_t nextType = 0;
    uint16_t nextLength = 0;
    while (header(pos_, nextType, nextLength) && nextType == kContinueRecord) {
        if (nextLength > stream_.size() - pos_ - kRecordHeaderSize)
            RecordPlace{kContinueRecord, pos_}.damaged("it runs past the end of the workbook stream");
        out.fragments.push_back(stream_.subspan(pos_ + kRecordHeaderSize, nextLength));
        pos_ += kRecordHeaderSize + std::size_t(nextLength);
    }
    return true;
}

}  // namespace jubilo::xls
