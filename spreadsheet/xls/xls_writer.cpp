// Saving a workbook: checked first, then the global part and each sheet
// written in turn as a sequence of named steps.

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/record_mapping_p.h"
#include "files/file_error.h"
#include "files/safe_write.h"
#include "spreadsheet/xls/sheet_writer_p.h"
#include "spreadsheet/xls/workbook_checks_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <algorithm>

namespace jubilo::xls {

namespace {

// Stream size below which the container would keep the workbook in its
// small-stream area; the stream is padded to stay out of it.
constexpr std::size_t kMinStreamSize = 4096;
// Text encoding of the workbook (UTF-16) as the CODEPAGE record names it.
constexpr uint16_t kCodePageUtf16 = 1200;

void writeFileHeader(RecordWriter& w, const XlsWorkbook& wb)
{
    w.put(rec::Bof{rec::Bof::kBiff8, rec::Bof::kGlobals});
    w.put(rec::InterfaceHdr{kCodePageUtf16});
    w.put(rec::Mms{0});
    w.put(rec::InterfaceEnd{});
    w.put(rec::WriteAccess{u"Jubilo"});
    w.put(rec::CodePage{kCodePageUtf16});
    w.put(rec::Dsf{0});
    rec::TabId tabs;
    for (std::size_t i = 0; i < wb.sheets.size(); ++i)
        tabs.ids.push_back(uint16_t(i + 1));
    w.put(tabs);
    w.put(rec::FnGroupCount{14});
}

void writeProtection(RecordWriter& w)
{
    w.put(rec::WindowProtect{0});
    w.put(rec::Protect{0});
    w.put(rec::Password{0});
    w.put(rec::Prot4Rev{0});
    w.put(rec::Prot4RevPass{0});
}

void writeBookOptions(RecordWriter& w, const XlsWorkbook& wb)
{
    w.put(rec::Backup{0});
    w.put(rec::HideObj{0});
    w.put(rec::Date1904{uint16_t(wb.date1904 ? 1 : 0)});
    w.put(rec::CalcPrecision{1});
    w.put(rec::RefreshAll{0});
    w.put(rec::BookBool{0});
}

// Fonts, number formats, cell and style formats, styles and palette.
void writeFormats(RecordWriter& w, const XlsWorkbook& wb)
{
    for (const auto& f : wb.fonts)
        w.put(mapping::toRecord(f));  // the fifth record is font 5: index 4 does not exist
    for (const auto& f : wb.numberFormats)
        w.put(rec::Format{f.index, f.code});
    for (const auto& xf : wb.xfs)
        w.put(mapping::toRecord(xf));
    for (const auto& s : wb.styles)
        w.put(mapping::toRecord(s));
    if (!wb.palette.empty()) {
        rec::Palette palette;
        for (const auto& c : wb.palette)
            palette.colors.push_back(mapping::toBgr(c));
        w.put(palette);
    }
    w.put(rec::UsesElfs{0});
}

// One BOUNDSHEET a sheet; returns where each one is, to patch in the
// sheet's position once it is written.
std::vector<std::size_t> writeSheetList(RecordWriter& w, const XlsWorkbook& wb)
{
    std::vector<std::size_t> boundSheetAt;
    for (const auto& sheet : wb.sheets) {
        boundSheetAt.push_back(w.position());
        w.put(rec::BoundSheet{0, uint8_t(sheet.visibility), 0, sheet.name});
    }
    w.put(rec::Country{});
    return boundSheetAt;
}

// Print areas: one EXTERNSHEET entry and one built-in name per sheet.
void writePrintAreas(RecordWriter& w, const XlsWorkbook& wb)
{
    std::vector<std::size_t> printAreaSheets;
    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        if (wb.sheets[i].printArea)
            printAreaSheets.push_back(i);
    }
    if (printAreaSheets.empty())
        return;
    w.put(rec::SupBook{uint16_t(wb.sheets.size()), rec::SupBook::kSelf});
    rec::ExternSheet externs;
    for (std::size_t i : printAreaSheets)
        externs.entries.push_back({0, uint16_t(i), uint16_t(i)});
    w.put(externs);
    for (std::size_t k = 0; k < printAreaSheets.size(); ++k) {
        const std::size_t i = printAreaSheets[k];
        const XlsRange& a = *wb.sheets[i].printArea;
        rec::Name name;
        name.sheet = uint16_t(i + 1);
        name.name = std::u16string(1, char16_t(rec::Name::kPrintArea));
        name.formula = rec::area3d(uint16_t(k), a.firstRow, a.lastRow, a.firstColumn, a.lastColumn);
        w.put(name);
    }
}

// The index of the table has at most 128 buckets of at least 8 strings.
void writeSharedStrings(RecordWriter& w, SharedStrings& strings)
{
    strings.sst.bucketSize = uint16_t(std::max<std::size_t>(8, (strings.sst.strings.size() + 127) / 128));
    const auto buckets = strings.sst.write(w);
    w.put(rec::ExtSst{strings.sst.bucketSize, buckets});
}

}  // namespace

std::vector<uint8_t> encodeWorkbookStream(const XlsWorkbook& wb)
{
    checkWorkbook(wb);
    SharedStrings strings;
    std::vector<SheetCells> sorted;
    for (const auto& sheet : wb.sheets)
        sorted.push_back(sortCells(sheet, strings));

    RecordWriter w;
    writeFileHeader(w, wb);
    writeProtection(w);
    w.put(mapping::toRecord(wb.window, wb.activeSheet));
    writeBookOptions(w, wb);
    writeFormats(w, wb);
    const auto boundSheetAt = writeSheetList(w, wb);
    writePrintAreas(w, wb);
    writeSharedStrings(w, strings);
    w.put(rec::Eof{});

    for (std::size_t i = 0; i < wb.sheets.size(); ++i) {
        w.patchU32(boundSheetAt[i] + rec::BoundSheet::kPositionAt, uint32_t(w.position()));
        writeSheet(w, wb, i, sorted[i]);
    }
    if (w.position() > kMaxFileSize)
        refuseToSave("the workbook is larger than " + std::to_string(kMaxFileSize >> 20) + " MiB");
    if (w.bytes().size() < kMinStreamSize)
        w.bytes().resize(kMinStreamSize, 0);
    return std::move(w.bytes());
}

std::vector<uint8_t> writeWorkbookBytes(const XlsWorkbook& workbook)
{
    return packWorkbookStream(encodeWorkbookStream(workbook));
}

void writeWorkbook(const XlsWorkbook& workbook, const std::filesystem::path& path)
{
    try {
        files::replaceFile(path, writeWorkbookBytes(workbook));
    } catch (const files::FileError& error) {
        throw XlsError(("cannot write " + error.file() + ": " + error.reason()).toStdString());
    }
}

}  // namespace jubilo::xls
