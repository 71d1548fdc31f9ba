// Files that are damaged, truncated or no workbook at all: the reader
// answers with an XlsError, never a crash, a hang or another exception.

#include "sample_workbooks.h"

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace jubilo::xls {
namespace {

// Reading either succeeds or fails with XlsError; anything else escapes
// and fails the test.
bool readsOrRefuses(std::span<const uint8_t> bytes, bool container)
{
    try {
        if (container)
            readWorkbookBytes(bytes);
        else
            decodeWorkbookStream(bytes);
        return true;
    } catch (const XlsError&) {
        return false;
    }
}

std::string refusal(std::span<const uint8_t> bytes, bool container = true)
{
    try {
        if (container)
            readWorkbookBytes(bytes);
        else
            decodeWorkbookStream(bytes);
    } catch (const XlsError& e) {
        return e.what();
    }
    return "(read without complaint)";
}

bool mentions(const std::string& text, const std::string& words) { return text.find(words) != std::string::npos; }

// Where the n-th record of a type starts in a stream; -1 when it has none.
std::size_t findRecord(const std::vector<uint8_t>& s, uint16_t type, int n = 0)
{
    for (std::size_t at = 0; at + 4 <= s.size();) {
        if ((s[at] | (s[at + 1] << 8)) == type && n-- == 0)
            return at;
        at += 4 + std::size_t(s[at + 2] | (s[at + 3] << 8));
    }
    return std::size_t(-1);
}

// The start of a message about the record at offset at: "damaged SST
// record at offset 0x1A2F: ".
std::string damagedRecord(const char* name, std::size_t at)
{
    char offset[24];
    std::snprintf(offset, sizeof offset, "0x%04zX", at);
    return std::string("damaged ") + name + " record at offset " + offset + ": ";
}

void put16(std::vector<uint8_t>& s, std::size_t at, uint16_t v)
{
    s.at(at) = uint8_t(v);
    s.at(at + 1) = uint8_t(v >> 8);
}

class DamagedInput : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stream = new std::vector<uint8_t>(encodeWorkbookStream(testing::representativeWorkbook()));
        file = new std::vector<uint8_t>(packWorkbookStream(*stream));
    }
    static void TearDownTestSuite()
    {
        delete stream;
        delete file;
    }
    static std::vector<uint8_t>* stream;
    static std::vector<uint8_t>* file;
};

std::vector<uint8_t>* DamagedInput::stream = nullptr;
std::vector<uint8_t>* DamagedInput::file = nullptr;

TEST_F(DamagedInput, EveryTruncationOfTheStreamIsRefused)
{
    // The records end before the padding; every cut before that loses a
    // record the reader needs.
    std::size_t end = 0;
    while (end + 4 <= stream->size() && ((*stream)[end] | (*stream)[end + 1] | (*stream)[end + 2] | (*stream)[end + 3]))
        end += 4 + std::size_t((*stream)[end + 2] | ((*stream)[end + 3] << 8));
    for (std::size_t n = 0; n < end; n += 7)
        EXPECT_FALSE(readsOrRefuses(std::span(stream->data(), n), false)) << "cut at " << n;
}

TEST_F(DamagedInput, TruncatedFilesAreRefused)
{
    for (std::size_t n = 0; n < file->size(); n += 97)
        EXPECT_FALSE(readsOrRefuses(std::span(file->data(), n), true)) << "cut at " << n;
}

TEST_F(DamagedInput, FlippedBytesNeverCrash)
{
    uint32_t seed = 12345;
    const auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> copy = round % 2 ? *stream : *file;
        const int flips = 1 + int(next() % 8);
        for (int k = 0; k < flips; ++k)
            copy[next() % copy.size()] ^= uint8_t(1 + next() % 255);
        readsOrRefuses(copy, round % 2 == 0);
    }
}

TEST_F(DamagedInput, ForeignFilesGetAClearMessage)
{
    const std::string zip = std::string("PK\x03\x04", 4) + std::string(600, 'z');
    const std::string pdf = "%PDF-1.4\n" + std::string(600, ' ');
    const std::string text = "name,amount\nJingle Bells,12.50\n";
    for (const std::string& s : {zip, pdf, text, std::string()}) {
        const std::vector<uint8_t> bytes(s.begin(), s.end());
        EXPECT_TRUE(mentions(refusal(bytes), "not an Excel 97-2003 workbook")) << refusal(bytes);
    }
    // A compound file, but not a workbook (a text document's stream).
    const auto word = packWorkbookStream(*stream, "WordDocument");
    EXPECT_TRUE(mentions(refusal(word), "no Excel workbook stream")) << refusal(word);
    // A stream that is no BIFF at all.
    const std::vector<uint8_t> noise(5000, 0x41);
    EXPECT_EQ(refusal(packWorkbookStream(noise)),
              "damaged 0x4141 record at offset 0x0000: it runs past the end of the workbook stream");
}

