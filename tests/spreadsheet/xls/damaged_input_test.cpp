// Files that are damaged, truncated or no workbook at all: the reader
// answers with an XlsError, never a crash, a hang or another exception.

#include "sample_workbooks.h"

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(mentions(refusal(packWorkbookStream(noise)), "damaged")) << refusal(packWorkbookStream(noise));
}

TEST_F(DamagedInput, OlderAndEncryptedWorkbooksAreNamed)
{
    const auto book = packWorkbookStream(*stream, "Book");
    EXPECT_TRUE(mentions(refusal(book), "BIFF5")) << refusal(book);

    auto biff5 = *stream;
    biff5[4] = 0x00; // BOF version 0x0500
    biff5[5] = 0x05;
    EXPECT_TRUE(mentions(refusal(biff5, false), "BIFF5")) << refusal(biff5, false);

    // FILEPASS right after the globals' BOF.
    std::vector<uint8_t> encrypted(stream->begin(), stream->begin() + 20);
    const uint8_t filePass[] = {0x2F, 0x00, 0x02, 0x00, 0x01, 0x00};
    encrypted.insert(encrypted.end(), std::begin(filePass), std::end(filePass));
    encrypted.insert(encrypted.end(), stream->begin() + 20, stream->end());
    EXPECT_TRUE(mentions(refusal(encrypted, false), "password")) << refusal(encrypted, false);
}

TEST_F(DamagedInput, BrokenReferencesInsideTheStreamAreRefused)
{
    // Find a record by type.
    const auto find = [](const std::vector<uint8_t>& s, uint16_t type) {
        for (std::size_t at = 0; at + 4 <= s.size();) {
            if ((s[at] | (s[at + 1] << 8)) == type)
                return at;
            at += 4 + std::size_t(s[at + 2] | (s[at + 3] << 8));
        }
        return std::size_t(-1);
    };
    // A sheet position pointing back into the globals.
    auto backwards = *stream;
    const std::size_t bs = find(backwards, rec::BoundSheet::kType);
    backwards[bs + 4] = 0;
    backwards[bs + 5] = 0;
    backwards[bs + 6] = 0;
    backwards[bs + 7] = 0;
    EXPECT_TRUE(mentions(refusal(backwards, false), "position")) << refusal(backwards, false);

    // A shared-string index past the table.
    auto label = *stream;
    const std::size_t l = find(label, rec::LabelSst::kType);
    label[l + 10] = 0xFF;
    label[l + 11] = 0xFF;
    EXPECT_TRUE(mentions(refusal(label, false), "shared string")) << refusal(label, false);

    // A string table claiming four billion strings holds what it holds.
    auto sst = *stream;
    const std::size_t t = find(sst, rec::Sst::kType);
    sst[t + 8] = sst[t + 9] = sst[t + 10] = sst[t + 11] = 0xFF;
    EXPECT_TRUE(readsOrRefuses(sst, false));
}

} // namespace
} // namespace jubilo::xls
