#include "hostile_workbooks.h"

#include "sample_workbooks.h"

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/records_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <cstring>

namespace jubilo::xls::testing {

namespace {

constexpr uint16_t kWidestColumn = 0xFFFF;  // 1/256 characters
constexpr uint16_t kTallestRow = 8192;  // twips, the most a writer puts
constexpr uint32_t kHugeCount = 0xFFFFFFFF;

// Where the n-th record of a type starts; the stream's end when it has none.
std::size_t findRecord(const std::vector<uint8_t>& s, uint16_t type, int n = 0)
{
    for (std::size_t at = 0; at + 4 <= s.size();) {
        const uint16_t t = uint16_t(s[at] | (s[at + 1] << 8));
        if (t == type && n-- == 0)
            return at;
        if (t == 0)
            break;  // the padding
        at += 4 + std::size_t(s[at + 2] | (s[at + 3] << 8));
    }
    return s.size();
}

void put16(std::vector<uint8_t>& s, std::size_t at, uint16_t v)
{
    s.at(at) = uint8_t(v);
    s.at(at + 1) = uint8_t(v >> 8);
}

void put32(std::vector<uint8_t>& s, std::size_t at, uint32_t v)
{
    put16(s, at, uint16_t(v));
    put16(s, at + 2, uint16_t(v >> 16));
}

// The stream without its padding, as the fuzzer's seeds hold it.
std::vector<uint8_t> trimmed(std::vector<uint8_t> s)
{
    while (!s.empty() && s.back() == 0)
        s.pop_back();
    s.resize(s.size() + 3, 0);  // the last EOF's zero length
    return s;
}

// The stream of wb with the field at `offset` from the start of the first
// record of `type` set to value (two or four bytes).
std::vector<uint8_t> patched(const XlsWorkbook& wb, uint16_t type, std::size_t offset, uint32_t value, bool wide)
{
    std::vector<uint8_t> s = encodeWorkbookStream(wb);
    const std::size_t at = findRecord(s, type);
    if (wide)
        put32(s, at + offset, value);
    else
        put16(s, at + offset, uint16_t(value));
    return trimmed(std::move(s));
}

// A workbook whose used range (the DIMENSIONS and INDEX records) claims
// more rows than the grid has, while it holds one cell.
std::vector<uint8_t> claimedExtent()
{
    XlsWorkbook wb = makeDefaultWorkbook();
    wb.sheets[0].cells.push_back({0, 0, 15, 1.0});
    std::vector<uint8_t> s = encodeWorkbookStream(wb);
    const std::size_t dims = findRecord(s, rec::Dimensions::kType);
    put32(s, dims + 8, kHugeCount);  // one past the last row
    put16(s, dims + 14, 0xFFFF);  // one past the last column
    put32(s, findRecord(s, rec::Index::kType) + rec::Index::kLastRowAt, kHugeCount);
    return trimmed(std::move(s));
}

// The compound file whose directory gives the workbook stream a size far
// beyond the file.
std::vector<uint8_t> containerClaimingAHugeStream()
{
    std::vector<uint8_t> file = writeWorkbookBytes(representativeWorkbook());
    constexpr std::size_t kSectorSize = 512, kFirstDirectorySectorAt = 0x30, kEntrySize = 128, kStreamSizeAt = 0x78;
    const uint32_t sector
        = uint32_t(file[kFirstDirectorySectorAt] | file[kFirstDirectorySectorAt + 1] << 8
                   | file[kFirstDirectorySectorAt + 2] << 16 | file[kFirstDirectorySectorAt + 3] << 24);
    const std::size_t directory = (std::size_t(sector) + 1) * kSectorSize;
    static const char16_t kName[] = u"Workbook";
    for (std::size_t entry = directory; entry + kEntrySize <= file.size(); entry += kEntrySize)
        if (std::memcmp(file.data() + entry, kName, sizeof kName - 2) == 0)
            put32(file, entry + kStreamSizeAt, 0x7FFFFFFF);
    return file;
}

}  // namespace

std::vector<uint8_t> streamWithSheets(std::size_t count)
{
    const std::vector<uint8_t> s = encodeWorkbookStream(makeDefaultWorkbook());
    const auto at = [&](std::size_t i) { return s.begin() + std::ptrdiff_t(i); };
    const std::size_t bound = findRecord(s, rec::BoundSheet::kType);
    const std::size_t boundEnd = bound + 4 + std::size_t(s[bound + 2] | (s[bound + 3] << 8));
    const std::size_t sheetStart = findRecord(s, kEofRecord) + 4, sheetEnd = findRecord(s, kEofRecord, 1) + 4;
    const std::size_t globals = bound + count * (boundEnd - bound) + (sheetStart - boundEnd);

    std::vector<uint8_t> out(s.begin(), at(bound));
    for (std::size_t i = 0; i < count; ++i) {
        out.insert(out.end(), at(bound), at(boundEnd));
        put32(out, out.size() - (boundEnd - bound) + rec::BoundSheet::kPositionAt,
              uint32_t(globals + i * (sheetEnd - sheetStart)));
    }
    out.insert(out.end(), at(boundEnd), at(sheetStart));
    for (std::size_t i = 0; i < count; ++i)
        out.insert(out.end(), at(sheetStart), at(sheetEnd));
    return out;
}

XlsWorkbook farCellWorkbook()
{
    XlsWorkbook wb = makeDefaultWorkbook();
    wb.sheets[0].cells.push_back({0, 0, 15, std::u16string(u"first")});
    wb.sheets[0].cells.push_back({kMaxRow, kMaxColumn, 15, 42.0});
    return wb;
}

XlsWorkbook tallestAndWidestWorkbook()
{
    XlsWorkbook wb = farCellWorkbook();
    XlsSheet& sheet = wb.sheets[0];
    sheet.defaultRowHeight = kTallestRow;
    sheet.defaultRowHeightCustom = true;
    XlsColumnInfo columns;
    columns.first = 0;
    columns.last = kMaxColumn;
    columns.width = kWidestColumn;
    sheet.columns.push_back(columns);
    for (uint16_t row : {uint16_t(0), uint16_t(kMaxRow / 2), kMaxRow}) {
        XlsRowInfo info;
        info.row = row;
        info.height = kTallestRow;
        info.customHeight = true;
        sheet.rows.push_back(info);
    }
    return wb;
}

std::vector<HostileInput> hostileInputs()
{
    const XlsWorkbook sample = representativeWorkbook();
    const std::vector<uint8_t> file = writeWorkbookBytes(sample);
    constexpr std::size_t kFirstListEntryAt = 4;  // after the record header
    return {
        {"far_cell", writeWorkbookBytes(farCellWorkbook()), true},
        {"far_cell", trimmed(encodeWorkbookStream(farCellWorkbook())), false},
        {"tallest_widest", trimmed(encodeWorkbookStream(tallestAndWidestWorkbook())), false},
        {"default_row_height_max", patched(tallestAndWidestWorkbook(), rec::DefaultRowHeight::kType, 6, 0xFFFF, false),
         false},
        {"claimed_extent", claimedExtent(), false},
        {"sst_huge_counts", patched(sample, rec::Sst::kType, 4, kHugeCount, true), false},
        {"sst_huge_unique_count", patched(sample, rec::Sst::kType, 8, kHugeCount, true), false},
        {"merge_count_huge", patched(sample, rec::MergeCells::kType, kFirstListEntryAt, 0xFFFF, false), false},
        {"extern_count_huge", patched(sample, rec::ExternSheet::kType, kFirstListEntryAt, 0xFFFF, false), false},
        {"palette_count_huge", patched(sample, rec::Palette::kType, kFirstListEntryAt, 0xFFFF, false), false},
        {"selection_count_huge", patched(sample, rec::Selection::kType, 4 + 7, 0xFFFF, false), false},
        {"container_cut", std::vector<uint8_t>(file.begin(), file.begin() + std::ptrdiff_t(file.size() / 2)), true},
        {"container_huge_stream", containerClaimingAHugeStream(), true},
    };
}

}  // namespace jubilo::xls::testing
