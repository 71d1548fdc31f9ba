// Writing and styling a sheet cell by cell through the object model, the
// way the plan sheet is built: select, write the active cell, then fill,
// font, alignment and (in the amount column) number format on the selection.

#include "spreadsheet/model/application.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "host/constants/xl_constants.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

using namespace jubilo::spreadsheet;
namespace xl = jubilo::xl;

constexpr int kColumns = 5;

std::size_t heapInUse() { return mallinfo2().uordblks; }

void buildSheet(Application& app, int rows)
{
    static const QString kTexts[] = {QStringLiteral("Guest name"), QStringLiteral("12 Party Lane"),
                                     QStringLiteral("Yes"), QStringLiteral("07:00 PM")};
    for (int r = 0; r < rows; ++r) {
        const bool stripe = r % 2 == 1;
        for (int c = 0; c < kColumns; ++c) {
            Range cell(app.activeSheet(), CellRect::at(r + 2, c + 1));
            cell.select();
            const Range selection = app.selection();
            app.activeCell().setFormulaR1C1(c == kColumns - 1 ? QString::number(r * 1.25, 'f', 2) : kTexts[c]);
            selection.interior().setColorIndex(stripe ? 2 : 19);
            selection.font().setSize(9);
            selection.font().setColorIndex(53);
            selection.setIndentLevel(1);
            if (c == kColumns - 1) {
                selection.setHorizontalAlignment(xl::kLeft);
                selection.setNumberFormat(QStringLiteral("$#,##0.00"));
            }
        }
    }
}

void BM_WriteAndStyleCells(benchmark::State& state)
{
    const int rows = int(state.range(0));
    std::size_t heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
        app->addWorkbook();
        const std::size_t before = heapInUse();
        state.ResumeTiming();
        buildSheet(*app, rows);
        state.PauseTiming();
        heap = heapInUse() - before;
        benchmark::DoNotOptimize(app->activeSheet()->usedRange());
        app.reset();
        state.ResumeTiming();
    }
    const double cells = double(rows) * kColumns;
    state.counters["cells"] = cells;
    state.counters["cells_per_s"] = benchmark::Counter(cells, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["heap_bytes_per_cell"] = double(heap) / cells;
}
BENCHMARK(BM_WriteAndStyleCells)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
