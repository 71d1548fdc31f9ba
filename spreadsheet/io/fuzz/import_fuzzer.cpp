// libFuzzer entry for the engine's import of a decoded workbook. The input
// builds an xls::XlsWorkbook (hostile_workbook.h) that the engine imports.
// A refusal (SpreadsheetError) is a fine answer. A workbook the engine
// takes must show every cell it was given (formulas are computed there),
// export, and, once written and read back, import to a workbook that means
// the same (workbook_meaning.h). A formula the engine reads is written back
// in as many bytes: the offsets of its jump tokens count them.

#include "hostile_workbook.h"
#include "workbook_meaning.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/formula/rgce_p.h"
#include "spreadsheet/io/xls_export_p.h"
#include "spreadsheet/io/xls_import_p.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls_io.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace jubilo::spreadsheet;

Application& application()
{
    static const std::shared_ptr<Application> app = Application::create(QLocale::c());
    return *app;
}

void showEveryGivenCell(Workbook& book, const jubilo::xls::XlsWorkbook& file)
{
    for (int i = 1; i <= book.sheetCount(); ++i) {
        Worksheet& sheet = *book.sheet(i);
        for (const jubilo::xls::XlsCell& c : file.sheets[std::size_t(i - 1)].cells) {
            if (c.column <= kLastColumn) {
                sheet.value(c.row, c.column);
                sheet.text(c.row, c.column);
            }
        }
        sheet.usedRange();
    }
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkFormulaSizes(const jubilo::xls::XlsWorkbook& file)
{
    for (const jubilo::xls::XlsSheet& sheet : file.sheets) {
        for (const jubilo::xls::XlsCell& c : sheet.cells) {
            const auto* f = std::get_if<jubilo::xls::XlsFormula>(&c.value);
            if (!f)
                continue;
            const QByteArray bytes(reinterpret_cast<const char*>(f->rgce.data()), qsizetype(f->rgce.size()));
            const auto tokens = formula::decodeRgce(bytes);
            if (tokens && formula::encodeRgce(*tokens).size() != bytes.size())
                fail("a formula read from a file is written back in another number of bytes");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const jubilo::xls::XlsWorkbook file = fuzz::hostileWorkbook(in);
    checkFormulaSizes(file);
    std::shared_ptr<Workbook> book;
    try {
        book = importWorkbook(file, application(), QStringLiteral("fuzz.xls"));
    } catch (const SpreadsheetError&) {
        return 0;
    }
    showEveryGivenCell(*book, file);
    const jubilo::xls::XlsWorkbook exported = exportWorkbook(*book);
    std::vector<uint8_t> stream;
    try {
        stream = jubilo::xls::encodeWorkbookStream(exported);
    } catch (const jubilo::xls::XlsError&) {
        return 0;  // the file cannot hold it (a text over 32,767 characters)
    }
    const auto again = importWorkbook(jubilo::xls::decodeWorkbookStream(stream), application(), book->name());
    if (!(fuzz::meaningOf(exportWorkbook(*again)) == fuzz::meaningOf(exported)))
        fail("an imported workbook, written and read back, imports to a different workbook");
    return 0;
}
