#pragma once
// A plan followed as the program follows it: a model per list, as the main
// window's views show them, and the figures tracker on those models.

#include "figures/figures_tracker.h"
#include "host/engine/engine_typed_input.h"
#include "plan/plan_table_model.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QLocale>

#include <memory>
#include <vector>

namespace jubilo::testing {

struct TrackedPlan {
    explicit TrackedPlan(Plan start = {})
        : plan(std::move(start))
    {
        for (const TableSpec& spec : tableSpecs()) {
            models.push_back(std::make_unique<PlanTableModel>(plan.table(spec.id)));
            tracker.follow(spec.id, *models.back());
        }
    }
    void setBudget(BudgetId id, const QString& text)
    {
        plan.setBudget(id, text);
        tracker.budgetsChanged();
    }

    Plan plan;
    FiguresTracker tracker{plan, engineTypedInput()};
    std::vector<std::unique_ptr<PlanTableModel>> models;
};

// Music over its budget, Decorations under, Food and Drinks without a
// budget, Other Supplies an error, Incidentals exactly at its budget.
inline Plan overBudgetPlan()
{
    Plan plan;
    appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "150"}});
    appendRows(plan, TableId::Decorations, {{"Garland", "3", "Yes", "40"}});
    appendRows(plan, TableId::FoodAndDrinks, {{"Cake", "Sugar", "No", "60"}});
    appendRows(plan, TableId::OtherSupplies, {{"Cups", "No", "#N/A"}});
    appendRows(plan, TableId::Incidentals, {{"Tent", "Yes", "50"}});
    plan.setBudget(BudgetId::Music, "100");
    plan.setBudget(BudgetId::Decoration, "80");
    plan.setBudget(BudgetId::OtherSupply, "30");
    plan.setBudget(BudgetId::Incidental, "50");
    return plan;
}

// The scripted seam and the sheet's US English, as the program's tests run.
class GlanceTest : public ScriptedSystemTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

}  // namespace jubilo::testing
