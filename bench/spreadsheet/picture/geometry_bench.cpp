// Sheet geometry lookups the picture makes: the boundaries of a tall range,
// the offset of a merged area far below it, and each cell's format over a
// filled block. Every tenth row has a height of its own.

#include "spreadsheet/model/application.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo::spreadsheet;

constexpr int kRows = 20000;
constexpr int kColumns = 6;
constexpr int kUnlimitedSide = 1 << 30;

struct TallSheet {
    std::shared_ptr<Application> app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    std::shared_ptr<Worksheet> sheet;

    TallSheet()
    {
        app->addWorkbook();
        sheet = app->activeSheet();
        for (int r = 0; r < kRows; ++r) {
            if (r % 10 == 0)
                sheet->setRowHeight(r, r, 20);
            for (int c = 0; c < kColumns; ++c)
                sheet->setFormulaR1C1(r, c, QStringLiteral("x"));
        }
    }
};

void BM_MeasureTallRange(benchmark::State& state)
{
    TallSheet tall;
    const CellRect range{0, 0, kRows - 1, kColumns - 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(picture::measureRange(*tall.sheet, range, kUnlimitedSide).size);
    state.counters["rows_per_s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_MeasureTallRange)->Unit(benchmark::kMicrosecond);

void BM_OffsetOfTheLastRow(benchmark::State& state)
{
    TallSheet tall;
    const picture::RangeGeometry g = picture::measureRange(*tall.sheet, CellRect{0, 0, 9, kColumns - 1});
    for (auto _ : state)
        benchmark::DoNotOptimize(picture::rowOffset(*tall.sheet, g, kLastRow));
}
BENCHMARK(BM_OffsetOfTheLastRow)->Unit(benchmark::kMicrosecond);

void BM_FormatOfEveryCell(benchmark::State& state)
{
    TallSheet tall;
    for (auto _ : state) {
        quint64 sum = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c <= kColumns; ++c)  // the last column holds no cells
                sum += tall.sheet->effectiveXf(r, c);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["cells_per_s"]
        = benchmark::Counter(double(kRows) * (kColumns + 1), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FormatOfEveryCell)->Unit(benchmark::kMicrosecond);

}  // namespace
