// Workbooks written and read back: everything written comes back, the
// record-level rules hold, and impossible workbooks are refused clearly.

#include "sample_workbooks.h"

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/record_stream_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace jubilo::xls {
namespace {

using testing::representativeWorkbook;

// Physical records of a workbook stream, in order.
std::vector<std::pair<uint16_t, std::size_t>> recordTypes(const std::vector<uint8_t>& s)
{
    std::vector<std::pair<uint16_t, std::size_t>> out;
    for (std::size_t at = 0; at + 4 <= s.size();) {
        const uint16_t type = uint16_t(s[at] | (s[at + 1] << 8));
        const uint16_t length = uint16_t(s[at + 2] | (s[at + 3] << 8));
        if (type == 0 && length == 0)
            break;  // padding after the last record
        out.emplace_back(type, length);
        at += 4 + std::size_t(length);
    }
    return out;
}

std::size_t countOf(const std::vector<std::pair<uint16_t, std::size_t>>& records, uint16_t type)
{
    return std::size_t(std::count_if(records.begin(), records.end(), [&](const auto& r) { return r.first == type; }));
}

void sortCells(XlsWorkbook& wb)
{
    for (auto& s : wb.sheets)
        std::stable_sort(s.cells.begin(), s.cells.end(), [](const XlsCell& a, const XlsCell& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
}

void expectSameWorkbook(XlsWorkbook written, const XlsWorkbook& read)
{
    sortCells(written);
    EXPECT_EQ(read.palette, written.palette);
    EXPECT_EQ(read.fonts, written.fonts);
    EXPECT_EQ(read.numberFormats, written.numberFormats);
    ASSERT_EQ(read.xfs.size(), written.xfs.size());
    for (std::size_t i = 0; i < read.xfs.size(); ++i)
        EXPECT_EQ(read.xfs[i], written.xfs[i]) << "format " << i;
    EXPECT_EQ(read.styles, written.styles);
    EXPECT_EQ(read.activeSheet, written.activeSheet);
    EXPECT_EQ(read.date1904, written.date1904);
    EXPECT_EQ(read.window, written.window);
    ASSERT_EQ(read.sheets.size(), written.sheets.size());
    for (std::size_t i = 0; i < read.sheets.size(); ++i) {
        const XlsSheet& a = read.sheets[i];
        const XlsSheet& b = written.sheets[i];
        SCOPED_TRACE("sheet " + std::to_string(i));
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.visibility, b.visibility);
        EXPECT_EQ(a.defaultColumnWidth, b.defaultColumnWidth);
        EXPECT_EQ(a.defaultRowHeight, b.defaultRowHeight);
        EXPECT_EQ(a.columns, b.columns);
        EXPECT_EQ(a.rows, b.rows);
        ASSERT_EQ(a.cells.size(), b.cells.size());
        for (std::size_t k = 0; k < a.cells.size(); ++k)
            EXPECT_EQ(a.cells[k], b.cells[k]) << cellName(b.cells[k].row, b.cells[k].column);
        EXPECT_EQ(a.merges, b.merges);
        EXPECT_EQ(a.printArea, b.printArea);
        EXPECT_EQ(a.page, b.page);
        EXPECT_EQ(a.window, b.window);
        EXPECT_EQ(a.selection, b.selection);
    }
    EXPECT_TRUE(read == written);  // nothing left out of the checks above
}

TEST(XlsRoundTrip, EveryFeatureComesBackAsWritten)
{
    const XlsWorkbook wb = representativeWorkbook();
    const auto bytes = writeWorkbookBytes(wb);
    expectSameWorkbook(wb, readWorkbookBytes(bytes));
}

TEST(XlsRoundTrip, ThroughAFileOnDisk)
{
    const auto dir = std::filesystem::temp_directory_path() / "jubilo_xls_roundtrip";
    std::filesystem::create_directories(dir);
    const auto path = dir / "vemqal12345678.xls";
    XlsWorkbook wb = representativeWorkbook();
    writeWorkbook(wb, path);
    wb.sheets[0].cells.push_back({20, 1, 16, std::u16string(u"second save")});
    writeWorkbook(wb, path);  // replaces the first file
    expectSameWorkbook(wb, readWorkbook(path));
    // Nothing is left beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(dir);
}

TEST(XlsRoundTrip, StreamHasTheRecordsSpreadsheetsExpect)
{
    const XlsWorkbook wb = representativeWorkbook();
    const auto stream = encodeWorkbookStream(wb);
    const auto records = recordTypes(stream);
    for (const auto& [type, length] : records)
        EXPECT_LE(length, kMaxRecordData) << recordName(type);
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records.front().first, rec::Bof::kType);
    EXPECT_EQ(records.back().first, rec::Eof::kType);
    EXPECT_EQ(countOf(records, rec::Bof::kType), 3u);
    EXPECT_EQ(countOf(records, rec::Eof::kType), 3u);
    EXPECT_EQ(countOf(records, rec::Font::kType), wb.fonts.size());
    EXPECT_EQ(countOf(records, rec::Xf::kType), wb.xfs.size());
    EXPECT_EQ(countOf(records, rec::Palette::kType), 1u);
    EXPECT_EQ(countOf(records, rec::SupBook::kType), 1u);
    EXPECT_EQ(countOf(records, rec::ExternSheet::kType), 1u);
    EXPECT_EQ(countOf(records, rec::Name::kType), 2u);
    EXPECT_EQ(countOf(records, rec::Sst::kType), 1u);
    EXPECT_EQ(countOf(records, rec::ExtSst::kType), 1u);
    EXPECT_EQ(countOf(records, rec::String::kType), 1u);  // the one non-empty text result
    EXPECT_EQ(countOf(records, rec::Index::kType), 2u);
    EXPECT_EQ(countOf(records, rec::Window2::kType), 2u);
    EXPECT_EQ(countOf(records, rec::Scl::kType), 1u);
    EXPECT_GE(countOf(records, rec::Rk::kType), 1u);
    EXPECT_GE(countOf(records, rec::Number::kType), 1u);
    EXPECT_GE(stream.size(), 4096u);
}

// Reads the records of a stream at their positions.
struct StreamView {
    const std::vector<uint8_t>& s;
    uint16_t u16(std::size_t at) const { return uint16_t(s.at(at) | (s.at(at + 1) << 8)); }
    uint32_t u32(std::size_t at) const { return u16(at) | (uint32_t(u16(at + 2)) << 16); }
    std::vector<std::size_t> find(uint16_t type) const
    {
        std::vector<std::size_t> out;
        for (std::size_t at = 0; at + 4 <= s.size();) {
            const uint16_t length = u16(at + 2);
            if (u16(at) == 0 && length == 0)
                break;
            if (u16(at) == type)
                out.push_back(at);
            at += 4 + std::size_t(length);
        }
        return out;
    }
};

TEST(XlsRoundTrip, OffsetsInTheStreamPointAtTheirRecords)
{
    const auto stream = encodeWorkbookStream(representativeWorkbook());
    const StreamView v{stream};
    // BOUNDSHEET positions are the sheets' BOF records.
    const auto sheets = v.find(rec::BoundSheet::kType);
    ASSERT_EQ(sheets.size(), 2u);
    for (std::size_t at : sheets) {
        const uint32_t bof = v.u32(at + 4);
        EXPECT_EQ(v.u16(bof), rec::Bof::kType);
        EXPECT_EQ(v.u16(bof + 6), rec::Bof::kWorksheet);
    }
    // INDEX points at DEFCOLWIDTH and at every DBCELL, whose first offset
    // leads back to the block's first ROW.
    const auto indexes = v.find(rec::Index::kType);
    ASSERT_EQ(indexes.size(), 2u);
    const std::size_t index = indexes[0];
    EXPECT_EQ(v.u16(v.u32(index + 16)), rec::DefColWidth::kType);
    const std::size_t blocks = (v.u16(index + 2) - 16) / 4;
    ASSERT_GE(blocks, 1u);
    for (std::size_t b = 0; b < blocks; ++b) {
        const uint32_t db = v.u32(index + 20 + 4 * b);
        ASSERT_EQ(v.u16(db), rec::DbCell::kType);
        const uint32_t firstRow = db - v.u32(db + 4);
        EXPECT_EQ(v.u16(firstRow), rec::Row::kType);
        // The first cell of the first row: from the end of the first ROW.
        const std::size_t firstCell = firstRow + 20 + v.u16(db + 8);
        const uint16_t type = v.u16(firstCell);
        EXPECT_TRUE(type == rec::LabelSst::kType || type == rec::Blank::kType || type == rec::Rk::kType
                    || type == rec::Number::kType || type == rec::Row::kType || type == rec::DbCell::kType)
            << recordName(type);
    }
    // EXTSST: each bucket's stream position is a string header in the SST.
    const auto ext = v.find(rec::ExtSst::kType);
    ASSERT_EQ(ext.size(), 1u);
    const uint32_t firstString = v.u32(ext[0] + 6);
    const uint16_t offset = v.u16(ext[0] + 10);
    EXPECT_EQ(v.u16(firstString - offset), rec::Sst::kType);
    EXPECT_EQ(v.u16(firstString), 19);  // "Holiday Party Plans" is the first string
}

TEST(XlsRoundTrip, FontIndexFourIsSkippedInTheFile)
{
    const XlsWorkbook wb = representativeWorkbook();
    const auto stream = encodeWorkbookStream(wb);
    const StreamView v{stream};
    const auto xfs = v.find(rec::Xf::kType);
    ASSERT_EQ(xfs.size(), wb.xfs.size());
    std::map<uint16_t, int> fileFonts;
    for (std::size_t i = 0; i < xfs.size(); ++i) {
        const uint16_t fileFont = v.u16(xfs[i] + 4);
        EXPECT_NE(fileFont, 4);
        EXPECT_EQ(fileFont, wb.xfs[i].font < 4 ? wb.xfs[i].font : wb.xfs[i].font + 1);
    }
    // A file whose format names font 4 is damaged.
    auto damaged = stream;
    damaged[xfs[17] + 4] = 4;
    damaged[xfs[17] + 5] = 0;
    EXPECT_THROW(decodeWorkbookStream(damaged), XlsError);
}

TEST(XlsRoundTrip, ManyStringsCrossContinuationsAndComeBack)
{
    XlsWorkbook wb = makeDefaultWorkbook();
    auto& cells = wb.sheets[0].cells;
    // Mixed widths and lengths so that string boundaries, headers and
    // characters fall on every kind of record boundary.
    const std::u16string pieces[] = {u"plain ascii", u"Größe", u"日本語のテキスト", u"emoji 😀🎄", u"𝄞𠜎", u"", u"x"};
    for (uint16_t i = 0; i < 6000; ++i) {
        std::u16string s = pieces[i % 7];
        s.append(std::size_t(i % 23), char16_t(i % 5 == 0 ? u'é' : u'a' + i % 26));
        s += u" #" + std::u16string(1, char16_t(u'0' + i % 10));
        if (i % 11 == 0)
            s += u"😀";  // surrogate pair at the end
        cells.push_back({uint16_t(i / 4), uint16_t(i % 4), 15, s});
    }
    // Long texts: several continuations each, narrow and wide.
    cells.push_back({2000, 0, 15, std::u16string(20000, u'n')});
    std::u16string wide;
    while (wide.size() < 32765)
        wide += u"日😀";
    wide.resize(32767);
    cells.push_back({2000, 1, 15, wide});
    cells.push_back({2000, 2, 15, XlsFormula{testing::addTokens(1, 1), {}, std::u16string(32767, u'ß'), true, true}});

    const auto stream = encodeWorkbookStream(wb);
    const auto records = recordTypes(stream);
    EXPECT_GT(countOf(records, kContinueRecord), 10u);
    for (const auto& [type, length] : records)
        EXPECT_LE(length, kMaxRecordData);
    expectSameWorkbook(wb, decodeWorkbookStream(stream));
}

TEST(XlsRoundTrip, TextLimitIs32767Characters)
{
    XlsWorkbook wb = makeDefaultWorkbook();
    wb.sheets[0].cells.push_back({0, 0, 15, std::u16string(32767, u'a')});
    EXPECT_NO_THROW(encodeWorkbookStream(wb));

    wb.sheets[0].cells[0].value = std::u16string(32768, u'a');
    try {
        encodeWorkbookStream(wb);
        FAIL() << "a text of 32,768 characters was written";
    } catch (const XlsError& e) {
        EXPECT_NE(std::string(e.what()).find("32,767"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("A1"), std::string::npos) << e.what();
    }
    // Characters outside the basic plane count as two.
    std::u16string emoji;
    for (int i = 0; i < 16384; ++i)
        emoji += u"😀";
    wb.sheets[0].cells[0].value = emoji;
    EXPECT_THROW(encodeWorkbookStream(wb), XlsError);
    // A formula's text result is a cell text too.
    wb.sheets[0].cells[0].value = XlsFormula{testing::addTokens(1, 1), {}, std::u16string(40000, u'a'), true, true};
    EXPECT_THROW(encodeWorkbookStream(wb), XlsError);
}

TEST(XlsRoundTrip, MergedRangesGo1026ToARecord)
{
    for (std::size_t count : {std::size_t(1026), std::size_t(1027), std::size_t(3000)}) {
        XlsWorkbook wb = makeDefaultWorkbook();
        for (std::size_t i = 0; i < count; ++i) {
            const auto r = uint16_t(i / 50 * 2);
            const auto c = uint16_t(i % 50 * 2);
            wb.sheets[0].merges.push_back({r, uint16_t(r + 1), c, uint16_t(c + 1)});
        }
        const auto stream = encodeWorkbookStream(wb);
        const auto records = recordTypes(stream);
        EXPECT_EQ(countOf(records, rec::MergeCells::kType), (count + 1025) / 1026) << count;
        expectSameWorkbook(wb, decodeWorkbookStream(stream));
    }
}

TEST(XlsRoundTrip, NumbersKeepEveryBit)
{
    XlsWorkbook wb = makeDefaultWorkbook();
    const double values[] = {0.0,        -0.0, 1.0,    -1.0,  536870911.0, -536870912.0,           536870912.0,
                             0.5,        0.1,  1e-300, 1e300, 4.9e-324,    1.7976931348623157e308, -2.5,
                             123456.789, 0.25};
    uint16_t r = 0;
    for (double v : values)
        wb.sheets[0].cells.push_back({r++, 0, 15, v});
    const auto read = decodeWorkbookStream(encodeWorkbookStream(wb));
    ASSERT_EQ(read.sheets[0].cells.size(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const double got = std::get<double>(read.sheets[0].cells[i].value);
        EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(values[i])) << values[i];
    }
    // RK values with the hundredths flag, as other writers store 1.23.
    EXPECT_DOUBLE_EQ(rec::unpackRk((123u << 2) | 0x3), 1.23);
    EXPECT_DOUBLE_EQ(rec::unpackRk(uint32_t(-5 << 2) | 0x2), -5.0);
}

TEST(XlsRoundTrip, ImpossibleWorkbooksAreRefusedWithAReason)
{
    const auto refused = [](const XlsWorkbook& wb, const std::string& words) {
        try {
            encodeWorkbookStream(wb);
            ADD_FAILURE() << "written: expected a refusal mentioning \"" << words << "\"";
        } catch (const XlsError& e) {
            EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
        }
    };
    XlsWorkbook wb = makeDefaultWorkbook();
    wb.sheets[0].merges = {{0, 1, 0, 1}, {1, 2, 1, 2}};
    refused(wb, "overlap");
    wb = makeDefaultWorkbook();
    wb.sheets[0].merges = {{3, 3, 3, 3}};
    refused(wb, "single cell");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 0, 99, 1.0}};
    refused(wb, "format 99");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 0, 0, 1.0}};  // a style format
    refused(wb, "no cell format");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 0, 15, 1.0}, {0, 0, 15, 2.0}};
    refused(wb, "twice");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 256, 15, 1.0}};
    refused(wb, "column IV");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 0, 15, std::numeric_limits<double>::infinity()}};
    refused(wb, "not finite");
    wb = makeDefaultWorkbook();
    wb.xfs[15].numberFormat = 170;
    refused(wb, "number format 170");
    wb = makeDefaultWorkbook();
    wb.xfs[15].font = 9;
    refused(wb, "font 9");
    wb = makeDefaultWorkbook();
    wb.sheets[0].name = u"a/b";
    refused(wb, "sheet name");
    wb = makeDefaultWorkbook();
    wb.sheets.push_back(wb.sheets[0]);
    refused(wb, "two sheets are named");
    wb = makeDefaultWorkbook();
    wb.sheets[0].visibility = XlsVisibility::Hidden;
    refused(wb, "active sheet");
    wb = makeDefaultWorkbook();
    wb.sheets[0].cells = {{0, 0, 15, XlsFormula{}}};
    refused(wb, "formula");
    wb = makeDefaultWorkbook();
    wb.palette.resize(10);
    refused(wb, "56");
    wb = makeDefaultWorkbook();
    wb.sheets[0].defaultRowHeight = 65273;  // found by the fuzzer: rows of cells got that height
    refused(wb, "default row height");
}

