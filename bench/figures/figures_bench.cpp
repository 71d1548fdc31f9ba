// The plan's figures at 1,000 and 10,000 rows per table: read afresh, as
// every edit would cost without keeping them, against kept up to date, as
// the status bar pays for one edit or one budget keystroke.

#include "bench_main.h"
#include "figures/figure_texts.h"
#include "figures/figures_tracker.h"
#include "host/engine/engine_typed_input.h"
#include "messages/language.h"
#include "plan/plan_table_model.h"
#include "tests/support/sample_plans.h"

#include <QCoreApplication>

#include <memory>

namespace jubilo {
namespace {

void BM_FiguresReadAfresh(benchmark::State& state)
{
    const Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(planFigures(plan, engineTypedInput()).totalSpent());
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_FiguresReadAfresh)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A plan whose lists a tracker follows through their models, as the window's.
struct TrackedPlan {
    explicit TrackedPlan(int rows)
        : plan(testing::planWithRows(rows))
    {
        for (const TableSpec& spec : tableSpecs()) {
            models[static_cast<std::size_t>(spec.id)] = std::make_unique<PlanTableModel>(plan.table(spec.id));
            tracker.follow(spec.id, *models[static_cast<std::size_t>(spec.id)]);
        }
    }
    Plan plan;
    FiguresTracker tracker{plan, engineTypedInput()};
    std::array<std::unique_ptr<PlanTableModel>, kTableCount> models;
};

void BM_FiguresAfterAnAmountEdit(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    TrackedPlan tracked(rows);
    PlanTable& music = tracked.plan.table(TableId::Music);
    int edits = 0;
    for (auto _ : state) {
        music.setCell(rows / 2, 3, QString::number(++edits % 100) + QStringLiteral(".25"));
        benchmark::DoNotOptimize(tracked.tracker.figures().totalSpent());
    }
    state.counters["rows_per_table"] = static_cast<double>(rows);
}
BENCHMARK(BM_FiguresAfterAnAmountEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_FiguresAfterABudgetKeystroke(benchmark::State& state)
{
    TrackedPlan tracked(static_cast<int>(state.range(0)));
    bool typed = false;
    for (auto _ : state) {
        tracked.plan.setBudget(BudgetId::Music, (typed = !typed) ? QStringLiteral("155") : QStringLiteral("15"));
        tracked.tracker.budgetsChanged();
        benchmark::DoNotOptimize(tracked.tracker.figures().totalBudget());
    }
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_FiguresAfterABudgetKeystroke)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A money text, built for every amount the status bar and the glance
// window show, in the locale's style: US English and German.
void BM_MoneyText(benchmark::State& state)
{
    const LanguageInForce language(*languageNamed(QString::fromLatin1(state.range(0) == 0 ? "en" : "de")));
    double amount = 1234.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moneyText(SheetSum{amount, {}}));
        amount += 0.01;
    }
    state.SetLabel(state.range(0) == 0 ? "en_US" : "de_DE");
}
BENCHMARK(BM_MoneyText)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace jubilo

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QCoreApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    return jubilo::bench::runBenchmarks(argc, argv);
}
