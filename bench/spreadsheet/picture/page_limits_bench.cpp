// How soon a workbook that asks for millions of pages is refused: text at A1
// and IV<row>, saved as .xls and opened again (untimed), then its PDF
// written into memory. With 48.9-inch margins on Letter paper no page has
// room to print on; with no margins at 400% a page holds 3 columns and 15
// rows, so IV15000 asks for 86,000 pages and IV1725 for 9,890, about the
// most that print. Smaller rows show how the time grew with the pages laid
// out before there was a limit.

#include "spreadsheet/core/error.h"
#include "spreadsheet/picture/page_pdf.h"
#include "tests/support/far_cell_workbook.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo::spreadsheet;

void farCellPdf(benchmark::State& state, const testing::FarCellPages& pages)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("far.xls"));
    auto app = testing::englishApplication();
    const auto book = testing::farCellWorkbook(*app, saved, pages);
    const QDateTime printedAt(QDate(2026, 12, 8), QTime(9, 30));
    qint64 refused = 0, bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        try {
            picture::writeSheetPdf(*book->activeSheet(), buffer, printedAt);
        } catch (const SpreadsheetError&) {
            ++refused;
        }
        bytes = buffer.size();
    }
    state.counters["refused"] = benchmark::Counter(double(refused), benchmark::Counter::kAvgIterations);
    state.counters["pdf_bytes"] = double(bytes);
    state.counters["xls_bytes"] = double(QFileInfo(saved).size());
}

void BM_FarCellPdfWithoutRoom(benchmark::State& state)
{
    farCellPdf(state, {testing::kFarCellMarginInches, int(state.range(0)), 100});
}
BENCHMARK(BM_FarCellPdfWithoutRoom)->Arg(15)->Arg(testing::kFarCellRow)->Unit(benchmark::kMillisecond);

void BM_FarCellPdfAt400(benchmark::State& state) { farCellPdf(state, {0, int(state.range(0)), 400}); }
BENCHMARK(BM_FarCellPdfAt400)->Arg(150)->Arg(1725)->Arg(testing::kFarCellRow)->Unit(benchmark::kMillisecond);

}  // namespace
