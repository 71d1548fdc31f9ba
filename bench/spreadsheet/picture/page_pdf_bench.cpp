// Writing a sheet's PDF: plan blocks of three items (five rows each) in the
// plan's look on A4 at 100%, 50 rows (two pages) and 8,000 rows (167
// pages), into memory; with no header and footer, and with a three-section
// header and a footer on every page. Then the same without headers, the
// blocks named in Chinese, Arabic, Devanagari and with emoji, whose lines
// the PDF's text layer carries.

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/picture/page_pdf.h"
#include "tests/support/engine_sheets.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo::spreadsheet;

void writePdfs(benchmark::State& state, const QStringList& blockNames, bool headers)
{
    const int blocks = int(state.range(0)) / 5;
    auto app = testing::englishApplication();
    app->addWorkbook();
    auto sheet = app->activeSheet();
    const testing::SheetRanges s{sheet};
    testing::stylePlanSheet(s);
    int row = 3;
    for (int b = 0; b < blocks; ++b)
        row = testing::addPlanBlock(s, row, QStringLiteral("%1 %2").arg(blockNames[b % blockNames.size()]).arg(b + 1));
    sheet->pageSetup().setPaperSize(jubilo::xl::kPaperA4);
    sheet->pageSetup().setPrintArea(QStringLiteral("B2:F%1").arg(row - 1));
    if (headers) {
        sheet->pageSetup().setHeader(QStringLiteral("&LPlans&C&A&RPage &P of &N"));
        sheet->pageSetup().setFooter(QStringLiteral("&C&D &T"));
    }
    const QDateTime printedAt(QDate(2026, 12, 8), QTime(9, 30));
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture::writeSheetPdf(*sheet, buffer, printedAt);
        bytes = buffer.size();
    }
    state.counters["rows"] = row - 2;
    state.counters["pdf_bytes"] = double(bytes);
    state.counters["pages"] = picture::layoutPages(*sheet).pages.size();
}

void BM_SheetPdf(benchmark::State& state) { writePdfs(state, {QStringLiteral("Block")}, state.range(1) != 0); }
BENCHMARK(BM_SheetPdf)->ArgsProduct({{50, 8000}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_SheetPdfInWorldScripts(benchmark::State& state)
{
    writePdfs(state,
              {QStringLiteral("李雷"), QStringLiteral("مرحبا"), QStringLiteral("नमस्ते"), QStringLiteral("Karaoke 🎤")},
              false);
}
BENCHMARK(BM_SheetPdfInWorldScripts)->Arg(50)->Arg(8000)->Unit(benchmark::kMillisecond);

}  // namespace
