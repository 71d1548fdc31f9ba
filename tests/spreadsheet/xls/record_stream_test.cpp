// The record layer: long records split into CONTINUE records where the
// data allows it, and joined again when read.

#include "spreadsheet/xls/record_stream_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace jubilo::xls {
namespace {

// A type that no record has.
constexpr uint16_t kUnknownType = 0x1234;

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A record header claiming length bytes of data.
std::vector<uint8_t> header(uint16_t type, uint16_t length)
{
    return {uint8_t(type), uint8_t(type >> 8), uint8_t(length), uint8_t(length >> 8)};
}

// A whole record.
std::vector<uint8_t> record(uint16_t type, const std::vector<uint8_t>& data)
{
    return header(type, uint16_t(data.size())) + data;
}

std::string refusal(const std::function<void()>& read)
{
    try {
        read();
    } catch (const XlsError& e) {
        return e.what();
    }
    return "(no error)";
}

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
        out.push_back(
            {type,
             std::vector<uint8_t>(s.begin() + std::ptrdiff_t(at + 4), s.begin() + std::ptrdiff_t(at + 4 + length))});
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
        w.write(kUnknownType, body);

        const auto records = physicalRecords(w.bytes());
        ASSERT_EQ(records.size(), (size + 8223) / 8224) << size;
        EXPECT_EQ(records[0].type, kUnknownType);
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
    w.write(kSstRecord, body);
    auto records = physicalRecords(w.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data.size(), kMaxRecordData - 3);
    EXPECT_EQ(records[1].data, (std::vector<uint8_t>{3, 0, 0, 'a', 'b', 'c'}));

    // A wide text crossing the boundary: the continuation starts with the
    // option byte 1, and no character is cut in half.
    RecordBody wide;
    wide.zeros(kMaxRecordData - 8);
    const std::u16string text = u"\u0100\u0101\u0102\u0103\u0104";
    rec::putString16(wide, text);  // header 3 + first char 2 fit, then 1 more char, 1 byte left
    RecordWriter w2;
    w2.write(kSstRecord, wide);
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
    body.zeros(kMaxRecordData - 3 - 2 - 2);  // header, 'x', then one unit of room
    rec::putString16(body, text);
    RecordWriter w;
    w.write(kStringRecord, body);
    const auto records = physicalRecords(w.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data.size(), kMaxRecordData - 2);  // the high surrogate waited
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
    const std::vector<uint8_t> stream = record(kStringRecord, {4, 0, 0, 'a', 'b'})  // 4 characters, narrow, 2 here
        + record(kContinueRecord, {1, 0x00, 0x01, 'd', 0x00});  // wide, 2 more
    auto r = readOne(stream);
    auto c = r.cursor();
    EXPECT_EQ(rec::getString16(c), u"ab\u0100d");
}