TEST(XlsRoundTrip, TheGridsLastRowAndColumn)
{
    XlsWorkbook wb = makeDefaultWorkbook();
    auto& s = wb.sheets[0];
    s.cells = {{kMaxRow, kMaxColumn, 15, 1.0}, {kMaxRow, 0, 15, true}, {0, kMaxColumn, 15, XlsBlank{}}};
    s.rows = {{kMaxRow, 600, true, true, std::nullopt, 0, false}};
    s.columns = {{kMaxColumn, kMaxColumn, 5000, 15, true, true, false, 2, true}};
    s.merges = {{kMaxRow - 1, kMaxRow, kMaxColumn - 1, kMaxColumn}};
    s.printArea = XlsRange{0, kMaxRow, 0, kMaxColumn};
    s.selection = {kMaxRow, kMaxColumn, {XlsRange{kMaxRow, kMaxRow, kMaxColumn, kMaxColumn}}, 0};
    expectSameWorkbook(wb, readWorkbookBytes(writeWorkbookBytes(wb)));
}

TEST(XlsRoundTrip, ColumnWidthsAreCharactersPlusPadding)
{
    // 8.43 characters of a 7-pixel digit: 59 + 5 pixels of padding.
    EXPECT_EQ(columnWidthUnits(8.43, 7), 2340);
    EXPECT_EQ(columnWidthUnits(19.14, 7), 5082);
    EXPECT_EQ(columnWidthUnits(2.43, 7), 804);
    for (double w : {2.43, 19.14, 17.57, 7.29, 13.86, 27.86, 100.0, 0.5})
        EXPECT_DOUBLE_EQ(columnWidthCharacters(columnWidthUnits(w, 7), 7), w) << w;
    // A wider digit has a wider padding: 2 * ceil(9 / 4) + 1 = 7 pixels.
    EXPECT_EQ(columnWidthUnits(10, 9), uint16_t((10 * 9 + 7) * 256 / 9));
    EXPECT_DOUBLE_EQ(columnWidthCharacters(columnWidthUnits(13.86, 9), 9), 13.86);
}

}  // namespace
}  // namespace jubilo::xls
