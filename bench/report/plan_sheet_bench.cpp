// buildPlanSheet plus SaveAs for plans of 1, 10, 100 and 1,000 rows in
// every table.

#include "model/plan.h"
#include "engine_host/engine_host.h"
#include "report/plan_sheet.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo;

Plan planWithRows(int rows)
{
    Plan plan;
    for (int i = 1; i <= rows; ++i) {
        const QString n = QString::number(i);
        plan.table(TableId::Guests).append({"Guest " + n, "Street " + n, "Yes", n});
        plan.table(TableId::Music).append({"Song " + n, "CD", "No", "9.99"});
        plan.table(TableId::Decorations).append({"Deco " + n, "2", "Yes", "3.04"});
        plan.table(TableId::FoodAndDrinks).append({i % 3 ? "Cake" : "Punch", "Item " + n, "No", "20.00"});
        plan.table(TableId::OtherSupplies).append({"Supply " + n, "Yes", "14.99"});
        plan.table(TableId::Incidentals).append({"Other " + n, "No", "0.00"});
        plan.table(TableId::Schedules).append({"Task " + n, "11:10 AM", "Nearest store"});
        plan.table(TableId::Activities).append({"Dance " + n, "07:00 PM", "If guests want to"});
    }
    return plan;
}

void BM_BuildPlanSheetAndSave(benchmark::State& state)
{
    const Plan plan = planWithRows(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.xls");
    auto host = createEngineHost("Excel.Application");
    for (auto _ : state) {
        auto book = host->workbooks()->add();
        buildPlanSheet(*host, plan);
        book->saveAs(path, xl::kExcel8);
        host->setDisplayAlerts(false);
        book->close();
    }
    host->quit();
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_BuildPlanSheetAndSave)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
