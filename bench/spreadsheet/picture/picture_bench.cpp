// Drawing the picture of a styled sheet: one block of the plan sheet's look,
// with a white sheet in Century Gothic, a title bar, striped rows with a
// merged column, indented money amounts, grey inside lines and a frame.

#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_sheets.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo::spreadsheet;

void BM_PictureOfStyledRows(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto app = testing::englishApplication();
    app->addWorkbook();
    auto sheet = app->activeSheet();
    testing::stylePlanSheet({sheet});
    testing::addPlanBlock({sheet}, 2, QStringLiteral("Guests"), rows);
    const CellRect range{1, 1, rows + 2, 5};  // the title bar, the rows and the total
    QImage image;
    for (auto _ : state) {
        image = picture::drawRange(*sheet, range);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width"] = image.width();
    state.counters["height"] = image.height();
    state.counters["rows_per_s"] = benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PictureOfStyledRows)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
