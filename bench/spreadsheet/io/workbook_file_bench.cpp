// Saving and opening styled rows of five columns through the engine:
// Workbook::saveAs and Application::openWorkbook, file included. Memory is
// the heap the opened workbook holds, per cell.

#include "spreadsheet/model/application.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "host/constants/xl_constants.h"
#include "spreadsheet/io/xls_export_p.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <malloc.h>

namespace {

using namespace jubilo::spreadsheet;
namespace xl = jubilo::xl;

constexpr int kColumns = 5;

std::size_t heapInUse() { return mallinfo2().uordblks; }

// Text, text, Yes/No, an amount in money format and a running total, in
// striped rows; styled by range as the plan sheet is.
std::shared_ptr<Workbook> styledRows(Application& app, int rows)
{
    auto book = app.addWorkbook();
    auto sheet = book->sheet(1);
    const Range all(sheet, CellRect::sheet());
    all.font().setName(QStringLiteral("Century Gothic"));
    all.font().setSize(9);
    for (int r = 0; r < rows; ++r) {
        const int row = r + 2;
        sheet->setFormulaR1C1(row, 1, QStringLiteral("Guest %1").arg(r));
        sheet->setFormulaR1C1(row, 2, QStringLiteral("%1 Party Lane").arg(r));
        sheet->setFormulaR1C1(row, 3, r % 3 ? QStringLiteral("Yes") : QStringLiteral("No"));
        sheet->setFormulaR1C1(row, 4, QString::number(r * 1.25, 'f', 2));
        sheet->setFormulaR1C1(row, 5, r ? QStringLiteral("=R[-1]C+RC[-1]") : QStringLiteral("=RC[-1]"));
    }
    for (int r = 0; r < rows; r += 2)
        Range(sheet, {r + 2, 1, r + 2, kColumns}).interior().setColorIndex(19);
    const Range body(sheet, {2, 1, rows + 1, kColumns});
    body.setIndentLevel(1);
    body.font().setColorIndex(53);
    Range(sheet, {2, 4, rows + 1, 5}).setNumberFormat(QStringLiteral("$#,##0.00"));
    Range(sheet, {2, 4, rows + 1, 5}).setHorizontalAlignment(xl::kLeft);
    body.borders(xl::kInsideVertical).setLineStyle(xl::kContinuous);
    body.borders(xl::kInsideVertical).setColorIndex(48);
    return book;
}

QString benchPath(const char* name) { return QDir::temp().filePath(QString::fromLatin1(name)); }

void BM_EngineSaveAs(benchmark::State& state)
{
    auto app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    auto book = styledRows(*app, int(state.range(0)));
    const QString path = benchPath("jubilo_engine_bench_save.xls");
    for (auto _ : state)
        book->saveAs(path, xl::kExcel8);
    state.counters["file_bytes"] = double(QFile(path).size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
    QFile::remove(path);
}

void BM_EngineOpen(benchmark::State& state)
{
    auto app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString path = benchPath("jubilo_engine_bench_open.xls");
    styledRows(*app, int(state.range(0)))->saveAs(path, xl::kExcel8);
    std::size_t heap = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto book = app->openWorkbook(path);
        state.PauseTiming();
        heap = heapInUse() - before;
        book->close();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_cell"] = double(heap) / (double(state.range(0)) * kColumns);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    QFile::remove(path);
}

BENCHMARK(BM_EngineSaveAs)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineOpen)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
