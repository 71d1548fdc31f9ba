// The record layer: long records split into CONTINUE records where the
// data allows it, and joined again when read.

#include "spreadsheet/xls/record_stream_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jubilo::xls {
namespace {

struct Physical {
    uint16_t type;
    std::vector<uint8_t> data;
};

std::vector<Physical> physicalRecords(const std::vector<uint8_t>& s)
{
    std::vector<Physical> out;
    for (std::size_t at = 0; at + 4 <= s.size();) {
        const uint16_t type = uint16_t(s[at] | (s[at + 1] << 8));
        const uint16_t length = uint16_t(s[at + 2] | (s[at + 3] << 8));
        out.push_back({type, std::vector<uint8_t>(s.begin() + std::ptrdiff_t(at + 4),
                                                  s.begin() + std::ptrdiff_t(at + 4 + length))});
        at += 4 + std::size_t(length);
    }
    return out;
}

LogicalRecord readOne(const std::vector<uint8_t>& stream)
{
    RecordReader reader(stream);
    LogicalRecord r;
    EXPECT_TRUE(reader.next(r));
    EXPECT_FALSE(reader.next(r) && r.type != kContinueRecord);
    return r;
}

TEST(RecordStream, PlainDataSplitsAtTheLimitAndJoinsAgain)
{
    for (std::size_t size : {std::size_t(8224), std::size_t(8225), std::size_t(3 * 8224 + 17)}) {
        std::vector<uint8_t> payload(size);
        for (std::size_t i = 0; i < size; ++i)
            payload[i] = uint8_t(i * 7);
        RecordBody body;
        body.bytes(payload);
        RecordWriter w;
        w.write(0x1234, body);

        const auto records = physicalRecords(w.bytes());
        ASSERT_EQ(records.size(), (size + 8223) / 8224) << size;
        EXPECT_EQ(records[0].type, 0x1234);
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_LE(records[i].data.size(), kMaxRecordData);
            if (i > 0) {
                EXPECT_EQ(records[i].type, kContinueRecord);
            }
        }
        RecordReader reader(w.bytes());
        LogicalRecord r;
        ASSERT_TRUE(reader.next(r));
        EXPECT_EQ(r.size(), size);
        auto c = r.cursor();
        EXPECT_EQ(c.bytes(size), payload);
        EXPECT_FALSE(reader.next(r));
    }
}

TEST(RecordStream, StringHeaderNeverEndsARecordAndContinuationRepeatsTheOptionByte)
{
    // Fill the record so that 3 bytes remain: a string header (3 bytes) and
    // its first character would not fit, so the string moves on whole.
    RecordBody body;
    body.zeros(kMaxRecordData - 3);
    rec::putString16(body, u"abc");
    RecordWriter w;
    w.write(0x00FC, body);
    auto records = physicalRecords(w.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data.size(), kMaxRecordData - 3);
    EXPECT_EQ(records[1].data, (std::vector<uint8_t>{3, 0, 0, 'a', 'b', 'c'}));

    // A wide text crossing the boundary: the continuation starts with the
    // option byte 1, and no character is cut in half.
    RecordBody wide;
    wide.zeros(kMaxRecordData - 8);
    const std::u16string text = u"\u0100\u0101\u0102\u0103\u0104";
    rec::putString16(wide, text); // header 3 + first char 2 fit, then 1 more char, 1 byte left
    RecordWriter w2;
    w2.write(0x00FC, wide);
    records = physicalRecords(w2.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data.size(), kMaxRecordData - 1);
    EXPECT_EQ(records[1].data.front(), 1);
    EXPECT_EQ(records[1].data.size(), 1u + 2 * 3);

    auto r = readOne(w2.bytes());
    auto c = r.cursor();
    c.skip(kMaxRecordData - 8);
    EXPECT_EQ(rec::getString16(c), text);
    EXPECT_TRUE(c.atEnd());
}