TEST(RecordStream, MarksReportWhereTheyLanded)
{
    RecordWriter w;
    w.write(kUnknownType, [] {
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
    const auto marks = w.write(kSstRecord, body);
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
    const auto pastEnd = header(kBofRecord, 16) + std::vector<uint8_t>{1, 2, 3};
    RecordReader reader(pastEnd);
    LogicalRecord r;
    EXPECT_EQ(refusal([&] { reader.next(r); }),
              "damaged BOF record at offset 0x0000: it runs past the end of the workbook stream");

    // A half header.
    const auto half = std::vector<uint8_t>(pastEnd.begin(), pastEnd.begin() + 3);
    RecordReader halfReader(half);
    EXPECT_EQ(refusal([&] { halfReader.next(r); }),
              "damaged workbook: the workbook stream ends inside the record header at offset 0x0000");

    // Reading beyond a record's data.
    const auto shortRecord = record(kFontRecord, {1, 2});
    auto one = readOne(shortRecord);
    auto c = one.cursor();
    EXPECT_EQ(c.u16(), 0x0201);
    EXPECT_EQ(refusal([&] { c.u8(); }), "damaged FONT record at offset 0x0000: it ends too early");

    // A text count larger than the record, and a wide character cut in half.
    const auto longCount = record(kStringRecord, {0xFF, 0x7F, 0, 'a', 'b'});
    auto text = readOne(longCount);
    auto tc = text.cursor();
    EXPECT_EQ(refusal([&] { rec::getString16(tc); }), "damaged STRING record at offset 0x0000: a text ends too early");
    const auto cutChar = record(kStringRecord, {2, 0, 1, 'a', 0, 'b'});
    auto cut = readOne(cutChar);
    auto cc = cut.cursor();
    EXPECT_EQ(refusal([&] { rec::getString16(cc); }),
              "damaged STRING record at offset 0x0000: a character is split between records");
}

TEST(RecordStream, DamagedRecordsFurtherOnNameTheirOwnOffset)
{
    const auto lead = record(kCodePageRecord, {0xB0, 0x04});  // 6 bytes
    const auto string = record(kStringRecord, {3, 0, 0, 'a'});
    const struct {
        const char* what;
        std::vector<uint8_t> stream;
        std::string message;
    } cases[] = {
        {"a record past the end", lead + header(kSstRecord, 9),
         "damaged SST record at offset 0x0006: it runs past the end of the workbook stream"},
        {"a continuation past the end", lead + string + header(kContinueRecord, 9),
         "damaged CONTINUE record at offset 0x000E: it runs past the end of the workbook stream"},
        {"a record of a type no one knows", lead + header(kUnknownType, 9),
         "damaged 0x1234 record at offset 0x0006: it runs past the end of the workbook stream"},
    };
    for (const auto& c : cases) {
        RecordReader reader(c.stream);
        LogicalRecord r;
        EXPECT_EQ(refusal([&] {
                      while (reader.next(r)) {}
                  }),
                  c.message)
            << c.what;
    }
}

TEST(RecordStream, IndivisiblePieceLongerThanARecordIsRefused)
{
    RecordBody body;
    body.beginAtomic();
    body.zeros(kMaxRecordData + 1);
    body.endAtomic();
    RecordWriter w;
    EXPECT_THROW(w.write(kUnknownType, body), XlsError);
}

// Every record type this layer writes or reads.
const uint16_t kTypesInUse[] = {
    rec::Backup::kType,
    rec::BookBool::kType,
    rec::CalcCount::kType,
    rec::CalcMode::kType,
    rec::CalcPrecision::kType,
    rec::CodePage::kType,
    rec::Date1904::kType,
    rec::DefColWidth::kType,
    rec::Dsf::kType,
    rec::FnGroupCount::kType,
    rec::GridSet::kType,
    rec::HCenter::kType,
    rec::HideObj::kType,
    rec::InterfaceHdr::kType,
    rec::Iteration::kType,
    rec::Mms::kType,
    rec::Password::kType,
    rec::PrintGridLines::kType,
    rec::PrintHeaders::kType,
    rec::Prot4Rev::kType,
    rec::Prot4RevPass::kType,
    rec::Protect::kType,
    rec::RefMode::kType,
    rec::RefreshAll::kType,
    rec::SaveRecalc::kType,
    rec::UsesElfs::kType,
    rec::VCenter::kType,
    rec::WindowProtect::kType,
    rec::WsBool::kType,
    rec::Eof::kType,
    rec::InterfaceEnd::kType,
    rec::BottomMargin::kType,
    rec::Delta::kType,
    rec::LeftMargin::kType,
    rec::RightMargin::kType,
    rec::TopMargin::kType,
    rec::Footer::kType,
    rec::Header::kType,
    rec::Bof::kType,
    rec::WriteAccess::kType,
    rec::TabId::kType,
    rec::Window1::kType,
    rec::Font::kType,
    rec::Format::kType,
    rec::Xf::kType,
    rec::Style::kType,
    rec::Palette::kType,
    rec::BoundSheet::kType,
    rec::Country::kType,
    rec::SupBook::kType,
    rec::ExternSheet::kType,
    rec::Name::kType,
    rec::Sst::kType,
    rec::ExtSst::kType,
    rec::Index::kType,
    rec::DbCell::kType,
    rec::Guts::kType,
    rec::DefaultRowHeight::kType,
    rec::Setup::kType,
    rec::ColInfo::kType,
    rec::Dimensions::kType,
    rec::Row::kType,
    rec::LabelSst::kType,
    rec::Number::kType,
    rec::Rk::kType,
    rec::MulRk::kType,
    rec::MulBlank::kType,
    rec::Label::kType,
    rec::BoolErr::kType,
    rec::Blank::kType,
    rec::Formula::kType,
    rec::String::kType,
    rec::Window2::kType,
    rec::Scl::kType,
    rec::Selection::kType,
    rec::MergeCells::kType,
    kFilePassRecord,
    kArrayRecord,
};

TEST(RecordTypes, NamesAreTheFormatsAndUnknownTypesShowTheirNumber)
{
    const std::pair<uint16_t, const char*> names[] = {
        {kBofRecord, "BOF"},           {kSstRecord, "SST"},         {kRowRecord, "ROW"},
        {kContinueRecord, "CONTINUE"}, {kShrFmlaRecord, "SHRFMLA"}, {kDefaultRowHeightRecord, "DEFAULTROWHEIGHT"},
        {kUnknownType, "0x1234"},      {0x0000, "0x0000"},          {0xFFFF, "0xFFFF"},
    };
    for (const auto& [type, name] : names)
        EXPECT_EQ(recordName(type), name);

    // Every record this layer writes or reads has a name of its own.
    std::set<std::string> seen;
    for (uint16_t type : kTypesInUse) {
        const std::string name = recordName(type);
        EXPECT_NE(name.substr(0, 2), "0x") << name;
        EXPECT_TRUE(seen.insert(name).second) << name << " names two records";
    }
}

}  // namespace
}  // namespace jubilo::xls