TEST_F(DamagedInput, OlderAndEncryptedWorkbooksAreNamed)
{
    const auto book = packWorkbookStream(*stream, "Book");
    EXPECT_TRUE(mentions(refusal(book), "BIFF5")) << refusal(book);

    auto biff5 = *stream;
    put16(biff5, 4, rec::Bof::kBiff5);  // the BOF's version
    EXPECT_TRUE(mentions(refusal(biff5, false), "BIFF5")) << refusal(biff5, false);

    // FILEPASS right after the globals' BOF.
    std::vector<uint8_t> encrypted(stream->begin(), stream->begin() + 20);
    const uint8_t filePass[] = {uint8_t(kFilePassRecord), uint8_t(kFilePassRecord >> 8), 2, 0, 1, 0};
    encrypted.insert(encrypted.end(), std::begin(filePass), std::end(filePass));
    encrypted.insert(encrypted.end(), stream->begin() + 20, stream->end());
    EXPECT_TRUE(mentions(refusal(encrypted, false), "password")) << refusal(encrypted, false);
}

TEST_F(DamagedInput, BrokenReferencesInsideTheStreamAreRefused)
{
    // A sheet position pointing back into the globals.
    auto backwards = *stream;
    const std::size_t bs = findRecord(backwards, rec::BoundSheet::kType);
    put16(backwards, bs + 4, 0);
    put16(backwards, bs + 6, 0);
    const std::string sheetPosition = refusal(backwards, false);
    EXPECT_EQ(sheetPosition.find(damagedRecord("BOUNDSHEET", bs)), 0u) << sheetPosition;
    EXPECT_TRUE(mentions(sheetPosition, "position")) << sheetPosition;

    // A shared-string index past the table.
    auto label = *stream;
    const std::size_t l = findRecord(label, rec::LabelSst::kType);
    put16(label, l + 10, 0xFFFF);
    const std::string sharedString = refusal(label, false);
    EXPECT_EQ(sharedString.find(damagedRecord("LABELSST", l)), 0u) << sharedString;
    EXPECT_TRUE(mentions(sharedString, "shared string")) << sharedString;

    // A string table claiming four billion strings holds what it holds.
    auto sst = *stream;
    const std::size_t t = findRecord(sst, rec::Sst::kType);
    put16(sst, t + 8, 0xFFFF);
    put16(sst, t + 10, 0xFFFF);
    EXPECT_TRUE(readsOrRefuses(sst, false));
}

// One damaged field in a record of each kind: the message names the record
// and where it starts, then what is wrong with it.
TEST_F(DamagedInput, DamagedRecordsAreNamedWithTheirOffset)
{
    const struct {
        const char* name;
        uint16_t type;
        int occurrence;  // of the record in the stream
        std::size_t dataOffset;  // of the field, from the end of the record header
        uint16_t value;  // written there
        const char* words;
    } cases[] = {
        {"FONT", rec::Font::kType, 0, 14, 0x00FF, "a text ends too early"},
        {"XF", rec::Xf::kType, 17, 0, 4, "font 4"},
        {"PALETTE", rec::Palette::kType, 0, 0, 0xFFFF, "it lists more colours than it holds"},
        {"SST", rec::Sst::kType, 0, 8, 0xFFFF, "a text ends too early"},
        {"NAME", rec::Name::kType, 0, 17, 0xFFFF, "external sheet entry"},
        {"COLINFO", rec::ColInfo::kType, 0, 0, 0x00FF, "covers no columns"},  // first after last
        {"ROW", rec::Row::kType, 0, 14, 0x0FFF, "the row uses format 4095, which is not there"},
        {"NUMBER", rec::Number::kType, 0, 4, 999, "a cell uses format 999, which is not there"},
        {"BOOLERR", rec::BoolErr::kType, 0, 6, 0x0199, "unknown error value"},
        {"FORMULA", rec::Formula::kType, 0, 20, 0xFFFF, "its formula runs past the record"},
        {"MERGECELLS", rec::MergeCells::kType, 0, 0, 0xFFFF, "it lists more ranges than it holds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto damaged = *stream;
        const std::size_t at = findRecord(damaged, c.type, c.occurrence);
        ASSERT_NE(at, std::size_t(-1));
        put16(damaged, at + 4 + c.dataOffset, c.value);
        const std::string message = refusal(damaged, false);
        EXPECT_EQ(message.find(damagedRecord(c.name, at)), 0u) << message;
        EXPECT_TRUE(mentions(message, c.words)) << message;
    }
}

}  // namespace
}  // namespace jubilo::xls
