// Opening a workbook: the global part, then each sheet in turn, then what
// ties them together (print areas).

#include "spreadsheet/xls/compound_file_p.h"
#include "spreadsheet/xls/globals_reader_p.h"
#include "spreadsheet/xls/record_mapping_p.h"
#include "spreadsheet/xls/sheet_reader_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <fstream>

namespace jubilo::xls {

namespace {

void convertFormats(const WorkbookGlobals& g, XlsWorkbook& wb)
{
    if (wb.fonts.empty())
        damagedWorkbook("its global part has no " + recordName(kFontRecord) + " record");
    for (const auto& [x, place] : g.xfs) {
        XlsXf xf = mapping::fromRecord(x, place);
        if (xf.font >= wb.fonts.size())
            place.damaged("it uses a font that is not there");
        wb.xfs.push_back(xf);
    }
}

// Sheets follow the global part and each other: every byte is read once.
void readSheets(std::span<const uint8_t> stream, const WorkbookGlobals& g, XlsWorkbook& wb)
{
    if (g.sheets.empty())
        damagedWorkbook("its global part has no " + recordName(kBoundSheetRecord) + " record");
    std::size_t minimum = g.end;
    for (const auto& [bs, place] : g.sheets) {
        if (bs.sheetType != 0)
            throw XlsError("the workbook has a chart, macro or module sheet, which is not supported");
        if (bs.position < minimum || bs.position >= stream.size())
            place.damaged("the sheet's position in the workbook stream is wrong");
        XlsSheet sheet;
        sheet.name = bs.name;
        sheet.visibility = bs.state <= 2 ? XlsVisibility(bs.state) : XlsVisibility::Hidden;
        minimum = readSheet(stream, bs.position, g, wb, sheet);
        wb.sheets.push_back(std::move(sheet));
    }
    if (wb.activeSheet >= wb.sheets.size())
        wb.activeSheet = 0;
    if (wb.window.firstVisibleTab >= wb.sheets.size())
        wb.window.firstVisibleTab = 0;
}

bool isPrintAreaName(const rec::Name& name)
{
    return (name.flags & rec::Name::kBuiltIn) && name.name == std::u16string(1, char16_t(rec::Name::kPrintArea));
}

void applyPrintAreas(const WorkbookGlobals& g, XlsWorkbook& wb)
{
    for (const auto& [name, place] : g.names) {
        if (!isPrintAreaName(name) || name.sheet == 0 || name.sheet > wb.sheets.size())
            continue;
        uint16_t ixti = 0, r1 = 0, r2 = 0, c1 = 0, c2 = 0;
        if (!rec::parseArea3d(name.formula, ixti, r1, r2, c1, c2))
            continue;  // several areas, or a form this layer does not write
        if (ixti >= g.externs.size())
            place.damaged("the print area refers to an external sheet entry that is not there");
        const auto& e = g.externs[ixti];
        if (e.supBook >= g.supBooks.size() || g.supBooks[e.supBook].kind != rec::SupBook::kSelf)
            continue;  // a reference into another workbook
        if (r1 > r2 || c1 > c2 || c2 > kMaxColumn)
            place.damaged("the print area is not a range of the grid");
        wb.sheets[name.sheet - 1].printArea = XlsRange{r1, r2, c1, c2};
    }
}

}  // namespace

XlsWorkbook decodeWorkbookStream(std::span<const uint8_t> stream)
{
    if (stream.size() > kMaxFileSize)
        throw XlsError("the workbook is too large");
    XlsWorkbook wb;
    const WorkbookGlobals g = readGlobals(stream, wb);
    convertFormats(g, wb);
    readSheets(stream, g, wb);
    applyPrintAreas(g, wb);
    return wb;
}

XlsWorkbook readWorkbookBytes(std::span<const uint8_t> file)
{
    const std::vector<uint8_t> stream = unpackWorkbookStream(file);
    return decodeWorkbookStream(stream);
}

XlsWorkbook readWorkbook(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw XlsError("cannot open " + path.string());
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw XlsError("cannot read " + path.string());
    if (std::size_t(size) > kMaxFileSize)
        throw XlsError(path.string() + " is too large for a workbook");
    in.seekg(0, std::ios::beg);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw XlsError("cannot read " + path.string());
    return readWorkbookBytes(bytes);
}

}  // namespace jubilo::xls