TEST(RecordStream, SurrogatePairsStayTogetherAcrossContinuations)
{
    // 😀 is U+1F600: two UTF-16 units. Put the pair's boundary exactly on
    // the record limit.
    std::u16string text = u"x";
    for (int i = 0; i < 10; ++i)
        text += u"😀";
    RecordBody body;
    body.zeros(kMaxRecordData - 3 - 2 - 2); // header, 'x', then one unit of room
    rec::putString16(body, text);
    RecordWriter w;
    w.write(0x0207, body);
    const auto records = physicalRecords(w.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data.size(), kMaxRecordData - 2); // the high surrogate waited
    EXPECT_EQ(records[1].data[0], 1);
    EXPECT_EQ(records[1].data[1] | (records[1].data[2] << 8), 0xD83D);

    auto r = readOne(w.bytes());
    auto c = r.cursor();
    c.skip(kMaxRecordData - 7);
    EXPECT_EQ(rec::getString16(c), text);
    // The count is in UTF-16 units: 1 + 2 * 10.
    EXPECT_EQ(records[0].data[kMaxRecordData - 7], 21);
}

TEST(RecordStream, ReaderSwitchesWidthAtAContinuation)
{
    // A text that starts narrow and goes on wide in its continuation, as
    // other writers produce.
    const std::vector<uint8_t> stream{
        0x07, 0x02, 5, 0, 4, 0, 0, 'a', 'b', // STRING: 4 characters, narrow, 2 here
        0x3C, 0x00, 5, 0, 1, 0x00, 0x01, 'd', 0x00, // CONTINUE: wide, 2 more
    };
    auto r = readOne(stream);
    auto c = r.cursor();
    EXPECT_EQ(rec::getString16(c), u"ab\u0100d");
}

TEST(RecordStream, MarksReportWhereTheyLanded)
{
    RecordWriter w;
    w.write(0x0001, [] {
        RecordBody b;
        b.zeros(10);
        return b;
    }());
    RecordBody body;
    body.zeros(8);
    body.mark();
    rec::putString16(body, u"first");
    body.zeros(kMaxRecordData - 8 - 8 - 2);
    body.mark();
    rec::putString16(body, u"second");
    const auto marks = w.write(0x00FC, body);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].recordStart, 14u);
    EXPECT_EQ(marks[0].offsetInRecord, 4 + 8);
    // The second string's header did not fit: it opens the continuation.
    EXPECT_EQ(marks[1].offsetInRecord, 4);
    EXPECT_EQ(marks[1].recordStart, 14u + 4 + kMaxRecordData - 2);
    EXPECT_EQ(w.bytes()[marks[1].recordStart], kContinueRecord & 0xFF);
}

TEST(RecordStream, DamagedRecordsAreClearErrors)
{
    // Length past the end of the stream.
    const std::vector<uint8_t> pastEnd{0x09, 0x08, 0x10, 0x00, 1, 2, 3};
    RecordReader reader(pastEnd);
    LogicalRecord r;
    EXPECT_THROW(reader.next(r), XlsError);

    // A half header.
    const std::vector<uint8_t> half{0x09, 0x08, 0x00};
    RecordReader halfReader(half);
    EXPECT_THROW(halfReader.next(r), XlsError);

    // Reading beyond a record's data.
    const std::vector<uint8_t> shortRecord{0x31, 0x00, 2, 0, 1, 2};
    auto one = readOne(shortRecord);
    auto c = one.cursor();
    EXPECT_EQ(c.u16(), 0x0201);
    EXPECT_THROW(c.u8(), XlsError);

    // A text count larger than the record, and a wide character cut in half.
    const std::vector<uint8_t> longCount{0x07, 0x02, 5, 0, 0xFF, 0x7F, 0, 'a', 'b'};
    auto text = readOne(longCount);
    auto tc = text.cursor();
    EXPECT_THROW(rec::getString16(tc), XlsError);
    const std::vector<uint8_t> cutChar{0x07, 0x02, 6, 0, 2, 0, 1, 'a', 0, 'b'};
    auto cut = readOne(cutChar);
    auto cc = cut.cursor();
    EXPECT_THROW(rec::getString16(cc), XlsError);
}

TEST(RecordStream, IndivisiblePieceLongerThanARecordIsRefused)
{
    RecordBody body;
    body.beginAtomic();
    body.zeros(kMaxRecordData + 1);
    body.endAtomic();
    RecordWriter w;
    EXPECT_THROW(w.write(0x1234, body), XlsError);
}

} // namespace
} // namespace jubilo::xls
