// Drawing the picture of a styled sheet: one block of the plan sheet's look,
// with a white sheet in Century Gothic, a title bar, striped rows with a
// merged column, indented money amounts, grey inside lines and a frame. Then
// a long plan: making its drawing, painting a window of it at the preview's
// zooms at the top and at the end, scrolling through it, and its whole
// bitmap.

#include "bench_main.h"
#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_sheets.h"

#include <QGuiApplication>
#include <QPainter>

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

// A sheet the size of a long plan: 1,600 blocks of three items, 8,000 rows
// of B:F, built once for the benchmarks below.
constexpr int kPlanBlocks = 1600;
constexpr int kItemsPerBlock = 3;

struct LongPlan {
    std::shared_ptr<Application> app = testing::englishApplication();
    std::shared_ptr<Worksheet> sheet;
    CellRect range;

    LongPlan()
    {
        app->addWorkbook();
        sheet = app->activeSheet();
        testing::stylePlanSheet({sheet});
        int row = 3;
        for (int b = 0; b < kPlanBlocks; ++b)
            row = testing::addPlanBlock({sheet}, row, QStringLiteral("Block %1").arg(b), kItemsPerBlock);
        range = CellRect{1, 1, row - 2, 5};
    }
};

LongPlan& longPlan()
{
    static LongPlan plan;
    return plan;
}

const picture::SheetDrawing& longPlanDrawing()
{
    static const picture::SheetDrawing drawing(*longPlan().sheet, longPlan().range);
    return drawing;
}

void BM_DrawingOfLongPlan(benchmark::State& state)
{
    LongPlan& plan = longPlan();
    std::size_t items = 0;
    for (auto _ : state) {
        const picture::SheetDrawing drawing(*plan.sheet, plan.range);
        items = drawing.storedItems();
    }
    int filled = 0;
    plan.sheet->cells().forEach(plan.range, [&](int, const Cell& c) { filled += c.formula || !isEmpty(c.value); });
    state.counters["filled_cells"] = filled;
    state.counters["merges"] = double(plan.sheet->merges().size());
    state.counters["rows"] = plan.range.rowCount();
    state.counters["stored_items"] = double(items);
}
BENCHMARK(BM_DrawingOfLongPlan)->Unit(benchmark::kMillisecond);

// The preview's window on the drawing, 1000 by 700 device pixels.
constexpr QSize kWindow(1000, 700);

// Args: the scale in hundredths, and 0 for the top or 1 for the end.
void BM_PaintWindowOfLongPlan(benchmark::State& state)
{
    const picture::SheetDrawing& drawing = longPlanDrawing();
    const double scale = double(state.range(0)) / 100;
    const int bottom = int(drawing.size().height() * scale);
    const QRect area(QPoint(0, state.range(1) ? bottom - kWindow.height() : 0), kWindow);
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&window);
        drawing.paint(painter, area, scale);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_PaintWindowOfLongPlan)
    ->ArgsProduct({{25, 100, 375}, {0, 1}})
    ->ArgNames({"percent", "at_end"})
    ->Unit(benchmark::kMicrosecond);

// Each window a screen further down, so its lines of text are new.
void BM_ScrollThroughLongPlan(benchmark::State& state)
{
    const picture::SheetDrawing& drawing = longPlanDrawing();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    int top = 0;
    for (auto _ : state) {
        QPainter painter(&window);
        drawing.paint(painter, QRect(QPoint(0, top), kWindow), 1.0);
        painter.end();
        top = (top + kWindow.height()) % drawing.size().height();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_ScrollThroughLongPlan)->Unit(benchmark::kMicrosecond);

// The whole range at 100%, cut at the bitmap side limit.
void BM_WholeBitmapOfLongPlan(benchmark::State& state)
{
    LongPlan& plan = longPlan();
    QImage image;
    for (auto _ : state) {
        image = picture::drawRange(*plan.sheet, plan.range);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width"] = image.width();
    state.counters["height"] = image.height();
}
BENCHMARK(BM_WholeBitmapOfLongPlan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QGuiApplication app(argc, argv);  // fonts need one
    return jubilo::bench::runBenchmarks(argc, argv);
}
