// Drawing the picture of a styled sheet: the way the plan sheet looks, with
// a white sheet in Century Gothic, a title bar, striped rows with a merged
// column, indented money amounts, grey inside lines and a frame.

#include "spreadsheet/model/application.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "automation/xl_constants.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo::spreadsheet;
namespace xl = jubilo::xl;

void styleSheet(Application& app, int rows)
{
    auto sheet = app.activeSheet();
    const Range all = app.cells();
    all.font().setName(QStringLiteral("Century Gothic"));
    all.font().setSize(9);
    all.setVerticalAlignment(xl::kCenter);
    all.setWrapText(true);
    all.interior().setColorIndex(2);
    const double widths[] = {2.43, 19.14, 17.57, 7.29, 13.86, 27.86};
    for (int c = 0; c < 6; ++c)
        sheet->setColumnWidth(c, c, widths[c]);

    const Range bar(sheet, {1, 1, 1, 5});
    bar.interior().setColorIndex(13);
    Range(sheet, CellRect::at(1, 1)).setFormulaR1C1(QStringLiteral("Guests"));
    bar.font().setColorIndex(35);
    bar.font().setBold(true);
    for (int r = 2; r < rows + 2; ++r) {
        sheet->setRowHeight(r, r, 14.25);
        Range(sheet, {r, 1, r, 5}).interior().setColorIndex(r % 2 == 0 ? 19 : 2);
        Range(sheet, CellRect::at(r, 1)).setFormulaR1C1(QStringLiteral("Guest %1").arg(r - 1));
        const Range address(sheet, {r, 2, r, 3});
        Range(sheet, CellRect::at(r, 2)).setFormulaR1C1(QStringLiteral("%1 Party Lane").arg(r * 3));
        address.merge();
        Range(sheet, CellRect::at(r, 4)).setFormulaR1C1(r % 3 ? QStringLiteral("Yes") : QStringLiteral("No"));
        const Range amount(sheet, CellRect::at(r, 5));
        amount.setFormulaR1C1(QString::number(r * 12.5 + 0.25, 'f', 2));
        amount.setHorizontalAlignment(xl::kLeft);
        amount.setNumberFormat(QStringLiteral("$#,##0.00"));
        Range(sheet, {r, 1, r, 5}).setIndentLevel(1);
    }
    const Range block(sheet, {1, 1, rows + 1, 5});
    for (int edge : {xl::kEdgeLeft, xl::kEdgeTop, xl::kEdgeBottom, xl::kEdgeRight, xl::kInsideVertical})
        block.borders(edge).setLineStyle(xl::kContinuous);
    block.borders(xl::kInsideVertical).setColorIndex(48);
}

void BM_PictureOfStyledRows(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    app->addWorkbook();
    styleSheet(*app, rows);
    auto sheet = app->activeSheet();
    const CellRect range{1, 1, rows + 1, 5};
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
